#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <gtest/gtest.h>

#include "document/FileOpenDlg.h"
#include "support/DocFixture.h"
#include "support/FileSizeLimit.h"
#include "support/SharedData.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::FakeDocView;
using test::ReadBytes;

// Loads bytes with the given delimiter and quote flag and writes them back.
std::string RoundTrip(const std::string& bytes, char delim, bool quote, Settings settings = {}) {
    DocFixture f;
    f.settings = settings;
    f.settings.OpenDlg = 1;
    CTabrixDoc doc(f.app);
    f.ui.dialogs.push_back([&](CDialogModel& model) {
        auto& dlg = dynamic_cast<CFileOpen&>(model);
        dlg.m_nDelim = ChoiceOf(delim).kind;
        dlg.m_strOther = std::string(1, delim);
        dlg.m_bQuote = quote;
        return true;
    });
    EXPECT_TRUE(f.open(doc, "in.txt", bytes));
    EXPECT_TRUE(doc.OnSaveDocument(f.path("out.txt")));
    return ReadBytes(f.dir / "out.txt");
}

TEST(DocSave, QuotesAndSeparators) {
    struct Case {
        const char* in;
        char delim;
        bool quote;
        const char* out;
    };
    const Case cases[] = {
        {"\"a\",\"\",\"b,c\"\r\n", ',', true, "\"a\",\"\",\"b,c\"\r\n"},
        {"\"a,b\",c\n", ',', false, "\"a,b\",c\r\n"},
        {"a\tb\t\nc\td\te\n", '\t', false, "a\tb\t\r\nc\td\te\r\n"},
        {"ソ|表|x\r\n", '|', false, "ソ|表|x\r\n"},
        {"", ',', false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(RoundTrip(c.in, c.delim, c.quote), c.out);
    }
}

TEST(DocSave, FieldHoldingTheDelimiterIsWrittenAsItIs) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "a.csv", "a,b\r\n"));
    doc.lines().set(0, "x,y\tz");
    ASSERT_TRUE(doc.OnSaveDocument(f.path("a.csv")));
    EXPECT_EQ(ReadBytes(f.dir / "a.csv"), "x,y,z\r\n");
    // With the quote flag every field is quoted and its quotes doubled, so
    // that reading it back gives the same values.
    doc.m_CtrlFile.m_bQuote = true;
    doc.lines().set(0, "5\"\tx\"y");
    ASSERT_TRUE(doc.OnSaveDocument(f.path("a.csv")));
    EXPECT_EQ(ReadBytes(f.dir / "a.csv"), "\"5\"\"\",\"x\"\"y\"\r\n");
}

TEST(DocSave, ShortRowsArePaddedAndMarksBecomeSpaces) {
    DocFixture f;
    f.settings.HanspDisp = 1;
    f.settings.ZenspDisp = 1;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "a.csv", "a b,c　d,e\r\n"));
    doc.lines().push_back("only_one");   // as after an insertion of narrower lines
    doc.lines().push_back("");
    doc.lines().set(0, "x_y\t\x81\x5F■\tz");  // the 0x5F trail byte of ＿ is no mark
    ASSERT_TRUE(doc.OnSaveDocument(f.path("out.csv")));
    EXPECT_EQ(ReadBytes(f.dir / "out.csv"), "x y,\x81\x5F　,z\r\nonly one,,\r\n,,\r\n");
}

TEST(DocSave, KenAllComesBackByteForByte) {
    const std::filesystem::path source = test::KenAllPath();
    if (source.empty()) GTEST_SKIP() << "KEN_ALL.CSV is not on this machine";
    DocFixture f;
    CTabrixDoc doc(f.app);
    const std::string bytes = ReadBytes(source);
    ASSERT_TRUE(f.open(doc, "KEN_ALL.CSV", bytes));
    EXPECT_EQ(doc.lines().size(), 124825u);
    EXPECT_EQ(doc.columnCount(), 15);
    ASSERT_TRUE(doc.OnSaveDocument(f.path("copy.csv")));
    EXPECT_TRUE(ReadBytes(f.dir / "copy.csv") == bytes);
}

using test::FileSizeLimit;

TEST(DocSave, FailedWriteKeepsTheOldFileAndTheStore) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    FakeDocView view;
    doc.m_pView = &view;
    const std::string original = "old,content\r\n";
    ASSERT_TRUE(f.open(doc, "a.csv", original));
    ::chmod(f.path("a.csv").c_str(), 0640);
    doc.lines().set(0, std::string(100000, 'n') + "\tx");
    view.modified = true;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(doc.DoSave());
    }
    EXPECT_EQ(f.ui.lastMessage(),
              f.path("a.csv") + " に保存できませんでした。\nファイルが大きすぎます。");
    EXPECT_EQ(ReadBytes(f.dir / "a.csv"), original);
    EXPECT_EQ(doc.lines()[0].size(), 100002u);
    EXPECT_TRUE(view.modified);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()), {}), 1);
    // A later save succeeds and keeps the file's permissions.
    ASSERT_TRUE(doc.DoSave());
    EXPECT_FALSE(view.modified);
    struct stat st {};
    ::stat(f.path("a.csv").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(DocSave, SaveAsTakesTheExtensionOfTheFilterInUse) {
    struct Case {
        int filter;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {{1, "name", "name.csv"}, {3, "name", "name.txt"}, {2, "name", "name.dat"},
                          {1, "name.TXT", "name.TXT"}};
    for (const auto& c : cases) {
        DocFixture f;
        CTabrixDoc doc(f.app);
        f.ui.dialogs.push_back([](CDialogModel&) { return true; });
        ASSERT_TRUE(doc.OnNewDocument());
        const std::string typed = f.path(c.typed);
        f.ui.fileDialogs.push_back([&](FileDialogRequest& r) {
            EXPECT_EQ(r.title, "名前を付けて保存");
            EXPECT_TRUE(r.overwritePrompt);
            r.fileName = typed;
            r.filterIndex = c.filter;
            return true;
        });
        ASSERT_TRUE(doc.DoSave());  // a new document is saved as by Save As
        EXPECT_TRUE(std::filesystem::exists(f.dir / c.written)) << c.written;
        EXPECT_EQ(doc.title(), c.written);
    }
}

TEST(DocSave, ReadOnlyFilesAndWorkbooksGoThroughSaveAs) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "ro.csv", "a\r\n"));
    ::chmod(f.path("ro.csv").c_str(), 0444);
    EXPECT_FALSE(doc.DoSave());  // the Save As dialog is cancelled
    ASSERT_EQ(f.ui.fileRequests.size(), 1u);
    EXPECT_EQ(f.ui.fileRequests[0].fileName, f.path("ro.csv"));
    EXPECT_EQ(ReadBytes(f.dir / "ro.csv"), "a\r\n");
    // Even when chosen in Save As, a read-only file is not replaced.
    f.ui.fileDialogs.push_back([&](FileDialogRequest& r) {
        r.fileName = f.path("ro.csv");
        return true;
    });
    EXPECT_FALSE(doc.DoSaveAs());
    EXPECT_EQ(f.ui.lastMessage(), f.path("ro.csv") + " に保存できませんでした。\nアクセスが拒否されました。");

    doc.setDataFileName(f.path("book.xlsx"));
    EXPECT_FALSE(doc.CanSave());
}

TEST(DocSave, ClosingAsksAboutUnsavedEdits) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    FakeDocView view;
    doc.m_pView = &view;
    ASSERT_TRUE(f.open(doc, "c.csv", "a,b\r\n"));
    EXPECT_TRUE(doc.SaveModified());  // nothing changed: no question
    EXPECT_TRUE(f.ui.messages.empty());

    view.modified = true;
    f.ui.answers = {MsgResult::Cancel};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(f.ui.lastMessage(), "c.csv の変更を保存しますか？");
    EXPECT_EQ(f.ui.messages.back().buttons, MsgButtons::YesNoCancel);

    f.ui.answers = {MsgResult::No};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(view.modified);
    EXPECT_EQ(ReadBytes(f.dir / "c.csv"), "a,b\r\n");

    view.modified = true;
    doc.lines().set(0, "x\ty");
    f.ui.answers = {MsgResult::Yes};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ReadBytes(f.dir / "c.csv"), "x,y\r\n");
    EXPECT_EQ(view.endEdits, 4);
}

}  // namespace
}  // namespace tabrix
