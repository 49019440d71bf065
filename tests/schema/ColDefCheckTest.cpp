#include <functional>
#include <gtest/gtest.h>

#include "schema/ColCtrl.h"
#include "schema/ColDefCheck.h"
#include "support/ScriptedUi.h"
#include "text/FormatBits.h"

namespace tabrix {
namespace {

constexpr const char* kHead = "制御ファイルの列=3 の指定にエラーが有ります。\n";

CColCtrl Titled() {
    CColCtrl col;
    col.m_nCol = 3;
    col.m_strTitle = "A";
    return col;
}

TEST(ColDefCheck, EachRuleHasItsMessage) {
    struct Case {
        const char* name;
        std::function<void(CColCtrl&)> set;
        std::string complaints;  // empty: the column is sound
    };
    const Case cases[] = {
        {"sound text", [](CColCtrl&) {}, ""},
        {"no title", [](CColCtrl& c) { c.m_strTitle.clear(); }, "項目タイトルを指定して下さい。\n"},
        {"text with a number notation", [](CColCtrl& c) { c.m_nFormat1 = kFmtNum1 | kFmtHalfDigit; },
         "文字タイプの場合、「数字、日付、時刻」フォーマットは指定出来ません。\n"},
        {"number without notation", [](CColCtrl& c) { c.m_nType = kTypeNumber; },
         "数字タイプの場合、「NUM1,NUM2」以外は指定出来ません。\n"},
        {"number with both notations",
         [](CColCtrl& c) {
             c.m_nType = kTypeNumber;
             c.m_nFormat1 = kFmtNum1 | kFmtNum2;
         },
         "数字タイプの場合、「NUM1,NUM2」以外は指定出来ません。\n"},
        {"sound number",
         [](CColCtrl& c) {
             c.m_nType = kTypeNumber;
             c.m_nFormat1 = kFmtNum2;
             c.m_strMinNum = "1";
         },
         ""},
        {"date with two notations",
         [](CColCtrl& c) {
             c.m_nType = kTypeDate;
             c.m_nFormat1 = kFmtDate1 | kFmtDate2;
         },
         "日付タイプの場合、「DATE1～6」以外は指定出来ません。\n"},
        {"time with a date notation",
         [](CColCtrl& c) {
             c.m_nType = kTypeTime;
             c.m_nFormat1 = kFmtDate1;
         },
         "時刻タイプの場合、「TIME1～6」以外は指定出来ません。\n"},
        {"minimum and maximum of text",
         [](CColCtrl& c) {
             c.m_strMinNum = "1";
             c.m_strMaxNum = "2";
         },
         "最小値は、数字タイプの時のみ有効です。\n最大値は、数字タイプの時のみ有効です。\n"},
        {"permitted values with a maximum",
         [](CColCtrl& c) {
             c.m_nType = kTypeNumber;
             c.m_nFormat1 = kFmtNum1;
             c.m_Permission = {"1"};
             c.m_strMaxNum = "2";
         },
         "許可文字と最小値／最大値は、同時に指定出来ません。\n"},
        {"rounding without a base",
         [](CColCtrl& c) {
             c.m_nType = kTypeTime;
             c.m_nFormat1 = kFmtTime2;
             c.m_nRound = 1;
         },
         "時刻丸めの場合は、丸め基準分(BASEMIN)を指定して下さい。\n"},
        {"translation without its settings", [](CColCtrl& c) { c.m_Tran.m_bTran = true; },
         "翻訳指定の場合は、ファイル名(TRAN_FILE)を指定して下さい。\n"
         "翻訳指定の場合は、キー列番号(TRAN_KEYPOS)を指定して下さい。\n"
         "翻訳指定の場合は、名称列番号(TRAN_NAMEPOS)を指定して下さい。\n"},
        {"more targets than names",
         [](CColCtrl& c) {
             c.m_Tran.m_bTran = true;
             c.m_Tran.m_strFile = "T.CSV";
             c.m_Tran.m_nKeyPos = 1;
             c.m_Tran.m_NamePos = {2};
             c.m_Tran.m_TranCols = {4, 5};
         },
         "翻訳指定の場合は、翻訳先列番号(TRAN_COL)を名称列番号(TRAN_NAMEPOS)の数以下で指定して下さい。\n"},
        {"translation settings without TRAN=TRUE", [](CColCtrl& c) { c.m_Tran.m_TranCols = {4}; },
         "翻訳指定をする場合は、TRAN=TRUEを指定して下さい。\n"},
        {"virtual column of any type",
         [](CColCtrl& c) {
             c.m_bFileCol = false;
             c.m_nType = kTypeDate;
             c.m_nFormat1 = kFmtNum1;
         },
         ""},
    };
    for (const Case& c : cases) {
        CColCtrl col = Titled();
        c.set(col);
        const std::string expected = c.complaints.empty() ? "" : kHead + c.complaints;
        EXPECT_EQ(ColDefMessages(col), expected) << c.name;
        test::ScriptedUi ui;
        CColCtrl again = Titled();
        c.set(again);
        EXPECT_EQ(CheckColDef(again, ui), c.complaints.empty()) << c.name;
        EXPECT_EQ(ui.messages.size(), c.complaints.empty() ? 0u : 1u) << c.name;
    }
}

TEST(ColDefCheck, NormalisesNotationsByType) {
    CColCtrl virtualCol = Titled();
    virtualCol.m_bFileCol = false;
    virtualCol.m_nType = kTypeNumber;
    ASSERT_EQ(ColDefMessages(virtualCol), "");
    EXPECT_EQ(virtualCol.m_nType, kTypeText);
    EXPECT_EQ(virtualCol.m_nFormat1, 0xFFFFFFFFu);
    EXPECT_EQ(virtualCol.m_nFormat2, 0xFFFFFFFFu);

    CColCtrl time = Titled();
    time.m_nType = kTypeTime;
    time.m_nFormat1 = kFmtTime5;
    time.m_nLength = 8;
    ASSERT_EQ(ColDefMessages(time), "");
    EXPECT_EQ(time.m_nFormat2, kFmtTime5);
    EXPECT_EQ(time.m_nLength, -1);

    CColCtrl number = Titled();
    number.m_nType = kTypeNumber;
    number.m_nFormat1 = kFmtNum1;
    number.m_nFormat2 = kFmtDate1;
    ASSERT_EQ(ColDefMessages(number), "");
    EXPECT_EQ(number.m_nFormat2, kFmtNum1);
}

}  // namespace
}  // namespace tabrix
