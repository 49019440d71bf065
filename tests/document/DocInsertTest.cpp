#include <gtest/gtest.h>

#include "document/FileOpenDlg.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::Rows;

// A three-column comma document of four lines.
struct InsertFixture : DocFixture {
    CTabrixDoc doc{app};
    InsertFixture() {
        EXPECT_TRUE(open(doc, "doc.csv", "a,b,c\r\nd,e,f\r\ng,h,i\r\nj,k,l\r\n"));
        ui.messages.clear();
    }
    bool insert(const std::string& bytes, std::size_t afterLine) {
        return doc.InsertFile(dir.write("ins.txt", bytes).string(), afterLine);
    }
};

TEST(DocInsert, WiderLinesWidenTheDocumentAfterTheQuestion) {
    InsertFixture f;
    ASSERT_TRUE(f.insert("1,2,3,4,5\n6,7,8,9,10\n", 2));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "項目数が異なります（最小：5,最大：5）読み込みますか？\n");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(f.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.doc.columnCount(), 5);
    // The older lines keep their three fields; readers pad them.
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"a\tb\tc", "d\te\tf", "g\th\ti", "1\t2\t3\t4\t5",
                                                     "6\t7\t8\t9\t10", "j\tk\tl"}));
}

TEST(DocInsert, NoLeavesTheStoreAsItWas) {
    InsertFixture f;
    f.ui.answers.push_back(MsgResult::No);
    EXPECT_FALSE(f.insert("1,2,3,4,5\n", 0));
    EXPECT_EQ(f.doc.columnCount(), 3);
    EXPECT_EQ(f.doc.lines().size(), 4u);
}

TEST(DocInsert, QuestionAndAlignmentByWidth) {
    struct Case {
        const char* bytes;
        const char* question;  // empty: none asked
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"1,2,3\r\n4,5,6\r\n", "", {"a\tb\tc", "1\t2\t3", "4\t5\t6", "d\te\tf", "g\th\ti", "j\tk\tl"}},
        {"1,2\r4,5,6\r", "項目数が異なります（最小：2,最大：3）読み込みますか？\n",
         {"a\tb\tc", "1\t2\t", "4\t5\t6", "d\te\tf", "g\th\ti", "j\tk\tl"}},
        {"1\n2\n", "項目数が異なります（最小：1,最大：1）読み込みますか？\n",
         {"a\tb\tc", "1\t\t", "2\t\t", "d\te\tf", "g\th\ti", "j\tk\tl"}},
        {"1,2,3,4\n5\n", "項目数が異なります（最小：1,最大：4）読み込みますか？\n",
         {"a\tb\tc\t", "1\t2\t3\t4", "5\t\t\t", "d\te\tf\t", "g\th\ti\t", "j\tk\tl\t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        InsertFixture f;
        ASSERT_TRUE(f.insert(c.bytes, 0));
        if (*c.question) {
            ASSERT_EQ(f.ui.messages.size(), 1u);
            EXPECT_EQ(f.ui.messages[0].text, c.question);
        } else {
            EXPECT_TRUE(f.ui.messages.empty());
        }
        EXPECT_EQ(Rows(f.doc), c.rows);
    }
}

TEST(DocInsert, LinesAreReadWithTheDocumentsSettings) {
    DocFixture f;
    f.settings.HanspDisp = 1;
    f.settings.OpenDlg = 1;
    CTabrixDoc doc(f.app);
    f.ui.dialogs.push_back([](CDialogModel& model) {
        auto& dlg = dynamic_cast<CFileOpen&>(model);
        dlg.m_nDelim = DelimKind::Other;
        dlg.m_strOther = ";";
        dlg.m_bQuote = true;
        return true;
    });
    ASSERT_TRUE(f.open(doc, "doc.txt", "x;y\r\n"));
    const std::string ins = f.dir.write("ins.txt", "\"a b\";\"ソ;表\"\r\n").string();
    ASSERT_TRUE(doc.InsertFile(ins, 0));
    EXPECT_EQ(Rows(doc), (std::vector<std::string>{"x\ty", "a_b\tソ;表"}));
}

TEST(DocInsert, AfterTheLastLine) {
    InsertFixture f;
    ASSERT_TRUE(f.insert("x,y,z", 3));
    EXPECT_EQ(f.doc.lines()[4], "x\ty\tz");
}

TEST(DocInsert, EmptyFileInsertsNothingAndAsksNothing) {
    InsertFixture f;
    EXPECT_FALSE(f.insert("", 1));
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.doc.lines().size(), 4u);
}

TEST(DocInsert, MissingFileIsReported) {
    InsertFixture f;
    const std::string missing = f.path("none.csv");
    EXPECT_FALSE(f.doc.InsertFile(missing, 0));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, missing + " ファイルのオープンが出来ませんでした。");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Stop);
}

TEST(DocInsert, CommandAsksForTheFileAndShowsProgress) {
    InsertFixture f;
    EXPECT_FALSE(f.doc.OnInsertFile(0));  // cancelled
    ASSERT_EQ(f.ui.fileRequests.size(), 1u);
    EXPECT_EQ(f.ui.fileRequests[0].title, "ファイル選択");
    EXPECT_EQ(f.ui.fileRequests[0].filter, "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||");

    const std::string ins = f.dir.write("ins.csv", "1,2,3\n").string();
    f.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = ins;
        return true;
    });
    f.ui.progressWindow.captions.clear();
    ASSERT_TRUE(f.doc.OnInsertFile(1));
    EXPECT_EQ(f.doc.lines()[2], "1\t2\t3");
    EXPECT_EQ(f.ui.progressWindow.captions, std::vector<std::string>{"データ読込"});
    EXPECT_EQ(f.ui.progressWindow.open, 0);
}

}  // namespace
}  // namespace tabrix
