#include <gtest/gtest.h>

#include "ColumnCases.h"
#include "schema/Notation.h"

namespace tabrix {
namespace {

using test::MakeColumn;

struct PrepareCase {
    int type;
    FormatBits format;
    const char* initial;
    const char* value;
    const char* prepared;
};

TEST(PrepareInput, GivesTheFormTheUserEdits) {
    const PrepareCase cases[] = {
        {kTypeText, 0x201F, "", " a b \t", "a b"},
        {kTypeText, 0x201F, "", "　a　", "　a　"},
        {kTypeText, 0x201F, "", "", ""},
        {kTypeText, 0x201F, "ABC", " ", "ABC"},
        {kTypeText, 0x201F, "%YEAR%-%MONTH%", "", "2024-01"},
        {kTypeNumber, kFmtNum2, "", "000120", "120"},
        {kTypeNumber, kFmtNum2, "", "000", ""},
        {kTypeNumber, kFmtNum2, "", "-0012", "-0012"},
        {kTypeNumber, kFmtNum1, "", "000120", "000120"},
        {kTypeNumber, kFmtNum2, "0010", "", "10"},
        {kTypeDate, kFmtDate2, "", "2024/01/05", "20240105"},
        {kTypeDate, kFmtDate3, "", "2024年01月05日", "20240105"},
        {kTypeDate, kFmtDate4, "", "H36.01.05", "20240105"},
        {kTypeDate, kFmtDate5, "", "平成36年01月05日", "20240105"},
        {kTypeDate, kFmtDate6, "", "2024/01/05 09:30:00", "2024/01/05 09:30:00"},
        {kTypeDate, kFmtDate6, "", "20240105", "2024/01/05 00:00:00"},
        {kTypeDate, kFmtDate2, "", "2024/13/05", "2024/13/05"},
        {kTypeDate, kFmtDate2, "%SYSDATE%", "", "20240105"},
        {kTypeDate, kFmtDate4, "%HIGHTDATE%", "", "99991231"},
        {kTypeTime, kFmtTime2, "", "09:30", "0930"},
        {kTypeTime, kFmtTime3, "", "9時30分", "0930"},
        {kTypeTime, kFmtTime5, "", "09:30:15", "093015"},
        {kTypeTime, kFmtTime6, "", "09時30分15秒", "093015"},
        {kTypeTime, kFmtTime2, "%SYSTIME%", "", "0930"},
        {kTypeTime, kFmtTime2, "", "9:30am", "9:30am"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        CColCtrl col = MakeColumn(c.type, c.format);
        col.m_strInitial = c.initial;
        std::string value = c.value;
        PrepareInput(value, col, test::TestContext());
        EXPECT_EQ(value, c.prepared);
    }
}

// After PrepareInput and ValidateValue a value is back in its display notation.
TEST(PrepareInput, EditingRoundTripsThroughValidation) {
    const std::pair<FormatBits, const char*> cases[] = {
        {kFmtDate2, "2024/01/05"}, {kFmtDate4, "H36.01.05"}, {kFmtDate5, "平成01年01月08日"},
        {kFmtDate6, "2024/01/05 09:30:15"},
    };
    for (const auto& [format, shown] : cases) {
        CColCtrl col = MakeColumn(kTypeDate, format);
        std::string value = shown;
        PrepareInput(value, col, test::TestContext());
        ASSERT_TRUE(ValidateValue(col, value, test::TestContext()));
        EXPECT_EQ(value, shown);
    }
}

TEST(Notations, DisplayUsesFormat1AndFileUsesFormat2) {
    struct Case {
        int type;
        FormatBits format1;
        FormatBits format2;
        const char* value;
        const char* display;
        const char* file;
    };
    const Case cases[] = {
        {kTypeDate, kFmtDate2, kFmtDate3, "20240105", "2024/01/05", "2024年01月05日"},
        {kTypeDate, kFmtDate1, kFmtDate1, "2024/1/5", "20240105", "20240105"},
        {kTypeDate, kFmtDate2, 0xFFFFFFFF, "H36.01.05", "2024/01/05", "2024/01/05"},
        {kTypeDate, kFmtDate4, kFmtDate5, "1989/01/08", "H01.01.08", "平成01年01月08日"},
        {kTypeDate, kFmtDate4, kFmtDate2, "1868/09/07", "1868/09/07", "1868/09/07"},
        {kTypeDate, kFmtDate2, kFmtDate3, "", "", ""},
        {kTypeDate, kFmtDate2, kFmtDate3, "later", "later", "later"},
        {kTypeTime, kFmtTime2, kFmtTime4, "0930", "09:30", "093000"},
        {kTypeTime, kFmtTime6, kFmtTime1, "9:30:15", "09時30分15秒", "0930"},
        {kTypeText, 0x201F, kFmtDate2, "20240105", "20240105", "20240105"},
        {kTypeNumber, kFmtNum2, kFmtNum2, "0930", "0930", "0930"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        CColCtrl col = MakeColumn(c.type, c.format1);
        col.m_nFormat2 = c.format2;
        std::string display = c.value;
        ToDisplayNotation(display, col, DefaultEraTable());
        EXPECT_EQ(display, c.display);
        std::string file = c.value;
        ToFileNotation(file, col, DefaultEraTable());
        EXPECT_EQ(file, c.file);
    }
}

TEST(Notations, EraNotationsFollowTheGivenTable) {
    const EraTable eras = MakeEraTable({"1868/09/08", "1912/07/30", "1926/12/25", "2019/05/01"},
                                       {"M", "T", "S", "R"}, {"明治", "大正", "昭和", "令和"});
    CColCtrl col = MakeColumn(kTypeDate, kFmtDate4);
    col.m_nFormat2 = kFmtDate5;
    std::string value = "2024/01/05";
    ToDisplayNotation(value, col, eras);
    EXPECT_EQ(value, "R06.01.05");
    ToFileNotation(value, col, eras);
    EXPECT_EQ(value, "令和06年01月05日");
}

}  // namespace
}  // namespace tabrix
