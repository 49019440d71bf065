#include <gtest/gtest.h>

#include <random>

#include "schema/CtrlFixture.h"
#include "schema/TranTable.h"

namespace tabrix {
namespace {

using test::CtrlFixture;
using Names = std::vector<std::string>;

CTranCtrl Settings(const std::string& file, int keyPos, std::vector<int> namePos, std::vector<int> cols = {}) {
    CTranCtrl tran;
    tran.m_bTran = true;
    tran.m_strFile = file;
    tran.m_nKeyPos = keyPos;
    tran.m_NamePos = std::move(namePos);
    tran.m_TranCols = std::move(cols);
    return tran;
}

TEST(TranTable, NamesGoIntoTheirTargetColumns) {
    CtrlFixture f;
    f.dir.write("T.CSV", "A01,Apple,Red\r\nB02,Banana,Yellow\r\n");
    CTranCtrl tran = Settings("T.CSV", 1, {2, 3}, {5, 6});
    ASSERT_EQ(LoadTranTable(tran, f.app), 1) << f.ui.lastMessage();
    std::vector<std::string> row{"A01", "x", "y", "z", "", ""};
    EXPECT_EQ(TranslateRow(tran, "A01", row), 1);
    EXPECT_EQ(row, (Names{"A01", "x", "y", "z", "Apple", "Red"}));
    // A target beyond the row is left out.
    std::vector<std::string> narrow{"B02", "", "", "", ""};
    EXPECT_EQ(TranslateRow(tran, "B02", narrow), 1);
    EXPECT_EQ(narrow, (Names{"B02", "", "", "", "Banana"}));
}

TEST(TranTable, AnUnknownKeyLeavesTheRowAndSaysSo) {
    CtrlFixture f;
    f.dir.write("T.CSV", "A01,Apple,Red\r\n");
    CTranCtrl tran = Settings("T.CSV", 1, {2, 3}, {2, 3});
    ASSERT_EQ(LoadTranTable(tran, f.app), 1);
    std::vector<std::string> row{"Z99", "old", "old"};
    EXPECT_EQ(TranslateRow(tran, "Z99", row), 0);
    EXPECT_EQ(row, (Names{"Z99", "old", "old"}));
    EXPECT_EQ(tran.m_strMsg, "翻訳キー（Z99）が翻訳ファイルに見つかりません。");
    Names names{"stale"};
    EXPECT_EQ(LookupTran(tran, "Z99", names), 0);
    EXPECT_EQ(names, (Names{"", ""}));
    EXPECT_TRUE(f.ui.messages.empty());  // the caller decides what to show
}

TEST(TranTable, TheFirstRecordOfAKeyWins) {
    CtrlFixture f;
    f.dir.write("T.CSV", "K,first\r\nK,second\r\n");
    CTranCtrl tran = Settings("T.CSV", 1, {2});
    ASSERT_EQ(LoadTranTable(tran, f.app), 1);
    Names names;
    EXPECT_EQ(LookupTran(tran, "K", names), 1);
    EXPECT_EQ(names, Names{"first"});
}

TEST(TranTable, QuotesAreOrdinaryCharacters) {
    CtrlFixture f;
    f.dir.write("T.CSV", "\"A01\",\"Apple\"\r\n");
    CTranCtrl tran = Settings("T.CSV", 1, {2});
    ASSERT_EQ(LoadTranTable(tran, f.app), 1);
    Names names;
    EXPECT_EQ(LookupTran(tran, "A01", names), 0);
    EXPECT_EQ(LookupTran(tran, "\"A01\"", names), 1);
    EXPECT_EQ(names, Names{"\"Apple\""});
}

TEST(TranTable, RecordsTooShortForThePositionsFailTheLoad) {
    struct Case {
        const char* text;
        int keyPos;
        std::vector<int> namePos;
        const char* reason;
    };
    const Case cases[] = {
        {"A,1,x\r\nB\r\n", 2, {1}, "キー列番号が翻訳ファイルの項目数を超えています。"},
        {"A,1\r\nB,2\r\n", 1, {2, 3}, "名称列番号が翻訳ファイルの項目数を超えています。"},
    };
    for (const Case& c : cases) {
        CtrlFixture f;
        f.dir.write("T.CSV", c.text);
        CTranCtrl tran = Settings("T.CSV", c.keyPos, c.namePos);
        EXPECT_EQ(LoadTranTable(tran, f.app), 0);
        const std::string message = std::string("翻訳指定（T.CSV）の指定にエラーが有ります。\n") + c.reason;
        EXPECT_EQ(tran.m_strMsg, message);
        EXPECT_EQ(f.ui.lastMessage(), message);
        EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
        EXPECT_TRUE(tran.m_Table.empty());
    }
}

TEST(TranTable, FieldsAndLinesFollowTheFileRules) {
    CtrlFixture f;
    // Empty lines are skipped; a trailing delimiter makes an empty last field;
    // a delimiter is found only as a character of its own.
    f.dir.write("T.TXT", "\r\nk1\tソ表\t\r\n\r\nk2\t\x81\tlast");
    CTranCtrl tran = Settings("t.txt", 1, {2, 3});
    tran.m_cDelim = '\t';
    ASSERT_EQ(LoadTranTable(tran, f.app), 1) << f.ui.lastMessage();
    ASSERT_EQ(tran.m_Table.size(), 2u);
    EXPECT_EQ(tran.m_Table[0], (Names{"k1", "ソ表", ""}));
    EXPECT_EQ(tran.m_Table[1], (Names{"k2", "\x81", "last"}));

    f.dir.write("S.TXT", "a b  c\n");
    CTranCtrl spaced = Settings("S.TXT", 1, {4});
    spaced.m_cDelim = ' ';
    ASSERT_EQ(LoadTranTable(spaced, f.app), 1);
    Names names;
    EXPECT_EQ(LookupTran(spaced, "a", names), 1);
    EXPECT_EQ(names, Names{"c"});
}

TEST(TranTable, AnEmptyFileGivesAnEmptyTable) {
    CtrlFixture f;
    f.dir.write("E.CSV", "\r\n\r\n");
    CTranCtrl tran = Settings("E.CSV", 1, {2});
    EXPECT_EQ(LoadTranTable(tran, f.app), 1);
    EXPECT_TRUE(tran.m_Table.empty());
    Names names;
    EXPECT_EQ(LookupTran(tran, "", names), 0);
}

TEST(TranTable, MissingFileIsReportedWithItsName) {
    CtrlFixture f;
    CTranCtrl tran = Settings("NONE.CSV", 1, {2});
    tran.m_Table.push_back({"old"});
    EXPECT_EQ(LoadTranTable(tran, f.app), 0);
    EXPECT_EQ(f.ui.lastMessage(), "NONE.CSV ファイルのＯＰＥＮが出来ませんでした。");
    EXPECT_EQ(tran.m_strMsg, f.ui.lastMessage());
    EXPECT_TRUE(tran.m_Table.empty());
}

TEST(TranTable, LoneLeadBytesNeitherCrashNorHideDelimiters) {
    CtrlFixture f;
    f.dir.write("B.CSV", "\x81,\x9F\r\n\xE0\x2C\xFC\r\nx,\x81");
    CTranCtrl tran = Settings("B.CSV", 1, {2});
    ASSERT_EQ(LoadTranTable(tran, f.app), 1);
    Names names;
    EXPECT_EQ(LookupTran(tran, "\x81", names), 1);
    EXPECT_EQ(names, Names{"\x9F"});
    EXPECT_EQ(LookupTran(tran, "\xE0", names), 1);
    EXPECT_EQ(names, Names{"\xFC"});
    EXPECT_EQ(LookupTran(tran, "x", names), 1);
    EXPECT_EQ(names, Names{"\x81"});
}

// The index gives what a scan of the records in file order gives.
TEST(TranTable, IndexAgreesWithAScan) {
    std::mt19937 random(7);
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        const int key = static_cast<int>(random() % 500);
        text += "K" + std::to_string(key) + "," + std::to_string(i) + "\r\n";
    }
    CtrlFixture f;
    f.dir.write("R.CSV", text);
    CTranCtrl tran = Settings("R.CSV", 1, {2});
    ASSERT_EQ(LoadTranTable(tran, f.app), 1);
    const auto scan = [&tran](const std::string& key) -> std::string {
        for (const auto& record : tran.m_Table)
            if (record[0] == key) return record[1];
        return "";
    };
    for (int key = 0; key < 600; ++key) {
        const std::string k = "K" + std::to_string(key);
        Names names;
        const int found = LookupTran(tran, k, names);
        EXPECT_EQ(found == 1, !scan(k).empty()) << k;
        EXPECT_EQ(names, Names{scan(k)}) << k;
    }
    // Keyed on another field than the index was built for, the lookup scans.
    tran.m_nKeyPos = 2;
    Names names;
    EXPECT_EQ(LookupTran(tran, "0", names), 1);
    EXPECT_EQ(names, Names{"0"});
    ClearTranTable(tran);
    EXPECT_TRUE(tran.m_Table.empty());
    EXPECT_TRUE(tran.m_Index.empty());
}

}  // namespace
}  // namespace tabrix
