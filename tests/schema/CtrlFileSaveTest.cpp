#include <gtest/gtest.h>

#include <sstream>

#include "schema/CtrlFileText.h"
#include "schema/CtrlFixture.h"

namespace tabrix {
namespace {

using test::CtrlFixture;
using test::ReadBytes;

const LocalDateTime kNow{2024, 3, 5, 9, 7, 30};
const FixedClock kClock(kNow);

// Every field of the schema, written out so that two schemas compare whole.
std::string Dump(const CCtrlFile& c) {
    std::ostringstream out;
    const auto list = [&out](const std::vector<int>& v) {
        for (int n : v) out << n << ';';
        out << '|';
    };
    out << c.m_strDataFile << '|' << int(c.m_cDelim) << '|';
    list(c.m_KeyCols);
    out << c.m_bDupCheck << c.m_strMdb << '|' << c.m_bColChange << c.m_bLineChange << c.m_bConvUse
        << int(c.m_nMenuMode) << c.m_bHelpMsg << int(c.m_nImeMode) << c.m_bHeadTitle << c.m_bQuote
        << int(c.m_nOpenDlg) << '\n';
    for (const auto& p : c.m_Cols) {
        const CColCtrl& k = *p;
        out << k.m_nCol << '|' << k.m_strTitle << '|' << k.m_bFileCol << k.m_bEdit << k.m_nType << '|' << k.m_nFormat1
            << '|' << k.m_nFormat2 << '|' << k.m_bEtcChar << k.m_strEtcChar << '|' << k.m_nLength << '|' << k.m_nAllLen
            << '|' << k.m_nPoint << '|' << k.m_bObligate << k.m_bNoDisp << k.m_bHanSpConv << k.m_nRound << '|'
            << k.m_nBaseMin << '|' << k.m_strInitial << '|';
        for (const auto& v : k.m_Permission) out << v << ';';
        out << '|' << k.m_Permission.size() << '|' << k.m_strMinNum << '|' << k.m_strMaxNum << '|' << k.m_strReplace1
            << '|' << k.m_strReplace2 << '|';
        const CTranCtrl& t = k.m_Tran;
        out << t.m_bTran << t.m_bAutoRun << t.m_strFile << '|' << int(t.m_cDelim) << '|' << t.m_nKeyPos << '|';
        list(t.m_NamePos);
        list(t.m_TranCols);
        out << t.m_Table.size() << '\n';
    }
    return out.str();
}

// A schema that uses every key with values other than the defaults.
constexpr const char* kEveryKey =
    "[FILE]\r\nFILE=DATA\\ORDERS.CSV\r\nDELIM=SPACE\r\nKEYCOL=1,3\r\nDUPCHECK=TRUE\r\nMDB=WORK.DB\r\n"
    "COLCHANGE=FALSE\r\nLINECHANGE=FALSE\r\nCONVUSE=FALSE\r\nMENUMODE=CUSTUM3\r\nHELPMSG=FALSE\r\n"
    "IMEMODE=NORMAL\r\nHEADTITLE=TRUE\r\nQUOTE=TRUE\r\nOPENDLG=VIEW\r\n"
    "[COL]\r\nTITLE=受注番号\r\nEDIT=FALSE\r\nFORMAT1=英字,数字,記号\r\nLENGTH=10\r\nOBLIGATE=TRUE\r\n"
    "ETCCHAR=－\r\nINITIAL=A-%SYSDATE%\r\nPERMISSION=A,,B,\r\nREPLACE1=_\r\nREPLACE2=-\r\nHANSPCONV=TRUE\r\n"
    "NODISP=TRUE\r\n"
    "[COL]\r\nTITLE=金額\r\nTYPE=数字\r\nFORMAT1=NUM2\r\nLENGTH=12\r\nALLLEN=9\r\nPOINT=2\r\nMINNUM=-100\r\n"
    "MAXNUM=99999\r\n"
    "[COL]\r\nTITLE=受注日\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE1\r\n"
    "[COL]\r\nTITLE=時刻\r\nTYPE=時刻\r\nFORMAT1=TIME5\r\nFORMAT2=TIME4\r\nROUND=1\r\nBASEMIN=15\r\n"
    "TRAN=TRUE\r\nTRAN_FILE=CODES.TXT\r\nTRAN_DELIM=TAB\r\nTRAN_KEYPOS=2\r\nTRAN_NAMEPOS=1,3\r\nTRAN_COL=5\r\n"
    "TRAN_AUTORUN=TRUE\r\n"
    "[COL]\r\nTITLE=名称\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=全角\r\nFORMAT1=半ス,英字,数字,記号,半カ,半捨カ,全ス,全英,全数,全記,全ひ,全カ,一漢,二漢,全角\r\n";

TEST(CtrlFileSave, WhatIsWrittenReadsBackAsTheSameSchema) {
    CtrlFixture f;
    f.dir.write("CODES.TXT", "1\tA01\tX\r\n");
    ASSERT_EQ(f.load(kEveryKey), 1) << f.ui.lastMessage();
    const std::string before = Dump(f.ctrl);
    f.ctrl.m_strCtrlFile = f.path("copy.ctrl");
    ASSERT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 1);
    CtrlFixture g;
    g.dir.write("CODES.TXT", "1\tA01\tX\r\n");
    ASSERT_EQ(g.load(ReadBytes(f.dir / "copy.ctrl")), 1) << g.ui.lastMessage();
    EXPECT_EQ(Dump(g.ctrl), before);
    // And once more: the written form is stable.
    EXPECT_EQ(CtrlFileText(g.ctrl, {}, kNow), CtrlFileText(f.ctrl, {}, kNow));
}

TEST(CtrlFileSave, WrittenFormKeepsItsOrderAndConditions) {
    CtrlFixture f;
    f.dir.write("C.CSV", "K,N\r\n");
    ASSERT_EQ(f.load("[COL]\r\nTITLE=CODE\r\nTRAN=TRUE\r\nTRAN_FILE=C.CSV\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\n"
                     "[COL]\r\nTITLE=NAME\r\nFILECOL=FALSE\r\n"
                     "[COL]\r\nTITLE=QTY\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n"
                     "[COL]\r\nTITLE=AT\r\nTYPE=時刻\r\nFORMAT1=TIME2\r\n"),
              1)
        << f.ui.lastMessage();
    EXPECT_EQ(CtrlFileText(f.ctrl, {"* head", ""}, kNow),
              "* head\r\n"
              "\r\n"
              "* 更新日=2024/03/05  9: 7\r\n"
              "\r\n[FILE]\r\n"
              "DUPCHECK=FALSE\r\nCOLCHANGE=TRUE\r\nLINECHANGE=TRUE\r\nCONVUSE=TRUE\r\nMENUMODE=NORMAL\r\n"
              "HELPMSG=TRUE\r\nIMEMODE=FALSE\r\nHEADTITLE=FALSE\r\nQUOTE=FALSE\r\nOPENDLG=OPTION\r\n"
              "\r\n[COL]\r\nTITLE=CODE\r\nFILECOL=TRUE\r\nEDIT=TRUE\r\nTYPE=文字\r\n"
              "FORMAT1=半ス,英字,数字,記号,半カ,全角\r\nFORMAT2=半ス,英字,数字,記号,半カ,全角\r\nLENGTH=-1\r\n"
              "OBLIGATE=FALSE\r\nNODISP=FALSE\r\nHANSPCONV=FALSE\r\nREPLACE1=\r\nREPLACE2=\r\n"
              "TRAN=TRUE\r\nTRAN_FILE=C.CSV\r\nTRAN_DELIM=CSV\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=\r\n"
              "TRAN_AUTORUN=FALSE\r\n"
              "\r\n[COL]\r\nTITLE=NAME\r\nFILECOL=FALSE\r\nTRAN=FALSE\r\n"
              "\r\n[COL]\r\nTITLE=QTY\r\nFILECOL=TRUE\r\nEDIT=TRUE\r\nTYPE=数字\r\nFORMAT1=NUM1\r\nFORMAT2=NUM1\r\n"
              "LENGTH=-1\r\nOBLIGATE=FALSE\r\nNODISP=FALSE\r\nHANSPCONV=FALSE\r\nALLLEN=-1\r\nPOINT=0\r\nMINNUM=\r\n"
              "MAXNUM=\r\nREPLACE1=\r\nREPLACE2=\r\nTRAN=FALSE\r\n"
              "\r\n[COL]\r\nTITLE=AT\r\nFILECOL=TRUE\r\nEDIT=TRUE\r\nTYPE=時刻\r\nFORMAT1=TIME2\r\nFORMAT2=TIME2\r\n"
              "LENGTH=-1\r\nOBLIGATE=FALSE\r\nNODISP=FALSE\r\nHANSPCONV=FALSE\r\nREPLACE1=\r\nREPLACE2=\r\n"
              "ROUND=0\r\nBASEMIN=0\r\nTRAN=FALSE\r\n");
}

TEST(CtrlFileSave, FileAndDelimiterAreWrittenTogether) {
    CCtrlFile ctrl;
    ctrl.m_strDataFile = "A.TXT";
    ctrl.m_cDelim = '|';  // a delimiter chosen in the dialog has no keyword: written as CSV
    ctrl.m_KeyCols = {2};
    ctrl.m_strMdb = "W.DB";
    const std::string text = CtrlFileText(ctrl, {}, kNow);
    EXPECT_NE(text.find("\r\n[FILE]\r\nFILE=A.TXT\r\nDELIM=CSV\r\nKEYCOL=2\r\nDUPCHECK=FALSE\r\nMDB=W.DB\r\n"),
              std::string::npos)
        << text;
}

TEST(CtrlFileSave, TheHeaderTemplateComesFromTheProgramFolder) {
    CtrlFixture f;
    f.dir.write("prog/CtrlHeader.txt", "* line one\n*line two\r\n* last");
    f.app.programDir = f.path("prog");
    f.ctrl.m_strCtrlFile = f.path("h.ctrl");
    ASSERT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 1);
    const std::string text = ReadBytes(f.dir / "h.ctrl");
    EXPECT_EQ(text.rfind("* line one\r\n*line two\r\n* last\r\n* 更新日=2024/03/05  9: 7\r\n\r\n[FILE]\r\n", 0), 0u)
        << text;

    // Without a template the file starts with the update stamp.
    f.app.programDir = f.path("nowhere");
    ASSERT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 1);
    EXPECT_EQ(ReadBytes(f.dir / "h.ctrl").rfind("* 更新日=", 0), 0u);
}

TEST(CtrlFileSave, TheShippedTemplateHoldsOnlyComments) {
    CtrlFixture f;
    f.app.programDir = std::string(TABRIX_SOURCE_DIR) + "/docs";
    f.ctrl.m_strCtrlFile = f.path("shipped.ctrl");
    ASSERT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 1);
    const std::string text = ReadBytes(f.dir / "shipped.ctrl");
    EXPECT_EQ(text.rfind("****", 0), 0u);
    CtrlFixture g;
    ASSERT_EQ(g.load(text), 1) << g.ui.lastMessage();
}

TEST(CtrlFileSave, WithoutAPathTheSaveDialogAsks) {
    CtrlFixture f;
    FileDialogRequest asked;
    f.ui.fileDialogs.push_back([&](FileDialogRequest& r) {
        asked = r;
        return false;
    });
    EXPECT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 0);
    EXPECT_EQ(asked.title, "制御ファイル保存");
    EXPECT_EQ(asked.filter, "制御ﾌｧｲﾙ(*.ctrl)|*.ctrl|全てのﾌｧｲﾙ(*.*)|*.*||");
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_TRUE(f.ctrl.m_strCtrlFile.empty());
    EXPECT_TRUE(f.ui.messages.empty());

    f.ui.fileDialogs.push_back([&](FileDialogRequest& r) {
        r.fileName = f.path("named");
        r.filterIndex = 0;
        return true;
    });
    EXPECT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 1);
    EXPECT_EQ(f.ctrl.m_strCtrlFile, f.path("named.ctrl"));
    EXPECT_FALSE(ReadBytes(f.dir / "named.ctrl").empty());
}

TEST(CtrlFileSave, AFileThatCannotBeWrittenIsReported) {
    CtrlFixture f;
    f.ctrl.m_strCtrlFile = f.path("no/folder/x.ctrl");
    EXPECT_EQ(f.ctrl.SaveCtrlFile(f.app, kClock), 0);
    EXPECT_EQ(f.ui.lastMessage(), f.path("no/folder/x.ctrl") + " ファイルがオープン出来ませんでした。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
}

}  // namespace
}  // namespace tabrix
