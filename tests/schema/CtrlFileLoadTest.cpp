#include <gtest/gtest.h>

#include "schema/CtrlFixture.h"
#include "text/FormatBits.h"

namespace tabrix {
namespace {

using test::CtrlFixture;

constexpr const char* kTitledColumn = "[COL]\r\nTITLE=A\r\n";

TEST(CtrlFileLoad, ReadsEveryFileSetting) {
    CtrlFixture f;
    ASSERT_EQ(f.load("[FILE]\r\n"
                     "FILE=orders.csv\r\n"
                     "DELIM=TAB\r\n"
                     "KEYCOL=1,3\r\n"
                     "DUPCHECK=TRUE\r\n"
                     "MDB=work.db\r\n"
                     "COLCHANGE=FALSE\r\n"
                     "LINECHANGE=FALSE\r\n"
                     "CONVUSE=FALSE\r\n"
                     "MENUMODE=CUSTUM2\r\n"
                     "HELPMSG=FALSE\r\n"
                     "IMEMODE=DETAIL\r\n"
                     "HEADTITLE=TRUE\r\n"
                     "QUOTE=TRUE\r\n"
                     "OPENDLG=NOT\r\n"),
              1)
        << f.ui.lastMessage();
    const CCtrlFile& c = f.ctrl;
    EXPECT_TRUE(c.m_bLoaded);
    EXPECT_EQ(c.m_strDataFile, "ORDERS.CSV");
    EXPECT_EQ(c.m_cDelim, '\t');
    EXPECT_EQ(c.m_KeyCols, (std::vector<int>{1, 3}));
    EXPECT_TRUE(c.m_bDupCheck);
    EXPECT_EQ(c.m_strMdb, "WORK.DB");
    EXPECT_FALSE(c.m_bColChange);
    EXPECT_FALSE(c.m_bLineChange);
    EXPECT_FALSE(c.m_bConvUse);
    EXPECT_EQ(c.m_nMenuMode, MenuMode::Custum2);
    EXPECT_FALSE(c.m_bHelpMsg);
    EXPECT_EQ(c.m_nImeMode, ImeMode::Detail);
    EXPECT_TRUE(c.m_bHeadTitle);
    EXPECT_TRUE(c.m_bQuote);
    EXPECT_EQ(c.m_nOpenDlg, OpenDlgMode::Not);
    EXPECT_TRUE(c.m_Cols.empty());
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(CtrlFileLoad, ReadsEveryColumnSetting) {
    CtrlFixture f;
    f.dir.write("CODES.TXT", "A01\tApple\tRed\r\n");
    ASSERT_EQ(f.load("[COL]\r\n"
                     "TITLE=金額\r\n"
                     "FILECOL=TRUE\r\n"
                     "EDIT=FALSE\r\n"
                     "TYPE=数字\r\n"
                     "FORMAT1=NUM2\r\n"
                     "ETCCHAR=-\r\n"
                     "LENGTH=8\r\n"
                     "ALLLEN=10\r\n"
                     "POINT=2\r\n"
                     "OBLIGATE=TRUE\r\n"
                     "NODISP=TRUE\r\n"
                     "HANSPCONV=TRUE\r\n"
                     "INITIAL=0\r\n"
                     "MINNUM=-5\r\n"
                     "MAXNUM=99\r\n"
                     "REPLACE1=,\r\n"
                     "REPLACE2=\r\n"
                     "[COL]\r\n"
                     "TITLE=時刻\r\n"
                     "TYPE=時刻\r\n"
                     "FORMAT1=TIME2\r\n"
                     "FORMAT2=TIME4\r\n"
                     "ROUND=2\r\n"
                     "BASEMIN=15\r\n"
                     "PERMISSION=10:00,,12:00\r\n"
                     "TRAN=TRUE\r\n"
                     "TRAN_FILE=codes.txt\r\n"
                     "TRAN_DELIM=TAB\r\n"
                     "TRAN_KEYPOS=1\r\n"
                     "TRAN_NAMEPOS=2,3\r\n"
                     "TRAN_COL=3,4\r\n"
                     "TRAN_AUTORUN=TRUE\r\n"),
              1)
        << f.ui.lastMessage();
    ASSERT_EQ(f.ctrl.m_Cols.size(), 2u);
    const CColCtrl& n = *f.ctrl.m_Cols[0];
    EXPECT_EQ(n.m_nCol, 1);
    EXPECT_EQ(n.m_pOwner, &f.ctrl);
    EXPECT_EQ(n.m_strTitle, "金額");
    EXPECT_TRUE(n.m_bFileCol);
    EXPECT_FALSE(n.m_bEdit);
    EXPECT_EQ(n.m_nType, kTypeNumber);
    EXPECT_EQ(n.m_nFormat1, kFmtNum2);
    EXPECT_EQ(n.m_nFormat2, kFmtNum2);
    EXPECT_TRUE(n.m_bEtcChar);
    EXPECT_EQ(n.m_strEtcChar, "-");
    EXPECT_EQ(n.m_nLength, 8);
    EXPECT_EQ(n.m_nAllLen, 10);
    EXPECT_EQ(n.m_nPoint, 2);
    EXPECT_TRUE(n.m_bObligate);
    EXPECT_TRUE(n.m_bNoDisp);
    EXPECT_TRUE(n.m_bHanSpConv);
    EXPECT_EQ(n.m_strInitial, "0");
    EXPECT_EQ(n.m_strMinNum, "-5");
    EXPECT_EQ(n.m_strMaxNum, "99");
    EXPECT_EQ(n.m_strReplace1, ",");
    EXPECT_EQ(n.m_strReplace2, "");
    EXPECT_FALSE(n.m_Tran.m_bTran);

    const CColCtrl& t = *f.ctrl.m_Cols[1];
    EXPECT_EQ(t.m_nCol, 2);
    EXPECT_EQ(t.m_nType, kTypeTime);
    EXPECT_EQ(t.m_nFormat1, kFmtTime2);
    EXPECT_EQ(t.m_nFormat2, kFmtTime4);
    EXPECT_EQ(t.m_nLength, -1);
    EXPECT_EQ(t.m_nRound, 2);
    EXPECT_EQ(t.m_nBaseMin, 15);
    EXPECT_EQ(t.m_Permission, (std::vector<std::string>{"10:00", "", "12:00"}));
    EXPECT_TRUE(t.m_Tran.m_bTran);
    EXPECT_EQ(t.m_Tran.m_strFile, "CODES.TXT");
    EXPECT_EQ(t.m_Tran.m_cDelim, '\t');
    EXPECT_EQ(t.m_Tran.m_nKeyPos, 1);
    EXPECT_EQ(t.m_Tran.m_NamePos, (std::vector<int>{2, 3}));
    EXPECT_EQ(t.m_Tran.m_TranCols, (std::vector<int>{3, 4}));
    EXPECT_TRUE(t.m_Tran.m_bAutoRun);
    EXPECT_EQ(t.m_Tran.m_Table.size(), 1u);  // the translation file was read
}

TEST(CtrlFileLoad, ColumnsStartFromTheirDefaults) {
    CtrlFixture f;
    ASSERT_EQ(f.load(kTitledColumn), 1) << f.ui.lastMessage();
    const CColCtrl& c = *f.ctrl.m_Cols[0];
    EXPECT_TRUE(c.m_bFileCol);
    EXPECT_TRUE(c.m_bEdit);
    EXPECT_EQ(c.m_nType, kTypeText);
    EXPECT_EQ(c.m_nFormat1, 0x201Fu);
    EXPECT_EQ(c.m_nFormat2, 0x201Fu);  // a text column's file notation follows FORMAT1=
    EXPECT_EQ(c.m_nLength, -1);
    EXPECT_EQ(c.m_nAllLen, -1);
    EXPECT_EQ(c.m_nPoint, 0);
    EXPECT_EQ(c.m_Tran.m_nKeyPos, -1);
    EXPECT_EQ(c.m_Tran.m_cDelim, ',');
    EXPECT_EQ(f.ctrl.m_nOpenDlg, OpenDlgMode::Option);
    EXPECT_EQ(f.ctrl.m_cDelim, ',');
    EXPECT_TRUE(f.ctrl.m_bHelpMsg);
}

// Every syntax error names its line (zero-based, comments and blank lines
// counted) and shows it as read: tabs as spaces, upper-cased, comment cut.
TEST(CtrlFileLoad, EverySyntaxErrorHasItsMessage) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"DELIM=XYZ", "デリミッタ指定が不正です（0:DELIM=XYZ）"},
        {"DELIM= TAB", "デリミッタ指定が不正です（0:DELIM= TAB）"},
        {"DUPCHECK=YES", "キー重複チェック指定が不正です（0:DUPCHECK=YES）"},
        {"COLCHANGE=1", "列数変更指定が不正です（0:COLCHANGE=1）"},
        {"LINECHANGE=", "行数変更指定が不正です（0:LINECHANGE=）"},
        {"CONVUSE=T", "変換処理使用が不正です（0:CONVUSE=T）"},
        {"MENUMODE=CUSTOM1", "メニューモード指定が不正です（0:MENUMODE=CUSTOM1）"},
        {"HELPMSG=ON", "ヘルプメッセージ表示指定が不正です（0:HELPMSG=ON）"},
        {"IMEMODE=TRUE", "IME制御モード指定が不正です（0:IMEMODE=TRUE）"},
        {"HEADTITLE=NO", "１行目タイトルフラグ指定が不正です（0:HEADTITLE=NO）"},
        {"QUOTE=X", "ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ指定が不正です（0:QUOTE=X）"},
        {"OPENDLG=SHOW", "ファイル読込画面表示モード指定が不正です（0:OPENDLG=SHOW）"},
        {"nosuch=1", "FILEセクションで不明なキーワードです（0:NOSUCH=1）"},
        {"[FILE]\r\n* note\r\n\r\n\tquote = true * why", "FILEセクションで不明なキーワードです（3:QUOTE = TRUE ）"},
        {"[COL]\r\nFILECOL=MAYBE", "ファイルの項目指定が不正です（1:FILECOL=MAYBE）"},
        {"[COL]\r\nEDIT=NO", "列編集指定が不正です（1:EDIT=NO）"},
        {"[COL]\r\nTYPE=TEXT", "列タイプ指定が不正です（1:TYPE=TEXT）"},
        {"[COL]\r\nLENGTH=0", "入力最大項目長が不正です（1:LENGTH=0）"},
        {"[COL]\r\nLENGTH=-2", "入力最大項目長が不正です（1:LENGTH=-2）"},
        {"[COL]\r\nLENGTH=99999999999", "入力最大項目長が不正です（1:LENGTH=99999999999）"},
        {"[COL]\r\nALLLEN=0", "全体桁数指定が不正です（1:ALLLEN=0）"},
        {"[COL]\r\nPOINT=-1", "少数以下桁数指定が不正です（1:POINT=-1）"},
        // Numbers that size what is written have an upper bound.
        {"[COL]\r\nPOINT=100", "少数以下桁数指定が不正です（1:POINT=100）"},
        {"[COL]\r\nPOINT=10000000", "少数以下桁数指定が不正です（1:POINT=10000000）"},
        {"[COL]\r\nLENGTH=65536", "入力最大項目長が不正です（1:LENGTH=65536）"},
        {"[COL]\r\nOBLIGATE=Y", "必須入力指定が不正です（1:OBLIGATE=Y）"},
        {"[COL]\r\nNODISP=Y", "非表示指定が不正です（1:NODISP=Y）"},
        {"[COL]\r\nHANSPCONV=Y", "半角ｽﾍﾟｰｽ変換指定が不正です（1:HANSPCONV=Y）"},
        {"[COL]\r\nROUND=3", "時刻丸めモード指定が不正です（1:ROUND=3）"},
        {"[COL]\r\nBASEMIN=60", "時刻丸め基準分指定が不正です（1:BASEMIN=60）"},
        {"[COL]\r\nBASEMIN=-1", "時刻丸め基準分指定が不正です（1:BASEMIN=-1）"},
        {"[COL]\r\nTRAN=Y", "翻訳指定が不正です（1:TRAN=Y）"},
        {"[COL]\r\nTRAN_DELIM=COMMA", "翻訳ファイルタイプが不正です（1:TRAN_DELIM=COMMA）"},
        {"[COL]\r\nTRAN_KEYPOS=0", "キー列番号が不正です（1:TRAN_KEYPOS=0）"},
        {"[COL]\r\nTRAN_AUTORUN=Y", "自動翻訳指定が不正です（1:TRAN_AUTORUN=Y）"},
        {"[COL]\r\nwidth=10", "COLセクションで、不明なキーワードです（1:WIDTH=10）"},
        // A [FILE] key is unknown in a column section, and the other way round.
        {"[COL]\r\nDELIM=CSV", "COLセクションで、不明なキーワードです（1:DELIM=CSV）"},
        {"TITLE=A", "FILEセクションで不明なキーワードです（0:TITLE=A）"},
    };
    for (const Case& c : cases) {
        CtrlFixture f;
        EXPECT_EQ(f.load(c.text + "\r\n"), 0) << c.text;
        ASSERT_EQ(f.ui.messages.size(), 1u) << c.text;
        EXPECT_EQ(f.ui.messages[0].text, c.message) << c.text;
        EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Stop);
        EXPECT_FALSE(f.ctrl.m_bLoaded);
        EXPECT_TRUE(f.ctrl.m_Cols.empty());
    }
}

TEST(CtrlFileLoad, LowerCaseKeysAndValuesAreAccepted) {
    CtrlFixture f;
    ASSERT_EQ(f.load("delim=tab\r\nopendlg=view\r\n[col]\r\ntitle=ａｂｃ\r\ntype=日付\r\nformat1=date2\r\n"), 1)
        << f.ui.lastMessage();
    EXPECT_EQ(f.ctrl.m_cDelim, '\t');
    EXPECT_EQ(f.ctrl.m_nOpenDlg, OpenDlgMode::View);
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, "ＡＢＣ");
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_nFormat1, kFmtDate2);
}

TEST(CtrlFileLoad, ACommentAfterATitleIsCutAndTheSpaceBeforeItTrimmed) {
    CtrlFixture f;
    ASSERT_EQ(f.load("[COL]\r\nTITLE=受注番号 * 伝票の番号\r\n"), 1) << f.ui.lastMessage();
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, "受注番号");
}

TEST(CtrlFileLoad, LengthMinusOneAndPointZeroAreAccepted) {
    CtrlFixture f;
    ASSERT_EQ(f.load("[COL]\r\nTITLE=A\r\nLENGTH=-1\r\nPOINT=0\r\nLENGTH= 12ABC\r\n"), 1) << f.ui.lastMessage();
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_nLength, 12);  // the later setting wins, read up to the letters
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_nPoint, 0);
    CtrlFixture largest;
    ASSERT_EQ(largest.load("[COL]\r\nTITLE=A\r\nLENGTH=65535\r\nPOINT=99\r\n"), 1) << largest.ui.lastMessage();
}

TEST(CtrlFileLoad, FormatTokensInAnyOrderGiveTheSameSet) {
    CtrlFixture a;
    CtrlFixture b;
    ASSERT_EQ(a.load("[COL]\r\nTITLE=A\r\nFORMAT1=半ス,英字,数字\r\n"), 1);
    ASSERT_EQ(b.load("[COL]\r\nTITLE=A\r\nFORMAT1=数字英字 半ス and more\r\n"), 1);
    EXPECT_EQ(a.ctrl.m_Cols[0]->m_nFormat1, kFmtHalfSpace | kFmtHalfLetter | kFmtHalfDigit);
    EXPECT_EQ(b.ctrl.m_Cols[0]->m_nFormat1, a.ctrl.m_Cols[0]->m_nFormat1);
}

TEST(CtrlFileLoad, FileNotationOfDatesFollowsTheDisplayUnlessGiven) {
    CtrlFixture f;
    ASSERT_EQ(f.load("[COL]\r\nTITLE=A\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nLENGTH=10\r\n"
                     "[COL]\r\nTITLE=B\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE3\r\n"
                     "[COL]\r\nTITLE=C\r\nFORMAT1=全角\r\nFORMAT2=DATE3\r\n"),
              1)
        << f.ui.lastMessage();
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_nFormat2, kFmtDate2);
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_nLength, -1);  // dates have no length limit
    EXPECT_EQ(f.ctrl.m_Cols[1]->m_nFormat1, kFmtDate2);
    EXPECT_EQ(f.ctrl.m_Cols[1]->m_nFormat2, kFmtDate3);
    // A text column's FORMAT2= is ignored.
    EXPECT_EQ(f.ctrl.m_Cols[2]->m_nFormat2, kFmtFullWidth);
}

TEST(CtrlFileLoad, SettingsBeforeAnyHeaderBelongToTheFileSection) {
    CtrlFixture f;
    ASSERT_EQ(f.load("FILE=A.CSV\r\nQUOTE=TRUE\r\n[COL]\r\nTITLE=X\r\n"), 1) << f.ui.lastMessage();
    EXPECT_EQ(f.ctrl.m_strDataFile, "A.CSV");
    EXPECT_TRUE(f.ctrl.m_bQuote);
    EXPECT_EQ(f.ctrl.m_Cols.size(), 1u);
}

TEST(CtrlFileLoad, KeysAreFoundAnywhereInTheLineInTableOrder) {
    CtrlFixture f;
    ASSERT_EQ(f.load("xx[file]yy\r\nDELIM=SPACE FILE=B.CSV\r\n  [col] columns\r\nTYPE=日付 文字\r\nTITLE=X\r\n"
                     "TITLE=Y TYPE=数字\r\n"),
              1)
        << f.ui.lastMessage();
    // FILE= comes before DELIM= in the search, so the line is a file name.
    EXPECT_EQ(f.ctrl.m_strDataFile, "B.CSV");
    EXPECT_EQ(f.ctrl.m_cDelim, ',');
    ASSERT_EQ(f.ctrl.m_Cols.size(), 1u);
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_nType, kTypeText);  // 文字 is looked for first
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, "Y TYPE=数字");
}

TEST(CtrlFileLoad, AFileSectionAfterAColumnClosesTheColumn) {
    CtrlFixture f;
    ASSERT_EQ(f.load("[COL]\r\nTITLE=A\r\n[FILE]\r\nQUOTE=TRUE\r\n[COL]\r\nTITLE=B\r\n"), 1) << f.ui.lastMessage();
    ASSERT_EQ(f.ctrl.m_Cols.size(), 2u);
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, "A");
    EXPECT_EQ(f.ctrl.m_Cols[1]->m_nCol, 2);
    EXPECT_TRUE(f.ctrl.m_bQuote);

    CtrlFixture g;
    EXPECT_EQ(g.load("[COL]\r\nTYPE=数字\r\n[FILE]\r\n"), 0);  // and checks it
    EXPECT_EQ(g.ui.lastMessage().rfind("制御ファイルの列=1 ", 0), 0u);
}

TEST(CtrlFileLoad, AColumnCheckFailureShowsAllItsComplaintsInOneBox) {
    CtrlFixture f;
    EXPECT_EQ(f.load(std::string(kTitledColumn) + "[COL]\r\nTYPE=日付\r\nMINNUM=1\r\n[COL]\r\nTITLE=C\r\n"), 0);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text,
              "制御ファイルの列=2 の指定にエラーが有ります。\n"
              "項目タイトルを指定して下さい。\n"
              "日付タイプの場合、「DATE1～6」以外は指定出来ません。\n"
              "最小値は、数字タイプの時のみ有効です。\n");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Stop);
    EXPECT_FALSE(f.ctrl.m_bLoaded);
}

TEST(CtrlFileLoad, AMissingControlFileIsReported) {
    CtrlFixture f;
    f.ctrl.m_strCtrlFile = f.path("none.ctrl");
    EXPECT_EQ(f.ctrl.LoadCtrlFile(f.app), 0);
    EXPECT_EQ(f.ui.lastMessage(), f.path("none.ctrl") + " ファイルがオープン出来ませんでした。");
    f.ctrl.m_strCtrlFile = f.dir.path().string();
    EXPECT_EQ(f.ctrl.LoadCtrlFile(f.app), 0);
    EXPECT_EQ(f.ui.lastMessage(), f.dir.path().string() + " ファイルがオープン出来ませんでした。");
}

TEST(CtrlFileLoad, AMissingTranslationFileFailsTheLoad) {
    CtrlFixture f;
    EXPECT_EQ(f.load("[COL]\r\nTITLE=A\r\nTRAN=TRUE\r\nTRAN_FILE=none.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\n"), 0);
    EXPECT_EQ(f.ui.lastMessage(), "NONE.CSV ファイルのＯＰＥＮが出来ませんでした。");
    EXPECT_FALSE(f.ctrl.m_bLoaded);
}

TEST(CtrlFileLoad, ReloadingStartsFromAnEmptySchema) {
    CtrlFixture f;
    ASSERT_EQ(f.load("QUOTE=TRUE\r\nDELIM=TAB\r\n[COL]\r\nTITLE=A\r\n[COL]\r\nTITLE=B\r\n"), 1);
    ASSERT_EQ(f.load("[COL]\r\nTITLE=C\r\n"), 1);
    EXPECT_FALSE(f.ctrl.m_bQuote);
    EXPECT_EQ(f.ctrl.m_cDelim, ',');
    ASSERT_EQ(f.ctrl.m_Cols.size(), 1u);
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, "C");
}

}  // namespace
}  // namespace tabrix
