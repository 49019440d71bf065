// The row filter: the settings dialog's checks, the conditions applied to the
// store through the view, the status count, the title colours and Cancel.
#include <gtest/gtest.h>

#include <functional>

#include "ViewFixture.h"
#include "view/ConditionFilter.h"
#include "view/FilterDlg.h"
#include "view/PickerDlgs.h"

namespace tabrix {
namespace {

using test::Six;
using test::ViewFixture;

TEST(FilterDialog, ChecksRunInTabOrderAndNameTheFirstFailingPage) {
    const struct {
        std::function<void(CSampleDlg&)> set;
        int page;
        std::string message;
    } cases[] = {
        {[](CSampleDlg&) {}, -1, ""},
        {[](CSampleDlg& d) { d.m_Sel[1] = {true, 0}; }, 1, "個別抽出2：検索対象列番号を1以上で入力して下さい。"},
        {[](CSampleDlg& d) { d.m_Sel[2] = {true, 5}; }, 2, "個別抽出3：検索対象列番号を1以上で入力して下さい。"},
        {[](CSampleDlg& d) { d.m_Range[0] = {true, 9, "1"}; }, 3, "範囲抽出1：検索対象列番号を1以上で入力して下さい。"},
        {[](CSampleDlg& d) { d.m_Range[0] = {true, 1, ""}; }, 3, "範囲抽出1：検索値１を入力して下さい。"},
        {[](CSampleDlg& d) { d.m_Range[1] = {true, 1, "x", "", 2, true}; }, 4, "範囲抽出2：検索値１に数値以外が入力されています。"},
        {[](CSampleDlg& d) { d.m_Range[1] = {true, 1, "1", "", 2, true}; }, -1, ""},
        {[](CSampleDlg& d) { d.m_Range[2] = {true, 1, "1", "", 0, true}; }, 5, "範囲抽出3：検索値２に数値以外が入力されています。"},
        {[](CSampleDlg& d) { d.m_Range[2] = {true, 1, "1", "", 0, false}; }, 5, "範囲抽出3：検索値２を入力して下さい。"},
        {[](CSampleDlg& d) { d.m_Range[0] = {true, 1, "b", "a", 0, false}; }, 3, "範囲抽出1：検索値１より検索値２が小さいです。"},
        // Numbers compare as numbers: 9 to 10 is a range, 1,000 to 20 is not.
        {[](CSampleDlg& d) { d.m_Range[0] = {true, 1, "9", "10", 0, true}; }, -1, ""},
        {[](CSampleDlg& d) { d.m_Range[0] = {true, 1, "1,000", "20", 0, true}; }, 3, "範囲抽出1：検索値１より検索値２が小さいです。"},
        {[](CSampleDlg& d) { d.m_Dup[1] = {true, 1, true, 7}; }, 7, "重複抽出2：検索列番号2を正しく入力して下さい。"},
        {[](CSampleDlg& d) { d.m_Dup[0] = {true, 1, false, 7}; }, -1, ""},
        // The first failing page wins, whatever comes after it.
        {[](CSampleDlg& d) {
             d.m_Dup[0] = {true, 0};
             d.m_Sel[2] = {true, 0};
         },
         2, "個別抽出3：検索対象列番号を1以上で入力して下さい。"},
    };
    for (const auto& c : cases) {
        CSampleDlg dlg;
        dlg.m_nMaxCols = 3;
        c.set(dlg);
        std::string message;
        SCOPED_TRACE(c.message);
        EXPECT_EQ(dlg.firstInvalidPage(message), c.page);
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(dlg.validate(), c.message);
    }
}

TEST(FilterDialog, OpensOnTheFirstEnabledConditionAndClearsAll) {
    CSampleDlg dlg;
    EXPECT_EQ(dlg.initialPage(), 0);
    EXPECT_FALSE(dlg.anyEnabled());
    dlg.m_Dup[1].m_bEnable = true;
    EXPECT_EQ(dlg.initialPage(), 7);
    dlg.m_Range[0].m_bEnable = true;
    EXPECT_EQ(dlg.initialPage(), 3);
    EXPECT_TRUE(dlg.anyEnabled());
    dlg.m_Sel[0] = {true, 1, "a,b"};
    dlg.buildSearchLists();
    EXPECT_EQ(dlg.m_Sel[0].m_SearchList, (std::vector<std::string>{"a", "b"}));
    dlg.clearConditions();
    EXPECT_FALSE(dlg.anyEnabled());
    EXPECT_TRUE(dlg.m_Sel[0].m_SearchList.empty());
}

// A view over rows "key TAB value", filtered by conditions set in the dialog.
struct FilterFixture : ViewFixture {
    std::vector<std::string> shownLines() {
        std::vector<std::string> numbers;
        for (int r = 1; r < grid.rowCount() && grid.itemText(r, 0) != " "; ++r) numbers.push_back(grid.itemText(r, 0));
        return numbers;
    }
    void confirm(std::function<void(CSampleDlg&)> set) {
        ui.dialogs.push_back([set](CDialogModel& model) {
            set(dynamic_cast<CSampleDlg&>(model));
            return true;
        });
        view->runCommand(CommandId::Filter);
    }
};

std::vector<std::string> Numbers(std::initializer_list<int> lines) {
    std::vector<std::string> out;
    for (int n : lines) out.push_back(Six(n));
    return out;
}

TEST(FilterCommand, ConditionsCombineInOrderAndDuplicatesRegisterOnlyWhatReachedThem) {
    const struct {
        std::string name;
        std::function<void(CSampleDlg&)> set;
        std::vector<std::string> shown;
    } cases[] = {
        {"individual", [](CSampleDlg& d) { d.m_Sel[0] = {true, 1, "a,c"}; }, Numbers({1, 3, 4, 6})},
        {"non-match", [](CSampleDlg& d) { d.m_Sel[0] = {true, 1, "a,c", true, true}; }, Numbers({2, 5})},
        {"empty search text selects empty fields", [](CSampleDlg& d) { d.m_Sel[0] = {true, 3, ""}; }, Numbers({1, 2, 5})},
        {"exclude duplicates", [](CSampleDlg& d) { d.m_Dup[0] = {true, 1}; }, Numbers({1, 2, 4})},
        {"only duplicates", [](CSampleDlg& d) { d.m_Dup[0] = {true, 1, false, 1, false, 1, true}; }, Numbers({1, 2, 3, 5, 6})},
        {"two key columns", [](CSampleDlg& d) { d.m_Dup[0] = {true, 1, true, 3, false, 1, true}; }, Numbers({2, 5})},
        {"rejected rows register no key",
         [](CSampleDlg& d) {
             d.m_Sel[0] = {true, 2, "2x,3"};
             d.m_Dup[0] = {true, 1};
         },
         Numbers({3, 4})},
        {"numeric range", [](CSampleDlg& d) { d.m_Range[0] = {true, 2, "2", "3", 0, true}; }, Numbers({2, 3, 4})},
        {"text range", [](CSampleDlg& d) { d.m_Range[1] = {true, 1, "b", "", 2}; }, Numbers({2, 4, 5})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilterFixture f;
        f.rows(3, {"a\t1", "b\t2\t", "a\t2x\tz", "c\t3\tq", "b\t5", "a\t4\tw"});
        f.show(10);
        f.confirm(c.set);
        EXPECT_TRUE(f.view->m_bFilter);
        EXPECT_EQ(f.shownLines(), c.shown);
        EXPECT_EQ(f.view->m_nShownCount, static_cast<int>(c.shown.size()));
        EXPECT_EQ(f.view->statusPanes().filter, "絞込 " + std::to_string(c.shown.size()) + "行");
    }
}

TEST(FilterCommand, TheRangeEdgesOfTheNumericMode) {
    FilterFixture f;
    f.rows(1, {"10", "15", "20", "15abc", "abc", "21", "1,000", "9"});
    f.show(20);
    f.confirm([](CSampleDlg& d) { d.m_Range[0] = {true, 1, "10", "20", 0, true}; });
    EXPECT_EQ(f.shownLines(), Numbers({1, 2, 3, 4}));
    for (const auto& [mode, shown] : std::vector<std::pair<int, std::vector<std::string>>>{
             {1, Numbers({1, 5, 8})}, {2, Numbers({1, 2, 3, 4, 6, 7})}, {3, Numbers({5, 8})}, {4, Numbers({2, 3, 4, 6, 7})}}) {
        f.confirm([mode](CSampleDlg& d) { d.m_Range[0] = {true, 1, "10", "", mode, true}; });
        EXPECT_EQ(f.shownLines(), shown) << mode;
    }
}

TEST(FilterCommand, CancelRestoresTheConditionsAndNoConditionSwitchesTheFilterOff) {
    FilterFixture f;
    f.fill(30, 3);
    f.doc.m_bTitleLine = true;
    f.show(10);
    f.grid.setSelectedRange({1, 3, 1, 3});
    // The first individual condition takes the selected column while it is off.
    f.ui.dialogs.push_back([](CDialogModel& model) {
        auto& d = dynamic_cast<CSampleDlg&>(model);
        EXPECT_EQ(d.m_Sel[0].m_nCol, 3);
        EXPECT_EQ(d.m_nMaxCols, 3);
        EXPECT_EQ(d.columnTitle(3), "L1-3");
        d.m_Sel[0] = {true, 3, "L2*-3"};
        d.m_bShowCount = false;
        return true;
    });
    f.view->runCommand(CommandId::Filter);
    EXPECT_EQ(f.shownLines(), Numbers({2, 20, 21, 22, 23, 24, 25, 26, 27, 28}));
    EXPECT_EQ(f.view->m_nShownCount, 11);
    EXPECT_EQ(f.view->m_nPageCount, 2);
    EXPECT_EQ(f.view->statusPanes().filter, "絞込");
    EXPECT_EQ(f.grid.itemTextColor(0, 3), CConditionFilter::kIndividualTitle);
    EXPECT_EQ(f.grid.itemTextColor(0, 2), kDefaultTextColor);
    EXPECT_TRUE(f.state(CommandId::Filter).checked);
    f.view->runCommand(CommandId::PageNext);
    EXPECT_EQ(f.shownLines(), Numbers({29}));

    f.ui.dialogs.push_back([](CDialogModel& model) {
        auto& d = dynamic_cast<CSampleDlg&>(model);
        d.m_Sel[0].m_strSearch = "changed";
        d.m_Dup[2].m_bEnable = true;
        return false;
    });
    f.grid.setSelectedRange({1, 1, 1, 1});
    f.view->runCommand(CommandId::Filter);
    const CSampleDlg& kept = f.view->filterConditions();
    EXPECT_EQ(kept.m_Sel[0].m_strSearch, "L2*-3");
    EXPECT_EQ(kept.m_Sel[0].m_nCol, 3);
    EXPECT_FALSE(kept.m_Dup[2].m_bEnable);

    f.confirm([](CSampleDlg& d) { d.m_Sel[0].m_bEnable = false; });
    EXPECT_FALSE(f.view->m_bFilter);
    EXPECT_EQ(f.view->m_nPage, 1);
    EXPECT_EQ(f.view->m_nPageCount, 3);
    EXPECT_EQ(f.shownLines().front(), Six(2));
    EXPECT_EQ(f.view->statusPanes().filter, "");
    EXPECT_EQ(f.grid.itemTextColor(0, 3), kDefaultTextColor);
}

TEST(FilterCommand, TitleColoursFollowTheConditionKinds) {
    CSampleDlg d;
    ViewFixture f;
    CConditionFilter filter(f.doc, d);
    d.m_Sel[1] = {true, 2};
    d.m_Range[0] = {true, 2};
    d.m_Range[2] = {true, 3};
    d.m_Dup[0] = {true, 4, false, 5, true, 1};
    EXPECT_EQ(filter.titleColor(2), CConditionFilter::kIndividualTitle);
    EXPECT_EQ(filter.titleColor(3), CConditionFilter::kRangeTitle);
    EXPECT_EQ(filter.titleColor(4), CConditionFilter::kDuplicateTitle);
    EXPECT_EQ(filter.titleColor(1), CConditionFilter::kDuplicateTitle);
    EXPECT_EQ(filter.titleColor(5), kDefaultTextColor);
}

TEST(DataSelDlg, ListsEachValueOnceInStoreOrderAndAppliesTheChoice) {
    ViewFixture f;
    f.rows(2, {"t\tTitle", "x\tABC", "x\tAB", "x\t", "x\tab", "x\tAB", "x", "x\tA"});
    CDataSelDlg dlg;
    dlg.collect(f.doc.lines(), 1, 2);
    EXPECT_EQ(dlg.m_Values, (std::vector<std::string>{"ABC", "AB", "ab", "A"}));
    dlg.m_Chosen = {1, 3};
    EXPECT_EQ(dlg.applyTo(""), "AB,A");
    EXPECT_EQ(dlg.applyTo("x"), "x,AB,A");
    dlg.m_bOverwrite = true;
    EXPECT_EQ(dlg.applyTo("x"), "AB,A");
    dlg.m_bMulti = false;
    EXPECT_EQ(dlg.validate(), "リストを１つ選択して下さい。");
    dlg.m_Chosen = {0};
    EXPECT_EQ(dlg.validate(), "");

    CTabrixDoc big(f.app);
    for (int i = 0; i < 20000; ++i) big.lines().push_back(i < 10000 ? "same" : "v" + std::to_string(i));
    dlg.collect(big.lines(), 0, 1);
    EXPECT_EQ(dlg.m_Values, (std::vector<std::string>{"same"}));  // only 10,000 lines are looked at
    dlg.collect(big.lines(), 9990, 1);
    EXPECT_EQ(dlg.m_Values.size(), CDataSelDlg::kMaxValues);
}

TEST(SampleCodeDlg, RowsHoldTheClassesCharactersInBlocksOfSixteen) {
    CSampleCodeDlg dlg;
    std::vector<CSampleCodeDlg::Row> rows = dlg.rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(CSampleCodeDlg::rowTitle(rows[0].block), "8140");
    EXPECT_EQ(rows[0].cells[0], "\x81\x40");
    EXPECT_EQ(rows.back().block, 0x8190u);
    EXPECT_EQ(rows.back().cells[0xE], "\x81\x9E");
    EXPECT_EQ(rows.back().cells[0xF], "");
    EXPECT_EQ(CSampleCodeDlg::columnTitle(10), " A");
    dlg.m_nClass = 9;  // "第二水準": two ranges, no block without a character
    rows = dlg.rows();
    EXPECT_EQ(rows.front().block, 0x9890u);
    EXPECT_EQ(rows.front().cells[0xE], "");
    EXPECT_EQ(rows.front().cells[0xF], "\x98\x9F");
    EXPECT_EQ(rows.back().block, 0xEAF0u);
    EXPECT_LE(rows.size(), CSampleCodeDlg::kMaxRows);
    for (const auto& row : rows) EXPECT_NE(row.block & 0xF0, 0x00u) << std::hex << row.block;
}

}  // namespace
}  // namespace tabrix
