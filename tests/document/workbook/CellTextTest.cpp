// The value-to-text rules of workbook cells: numbers, dates and times,
// format codes, and the characters a cell may hold.
#include <gtest/gtest.h>

#include "document/workbook/CellNumber.h"
#include "document/workbook/CellText.h"

namespace tabrix {
namespace {

std::string NumberText(double v) {
    std::string out;
    AppendNumberText(v, out);
    return out;
}

TEST(CellText, NumbersInTheirShortestForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1.5, "1.5"}, {3, "3"}, {-0.5, "-0.5"}, {0, "0"}, {-0.0, "0"},
        {0.1 + 0.2, "0.3"}, {1234567890123, "1234567890123"}, {999999999999999, "999999999999999"},
        {1e15, "1E+15"}, {1e20, "1E+20"}, {0.000123, "0.000123"}, {0.00001, "1E-05"},
        {123456789.123456789, "123456789.123457"}, {-45296.25, "-45296.25"}, {2.0 / 3, "0.666666666666667"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

TEST(CellText, FormatCodesJudgedByTheirTokens) {
    const struct {
        const char* code;
        NumberKind kind;
    } cases[] = {
        {"General", NumberKind::Plain},
        {"0.00", NumberKind::Plain},
        {"#,##0;[Red]-#,##0", NumberKind::Plain},
        {"0.00E+00", NumberKind::Plain},
        {"@", NumberKind::Plain},
        {"\"yyyy\"0", NumberKind::Plain},            // quoted text is no token
        {"0\\d", NumberKind::Plain},                 // nor is an escaped letter
        {"[$-411]#,##0", NumberKind::Plain},         // a locale, not a date
        {"yyyy/mm/dd", NumberKind::Date},
        {"[$-411]ggge\"年\"m\"月\"d\"日\"", NumberKind::Date},
        {"yyyy\\年m\\月d\\日", NumberKind::Date},
        {"mmm-yy", NumberKind::Date},
        {"mm", NumberKind::Date},                    // m alone is the month
        {"ge.m.d", NumberKind::Date},
        {"hh:mm:ss", NumberKind::Time},
        {"mm:ss", NumberKind::Time},                 // m beside s is the minute
        {"h:mm AM/PM", NumberKind::Time},
        {"h\"時\"mm\"分\"", NumberKind::Time},
        {"[h]:mm:ss", NumberKind::ElapsedTime},
        {"[mm]:ss", NumberKind::ElapsedTime},
        {"yyyy-mm-dd hh:mm", NumberKind::DateTime},
        {"m/d/yyyy h:mm;@", NumberKind::DateTime},
        {"0.00;yyyy", NumberKind::Plain},            // only the first section counts
    };
    for (const auto& c : cases) EXPECT_EQ(FormatCodeKind(c.code), c.kind) << c.code;

    EXPECT_EQ(BuiltinFormatKind(0), NumberKind::Plain);
    EXPECT_EQ(BuiltinFormatKind(14), NumberKind::Date);
    EXPECT_EQ(BuiltinFormatKind(21), NumberKind::Time);
    EXPECT_EQ(BuiltinFormatKind(22), NumberKind::DateTime);
    EXPECT_EQ(BuiltinFormatKind(46), NumberKind::ElapsedTime);
    EXPECT_EQ(BuiltinFormatKind(57), NumberKind::Date);  // the Japanese era formats
    EXPECT_EQ(BuiltinFormatKind(49), NumberKind::Plain);
}

TEST(CellText, SerialDatesAndTimes) {
    const struct {
        double serial;
        NumberKind kind;
        bool date1904;
        const char* text;  // nullptr: no date, the number is written instead
    } cases[] = {
        {45296, NumberKind::Date, false, "2024/01/05"},
        {45296.395833333336, NumberKind::DateTime, false, "2024/01/05 09:30:00"},
        {45296.395833333336, NumberKind::Date, false, "2024/01/05"},
        {0.395833333333333, NumberKind::Time, false, "09:30:00"},
        {45296.395833333336, NumberKind::Time, false, "09:30:00"},
        {1.0416666666666667, NumberKind::ElapsedTime, false, "25:00:00"},
        {32516, NumberKind::Date, false, "1989/01/08"},
        {1, NumberKind::Date, false, "1900/01/01"},
        {59, NumberKind::Date, false, "1900/02/28"},
        {61, NumberKind::Date, false, "1900/03/01"},
        {2958465, NumberKind::Date, false, "9999/12/31"},
        {0.99999999, NumberKind::DateTime, false, "1900/01/01 00:00:00"},  // rounds to the next day
        {43834, NumberKind::Date, true, "2024/01/05"},
        {0.5, NumberKind::DateTime, true, "1904/01/01 12:00:00"},
        {-1, NumberKind::Date, false, nullptr},
        {2958466, NumberKind::Date, false, nullptr},
        {45296, NumberKind::Plain, false, nullptr},
    };
    for (const auto& c : cases) {
        std::string out;
        const bool date = AppendSerialText(c.serial, c.kind, c.date1904, out);
        EXPECT_EQ(date, c.text != nullptr) << c.serial;
        if (c.text) EXPECT_EQ(out, c.text) << c.serial;
    }
}

TEST(CellText, IsoDates) {
    const struct {
        const char* iso;
        const char* text;
    } cases[] = {
        {"2024-01-05", "2024/01/05"},
        {"2024-01-05T00:00:00", "2024/01/05"},
        {"2024-01-05T09:30:00", "2024/01/05 09:30:00"},
        {"2024-01-05T09:30:15.250Z", "2024/01/05 09:30:15"},
        {"09:30:00", "09:30:00"},
        {"2024/01/05", nullptr},
        {"2024-13-05", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(AppendIsoDateText(c.iso, out), c.text != nullptr) << c.iso;
        if (c.text) EXPECT_EQ(out, c.text) << c.iso;
    }
}

TEST(CellText, UnicodeBecomesCodePage932WithEveryChangeCounted) {
    const struct {
        const char8_t* utf8;
        bool escapes;
        const char* cp932;
        int replaced;
        int controls;
    } cases[] = {
        {u8"東京都", true, "東京都", 0, 0},
        {u8"ｱｲｳ \"引用\" ①ソ表", true, "ｱｲｳ \"引用\" ①ソ表", 0, 0},
        {u8"a\tb\r\nc", true, "abc", 0, 3},
        {u8"行1_x000A_行2", true, "行1行2", 0, 1},
        {u8"_x0041__x005F_x0041_", true, "A_x0041_", 0, 0},
        {u8"_x0041_", false, "_x0041_", 0, 0},
        {u8"_x00zz_ _x41_", true, "_x00zz_ _x41_", 0, 0},
        {u8"\u00A0é简体", true, "???体", 3, 0},
        {u8"\U00020BB7野家", true, "?野家", 1, 0},
        {u8"_xD842__xDFB7_", true, "?", 1, 0},  // a surrogate pair written as escapes is one character
        {u8"_xD842_x", true, "?x", 1, 0},       // a lone surrogate
    };
    for (const auto& c : cases) {
        std::string out;
        CellAlterations alt;
        AppendCellUtf8(reinterpret_cast<const char*>(c.utf8), c.escapes, out, alt);
        EXPECT_EQ(out, c.cp932) << reinterpret_cast<const char*>(c.utf8);
        EXPECT_EQ(alt.replaced, c.replaced) << reinterpret_cast<const char*>(c.utf8);
        EXPECT_EQ(alt.controls, c.controls) << reinterpret_cast<const char*>(c.utf8);
    }
}

TEST(CellText, FieldsBecomeCellTextEscapedAndCut) {
    std::string utf8;
    CellOutput result;
    FieldToCellUtf8("東京_x0041_ｱ", utf8, result);
    EXPECT_EQ(utf8, reinterpret_cast<const char*>(u8"東京_x005F_x0041_ｱ"));
    EXPECT_FALSE(result.cut);

    const std::string longField(40000, 'x');
    FieldToCellUtf8(longField, utf8, result);
    EXPECT_TRUE(result.cut);
    EXPECT_EQ(utf8.size(), kMaxCellUnits);

    // A double-byte character is never split by the cut.
    std::u16string units;
    CellOutput wide;
    std::string kanji;
    for (int i = 0; i < 40000; ++i) kanji += "漢";
    FieldToCellUtf16(kanji, units, wide);
    EXPECT_TRUE(wide.cut);
    EXPECT_EQ(units.size(), kMaxCellUnits);
    EXPECT_EQ(units.back(), u'漢');

    CellOutput bad;
    FieldToCellUtf16("a\x81", units, bad);  // a lead byte without its trail byte
    EXPECT_EQ(units, u"a?");
    EXPECT_EQ(bad.badBytes, 1);
}

TEST(CellText, AlterationsMessage) {
    EXPECT_EQ(AlterationsMessage({}), "");
    CellAlterations alt;
    alt.replaced = 2;
    alt.beyondLastColumn = 1;
    EXPECT_EQ(AlterationsMessage(alt),
              "EXCELファイルの読み込みで、次のデータを変更しました。\n"
              "・シフトJISで表せない文字を「?」に置換：2 文字\n"
              "・IV列(256列目)より右のセルを読み飛ばし：1 セル");
}

}  // namespace
}  // namespace tabrix
