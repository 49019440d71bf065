#include <gtest/gtest.h>

#include "document/FileOpenDlg.h"
#include "document/MemoryCheck.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::Rows;

TEST(DocLoad, UnevenLinesAreAlignedAfterANotice) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "u.csv", "a,b,c\r\n1,2,3,4,5\r\nx,y,z,w\r\n"));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "項目数が不揃いです。最小(3列)、最大(5列)です。\n自動的に項目揃えを行います。");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(doc.columnCount(), 5);
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"a\tb\tc\t\t", "1\t2\t3\t4\t5", "x\ty\tz\tw\t"}));
    EXPECT_EQ(doc.title(), "u.csv");
}

TEST(DocLoad, UnevenLinesAreRefusedWhenTheSettingsSaySo) {
    DocFixture f;
    f.settings.ColNumErr = 1;
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(f.open(doc, "u.csv", "a,b,c\n1,2,3,4,5\n"));
    EXPECT_EQ(f.ui.lastMessage(),
              "項目数が不揃いです。最小(3列)、最大(5列)です。\n" + f.path("u.csv") + "をOPEN出来ません。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
}

TEST(DocLoad, EmptyLineInTheMiddleMakesTheFileUneven) {
    DocFixture f;
    f.settings.ColNumErr = 1;
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(f.open(doc, "e.csv", "a,b\n\nc,d\n"));
    EXPECT_NE(f.ui.lastMessage().find("最小(0列)、最大(2列)"), std::string::npos);
}

TEST(DocLoad, EmptyFileOpensAsAnEmptyDocument) {
    DocFixture f;
    f.settings.ColNumErr = 1;
    CTabrixDoc doc(f.app);
    EXPECT_TRUE(f.open(doc, "empty.csv", ""));
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(doc.lines().empty());
    EXPECT_EQ(doc.columnCount(), 0);
}

TEST(DocLoad, SpacesBecomeMarksBeforeFieldsAreSplit) {
    DocFixture f;
    f.settings.HanspDisp = 1;
    f.settings.ZenspDisp = 1;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "s.txt", "a b\tc　d\r\nソ x\tz\r\n"));
    // The TAB wins the detection, and the space is already a mark when fields are split.
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"a_b\tc■d", "ソ_x\tz"}));
}

TEST(DocLoad, SpaceDelimitedFileWithMarksIsOneFieldPerLine) {
    DocFixture f;
    f.settings.HanspDisp = 1;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "s.txt", "a b c\n"));
    EXPECT_EQ(doc.columnCount(), 1);
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"a_b_c"}));
}

TEST(DocLoad, DelimiterDetection) {
    struct Case {
        const char* bytes;
        char delimiter;
    };
    const Case cases[] = {
        {"a b,c\n", ','},
        {"a b\tc\n", '\t'},
        {"a b\n", ' '},
        {"\n\n\n\n\n\n\n\n\n\n\na,b\n", '|'},
        {"\n\nab\na,b\n", ','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        DocFixture f;
        CTabrixDoc doc(f.app);
        f.open(doc, "d.txt", c.bytes);
        EXPECT_EQ(doc.m_CtrlFile.m_cDelim, c.delimiter);
    }
}

TEST(DocLoad, FileReadDialogChoosesDelimiterTitleAndQuotes) {
    DocFixture f;
    f.settings.OpenDlg = 1;
    CTabrixDoc doc(f.app);
    const std::string path = f.dir.write("q.dat", "h1;h2\r\n\"a;b\";c\r\n").string();
    f.ui.dialogs.push_back([](CDialogModel& model) {
        auto& dlg = dynamic_cast<CFileOpen&>(model);
        EXPECT_EQ(dlg.m_nDelim, DelimKind::Other);  // no comma, TAB or space: the default
        dlg.m_strOther = ";";
        dlg.m_bTitleLine = true;
        dlg.m_bQuote = true;
        return true;
    });
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.m_CtrlFile.m_cDelim, ';');
    EXPECT_TRUE(doc.m_bTitleLine);
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"h1\th2", "a;b\tc"}));
}

TEST(DocLoad, FileReadDialogRefusesMissingNameAndDelimiter) {
    CFileOpen dlg;
    EXPECT_EQ(dlg.validate(), "ファイル名を選択して下さい");
    dlg.m_strFileName = "x.csv";
    dlg.m_nDelim = DelimKind::Other;
    EXPECT_EQ(dlg.validate(), "区切り文字を入力して下さい。");
    dlg.m_strOther = "|";
    EXPECT_EQ(dlg.validate(), "");
}

TEST(DocLoad, CancelledDialogOpensNothing) {
    DocFixture f;
    f.settings.OpenDlg = 1;
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(f.open(doc, "c.csv", "a,b\n"));
}

TEST(DocLoad, MissingFileAndFolderAreRefusedWithMessages) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    EXPECT_FALSE(doc.OnOpenDocument(f.path("none.csv")));
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[0].text, f.path("none.csv") + " ファイルがOPEN出来ませんでした。");
    EXPECT_EQ(f.ui.messages[1].text, f.path("none.csv") + " OPENエラー");

    DocFixture g;
    CTabrixDoc folder(g.app);
    EXPECT_FALSE(folder.OnOpenDocument(g.dir.path().string()));
    EXPECT_EQ(g.ui.lastMessage(), g.dir.path().string() + " OPENエラー");
}

TEST(DocLoad, BytesSurviveLoadingExactly) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    // NUL outside quotes, a lone lead byte at the end, CR-only line ends, no final terminator.
    const std::string bytes("a\0b,c\rソ,表\r\x81", 13);
    ASSERT_TRUE(f.open(doc, "n.csv", bytes));
    ASSERT_EQ(doc.lines().size(), 3u);
    EXPECT_EQ(doc.lines()[0], std::string("a\0b\tc", 5));
    EXPECT_EQ(doc.lines()[1], "ソ\t表");
    EXPECT_EQ(doc.lines()[2], "\x81\t");  // aligned to two fields
}

TEST(DocLoad, HugeSingleLine) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    std::string line(50u << 20, 'x');
    line[1000] = ',';
    ASSERT_TRUE(f.open(doc, "big.csv", line));
    ASSERT_EQ(doc.lines().size(), 1u);
    EXPECT_EQ(doc.lines()[0].size(), line.size());
    EXPECT_EQ(doc.columnCount(), 2);
}

TEST(DocLoad, MemoryQuestionCanStopTheOpen) {
    EXPECT_EQ(CommitAvailableFrom("MemAvailable:  100 kB\nSwapFree: 28 kB\n", 0), 128 * 1024);
    EXPECT_EQ(CommitAvailableFrom("CommitLimit: 500 kB\nCommitted_AS: 600 kB\n", 2), 0);
    DocFixture f;
    const std::string path = f.dir.write("m.csv", "a,b\n").string();
    EXPECT_EQ(CheckMemory(path, 12), MemoryCheck::Ok);
    EXPECT_EQ(CheckMemory(path, 11), MemoryCheck::Short);
    EXPECT_EQ(CheckMemory(f.path("none"), 100), MemoryCheck::OpenFailed);
}

TEST(DocLoad, NewDocumentHasRowsOfEmptyFields) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    f.ui.dialogs.push_back([](CDialogModel&) { return true; });
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.lines().size(), 100u);
    EXPECT_EQ(doc.lines()[99], std::string(9, '\t'));
    EXPECT_EQ(doc.columnCount(), 10);
    EXPECT_EQ(doc.title(), "新規");
}

}  // namespace
}  // namespace tabrix
