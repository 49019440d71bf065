// "制御ファイル設定": a new schema, the page's checks, the save at OK, and
// Cancel putting everything back, the translation tables included.
#include <gtest/gtest.h>

#include "CtrlEditorFixture.h"
#include "schema/TranTable.h"
#include "text/Convert.h"

namespace tabrix {
namespace {

using test::EditorFixture;

TEST(MakeCtrlDlg, ANewSchemaTakesTheTitleLineAndCancelForgetsIt) {
    EditorFixture f(false);
    f.rows(4, {"CODE\t\tNAME  \t単価*", "1\t2\t3\t4"});
    f.doc.m_bTitleLine = true;
    CMakeCtrlDlg& dlg = f.openEditor();
    EXPECT_EQ(f.ui.messages.at(0).text, "制御ファイルを新規に作成します。\n全ての項目は初期値で設定されています。");
    EXPECT_EQ(f.ui.messages.at(0).icon, MsgIcon::Information);
    EXPECT_TRUE(f.ctrl().m_bLoaded);
    EXPECT_TRUE(f.ctrl().m_bModified);
    ASSERT_EQ(f.ctrl().m_Cols.size(), 4u);
    // An empty title falls back to its number; trailing blanks go as the reader drops them.
    EXPECT_EQ(f.ctrl().m_Cols[1]->m_strTitle, "Col.2");
    EXPECT_EQ(f.ctrl().m_Cols[2]->m_strTitle, "NAME");
    EXPECT_TRUE(dlg.m_bHeadTitle);
    // A title the control file cannot hold is found at OK, with its column.
    EXPECT_FALSE(dlg.onOk(f.ui));
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイルの列=4 の指定にエラーが有ります。\n「列タイトル」に「*」は入力出来ません。");
    dlg.onCancel();
    EXPECT_FALSE(f.ctrl().m_bLoaded);
    EXPECT_FALSE(f.ctrl().m_bModified);
    EXPECT_TRUE(f.ctrl().m_Cols.empty());
}

TEST(MakeCtrlDlg, ADocumentWithoutColumnsHasNoColumnSettings) {
    EditorFixture f(false);
    EXPECT_FALSE(f.openEditor().columnsEnabled());
    EXPECT_FALSE(f.editor->editColumns(f.ui));
}

TEST(MakeCtrlDlg, PageChecksInOrder) {
    struct Case {
        int openDlg;
        std::string file, keys;
        std::string message;
    };
    const std::vector<Case> cases = {
        {CMakeCtrlDlg::kOpenDlgNot, "", "1", "ファイル読込種別画面を表示しない場合はファイル名を入力して下さい。"},
        {CMakeCtrlDlg::kOpenDlgView, "", "1", ""},
        {2, "d.csv", "0", "キー列番号は１以上項目数以下で入力して下さい。"},
        {2, "d.csv", "1,5", "キー列番号は１以上項目数以下で入力して下さい。"},
        {2, "d.csv", "x", "キー列番号は１以上項目数以下で入力して下さい。"},
        {2, "d.csv", "4,1", ""},
        {2, "d.csv ", "1", "「ファイル名」の末尾に空白は入力出来ません。"},
        {2, "[col].csv", "1", "「ファイル名」に「[FILE]」、「[COL]」は入力出来ません。"},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        CMakeCtrlDlg& dlg = f.openEditor();
        dlg.m_nOpenDlg = c.openDlg;
        dlg.m_strFileName = c.file;
        dlg.m_strKeyCols = c.keys;
        f.ui.messages.clear();
        EXPECT_EQ(dlg.pageCheck(f.ui), c.message.empty()) << c.keys;
        EXPECT_EQ(f.ui.lastMessage(), c.message) << c.keys;
    }
    // A refused key list is stored all the same.
    EditorFixture f;
    f.openEditor().m_strKeyCols = "2,0";
    f.editor->pageCheck(f.ui);
    EXPECT_EQ(f.ctrl().m_KeyCols, (std::vector<int>{2, 0}));
}

TEST(MakeCtrlDlg, TheDuplicateCheckNeedsKeyColumns) {
    EditorFixture f;
    CMakeCtrlDlg& dlg = f.openEditor();
    dlg.m_strKeyCols.clear();
    EXPECT_FALSE(dlg.setDupCheck(true, f.ui));
    EXPECT_FALSE(dlg.m_bDupCheck);
    EXPECT_EQ(f.ui.lastMessage(), "重複チェックを行う場合は、キー列番号を入力して下さい。");
    dlg.m_strKeyCols = "1";
    EXPECT_TRUE(dlg.setDupCheck(true, f.ui));
    EXPECT_TRUE(dlg.m_bDupCheck);
}

TEST(MakeCtrlDlg, OkAsksEveryTimeAndStaysWhenNothingWasWritten) {
    EditorFixture f(false);
    f.rows(2, {"a\tb"});
    CMakeCtrlDlg& dlg = f.openEditor();
    f.ui.answers = {MsgResult::No};
    EXPECT_TRUE(dlg.onOk(f.ui));
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイルが変更されています。保存しますか？");
    EXPECT_TRUE(f.ctrl().m_bModified);  // unsaved

    CMakeCtrlDlg& again = f.openEditor();
    EXPECT_FALSE(again.onOk(f.ui));  // Yes, but the save dialog was cancelled
    EXPECT_EQ(f.ui.fileRequests.back().title, "制御ファイル保存");
    const std::string target = f.path("new.ctrl");
    f.ui.fileDialogs.push_back([&](FileDialogRequest& r) {
        r.fileName = target;
        return true;
    });
    EXPECT_TRUE(again.onOk(f.ui));
    EXPECT_FALSE(f.ctrl().m_bModified);
    EXPECT_EQ(f.ctrl().m_strCtrlFile, target);
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイルが変更されています。保存しますか？");  // no column changed
}

TEST(MakeCtrlDlg, CancelPutsBackEverySettingAndMovesTheTablesBack) {
    EditorFixture f;
    const std::string before = f.schemaText();
    const auto* table = f.ctrl().m_Cols[1]->m_Tran.m_Table.data();
    CMakeCtrlDlg& dlg = f.openEditor();
    EXPECT_TRUE(f.ctrl().m_Cols[1]->m_Tran.m_Table.empty());  // moved into the snapshot, not copied
    dlg.m_strKeyCols = "1,3";
    dlg.m_bConvUse = false;
    ASSERT_TRUE(dlg.pageCheck(f.ui));
    CCtrlColDlg& cols = f.openColumns();
    cols.goTo(2, f.ui);
    cols.m_Tran.m_strNamePos = "1";  // a new table is read at apply
    ASSERT_TRUE(cols.addVirtual(f.ui));
    ASSERT_TRUE(cols.goTo(3, f.ui));
    EXPECT_NE(f.ctrl().m_Cols[1]->m_Tran.m_Table.data(), nullptr);
    EXPECT_NE(f.schemaText(), before);
    EXPECT_EQ(f.ctrl().m_nMaxCols, 5);
    dlg.onCancel();
    EXPECT_EQ(f.schemaText(), before);
    EXPECT_EQ(f.ctrl().m_nMaxCols, 4);
    EXPECT_EQ(f.ctrl().m_Cols[1]->m_Tran.m_Table.data(), table);
    EXPECT_EQ(f.ctrl().m_Cols[1]->m_Tran.m_Index.size(), 2u);
    EXPECT_FALSE(f.ctrl().m_bModified);
}

TEST(MakeCtrlDlg, OkKeepsTheTablesOfUnchangedColumnsAndTheNewOnes) {
    EditorFixture f;
    const auto* table = f.ctrl().m_Cols[1]->m_Tran.m_Table.data();
    f.openEditor();
    CCtrlColDlg& cols = f.openColumns();
    cols.goTo(2, f.ui);
    ASSERT_TRUE(cols.goTo(3, f.ui));  // applied unchanged: the table is not read again
    f.ui.answers = {MsgResult::No};
    ASSERT_TRUE(f.editor->onOk(f.ui));
    EXPECT_EQ(f.ctrl().m_Cols[1]->m_Tran.m_Table.data(), table);

    f.openEditor();
    CCtrlColDlg& again = f.openColumns();
    again.goTo(2, f.ui);
    again.m_Tran.m_strNamePos = "2,1";
    again.m_Tran.m_strTargets = "4,3";
    ASSERT_TRUE(again.apply(f.ui));
    f.ui.answers = {MsgResult::No};
    ASSERT_TRUE(f.editor->onOk(f.ui));
    std::vector<std::string> names;
    ASSERT_EQ(LookupTran(f.ctrl().m_Cols[1]->m_Tran, "C2", names), 1);
    EXPECT_EQ(names, (std::vector<std::string>{"Beta", "C2"}));
}

TEST(MakeCtrlDlg, TheEditorSavesWhatTheLoaderReadsBack) {
    EditorFixture f;
    CMakeCtrlDlg& dlg = f.openEditor();
    dlg.m_strKeyCols = "1,3";
    dlg.m_bDupCheck = true;
    dlg.m_nMenuMode = 2;
    dlg.m_nImeMode = 2;
    dlg.m_nOpenDlg = 1;
    dlg.m_bQuote = true;
    ASSERT_TRUE(dlg.pageCheck(f.ui));
    CCtrlColDlg& cols = f.openColumns();
    cols.m_strPermission = "A,,B";
    cols.m_strInitial = "%SYSDATE%";
    cols.m_Text.setBox(kFmtFullWidth, true);
    cols.m_Text.setEtcChar(true);
    cols.m_Text.m_strEtcChar = "・";
    ASSERT_TRUE(cols.goTo(3, f.ui));
    cols.setType(kTypeTime);
    cols.m_Time.m_nDisplay = 4;
    cols.m_Time.m_nSave = 1;
    cols.m_Time.m_nRound = 2;
    cols.m_Time.m_nBase = 3;
    ASSERT_TRUE(cols.addVirtual(f.ui));
    ASSERT_TRUE(cols.apply(f.ui));
    f.ctrl().m_strCtrlFile = f.path("out.ctrl");
    ASSERT_TRUE(dlg.onOk(f.ui));
    const std::string saved = f.schemaText();

    CCtrlFile reread;
    reread.m_strCtrlFile = f.path("out.ctrl");
    ASSERT_EQ(reread.LoadCtrlFile(f.app), 1) << f.ui.lastMessage();
    // The reader takes every value in upper case.
    EXPECT_EQ(CtrlFileText(reread, {}, {}), ConvertText(saved, TextConversion::ToUpper));
    EXPECT_NE(saved.find("FORMAT1=TIME5\r\nFORMAT2=TIME2\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[COL]\r\nTITLE=Col.4\r\nFILECOL=FALSE\r\nTRAN=FALSE\r\n"), std::string::npos);
}

TEST(MakeCtrlDlg, ANewDataFileNameIsTheControlFilesOnly) {
    EditorFixture f;
    const std::string data = f.doc.dataFileName();
    CMakeCtrlDlg& dlg = f.openEditor();
    EXPECT_EQ(dlg.m_strFileName, data);
    dlg.m_strFileName = "OTHER.CSV";
    f.ui.answers = {MsgResult::No};
    ASSERT_TRUE(dlg.onOk(f.ui));
    EXPECT_NE(f.schemaText().find("FILE=OTHER.CSV\r\n"), std::string::npos);
    EXPECT_EQ(f.doc.dataFileName(), data);
    EXPECT_EQ(f.openEditor().m_strFileName, "OTHER.CSV");
    f.editor->onCancel();
    // Saved under another name, the document is what the control file names.
    f.doc.setDataFileName(f.path("saved.csv"));
    EXPECT_NE(f.schemaText().find("FILE=" + f.path("saved.csv") + "\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tabrix
