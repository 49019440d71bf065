// "項目設定": every check of the shown column in order, all or nothing, the
// enable rules, and the virtual columns added and removed.
#include <gtest/gtest.h>

#include <functional>

#include "CtrlEditorFixture.h"

namespace tabrix {
namespace {

using test::EditorFixture;

const std::string kHead = "制御ファイルの列=";

TEST(CtrlColDlg, ApplyRefusesInTheOrderOfTheChecksAndChangesNothing) {
    struct Case {
        int col;
        std::function<void(CCtrlColDlg&)> edit;
        std::string message;
    };
    const std::string longValue(4096, 'A');
    const std::vector<Case> cases = {
        {1, [](CCtrlColDlg& d) { d.m_strTitle.clear(); d.m_nLength = 0; }, "タイトルを入力して下さい。"},
        {1, [](CCtrlColDlg& d) { d.m_nLength = 0; d.m_Text.m_nBits = 0; }, "入力最大長を入力して下さい。"},
        {1, [](CCtrlColDlg& d) { d.m_Tran.m_bTran = true; d.m_Text.m_nBits = 0; }, "翻訳ファイル名を入力して下さい。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_nKeyPos = 0; }, "キー列番号は１以上、翻訳ファイルの項目数以下で入力して下さい。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strNamePos.clear(); }, "抽出項目番号を入力して下さい。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strTargets.clear(); }, "翻訳結果格納列番号を入力して下さい。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strTargets = "5"; }, "翻訳結果格納列番号は１以上項目数以下で入力して下さい。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strNamePos = "2,3"; }, "抽出項目番号がファイル項目数より大きいです。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_nKeyPos = 3; }, "抽出項目番号がファイル項目数より大きいです。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strFile = "none.csv"; }, "none.csv ファイルのＯＰＥＮが出来ませんでした。"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strFile = "short.csv"; },
         "翻訳指定（short.csv）の指定にエラーが有ります。\n名称列番号が翻訳ファイルの項目数を超えています。"},
        {1, [](CCtrlColDlg& d) { d.m_Text.m_nBits = 0; }, "文字タイプの時は、何か１つフォーマットを選択して下さい。"},
        {1, [](CCtrlColDlg& d) { d.m_Text.setEtcChar(true); }, "その他文字を入力して下さい。"},
        {3, [](CCtrlColDlg& d) { d.m_nLength = 3; d.m_Number.m_nAllLen = 4; }, "全体桁数は、入力桁数以下で指定して下さい。"},
        {3, [](CCtrlColDlg& d) { d.m_nLength = 5; d.m_Number.m_nPoint = 5; }, "少数以下桁数は、入力桁数以下で指定して下さい。"},
        {3, [](CCtrlColDlg& d) { d.m_Number.m_nAllLen = 2; d.m_Number.m_nPoint = 3; }, "少数以下桁数は、全体数以下で指定して下さい。"},
        {3, [](CCtrlColDlg& d) { d.m_Number.m_nAllLen = 0; }, "全体桁数は、-1または1～13で指定して下さい。"},
        // Values a control file cannot hold.
        {1, [](CCtrlColDlg& d) { d.m_strTitle = "A*B"; }, "「列タイトル」に「*」は入力出来ません。"},
        {1, [](CCtrlColDlg& d) { d.m_strInitial = "0 "; }, "「初期値」の末尾に空白は入力出来ません。"},
        {1, [](CCtrlColDlg& d) { d.m_strReplace2 = "x[col]"; }, "「置換文字」に「[FILE]」、「[COL]」は入力出来ません。"},
        {1, [&](CCtrlColDlg& d) { d.m_Text.setEtcChar(true); d.m_Text.m_strEtcChar = "title="; },
         "「その他文字」に「TITLE=」は入力出来ません。"},
        {1, [&](CCtrlColDlg& d) { d.m_strPermission = "A," + longValue; },
         "「許可文字」の値は、１つ4095バイト以内で入力して下さい。"},
        // What the reader itself would refuse.
        {3, [](CCtrlColDlg& d) { d.m_strPermission = "1,2"; d.m_Number.m_strMin = "0"; },
         kHead + "3 の指定にエラーが有ります。\n許可文字と最小値／最大値は、同時に指定出来ません。\n"},
        {3, [](CCtrlColDlg& d) { d.setType(kTypeTime); d.m_Time.m_nRound = 1; },
         kHead + "3 の指定にエラーが有ります。\n時刻丸めの場合は、丸め基準分(BASEMIN)を指定して下さい。\n"},
        {2, [](CCtrlColDlg& d) { d.m_Tran.m_strTargets = "4,3"; },
         kHead + "2 の指定にエラーが有ります。\n翻訳指定の場合は、翻訳先列番号(TRAN_COL)を名称列番号(TRAN_NAMEPOS)の数以下で指定して下さい。\n"},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        f.dir.write("short.csv", "C1,Alpha\r\nC2\r\n");
        f.openEditor();
        CCtrlColDlg& dlg = f.openColumns();
        dlg.show(c.col);
        const std::string before = f.schemaText();
        c.edit(dlg);
        f.ui.messages.clear();
        EXPECT_FALSE(dlg.apply(f.ui)) << c.message;
        ASSERT_EQ(f.ui.messages.size(), 1u) << c.message;
        EXPECT_EQ(f.ui.messages[0].text, c.message);
        EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Stop);
        EXPECT_EQ(f.schemaText(), before) << c.message;
        EXPECT_EQ(dlg.m_nCol, c.col);
    }
}

TEST(CtrlColDlg, EnableRulesFollowTheControls) {
    EditorFixture f;
    f.openEditor();
    CCtrlColDlg& dlg = f.openColumns();
    EXPECT_FALSE(dlg.canGoBack());
    EXPECT_TRUE(dlg.canGoForward());
    EXPECT_FALSE(dlg.canDeleteVirtual());
    dlg.m_Text.setBox(kFmtHiragana, true);
    dlg.m_Text.setBox(kFmtFullWidth, true);
    EXPECT_EQ(dlg.m_Text.m_nBits, kFmtHalfLetter | kFmtHalfDigit | kFmtFullWidth);
    EXPECT_FALSE(dlg.m_Text.boxEnabled(kFmtFullSpace));
    EXPECT_TRUE(dlg.m_Text.boxEnabled(kFmtHalfKana));
    dlg.m_Text.setEtcChar(true);
    dlg.m_Text.m_strEtcChar = "#";
    dlg.m_Text.setEtcChar(false);
    EXPECT_EQ(dlg.m_Text.m_strEtcChar, "");
    dlg.m_nLength = 8;
    dlg.setType(kTypeDate);
    EXPECT_EQ(dlg.m_nLength, -1);
    EXPECT_FALSE(dlg.lengthEnabled());
    EXPECT_FALSE(dlg.m_Time.baseEnabled());
    dlg.m_Time.m_nRound = 2;
    EXPECT_TRUE(dlg.m_Time.baseEnabled());
    // A text column shown as a date preselects the first notations.
    ASSERT_TRUE(dlg.goTo(2, f.ui));
    EXPECT_EQ(f.ctrl().m_Cols[0]->m_nFormat1, kFmtDate1);
    EXPECT_EQ(f.ctrl().m_Cols[0]->m_nFormat2, kFmtDate1);
    dlg.m_strInitial = "x";
    dlg.setFileCol(false);
    EXPECT_FALSE(dlg.m_bEdit || dlg.m_bObligate || dlg.m_bNoDisp || dlg.m_Tran.m_bTran);
    EXPECT_EQ(dlg.m_strInitial, "");
    EXPECT_FALSE(dlg.typePagesEnabled());
    dlg.show(4);
    EXPECT_TRUE(dlg.canDeleteVirtual());
    EXPECT_FALSE(dlg.canGoForward());
    dlg.addMacro(1);
    EXPECT_EQ(dlg.m_strInitial, "");  // a virtual column has no initial value
}

TEST(CtrlColDlg, VirtualColumnsRenumberTheKeysAndTargets) {
    EditorFixture f;
    f.openEditor();
    CCtrlColDlg& dlg = f.openColumns();
    dlg.goTo(2, f.ui);
    f.ui.messages.clear();
    ASSERT_TRUE(dlg.addVirtual(f.ui));
    EXPECT_EQ(f.ui.lastMessage(), "仮想項目を列(3)に追加しました。");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(dlg.m_nCol, 2);
    EXPECT_EQ(dlg.m_Tran.m_strTargets, "5");  // the typed targets follow too
    EXPECT_EQ(f.ctrl().m_Cols[1]->m_Tran.m_TranCols, (std::vector<int>{5}));
    EXPECT_TRUE(f.ctrl().m_Cols[2]->isVirtual());
    EXPECT_EQ(f.ctrl().m_Cols[2]->m_strTitle, "Col.3");
    ASSERT_TRUE(dlg.apply(f.ui));

    // The translation target cannot go; the new column can.
    ASSERT_TRUE(dlg.goTo(5, f.ui));
    f.ui.messages.clear();
    EXPECT_FALSE(dlg.deleteVirtual(f.ui));
    EXPECT_EQ(f.ui.lastMessage(), "列：5 は、列：2 の翻訳先の為削除出来ません。");
    ASSERT_TRUE(dlg.goTo(3, f.ui));
    ASSERT_TRUE(dlg.deleteVirtual(f.ui));
    EXPECT_EQ(dlg.m_nCol, 3);
    EXPECT_EQ(dlg.m_strTitle, "QTY");
    EXPECT_EQ(f.ctrl().m_Cols[1]->m_Tran.m_TranCols, (std::vector<int>{4}));
    EXPECT_EQ(f.editor->session().edits(),
              (std::vector<ColumnEdit>{{ColumnEdit::Insert, 3}, {ColumnEdit::Delete, 3}}));

    // The key column follows a column added before it.
    f.editor->onCancel();
    f.openEditor();
    f.editor->m_strKeyCols = "3";
    CCtrlColDlg& again = f.openColumns();
    ASSERT_TRUE(f.editor->pageCheck(f.ui));
    ASSERT_TRUE(again.addVirtual(f.ui));
    EXPECT_EQ(f.ctrl().m_KeyCols, (std::vector<int>{4}));
}

TEST(CtrlColDlg, AChosenTranslationFilePresetsItsDelimiter) {
    const struct {
        const char* bytes;
        char before, after;
    } cases[] = {
        {"\r\nA\tB,C\r\n", ',', '\t'},
        {"A B\r\nA,B\r\n", '\t', ','},
        {"A|B\tC\r\nA\tB\r\n", ' ', ' '},
        {"A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\nK\r\nL\tM\r\n", ',', ','},
    };
    for (const auto& c : cases) {
        EditorFixture f(false);
        const std::string path = f.dir.write("pick.txt", c.bytes).string();
        CCtrlTran page;
        page.m_cDelim = c.before;
        f.ui.fileDialogs.push_back([&](FileDialogRequest& r) {
            EXPECT_EQ(r.title, "ファイル参照");
            r.fileName = path;
            return true;
        });
        ASSERT_TRUE(page.browseFile(f.ui));
        EXPECT_EQ(page.m_strFile, path);
        EXPECT_EQ(page.m_cDelim, c.after) << c.bytes;
    }
}

TEST(CtrlColDlg, TheLastColumnCannotBeDeleted) {
    EditorFixture f(false);
    f.rows(1, {"a"});
    f.openEditor();
    CCtrlColDlg& dlg = f.openColumns();
    dlg.setFileCol(false);
    ASSERT_TRUE(dlg.apply(f.ui));
    EXPECT_FALSE(dlg.canDeleteVirtual());
    EXPECT_FALSE(dlg.deleteVirtual(f.ui));
    EXPECT_EQ(f.ctrl().m_Cols.size(), 1u);
}

}  // namespace
}  // namespace tabrix
