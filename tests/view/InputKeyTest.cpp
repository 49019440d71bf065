// F4 on a cell: which dialog opens, where it starts, and what its value
// becomes after the end of the edit; and the translation screen itself.
#include <gtest/gtest.h>

#include <functional>

#include "ViewFixture.h"
#include "app/CalendarDlgs.h"
#include "schema/TranTable.h"
#include "support/SharedData.h"
#include "text/Clock.h"
#include "view/TranDlg.h"

namespace tabrix {
namespace {

using test::ViewFixture;

const std::string kCtrl =
    "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n"
    "[COL]\r\nTITLE=日付\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE1\r\nINITIAL=%SYSDATE%\r\n"
    "[COL]\r\nTITLE=日時\r\nTYPE=日付\r\nFORMAT1=DATE6\r\nFORMAT2=DATE6\r\n"
    "[COL]\r\nTITLE=時刻\r\nTYPE=時刻\r\nFORMAT1=TIME2\r\nFORMAT2=TIME1\r\n"
    "[COL]\r\nTITLE=秒\r\nTYPE=時刻\r\nFORMAT1=TIME5\r\nFORMAT2=TIME5\r\n"
    "[COL]\r\nTITLE=得意先\r\nTYPE=文字\r\nFORMAT1=英字,数字,半ス\r\n"
    "TRAN=TRUE\r\nTRAN_FILE=cust.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=6\r\n"
    "[COL]\r\nTITLE=名称\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=受付日\r\nTYPE=日付\r\nFORMAT1=DATE3\r\nFORMAT2=DATE1\r\nREPLACE1=年\r\nREPLACE2=/\r\n"
    "[COL]\r\nTITLE=登録日\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE1\r\nEDIT=FALSE\r\n"
    "[COL]\r\nTITLE=メモ\r\n";

struct F4Fixture : ViewFixture {
    FixedClock clock{LocalDateTime{2024, 3, 9, 10, 7, 30}};
    int opened = 0;
    F4Fixture() {
        dir.write("cust.csv", "C1,東京商事\r\nC2,大阪物産\r\n ,空白\r\nC 4,札幌 商店\r\n");
        EXPECT_TRUE(openCtrl(kCtrl, "d.csv",
                             "20240229,2024/01/05 09:30:15,1845,07:08:09,C2,20240105,20240101,memo\r\n"
                             ",,,,,,,\r\n"))
            << ui.lastMessage();
        show(5);
        view->setClock(clock);
    }
    // Presses F4 on a cell; the dialog that opens is checked and answered by answer.
    template <typename Model>
    void press(int row, int col, std::function<bool(Model&)> answer) {
        ui.dialogs.push_back([this, answer](CDialogModel& d) {
            ++opened;
            auto* model = dynamic_cast<Model*>(&d);
            EXPECT_NE(model, nullptr);
            return model && answer(*model);
        });
        grid.clickCell(row, col);
        grid.pressInputKey();
    }
};

TEST(InputKey, TheCalendarStartsOnTheCellsDayAndItsResultIsCheckedOnce) {
    struct Case {
        int row;
        int col;
        LocalDateTime start;
        LocalDateTime picked;
        std::string cell;
    };
    const std::vector<Case> cases = {
        {1, 1, {2024, 2, 29}, {2024, 2, 29}, "2024/02/29"},
        {2, 1, {2024, 3, 9}, {2024, 12, 31}, "2024/12/31"},  // empty: the initial value %SYSDATE%
        {1, 2, {2024, 1, 5}, {1000, 1, 1}, "1000/01/01 09:30:15"},  // the cell keeps its time
        {2, 2, {2024, 3, 9}, {2024, 3, 9}, "2024/03/09 00:00:00"},
        {1, 7, {2024, 1, 5}, {2024, 3, 9}, "2024年03月09日"},  // REPLACE1=年 would spoil a second check
    };
    for (const Case& c : cases) {
        F4Fixture f;
        f.press<CCalenDlg>(c.row, c.col, [&](CCalenDlg& d) {
            EXPECT_EQ((LocalDateTime{d.m_nYear, d.m_nMonth, d.m_nDay}), c.start) << c.col;
            d.m_nYear = c.picked.year;
            d.m_nMonth = c.picked.month;
            d.m_nDay = c.picked.day;
            return true;
        });
        EXPECT_EQ(f.opened, 1);
        EXPECT_EQ(f.grid.itemText(c.row, c.col), c.cell) << c.col;
        EXPECT_EQ(f.fieldsOf(static_cast<std::size_t>(c.row - 1))[static_cast<std::size_t>(c.col - 1)], c.cell);
        EXPECT_TRUE(f.ui.messages.empty()) << f.ui.lastMessage();
    }
}

TEST(InputKey, TheTimePickerStartsOnTheCellsTimeAndKeepsItsSeconds) {
    struct Case {
        int row;
        int col;
        int startHour, startMinute;
        int hour, minute;
        std::string cell;
    };
    const std::vector<Case> cases = {
        {1, 3, 18, 45, 18, 45, "18:45"},
        {2, 3, 10, 7, 23, 59, "23:59"},  // empty: the clock's time
        {1, 4, 7, 8, 8, 30, "08:30:09"},
        {2, 4, 10, 7, 0, 0, "00:00:00"},
    };
    for (const Case& c : cases) {
        F4Fixture f;
        f.press<CTimeDlg>(c.row, c.col, [&](CTimeDlg& d) {
            EXPECT_EQ(d.m_nHour, c.startHour) << c.col;
            EXPECT_EQ(d.m_nMinute, c.startMinute) << c.col;
            d.m_nHour = c.hour;
            d.m_nMinute = c.minute;
            return true;
        });
        EXPECT_EQ(f.grid.itemText(c.row, c.col), c.cell);
    }
}

TEST(InputKey, TheTranslationScreenPutsTheChosenCodeAndItsNames) {
    F4Fixture f;
    f.settings.Tsize = 2;
    f.press<CTranDlg>(1, 5, [](CTranDlg& d) {
        EXPECT_EQ(d.headings(), (std::vector<std::string>{"得意先", "名称"}));
        EXPECT_EQ(d.pageCount(), 2);
        EXPECT_EQ(d.page(), 1);
        EXPECT_EQ(d.m_SelectedRows, std::vector<std::size_t>{1});  // C2
        d.showPage(2);
        d.m_SelectedRows = {1};
        return true;
    });
    EXPECT_EQ(f.grid.itemText(1, 5), "C 4");
    EXPECT_EQ(f.grid.itemText(1, 6), "札幌 商店");
    EXPECT_EQ(f.line(0), "20240229\t2024/01/05 09:30:15\t1845\t07:08:09\tC 4\t札幌 商店\t20240105\t20240101\tmemo");
    EXPECT_TRUE(f.view->m_bChanged);
}

TEST(InputKey, NothingOpensWhereTheCellCannotBeEditedOrHasNoPicker) {
    F4Fixture f;
    f.ui.dialogs.push_back([&](CDialogModel&) { return ++f.opened, true; });
    for (const auto& [row, col] : std::vector<std::pair<int, int>>{{1, 6}, {1, 8}, {1, 9}, {3, 1}, {0, 1}, {1, 0}}) {
        f.grid.clickCell(row, col);
        f.view->OnInputKey(row, col);
    }
    EXPECT_EQ(f.opened, 0);
    // Cancel leaves the cell as it was.
    f.ui.dialogs.clear();
    const std::string before = f.line(0);
    f.press<CCalenDlg>(1, 1, [](CCalenDlg& d) { return d.m_nYear = 1999, false; });
    EXPECT_EQ(f.opened, 1);
    EXPECT_EQ(f.grid.itemText(1, 1), "2024/02/29");
    EXPECT_EQ(f.line(0), before);
    EXPECT_FALSE(f.view->m_bChanged);
    // A document without a control file has no pickers.
    ViewFixture plain;
    plain.rows(1, {"20240101"});
    plain.show(5);
    plain.ui.dialogs.push_back([&](CDialogModel&) { return ++f.opened, true; });
    plain.grid.clickCell(1, 1);
    plain.grid.pressInputKey();
    EXPECT_EQ(f.opened, 1);
}

CTranCtrl Table(int records) {
    CTranCtrl tran;
    tran.m_nKeyPos = 2;
    tran.m_NamePos = {1, 3};
    for (int i = 0; i < records; ++i)
        tran.m_Table.push_back({"n" + std::to_string(i % 7), "K" + std::to_string(i), i % 2 ? "odd" : "even"});
    return tran;
}

TEST(TranslationScreen, PagesSearchAndTheChoice) {
    const CTranCtrl tran = Table(10);
    CTranDlg dlg(tran, "K7", "コード", {"名称"}, 4);
    EXPECT_EQ(dlg.headings(), (std::vector<std::string>{"コード", "名称", "表示項目"}));
    EXPECT_EQ(dlg.pageCount(), 3);
    EXPECT_EQ(dlg.page(), 2);
    EXPECT_EQ(dlg.m_SelectedRows, std::vector<std::size_t>{3});
    EXPECT_EQ(dlg.row(3), (std::vector<std::string>{"K7", "n0", "odd"}));
    dlg.showPage(3);
    EXPECT_EQ(dlg.rowsOnPage(), 2u);
    EXPECT_TRUE(dlg.m_SelectedRows.empty());
    dlg.showPage(2);
    EXPECT_EQ(dlg.m_SelectedRows, std::vector<std::size_t>{3});  // the cell's value is selected on its page

    struct Search {
        std::vector<int> cols;
        std::string text;
        std::string message;
        int page;
        std::size_t row;
    };
    const std::vector<Search> searches = {
        {{0, 1}, "K1", "列を１列選択して下さい。", 2, 3},
        {{0}, "K9", "", 3, 1},
        {{0}, "K", "", 3, 1},      // no match changes nothing
        {{1}, "n3", "", 1, 3},
        {{2}, "o*", "", 1, 1},     // wildcard on the whole field
        {{0}, "K?", "", 1, 0},
        {{1}, "n?0", "", 1, 0},    // no match
    };
    for (const Search& s : searches) {
        EXPECT_EQ(dlg.search(s.cols, s.text), s.message) << s.text;
        EXPECT_EQ(dlg.page(), s.page) << s.text;
        EXPECT_EQ(dlg.m_SelectedRows, std::vector<std::size_t>{s.row}) << s.text;
    }

    dlg.m_SelectedRows = {0, 1};
    EXPECT_EQ(dlg.validate(), "１行のみ選択して下さい。");
    dlg.m_SelectedRows = {2};
    EXPECT_EQ(dlg.validate(), "");
    EXPECT_EQ(dlg.result(), "K2");

    CTranCtrl blank = Table(3);
    blank.m_Table[1][1] = " ";
    CTranDlg space(blank, "none", "", {}, 100);
    EXPECT_EQ(space.page(), 1);  // a value without a record opens the first page
    EXPECT_TRUE(space.m_SelectedRows.empty());
    space.m_SelectedRows = {1};
    EXPECT_TRUE(space.refusesSilently());
    test::ScriptedUi ui;
    EXPECT_FALSE(AcceptDialog(ui, space));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TranslationScreen, FindsAPostalCodeAmongAllOfJapan) {
    const auto ken = test::KenAllPath();
    if (ken.empty()) GTEST_SKIP() << "KEN_ALL.CSV is not on this machine";
    Settings settings;
    test::ScriptedUi ui;
    AppContext app{settings, ui, "", ""};
    CTranCtrl tran;
    tran.m_strFile = ken.string();
    tran.m_nKeyPos = 3;
    tran.m_NamePos = {7, 8, 9};
    ASSERT_EQ(LoadTranTable(tran, app), 1) << ui.lastMessage();
    ASSERT_EQ(tran.m_Table.size(), 124825u);
    CTranDlg dlg(tran, "\"0600000\"", "〒", {}, 100);
    EXPECT_EQ(dlg.page(), 1);
    EXPECT_EQ(dlg.m_SelectedRows, std::vector<std::size_t>{0});
    // A code near the end, and a town by wildcard: the first record that matches is shown.
    const std::string code = tran.m_Table[124800][2];
    EXPECT_EQ(dlg.search({0}, code), "");
    EXPECT_EQ(dlg.result(), code);
    EXPECT_GE(dlg.page(), 1000);
    EXPECT_EQ(dlg.search({3}, "\"*銀座*\""), "");
    ASSERT_EQ(dlg.m_SelectedRows.size(), 1u);
    EXPECT_NE(dlg.row(dlg.m_SelectedRows.front())[3].find("銀座"), std::string::npos);
}

}  // namespace
}  // namespace tabrix
