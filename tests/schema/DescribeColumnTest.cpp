#include <gtest/gtest.h>

#include "ColumnCases.h"
#include "schema/DescribeColumn.h"

namespace tabrix {
namespace {

using test::MakeColumn;

std::string Describe(const CColCtrl& col) {
    std::string text = "stale";
    DescribeColumn(col, text);
    return text;
}

TEST(DescribeColumn, TextColumns) {
    CColCtrl col = MakeColumn(kTypeText, 0x201F);
    col.m_strTitle = "氏名";
    col.m_nLength = 20;
    col.m_bObligate = true;
    EXPECT_EQ(Describe(col), "氏名 ：文字（空白,英字,数字,記号,半ｶﾅ,全角,）、20文字、必須入力");

    col.m_nFormat1 = 0xFFFF;
    col.m_strEtcChar = "-／";
    col.m_bEtcChar = true;
    col.m_nLength = -1;
    col.m_bObligate = false;
    EXPECT_EQ(Describe(col),
              "氏名 ：文字（空白,英字,数字,記号,半ｶﾅ,全角空白,全角英字,全角数字,全角記号,全ひら,全カナ,"
              "第一水準,第二水準,全角,-／,）、省略可");

    col.m_nFormat1 = 0;
    col.m_strEtcChar.clear();
    col.m_bEtcChar = false;
    col.m_bNoDisp = true;
    col.m_bEdit = false;
    col.m_Tran.m_bTran = true;
    EXPECT_EQ(Describe(col), "氏名 ：文字（）、省略可、非表示、入力不可 、翻訳項目(F4)");
}

TEST(DescribeColumn, NumberColumns) {
    CColCtrl col = MakeColumn(kTypeNumber, kFmtNum1);
    col.m_strTitle = "金額";
    EXPECT_EQ(Describe(col), "金額 ：数字（12345）、省略可");
    col.m_nFormat1 = kFmtNum2;
    col.m_nLength = 8;
    col.m_strMinNum = "0";
    col.m_strMaxNum = "99999999";
    EXPECT_EQ(Describe(col), "金額 ：数字（00123）、8文字、省略可、最小値（0）、最大値（99999999）");
    col.m_strMinNum.clear();
    EXPECT_EQ(Describe(col), "金額 ：数字（00123）、8文字、省略可、最大値（99999999）");
}

TEST(DescribeColumn, DateAndTimeColumns) {
    const std::pair<FormatBits, const char*> dates[] = {
        {kFmtDate1, "日付（YYYYMMDD）"},          {kFmtDate2, "日付（YYYY/MM/DD）"},
        {kFmtDate3, "日付（YYYY年MM月DD日）"},    {kFmtDate4, "日付（gYY.MM.DD）"},
        {kFmtDate5, "日付（ggYY年MM月DD日）"},    {kFmtDate6, "日付（YYYY/MM/DD hh:mm:ss）"},
    };
    for (const auto& [format, piece] : dates) {
        CColCtrl col = MakeColumn(kTypeDate, format);
        col.m_strTitle = "日";
        EXPECT_EQ(Describe(col), std::string("日 ：") + piece + "、省略可");
    }
    const std::pair<FormatBits, const char*> times[] = {
        {kFmtTime1, "時刻（hhmm）"},     {kFmtTime2, "時刻（hh:mm）"},    {kFmtTime3, "時刻（hh時mm分）"},
        {kFmtTime4, "時刻（hhmmss）"},   {kFmtTime5, "時刻（hh:mm:ss）"}, {kFmtTime6, "時刻（hh時mm分ss秒）"},
    };
    for (const auto& [format, piece] : times) {
        CColCtrl col = MakeColumn(kTypeTime, format);
        col.m_strTitle = "時";
        col.m_bObligate = true;
        EXPECT_EQ(Describe(col), std::string("時 ：") + piece + "、必須入力");
    }
}

TEST(DescribeColumn, VirtualColumnsSayOnlyThat) {
    CColCtrl col = MakeColumn(kTypeText, 0xFFFFFFFF);
    col.m_strTitle = "名称";
    col.m_bFileCol = false;
    col.m_bObligate = true;
    col.m_Tran.m_bTran = true;
    EXPECT_EQ(Describe(col), "名称 ：仮想項目（表示専用）");
}

}  // namespace
}  // namespace tabrix
