#include "document/workbook/UnicodeTable.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>

#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Tables {
    // Code page 932 code of each BMP code point: one byte (< 0x100) or two
    // (lead << 8 | trail); 0 when there is none (U+0000 never looks here).
    std::array<std::uint16_t, 0x10000> encode{};
    // Code point of each two-byte code, 0 when it stands for nothing.
    std::array<char16_t, 0x10000> decodeDouble{};
    // Code point of each single byte, 0 when it is not a character of its own.
    std::array<char16_t, 0x100> decodeSingle{};
};

// Converts one character; returns the output length, 0 when refused.
std::size_t Convert(iconv_t cd, const char* in, std::size_t inLength, char* out, std::size_t outSize) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    char* dst = out;
    std::size_t srcLeft = inLength;
    std::size_t dstLeft = outSize;
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0) return 0;
    return outSize - dstLeft;
}

char16_t Utf16Unit(const unsigned char* utf16be, std::size_t length) {
    return length == 2 ? static_cast<char16_t>(utf16be[0] << 8 | utf16be[1]) : 0;
}

std::unique_ptr<Tables> BuildTables() {
    auto t = std::make_unique<Tables>();
    iconv_t toSjis = iconv_open("CP932", "UTF-16BE");
    iconv_t fromSjis = iconv_open("UTF-16BE", "CP932");
    if (toSjis == reinterpret_cast<iconv_t>(-1) || fromSjis == reinterpret_cast<iconv_t>(-1)) {
        for (unsigned c = 0; c < 0x80; ++c) {
            t->encode[c] = static_cast<std::uint16_t>(c);
            t->decodeSingle[c] = static_cast<char16_t>(c);
        }
        return t;
    }
    unsigned char out[8];
    for (unsigned cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const char in[2] = {static_cast<char>(cp >> 8), static_cast<char>(cp & 0xFF)};
        const std::size_t n = Convert(toSjis, in, 2, reinterpret_cast<char*>(out), sizeof out);
        if (n == 1) t->encode[cp] = out[0];
        if (n == 2) t->encode[cp] = static_cast<std::uint16_t>(out[0] << 8 | out[1]);
    }
    for (unsigned b = 0; b < 0x100; ++b) {
        if (IsLeadByte(static_cast<unsigned char>(b))) continue;
        const char in[1] = {static_cast<char>(b)};
        t->decodeSingle[b] = Utf16Unit(out, Convert(fromSjis, in, 1, reinterpret_cast<char*>(out), sizeof out));
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            t->decodeDouble[lead << 8 | trail] =
                Utf16Unit(out, Convert(fromSjis, in, 2, reinterpret_cast<char*>(out), sizeof out));
        }
    }
    iconv_close(toSjis);
    iconv_close(fromSjis);
    return t;
}

const Tables& TheTables() {
    static const std::unique_ptr<Tables> tables = BuildTables();
    return *tables;
}

}  // namespace

bool AppendCp932(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return true;
    }
    if (cp > 0xFFFF) return false;
    const std::uint16_t code = TheTables().encode[cp];
    if (code == 0) return false;
    if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
    return true;
}

char32_t DecodeCp932(std::string_view text, std::size_t& pos, bool& valid) {
    const unsigned char b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {
        ++pos;
        return b;
    }
    const Tables& t = TheTables();
    char16_t unit = 0;
    if (IsDoubleByteAt(text, pos)) {
        unit = t.decodeDouble[b << 8 | static_cast<unsigned char>(text[pos + 1])];
        pos += 2;
    } else {
        unit = t.decodeSingle[b];
        ++pos;
    }
    if (unit == 0) {
        valid = false;
        return kReplacement;
    }
    return unit;
}

}  // namespace tabrix
