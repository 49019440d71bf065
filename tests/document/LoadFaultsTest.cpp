// What a fuzz run of the command line found in loading: field counts above
// 65,535, space marks that the data already holds, TABs inside quotes.
#include <gtest/gtest.h>

#include "document/FileOpenDlg.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::ReadBytes;
using test::Rows;

TEST(LoadFaults, SeventyThousandFieldsOnEveryLineAreEven) {
    DocFixture f;
    f.settings.ColNumErr = 1;
    CTabrixDoc doc(f.app);
    const std::string line = std::string(69999, ',') + "\r\n";
    ASSERT_TRUE(f.open(doc, "wide.csv", line + line)) << f.ui.lastMessage();
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(doc.m_nMinCols, 70000);
    EXPECT_EQ(doc.columnCount(), 70000);

    // Inserting such lines counts them the same way.
    f.ui.messages.clear();
    ASSERT_TRUE(doc.InsertFile(f.dir.write("more.csv", line).string(), 0));
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
}

// With a mark on, every space of the file is held as the mark and every mark
// is written as a space; a file that holds the mark, or a mark that is the
// delimiter, is opened without it so that saving changes nothing.
TEST(LoadFaults, AMarkTheDataHoldsIsNotUsed) {
    struct Case {
        const char* bytes;
        const char* halfMark;  // with HanspDisp on
        bool fullMark;         // ZenspDisp on with "■"
        const char* notice;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"a,x_y z\r\n", "_", false, "ファイル内に半角スペース表示文字（_）が有る為、半角スペースを表示せずに開きます。",
         {"a\tx_y z"}},
        {"a,b c\r\n", ",", false, "半角スペース表示文字（,）が区切り文字と同じ為、半角スペースを表示せずに開きます。",
         {"a\tb c"}},
        {"x　y,■\r\n", "_", true, "ファイル内に全角スペース表示文字（■）が有る為、全角スペースを表示せずに開きます。",
         {"x　y\t■"}},
        // A lead byte without its trail before a space would take a mark of 0x5F as its trail.
        {"\x81 ,b\r\n", "_", false, "ファイル内に半角スペース表示文字（_）が有る為、半角スペースを表示せずに開きます。",
         {"\x81 \tb"}},
        // The 0x5F and 0x7C trail bytes of ＿ and ポ are no marks.
        {"\x81\x5F ポ,c d\r\n", "|", false, nullptr, {"\x81\x5F|ポ\tc|d"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        DocFixture f;
        f.settings.HanspDisp = 1;
        f.settings.HanspChar = c.halfMark;
        f.settings.ZenspDisp = c.fullMark;
        CTabrixDoc doc(f.app);
        ASSERT_TRUE(f.open(doc, "in.csv", c.bytes));
        if (c.notice) {
            ASSERT_EQ(f.ui.messages.size(), 1u);
            EXPECT_EQ(f.ui.messages[0].text, c.notice);
            EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Information);
        } else {
            EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
        }
        EXPECT_EQ(Rows(doc), c.rows);
        ASSERT_TRUE(doc.OnSaveDocument(f.path("out.csv")));
        EXPECT_EQ(ReadBytes(f.dir / "out.csv"), c.bytes);
    }
}

// A space-delimited line is one field while spaces are marks; a TAB that
// splits it would be written as a space and read back as a mark.
TEST(LoadFaults, ASpaceDelimitedFileSplitAtATabOpensWithoutTheMark) {
    DocFixture f;
    f.settings.OpenDlg = 1;
    f.settings.HanspDisp = 1;
    CTabrixDoc doc(f.app);
    f.ui.dialogs.push_back([](CDialogModel& model) {
        auto& dlg = dynamic_cast<CFileOpen&>(model);
        dlg.m_nDelim = DelimKind::Space;
        return true;
    });
    ASSERT_TRUE(f.open(doc, "s.txt", "a b\tc\r\n"));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "スペース区切りのファイルに複数の項目が有る為、半角スペースを表示せずに開きます。");
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"a\tb\tc"}));
    ASSERT_TRUE(doc.OnSaveDocument(f.path("out.txt")));
    EXPECT_EQ(ReadBytes(f.dir / "out.txt"), "a b c\r\n");
}

TEST(LoadFaults, AFileHoldingTheMarkIsNotInserted) {
    DocFixture f;
    f.settings.HanspDisp = 1;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "doc.csv", "a b,c\r\n"));
    EXPECT_FALSE(doc.InsertFile(f.dir.write("ins.csv", "x_y,z\r\n").string(), 0));
    EXPECT_EQ(f.ui.lastMessage(), "挿入するファイル内にスペース表示文字（_）が有る為、挿入出来ません。");
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"a_b\tc"}));
}

TEST(LoadFaults, TabsInsideQuotesAreDroppedWithACount) {
    DocFixture f;
    f.settings.OpenDlg = 1;
    CTabrixDoc doc(f.app);
    f.ui.dialogs.push_back([](CDialogModel&) { return true; });  // the detected comma, quotes off
    ASSERT_TRUE(f.open(doc, "t.csv", "\"a\tb\",\"\t\"\r\nc,d\r\n"));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝで囲まれた項目内のTAB（2文字）は読み込めない為、削除しました。");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Information);
    // Quotes with nothing left between them are an empty field, as "" is.
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"\"ab\"\t", "c\td"}));
}

}  // namespace
}  // namespace tabrix
