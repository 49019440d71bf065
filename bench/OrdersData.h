// Deterministic Shift-JIS order records for benchmarks: 8 comma-separated
// fields per line with CR LF line ends, about 100 bytes a line.
//   1 order number A0000001... (about 1 line in 10,000 repeats an earlier one)
//   2 order date YYYY/MM/DD, valid dates 2019-2026
//   3 time HH:MM
//   4 customer code C0001-C9999
//   5 customer name, half-width kana in double quotes, often with a space
//   6 product name, full-width kanji and katakana in double quotes (trail
//     bytes 0x5C as in ソ and 表, now and then a comma inside the quotes)
//   7 quantity 1-999
//   8 status 受付, 出荷 or 完了 (about 1 line in 1,000 the invalid 保留)
// Compiled with the project's code page 932 literals.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tabrix::bench {

class OrdersGenerator {
public:
    explicit OrdersGenerator(std::uint64_t seed = 0x7AB81C5EEDull) : m_state(seed) {}

    // Appends the next line, CR LF included.
    void appendLine(std::string& out) {
        appendOrderNumber(out);
        out += ',';
        appendDate(out);
        out += ',';
        appendTwoDigits(out, below(24));
        out += ':';
        appendTwoDigits(out, below(60));
        out += ",C";
        appendNumber(out, 1 + below(9999), 4);
        out += ",\"";
        appendCustomerName(out);
        out += "\",\"";
        appendProductName(out);
        out += "\",";
        appendNumber(out, 1 + below(999), 1);
        out += ',';
        out += status();
        out += "\r\n";
    }

private:
    std::uint64_t next() {  // splitmix64: the same sequence on every platform
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    unsigned below(unsigned n) { return static_cast<unsigned>(next() % n); }
    template <std::size_t N>
    std::string_view pick(const std::array<std::string_view, N>& words) { return words[below(N)]; }

    static void appendNumber(std::string& out, unsigned value, int width) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*u", width, value);
        out += buffer;
    }
    static void appendTwoDigits(std::string& out, unsigned value) { appendNumber(out, value, 2); }

    void appendOrderNumber(std::string& out) {
        unsigned number = ++m_lastOrder;
        if (m_lastOrder > 1 && below(10000) == 0) number = 1 + below(--m_lastOrder);
        out += 'A';
        appendNumber(out, number, 7);
    }

    void appendDate(std::string& out) {
        static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const unsigned year = 2019 + below(8);
        const unsigned month = 1 + below(12);
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        const unsigned days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
        appendNumber(out, year, 4);
        out += '/';
        appendTwoDigits(out, month);
        out += '/';
        appendTwoDigits(out, 1 + below(days));
    }

    void appendCustomerName(std::string& out) {
        static constexpr std::array<std::string_view, 16> kFamily = {
            "ﾔﾏﾀﾞ", "ｽｽﾞｷ", "ｻﾄｳ",   "ﾀﾅｶ",   "ﾜﾀﾅﾍﾞ", "ｲﾄｳ", "ﾅｶﾑﾗ", "ｺﾊﾞﾔｼ",
            "ｶﾄｳ",  "ﾖｼﾀﾞ", "ﾔﾏﾓﾄ", "ｻｻｷ", "ﾏﾂﾓﾄ", "ｲﾉｳｴ", "ｷﾑﾗ", "ﾊﾔｼ"};
        static constexpr std::array<std::string_view, 12> kGiven = {
            "ﾀﾛｳ", "ﾊﾅｺ", "ｹﾝｼﾞ", "ﾕｳｷ", "ﾐｻｷ", "ｼｮｳﾀ", "ｱｲ", "ﾀﾞｲｽｹ", "ﾖｳｺ", "ﾏｺﾄ", "ｻﾁｺ", "ﾋﾛｼ"};
        static constexpr std::array<std::string_view, 4> kCompany = {"ｼｮｳｼﾞ", "ｼｮｳｶｲ", "ｻﾝｷﾞｮｳ", "ﾌﾞｯｻﾝ"};
        if (below(4) == 0) {
            out += "ｶ)";
            out += pick(kFamily);
            out += pick(kCompany);
            return;
        }
        out += pick(kFamily);
        if (below(3) != 0) out += ' ';
        out += pick(kGiven);
    }

    void appendProductName(std::string& out) {
        static constexpr std::array<std::string_view, 12> kPrefix = {
            "事務用", "業務用", "表示器", "予備",   "能率",   "十字",
            "表計算", "高性能", "収納",   "整理用", "防水型", "大容量"};
        static constexpr std::array<std::string_view, 14> kItem = {
            "ソフト",     "ケーブル", "テーブル",   "スピーカー", "ノート",   "ボールペン", "ソファー",
            "キーボード", "モニター", "プリンター", "トナー",     "ファイル", "ソケット",   "マウス"};
        static constexpr std::array<std::string_view, 10> kSuffix = {
            "セット", "一式", "交換部品", "本体", "詰替用", "黒", "白", "大型", "小型", "標準品"};
        static constexpr std::array<std::string_view, 6> kJoin = {"用", "付", "対応", "兼", "内蔵", "専用"};
        out += pick(kPrefix);
        out += pick(kItem);
        out += pick(kJoin);
        out += pick(kItem);
        if (below(2) == 0) {
            out += pick(kJoin);
            out += pick(kItem);
        }
        if (below(50) == 0) out += ',';
        out += pick(kItem);
        out += pick(kSuffix);
    }

    std::string_view status() {
        static constexpr std::array<std::string_view, 3> kStatus = {"受付", "出荷", "完了"};
        if (below(1000) == 0) return "保留";
        return pick(kStatus);
    }

    std::uint64_t m_state;
    unsigned m_lastOrder = 0;
};

inline std::string GenerateOrders(std::size_t lines) {
    OrdersGenerator generator;
    std::string out;
    out.reserve(lines * 110);
    for (std::size_t i = 0; i < lines; ++i) generator.appendLine(out);
    return out;
}

}  // namespace tabrix::bench
