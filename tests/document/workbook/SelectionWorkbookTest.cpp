// Conditional save's workbook output takes the lines and columns of the
// same selection as its delimited output.
#include <gtest/gtest.h>

#include "document/ConditionalSave.h"
#include "document/workbook/WorkbookReader.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

std::vector<std::string> ReadBack(const std::string& path) {
    std::string message;
    const auto reader = OpenWorkbookFile(path, message);
    std::vector<std::string> rows;
    if (!reader) return {message};
    reader->readRows(0, 1, 1048576, [&](int row, std::span<const std::string> cells, const CellAlterations&) {
        std::string text = std::to_string(row) + ":";
        for (std::size_t c = 0; c < cells.size(); ++c) text += (c ? "|" : "") + cells[c];
        rows.push_back(text);
        return true;
    });
    return rows;
}

TEST(SelectionWorkbook, WritesTheSelectedLinesAndColumns) {
    test::DocFixture f;
    f.settings.HanspDisp = 1;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "in.csv", "名,市,額\r\na b,東京,10\r\nc,大阪,20\r\nd,東京都,0030\r\n"));
    doc.m_bTitleLine = true;
    SelectRequest request;
    request.columns = {3, 1};
    request.rowMode = SelectRequest::Search;
    request.searchCol = 2;
    request.searchList = {"東京*"};
    request.titleOut = true;
    const auto all = [](const std::vector<std::string>&) { return true; };
    for (const char* name : {"o.xlsx", "o.xls"}) {
        EXPECT_EQ(SaveSelectionWorkbook(doc, request, f.path(name), all, f.ui), 3) << name;
        EXPECT_EQ(ReadBack(f.path(name)), (std::vector<std::string>{"1:額|名", "2:10|a b", "3:0030|d"})) << name;
    }
    EXPECT_TRUE(f.ui.messages.empty());  // the count message is the caller's

    // Three columns of a 300-column document are no reason to ask about 256.
    std::string wide;
    for (int c = 0; c < 300; ++c) wide += (c ? "," : "") + std::to_string(c);
    CTabrixDoc widest(f.app);
    ASSERT_TRUE(f.open(widest, "wide.csv", wide + "\r\n"));
    request = SelectRequest();
    request.columns = {1, 2, 300};
    EXPECT_EQ(SaveSelectionWorkbook(widest, request, f.path("w.xlsx"), all, f.ui), 1);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(ReadBack(f.path("w.xlsx")), std::vector<std::string>{"1:0|1|299"});
}

}  // namespace
}  // namespace tabrix
