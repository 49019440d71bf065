// Opening and saving data files under a control file, through the document.
#include <filesystem>
#include <gtest/gtest.h>

#include "document/FileOpenDlg.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::ReadBytes;

std::vector<std::string> Rows(const CTabrixDoc& doc) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < doc.lines().size(); ++i) out.emplace_back(doc.lines()[i]);
    return out;
}

// Code, two virtual name columns filled from the translation file, amount.
constexpr const char* kTranslatedCtrl =
    "[FILE]\r\nFILE=data.csv\r\nDELIM=CSV\r\nHEADTITLE=TRUE\r\nOPENDLG=NOT\r\n"
    "[COL]\r\nTITLE=CODE\r\nTRAN=TRUE\r\nTRAN_FILE=codes.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2,3\r\n"
    "TRAN_COL=2,3\r\nTRAN_AUTORUN=TRUE\r\n"
    "[COL]\r\nTITLE=NAME\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=PREF\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=AMOUNT\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n";

struct CtrlDoc : DocFixture {
    CtrlDoc() { settings.DefDir = dir.path().string(); }
};

TEST(CtrlDocument, OpensTheDataFileWithVirtualColumnsAndTranslatesCodes) {
    CtrlDoc f;
    f.dir.write("Data.csv", "code,amount\r\nC1,100\r\nC9,5\r\nC2,7\r\n");
    f.dir.write("codes.csv", "C1,東京商事,東京都\r\nC2,大阪物産,大阪府\r\n");
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "orders.ctrl", kTranslatedCtrl)) << f.ui.lastMessage();
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
    EXPECT_TRUE(doc.m_bTitleLine);
    EXPECT_EQ(doc.dataFileName(), f.path("Data.csv"));  // found without regard to case
    EXPECT_EQ(doc.title(), "Data.csv");
    EXPECT_EQ(doc.columnCount(), 4);
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"code\t\t\tamount", "C1\t東京商事\t東京都\t100",
                                                   "C9\t\t\t5", "C2\t大阪物産\t大阪府\t7"}));
    const auto& captions = f.ui.progressWindow.captions;
    EXPECT_NE(std::find(captions.begin(), captions.end(), "データ変換"), captions.end());

    // Saving drops the virtual columns again.
    ASSERT_TRUE(doc.OnSaveDocument(f.path("out.csv")));
    EXPECT_EQ(ReadBytes(f.dir / "out.csv"), "code,amount\r\nC1,100\r\nC9,5\r\nC2,7\r\n");
}

TEST(CtrlDocument, WidthCheckAgainstTheInFileColumns) {
    CtrlDoc f;
    f.settings.CtlNumErr = 1;
    f.dir.write("DATA.CSV", "a,1\r\nb,2\r\nc,3,x\r\n");
    f.dir.write("CODES.CSV", "a,A,AA\r\n");
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(f.open(doc, "w.ctrl", kTranslatedCtrl));
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイル(" + f.path("w.ctrl") + ")の3行目の項目数（2）と" + f.path("DATA.CSV") +
                                      "の項目数（3）が異なります。\nをOPEN出来ません。");
}

TEST(CtrlDocument, ASchemaErrorRefusesTheOpen) {
    CtrlDoc f;
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(f.open(doc, "bad.ctrl", "DELIM=PIPE\r\n"));
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[0].text, "デリミッタ指定が不正です（0:DELIM=PIPE）");
    EXPECT_EQ(f.ui.messages[1].text, "制御ファイル（" + f.path("bad.ctrl") + "）にエラーが有りました。");
    EXPECT_EQ(f.ui.messages[1].icon, MsgIcon::Stop);
}

TEST(CtrlDocument, AMissingDataFileIsReportedUnderItsName) {
    CtrlDoc f;
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(f.open(doc, "m.ctrl", "FILE=NONE.CSV\r\nOPENDLG=NOT\r\n"));
    EXPECT_EQ(f.ui.lastMessage(), f.path("NONE.CSV") + " OPENエラー");
}

TEST(CtrlDocument, OpenWithoutDialogDetectsTheDelimiter) {
    CtrlDoc f;
    f.dir.write("D.TXT", "a,b\r\nc,d\r\n");
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "n.ctrl", "FILE=D.TXT\r\nDELIM=TAB\r\nOPENDLG=NOT\r\n")) << f.ui.lastMessage();
    EXPECT_EQ(doc.m_CtrlFile.m_cDelim, ',');
    EXPECT_EQ(doc.columnCount(), 2);
}

TEST(CtrlDocument, TheDialogShowsTheControlFilesSettings) {
    CtrlDoc f;
    f.settings.OpenDlg = 1;
    f.dir.write("D.TXT", "a;b\r\n");
    std::string shownName;
    bool shownQuote = false;
    f.ui.dialogs.push_back([&](CDialogModel& model) {
        auto& dlg = dynamic_cast<CFileOpen&>(model);
        shownName = dlg.m_strFileName;
        shownQuote = dlg.m_bQuote;
        dlg.m_nDelim = DelimKind::Other;
        dlg.m_strOther = ";";
        return true;
    });
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "o.ctrl", "FILE=d.txt\r\nQUOTE=TRUE\r\n")) << f.ui.lastMessage();
    EXPECT_EQ(shownName, f.path("D.TXT"));
    EXPECT_TRUE(shownQuote);
    EXPECT_EQ(Rows(doc), std::vector<std::string>{"a\tb"});
}

TEST(CtrlDocument, TheWorkDatabaseIsMadeInTheFoundFolderAndRemovedOnClose) {
    CtrlDoc f;
    f.dir.write("D.CSV", "a,b\r\n");
    f.dir.write("Work/keep", "");
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "db.ctrl", "FILE=D.CSV\r\nMDB=work/TEMP.DB\r\nOPENDLG=NOT\r\n")) << f.ui.lastMessage();
    EXPECT_TRUE(std::filesystem::exists(f.dir / "Work/TEMP.DB"));
    EXPECT_TRUE(doc.OnCloseDocument());
    EXPECT_FALSE(std::filesystem::exists(f.dir / "Work/TEMP.DB"));
}

TEST(CtrlDocument, AChangedSchemaIsSavedWhenTheDocumentCloses) {
    CtrlDoc f;
    f.dir.write("D.CSV", "a,b\r\n");
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "s.ctrl", "FILE=D.CSV\r\nOPENDLG=NOT\r\n[COL]\r\nTITLE=A\r\n[COL]\r\nTITLE=B\r\n"));
    EXPECT_EQ(doc.m_CtrlFile.InsertColDef(2), 1);
    EXPECT_TRUE(doc.OnCloseDocument());
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイルが変更されています。保存しますか？");
    EXPECT_FALSE(doc.m_CtrlFile.m_bModified);
    const std::string saved = ReadBytes(f.dir / "s.ctrl");
    EXPECT_NE(saved.find("\r\n[COL]\r\nTITLE=Col.2\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace tabrix
