// "CD翻訳": the dialog's checks and preview, and the translation of a column
// in both placements, with the filter and the space marks on and off.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/CodeTranslateDlg.h"

namespace tabrix {
namespace {

using test::OkFilter;
using test::Rows;
using test::ViewFixture;

const std::string kTable = "A1,Apple,Red\r\n\r\nB2,Banana,Yellow\r\nA1,Second,Blue\r\nC 3,Cherry Pie,Dark Red\r\n";

struct TranslateFixture : ViewFixture {
    TranslateFixture() { dir.write("t.csv", kTable); }
    CColTransParam dialog(const std::string& names, int placement = CColTransParam::Replace, int after = 0) {
        CColTransParam dlg;
        dlg.m_pApp = &app;
        dlg.m_nColCount = 3;
        dlg.m_strFile = "t.csv";
        dlg.m_strNamePos = names;
        dlg.m_nPlacement = placement;
        dlg.m_nInsertAfter = after;
        return dlg;
    }
    // Answers the next "CD翻訳" dialog with these fields.
    void answer(const std::string& names, int placement = CColTransParam::Replace, int after = 0, int keyPos = 1) {
        ui.dialogs.push_back([=](CDialogModel& d) {
            auto& dlg = dynamic_cast<CColTransParam&>(d);
            dlg.m_strFile = "t.csv";
            dlg.m_strNamePos = names;
            dlg.m_nPlacement = placement;
            dlg.m_nInsertAfter = after;
            dlg.m_nKeyPos = keyPos;
            return true;
        });
    }
};

TEST(CodeTranslate, OkChecksInOrderAndLoadsTheTable) {
    struct Case {
        std::string file;
        std::string names;
        int placement;
        int after;
        int keyPos;
        std::string message;
    };
    const std::string tooShort = "翻訳指定（t.csv）の指定にエラーが有ります。\n";
    const int add = CColTransParam::AddColumns;
    const std::vector<Case> cases = {
        {"", "", 0, 9, 1, "変換元ファイル名を入力して下さい。"},
        {"t.csv", "", 0, 9, 1, "抽出項目ＮＯを入力して下さい。"},
        {"t.csv", "2,3", 0, 9, 1, "複数項目抽出の場合は、「現在の項目に置き換える」は選択できません。"},
        {"t.csv", "2,", 0, 0, 1, "複数項目抽出の場合は、「現在の項目に置き換える」は選択できません。"},
        {"t.csv", "0", add, 4, 1, "追加列番号は、最大列数(3)より上は入力できません。"},
        {"t.csv", "0", add, 3, 1, "抽出項目番号は１以上を指定して下さい。"},
        {"t.csv", "-1", 0, 0, 1, "抽出項目番号は１以上を指定して下さい。"},
        {"t.csv", "2x", 0, 0, 1, "抽出項目番号は１以上を指定して下さい。"},
        {"t.csv", "2,,3", add, 0, 1, "抽出項目番号は１以上を指定して下さい。"},
        {"t.csv", " 2", 0, 0, 1, "抽出項目番号は１以上を指定して下さい。"},
        {"none.csv", "2", 0, 0, 1, "none.csv ファイルのＯＰＥＮが出来ませんでした。"},
        {"t.csv", "2", 0, 0, 4, tooShort + "キー列番号が翻訳ファイルの項目数を超えています。"},
        {"t.csv", "2,99999999999", add, 0, 1, tooShort + "名称列番号が翻訳ファイルの項目数を超えています。"},
        {"t.csv", "3", 0, 0, 2, ""},
        {"t.csv", "3,2", add, 3, 1, ""},
    };
    TranslateFixture f;
    for (const Case& c : cases) {
        CColTransParam dlg = f.dialog(c.names, c.placement, c.after);
        dlg.m_strFile = c.file;
        dlg.m_nKeyPos = c.keyPos;
        EXPECT_EQ(dlg.validate(), c.message) << c.names;
        if (c.message.empty()) {
            EXPECT_EQ(dlg.m_Tran.m_Table.size(), 4u);  // the empty line is no record
            EXPECT_EQ(dlg.m_Tran.m_nKeyPos, c.keyPos);
            EXPECT_EQ(dlg.m_Tran.m_NamePos, dlg.namePositions());
        }
    }
    EXPECT_TRUE(f.ui.messages.empty());  // the dialog shows the refusal, once
}

TEST(CodeTranslate, ThePreviewAndItsMenu) {
    TranslateFixture f;
    std::string many;
    for (int i = 1; i <= 60; ++i) many += "k" + std::to_string(i) + "\tx\ty" + (i == 30 ? "" : "\tz") + "\r\n";
    f.dir.write("tab.txt", "\r\n" + many);
    CColTransParam dlg = f.dialog("");
    dlg.m_strFile = "tab.txt";
    dlg.m_nDelim = CColTransParam::Tab;
    dlg.reloadPreview(f.ui);
    ASSERT_EQ(dlg.preview().size(), 50u);
    EXPECT_EQ(dlg.previewColumns(), 3);  // line 30 has three fields
    EXPECT_EQ(dlg.preview()[49], (std::vector<std::string>{"k50", "x", "y"}));
    dlg.m_nDelim = CColTransParam::Csv;
    dlg.reloadPreview(f.ui);
    EXPECT_EQ(dlg.previewColumns(), 1);

    f.ui.fileDialogs.push_back([](FileDialogRequest& r) {
        r.fileName = "missing.csv";
        return true;
    });
    EXPECT_TRUE(dlg.browse(f.ui));
    EXPECT_EQ(f.ui.fileRequests.back().title, "CD変換ファイル選択");
    EXPECT_EQ(f.ui.fileRequests.back().filter,
              "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||");
    EXPECT_EQ(f.ui.lastMessage(), "missing.csv ファイルのＯＰＥＮが出来ませんでした。");
    EXPECT_TRUE(dlg.preview().empty());

    EXPECT_EQ(dlg.setKeyFromPreview({}), "キー項目は、列を１列選択して下さい。");
    EXPECT_EQ(dlg.setKeyFromPreview({0, 2}), "キー項目は、列を１列選択して下さい。");
    EXPECT_EQ(dlg.setKeyFromPreview({2}), "");
    EXPECT_EQ(dlg.m_nKeyPos, 3);
    EXPECT_EQ(dlg.setNamesFromPreview({}), "抽出項目は、列を１列以上選択して下さい。");
    EXPECT_EQ(dlg.setNamesFromPreview({3, 1, 3}), "");
    EXPECT_EQ(dlg.m_strNamePos, "2,4");

    int opened = 0;
    dlg.m_strFile = "t.csv";
    dlg.refer(f.ui, [&](const std::filesystem::path&) { return ++opened, 0; });
    EXPECT_EQ(opened, 1);
    dlg.refer(f.ui, [](const std::filesystem::path&) { return 5; });
    EXPECT_EQ(f.ui.lastMessage(), "表示ファイル<t.csv>が起動出来ませんでした。(5)");
}

TEST(CodeTranslate, ReplaceWritesTheNameOverTheCodeAndCountsWithAndWithoutTheFilter) {
    for (bool filtered : {false, true}) {
        TranslateFixture f;
        f.rows(3, {"code\tflag\tnote", "A1\tok\tx", "B2\tno\ty", "Z9\tok\tz", "\tok\tw"});
        f.doc.m_bTitleLine = true;
        CTabrixView& view = f.show(10);
        OkFilter filter(1);
        view.setRowFilter(&filter);
        view.m_bFilter = filtered;
        f.grid.setSelectedRange({1, 1, 1, 2});
        view.runCommand(CommandId::CodeTranslate);
        EXPECT_EQ(f.ui.lastMessage(), "列を１列のみ選択して下さい。");
        f.grid.setSelectedRange({1, 1, 2, 1});
        f.answer("2");
        view.runCommand(CommandId::CodeTranslate);
        const std::string second = filtered ? "B2\tno\ty" : "Banana\tno\ty";
        EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"code\tflag\tnote", "Apple\tok\tx", second, "\tok\tz",
                                                        "\tok\tw"}));
        const std::size_t found = filtered ? 1 : 2;
        EXPECT_EQ(view.lastTranslation().found, found);
        EXPECT_EQ(view.lastTranslation().missing, 2u);
        EXPECT_EQ(f.ui.lastMessage(), "翻訳が終了しました。\n翻訳件数：" + std::to_string(found) + "件\n該当なし：2件");
        EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Information);
        EXPECT_EQ(view.m_bFilter, filtered);
        EXPECT_TRUE(view.m_bChanged);
    }
}

TEST(CodeTranslate, AddColumnsDecidesTheFilterFirstThenCancelsIt) {
    struct Case {
        int after;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {0, {"\t\tT1\tT2\tT3", "Apple\tRed\tA1\tok\tx", "\t\tB2\tno\ty", "Cherry Pie\tDark Red\tC 3\tok\tz\textra"}},
        {3, {"T1\tT2\tT3\t\t", "A1\tok\tx\tApple\tRed", "B2\tno\ty\t\t", "C 3\tok\tz\tCherry Pie\tDark Red\textra"}},
    };
    for (bool filtered : {false, true}) {
        for (const Case& c : cases) {
            TranslateFixture f;
            f.rows(3, {"T1\tT2\tT3", "A1\tok\tx", "B2\tno\ty", "C 3\tok\tz\textra"});
            f.doc.m_bTitleLine = true;
            CTabrixView& view = f.show(10);
            OkFilter filter(1);
            view.setRowFilter(&filter);
            view.m_bFilter = filtered;
            f.grid.setSelectedRange({1, 1, 1, 1});
            f.answer("2,3", CColTransParam::AddColumns, c.after);
            view.runCommand(CommandId::CodeTranslate);
            std::vector<std::string> expected = c.rows;
            if (!filtered) expected[2] = c.after == 0 ? "Banana\tYellow\tB2\tno\ty" : "B2\tno\ty\tBanana\tYellow";
            EXPECT_EQ(Rows(f.doc), expected) << c.after;
            EXPECT_EQ(f.doc.columnCount(), 5);
            EXPECT_EQ(f.grid.columnCount(), 6);
            EXPECT_FALSE(view.m_bFilter);
            const bool told = !f.ui.messages.empty() && f.ui.lastMessage() == "列が変更された為、絞込表示を解除します。";
            EXPECT_EQ(told, filtered);
        }
    }
}

TEST(CodeTranslate, KeysAreLookedUpWithoutTheSpaceMarksAndNamesStoredWithThem) {
    for (bool marks : {false, true}) {
        TranslateFixture f;
        f.doc.m_bHanspDisp = marks;
        f.doc.m_strHanspChar = "_";
        f.rows(2, {marks ? "C_3\tok" : "C 3\tok", "A1\tok"});
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange({1, 1, 2, 1});
        f.answer("2");
        view.runCommand(CommandId::CodeTranslate);
        EXPECT_EQ(f.line(0), marks ? "Cherry_Pie\tok" : "Cherry Pie\tok");
        EXPECT_EQ(f.line(1), "Apple\tok");  // the first record of a key wins
    }
}

TEST(CodeTranslate, TheNewColumnsTakeTheirPlaceInTheSchema) {
    TranslateFixture f;
    const std::string ctrl =
        "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n"
        "[COL]\r\nTITLE=コード\r\n"
        "[COL]\r\nTITLE=区分\r\n"
        "TRAN=TRUE\r\nTRAN_FILE=t.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=3\r\n"
        "[COL]\r\nTITLE=名称\r\nFILECOL=FALSE\r\n";
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", "A1,B2\r\n")) << f.ui.lastMessage();
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 1});
    f.answer("3", CColTransParam::AddColumns, 1);
    view.runCommand(CommandId::CodeTranslate);
    EXPECT_EQ(f.line(0), "A1\tRed\tB2\t");
    const CCtrlFile& cf = f.doc.m_CtrlFile;
    ASSERT_EQ(cf.m_Cols.size(), 4u);
    EXPECT_EQ(cf.m_Cols[1]->m_strTitle, "Col.2");
    EXPECT_EQ(cf.m_Cols[2]->m_Tran.m_TranCols, std::vector<int>{4});
    EXPECT_EQ(f.grid.itemText(0, 3), "区分");
}

}  // namespace
}  // namespace tabrix
