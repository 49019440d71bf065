// The shipped example: an order file opened under its control file.
#include <filesystem>
#include <gtest/gtest.h>

#include "schema/KeyCache.h"
#include "support/DocFixture.h"
#include "text/Record.h"

namespace tabrix {
namespace {

using test::DocFixture;

const std::string kExamples = std::string(TABRIX_SOURCE_DIR) + "/examples";

std::vector<std::string> Fields(const CTabrixDoc& doc, std::size_t line) {
    std::vector<std::string> fields;
    SplitFields(doc.lines()[line], fields, doc.columnCount());
    return fields;
}

void ExpectOrdersOpened(const CTabrixDoc& doc) {
    EXPECT_EQ(doc.lines().size(), 301u);
    EXPECT_EQ(doc.columnCount(), 11);
    EXPECT_TRUE(doc.m_bTitleLine);
    EXPECT_TRUE(doc.m_CtrlFile.m_bQuote);
    EXPECT_EQ(doc.m_CtrlFile.m_Cols.size(), 11u);
    EXPECT_EQ(Fields(doc, 0)[4], "");  // the title line holds no code to translate
    EXPECT_EQ(Fields(doc, 1), (std::vector<std::string>{"A000001", "20240105", "1340", "C005", "福岡文具店", "福岡県",
                                                        "ホチキス", "7", "4760", "出荷済", "U03"}));
    // The unknown customer code keeps its name columns empty.
    const auto unknown = Fields(doc, 220);
    EXPECT_EQ(unknown[3], "C999");
    EXPECT_EQ(unknown[4], "");
    EXPECT_EQ(unknown[5], "");
}

TEST(ExampleOrders, OpensThroughTheDocument) {
    DocFixture f;
    f.settings.DefDir = kExamples;
    f.settings.OpenDlg = 1;  // the file-read dialog shows the control file's settings
    f.ui.dialogs.push_back([](CDialogModel&) { return true; });
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(doc.OnOpenDocument(kExamples + "/orders.ctrl")) << f.ui.lastMessage();
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
    EXPECT_EQ(doc.title(), "ORDERS.CSV");
    ExpectOrdersOpened(doc);

    // The order number given twice is the duplicate the data check reports.
    CKeyCache cache;
    std::string key;
    std::vector<std::size_t> duplicates;
    for (std::size_t row = 0; row < doc.lines().size(); ++row)
        if (doc.m_CtrlFile.CheckKeyDup(row, cache, key)) duplicates.push_back(row);
    EXPECT_EQ(duplicates, (std::vector<std::size_t>{41, 42}));
}

TEST(ExampleOrders, LowerCaseNamesOnDiskAreFound) {
    DocFixture f;
    f.settings.DefDir = f.dir.path().string();
    std::filesystem::copy_file(kExamples + "/orders.ctrl", f.dir / "orders.ctrl");
    std::filesystem::copy_file(kExamples + "/ORDERS.CSV", f.dir / "orders.csv");
    std::filesystem::copy_file(kExamples + "/CUSTOMERS.CSV", f.dir / "Customers.csv");
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(doc.OnOpenDocument(f.path("orders.ctrl"))) << f.ui.lastMessage();
    EXPECT_EQ(doc.title(), "orders.csv");
    ExpectOrdersOpened(doc);
}

TEST(ExampleOrders, FilesBesideTheControlFileAreFoundFromAnyDefaultFolder) {
    DocFixture f;
    f.settings.DefDir = f.dir.path().string();  // holds none of the example's files
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(doc.OnOpenDocument(kExamples + "/orders.ctrl")) << f.ui.lastMessage();
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
    ExpectOrdersOpened(doc);
}

}  // namespace
}  // namespace tabrix
