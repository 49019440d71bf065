// The conversion commands against sources that share none of their code:
// the standard library's calendar for weekdays, ages and invalid days, the
// date parser reading back the era notations the command wrote, and the
// code page 932 codec for the width and kana conversions.
#include <gtest/gtest.h>

#include <random>

#include "ViewFixture.h"
#include "support/ChronoOracle.h"
#include "text/Cp932.h"
#include "text/Dates.h"
#include "text/Era.h"
#include "view/ConvertDialogs.h"

namespace tabrix {
namespace {

using test::Answer;
using test::ViewFixture;

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Runs the date conversion of column 1 with the format into a column added after it.
void ConvertDates(ViewFixture& f, CTabrixView& view, int format) {
    f.grid.setSelectedRange({1, 1, 1, 1});
    Answer<CDateConvDlg>(f, [format](CDateConvDlg& d) {
        d.m_nFormat = format;
        d.m_nPlace = 3;
    });
    view.runCommand(CommandId::ConvDateFormat);
}

TEST(ConvertOracle, DatesAgreeWithTheStandardCalendar) {
    struct Day {
        int y, m, d;
    };
    std::mt19937 random(4);
    std::vector<Day> days = {{2000, 2, 29}, {1900, 2, 29}, {2024, 2, 29}, {2023, 3, 1}, {2024, 3, 1}, {1989, 1, 7},
                             {1989, 1, 8}, {2019, 4, 30}, {2019, 5, 1}, {1926, 12, 25}, {1912, 7, 30}, {2024, 3, 2}};
    for (int i = 0; i < 1500; ++i)
        days.push_back({1900 + static_cast<int>(random() % 188), 1 + static_cast<int>(random() % 12),
                        1 + static_cast<int>(random() % 31)});
    std::vector<std::string> lines;
    for (const Day& day : days) lines.push_back(std::to_string(day.y) + "/" + Two(day.m) + "/" + Two(day.d));
    static const char* const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

    for (const LocalDateTime today : {LocalDateTime{2024, 3, 1, 0, 0, 0}, LocalDateTime{2023, 2, 28, 23, 59, 59}}) {
        ViewFixture f;
        f.rows(1, lines);
        const FixedClock clock(today);
        CTabrixView& view = f.show(100);
        view.setClock(clock);
        ConvertDates(f, view, 6);  // column 2: the age
        ConvertDates(f, view, 5);  // column 2: the weekday, the age moves to 3
        ConvertDates(f, view, 4);  // column 2: the long era notation
        ConvertDates(f, view, 0);  // column 2: YYYYMMDD
        for (std::size_t i = 0; i < days.size(); ++i) {
            const Day& day = days[i];
            const std::vector<std::string> fields = f.fieldsOf(i);
            ASSERT_EQ(fields.size(), 5u);
            const std::string& original = lines[i];
            if (!test::ChronoIsDate(day.y, day.m, day.d)) {
                EXPECT_EQ(fields, (std::vector<std::string>{original, original, original, original, "ERR"}));
                continue;
            }
            EXPECT_EQ(fields[1], std::to_string(day.y) + Two(day.m) + Two(day.d));
            EXPECT_EQ(fields[3], kWeekdays[test::ChronoWeekday(day.y, day.m, day.d)]) << original;
            const int age = test::ChronoAge(day.y, day.m, day.d, today.year, today.month, today.day);
            EXPECT_EQ(fields[4], age < 0 ? std::string("ERR") : std::to_string(age)) << original;
            // Every date of these years lies in an era, at most in its 99th year:
            // the notation reads back as the same day.
            EXPECT_NE(fields[2], original);
            LocalDateTime read;
            ASSERT_TRUE(ParseDate(fields[2], DefaultEraTable(), read)) << fields[2];
            EXPECT_EQ(read, (LocalDateTime{day.y, day.m, day.d, 0, 0, 0})) << fields[2];
        }
    }
}

std::string Utf8Of(std::u32string_view text) {
    std::string out;
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string Cp932Of(std::u32string_view text) {
    std::string out;
    EXPECT_TRUE(Utf8ToCp932(Utf8Of(text), out));
    return out;
}

// Runs a whole-column command over every column of the document.
void ConvertAll(ViewFixture& f, CTabrixView& view, CommandId id, int cols) {
    f.grid.setSelectedRange({1, 1, f.grid.rowCount() - 1, cols});
    view.runCommand(id);
}

// Letters, digits and hiragana picked at random, a few characters a field,
// three fields a line; the space marks stand in the store for the spaces.
TEST(ConvertOracle, WidthAndKanaConversionsFollowTheCodec) {
    std::mt19937 random(7);
    const std::u32string alphabet = U"ABCXYZabcxyz0189 ";
    std::vector<std::u32string> half;  // the fields as typed, in half width
    for (int i = 0; i < 600; ++i) {
        std::u32string field;
        for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n) field += alphabet[random() % alphabet.size()];
        half.push_back(field);
    }
    std::vector<std::u32string> hiragana;
    for (int i = 0; i < 600; ++i) {
        std::u32string field;
        for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n) field += U'\u3041' + random() % 0x53;  // ぁ .. ん
        hiragana.push_back(field);
    }
    for (bool marks : {false, true}) {
        ViewFixture f;
        if (marks) {
            f.doc.m_bHanspDisp = true;
            f.doc.m_strHanspChar = "_";
            f.doc.m_bZenspDisp = true;
            f.doc.m_strZenspChar = "■";
        }
        const auto stored = [&](std::u32string text) {
            std::string cp932 = Cp932Of(text);
            f.doc.spacesToMarks(cp932);
            return cp932;
        };
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < half.size(); ++i)
            lines.push_back(stored(half[i]) + "\t" + stored(hiragana[i]) + "\t" + stored(half[i]));
        f.rows(3, lines);
        CTabrixView& view = f.show(50);

        // Half to full: each ASCII character becomes the full-width form U+FF01 .. and the space U+3000.
        ConvertAll(f, view, CommandId::ConvHalfToFull, 1);
        // Hiragana to katakana: U+3041 .. becomes U+30A1 .., 0x60 further on.
        f.grid.setSelectedRange({1, 2, 1, 2});
        view.runCommand(CommandId::ConvHiraganaToKatakana);
        for (std::size_t i = 0; i < half.size(); ++i) {
            std::u32string full;
            for (char32_t c : half[i]) full += c == U' ' ? U'\u3000' : c - 0x20 + 0xFF00;
            std::u32string katakana;
            for (char32_t c : hiragana[i]) katakana += c + 0x60;
            EXPECT_EQ(f.fieldsOf(i), (std::vector<std::string>{stored(full), stored(katakana), stored(half[i])}));
        }
        // And back: the codec's text of the original fields again, the third column untouched.
        ConvertAll(f, view, CommandId::ConvFullToHalf, 1);
        f.grid.setSelectedRange({1, 2, 1, 2});
        view.runCommand(CommandId::ConvKatakanaToHiragana);
        for (std::size_t i = 0; i < half.size(); ++i) EXPECT_EQ(f.line(i), lines[i]) << i;
    }
}

}  // namespace
}  // namespace tabrix
