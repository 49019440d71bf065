// The row commands: insert, copy, delete, sort and transpose, through the
// view over the in-memory grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ViewFixture.h"
#include "view/GridOps.h"
#include "view/RowColDialogs.h"
#include "view/RowPasses.h"

namespace tabrix {
namespace {

using test::Rows;
using test::ViewFixture;

// Answers the next dialog as a sort in the given direction.
void SortAnswer(ViewFixture& f, bool descending, std::string* keys = nullptr) {
    test::AnswerDialog<CSortOpt>(f, [=](CSortOpt& dlg) {
        if (keys) *keys = dlg.keyText();
        dlg.m_bDescending = descending;
    });
}

TEST(RowCommands, InsertAndCopyNeedOneRowThatHoldsALine) {
    struct Case {
        CommandId command;
        GridRange selection;
        std::vector<std::string> rows;
        std::string message;
    };
    const std::vector<Case> cases = {
        {CommandId::RowInsert, {2, 1, 2, 1}, {"a\tb", "c\td", "\t", "e\tf"}, ""},
        {CommandId::RowCopy, {2, 1, 2, 2}, {"a\tb", "c\td", "c\td", "e\tf"}, ""},
        {CommandId::RowInsert, {1, 1, 2, 1}, {"a\tb", "c\td", "e\tf"}, "行を１行選択して下さい。"},
        {CommandId::RowCopy, {}, {"a\tb", "c\td", "e\tf"}, "行を１行選択して下さい。"},
        {CommandId::RowCopy, {4, 1, 4, 1}, {"a\tb", "c\td", "e\tf"}, "データのある行を１行選択して下さい。"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(2, {"a\tb", "c\td", "e\tf"});
        CTabrixView& view = f.show(5);
        f.grid.setSelectedRange(c.selection);
        view.runCommand(c.command);
        EXPECT_EQ(Rows(f.doc), c.rows) << static_cast<int>(c.command);
        EXPECT_EQ(f.ui.lastMessage(), c.message);
        EXPECT_EQ(view.m_bChanged, c.message.empty());
    }
}

TEST(RowCommands, InsertOnTheLastRowOfAFullPageStartsTheNextPage) {
    ViewFixture f;
    f.fill(4, 2);
    CTabrixView& view = f.show(2);
    f.grid.clickRowNumber(2);
    view.runCommand(CommandId::RowInsert);
    EXPECT_EQ(f.line(2), "\t");
    EXPECT_EQ(view.m_nPageCount, 3);
    view.runCommand(CommandId::PageNext);
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000003", "", ""}));
}

TEST(RowCommands, DeleteRemovesEveryLineWithASelectedCellEvenAfterTheDisplaySort) {
    ViewFixture f;
    f.fill(10, 3);
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::SortDisplay);
    f.grid.clickTitle(1);
    f.grid.clickTitle(1);  // descending by text: L9, L8, L7, ..., L2, L10, L1
    view.runCommand(CommandId::SortDisplay);
    // Two cells in grid row 3 and one in grid row 7: lines 7 and 3.
    f.grid.setSelectedRange({3, 1, 3, 1});
    f.grid.addSelectedRange({3, 3, 3, 3});
    f.grid.addSelectedRange({7, 2, 7, 2});
    f.ui.answers = {MsgResult::No};
    view.runCommand(CommandId::RowDelete);
    EXPECT_EQ(f.ui.lastMessage(), "2 行を削除しても宜しいですか？");
    EXPECT_EQ(f.doc.lines().size(), 10u);
    view.runCommand(CommandId::RowDelete);
    ASSERT_EQ(f.doc.lines().size(), 8u);
    std::vector<std::string> firsts;
    for (std::size_t i = 0; i < 8; ++i) firsts.push_back(f.fieldsOf(i)[0]);
    EXPECT_EQ(firsts, (std::vector<std::string>{"L1-1", "L2-1", "L4-1", "L5-1", "L6-1", "L8-1", "L9-1", "L10-1"}));
    EXPECT_EQ(view.m_nPageCount, 1);
}

TEST(RowCommands, ScatteredLinesGoInOnePassWhateverTheirOrder) {
    CLineStore lines;
    for (int i = 0; i < 20; ++i) lines.push_back(std::to_string(i));
    EraseLines(lines, {19, 3, 0, 3, 7, 40});
    std::vector<std::string> left;
    for (std::size_t i = 0; i < lines.size(); ++i) left.emplace_back(lines[i]);
    EXPECT_EQ(left, (std::vector<std::string>{"1", "2", "4", "5", "6", "8", "9", "10", "11", "12", "13", "14", "15", "16",
                                              "17", "18"}));
    EXPECT_EQ(lines.liveBytes(), 25u);
}

TEST(RowCommands, SortComparesKeyColumnsOneByOneAndKeepsTiesInStoreOrder) {
    struct Case {
        std::vector<std::string> rows;
        GridRange keys;
        bool descending;
        std::vector<std::string> sorted;
    };
    const std::vector<Case> cases = {
        // Glued together "abc" would come before "az".
        {{"ab\tc\t1", "a\tz\t2"}, {1, 1, 1, 2}, false, {"a\tz\t2", "ab\tc\t1"}},
        {{"b\t1\t", "a\t2\t", "c\t3\t"}, {1, 1, 1, 1}, true, {"c\t3\t", "b\t1\t", "a\t2\t"}},
        // Equal keys keep their order in both directions.
        {{"k\t1\t", "j\t2\t", "k\t3\t", "j\t4\t"}, {1, 1, 1, 1}, false, {"j\t2\t", "j\t4\t", "k\t1\t", "k\t3\t"}},
        {{"k\t1\t", "j\t2\t", "k\t3\t", "j\t4\t"}, {1, 1, 1, 1}, true, {"k\t1\t", "k\t3\t", "j\t2\t", "j\t4\t"}},
        // Text order: 100 before 20; half-width katakana before every double-byte character.
        {{"20\t\t", "100\t\t", "9\t\t"}, {1, 1, 1, 1}, false, {"100\t\t", "20\t\t", "9\t\t"}},
        {{"あ\t\t", "ｱ\t\t", "A\t\t"}, {1, 1, 1, 1}, false, {"A\t\t", "ｱ\t\t", "あ\t\t"}},
        // Key columns 1 and 3 of a set selection, not the rectangle's 1 to 3.
        {{"a\tz\t2", "a\ty\t1"}, {1, 3, 1, 3}, false, {"a\ty\t1", "a\tz\t2"}},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(3, c.rows);
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange(c.keys);
        if (c.keys.minCol == 3) f.grid.addSelectedRange({2, 1, 2, 1});
        std::string keys;
        SortAnswer(f, c.descending, &keys);
        view.runCommand(CommandId::RowSort);
        EXPECT_EQ(Rows(f.doc), c.sorted) << keys;
        EXPECT_EQ(keys, c.keys.minCol == 3 ? "1 3 " : c.keys.maxCol == 2 ? "1 2 " : "1 ");
    }
}

TEST(RowCommands, SortKeepsTheTitleLineAndNeedsAKeyColumn) {
    ViewFixture f;
    f.rows(2, {"名前\t数", "b\t1", "a\t2"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::RowSort);
    EXPECT_EQ(f.ui.lastMessage(), "ソート基準の列を１列以上選択して下さい。");
    f.grid.clickTitle(1);
    f.ui.dialogs.push_back([](CDialogModel&) { return false; });
    view.runCommand(CommandId::RowSort);
    EXPECT_FALSE(view.m_bChanged);
    SortAnswer(f, false);
    view.runCommand(CommandId::RowSort);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"名前\t数", "a\t2", "b\t1"}));
    EXPECT_TRUE(view.m_bChanged);
}

// The prefix keys of the sort against a plain stable sort with the character
// comparison, on random keys of ASCII, half-width katakana and double-byte
// characters whose lead bytes lie below the katakana, and NUL bytes.
TEST(RowCommands, SortAgreesWithAStableSortByTheCharacterComparison) {
    std::mt19937 random(20240613);
    const std::vector<std::string> pieces = {"a", "b", "ｱ", "ｶ", "\x81\x40", "\x88\x9f", "\x9f\xfc", "\xe0\x40", "0", "",
                                             std::string(1, '\0')};
    for (int round = 0; round < 20; ++round) {
        CLineStore lines;
        std::vector<std::pair<std::string, std::string>> rows;
        for (int i = 0; i < 200; ++i) {
            std::string k1, k2;
            // Keys short enough for the small entries, for the large ones, and longer still.
            const unsigned most = round % 3 == 0 ? 5 : round % 3 == 1 ? 11 : 25;
            for (int n = static_cast<int>(random() % most); n > 0; --n) k1 += pieces[random() % pieces.size()];
            for (int n = static_cast<int>(random() % 3); n > 0; --n) k2 += pieces[random() % pieces.size()];
            rows.emplace_back(k1, k2);
            lines.push_back(k1 + "\t" + k2 + "\t" + std::to_string(i));
        }
        const bool descending = round % 2 == 1;  // with round % 3, every pairing comes up
        std::vector<std::uint32_t> expected(rows.size());
        for (std::uint32_t i = 0; i < expected.size(); ++i) expected[i] = i;
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
            int c = CompareSjis(rows[a].first, rows[b].first);
            if (c == 0) c = CompareSjis(rows[a].second, rows[b].second);
            return descending ? c > 0 : c < 0;
        });
        EXPECT_EQ(SortedLineOrder(lines, 0, {1, 2}, descending), expected) << round;
    }
}

TEST(RowCommands, TransposeTurnsLinesIntoColumns) {
    ViewFixture f;
    f.rows(2, {"a\tb", "c\td", "e\tf"});
    CTabrixView& view = f.show(10);
    view.m_bFilter = true;
    view.runCommand(CommandId::Transpose);
    EXPECT_EQ(f.ui.messages[0].text, "3行、2列を入れ替えても宜しいですか？");
    EXPECT_EQ(f.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"a\tc\te", "b\td\tf"}));
    EXPECT_EQ(f.doc.columnCount(), 3);
    EXPECT_EQ(f.grid.columnCount(), 4);
    EXPECT_EQ(f.ui.lastMessage(), "列が変更された為、絞込表示を解除します。");
    EXPECT_EQ(f.ui.progressWindow.captions.back(), "データ変換");
}

TEST(RowCommands, TransposeOfAnEmptyStoreGivesEmptyLinesAndAWideStoreIsRefused) {
    ViewFixture f;
    f.rows(4, {});
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::Transpose);
    EXPECT_EQ(f.ui.messages[0].text, "0行、4列を入れ替えても宜しいですか？");
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(f.doc.columnCount(), 0);

    ViewFixture g;
    g.rows(1, std::vector<std::string>(65536, "x"));
    g.show(10).runCommand(CommandId::Transpose);
    EXPECT_EQ(g.ui.lastMessage(), "65535 以上は列が作成出来ません。");
    EXPECT_EQ(g.doc.lines().size(), 65536u);
    g.ui.answers = {MsgResult::No};
    g.doc.lines().erase(0, 1);
    g.view->runCommand(CommandId::Transpose);
    EXPECT_EQ(g.doc.columnCount(), 1);
}

TEST(RowCommands, TransposeIsRefusedUnderAControlFile) {
    ViewFixture f;
    ASSERT_TRUE(f.openCtrl("[FILE]\r\nFILE=d.csv\r\n[COL]\r\nTITLE=A\r\n[COL]\r\nTITLE=B\r\n", "d.csv", "1,2\r\n"));
    f.show(10).runCommand(CommandId::Transpose);
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイル使用時は、行列の入替は出来ません。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"1\t2"}));
}

TEST(RowCommands, RowCommandsFollowLineChangeAndTransposeColumnChange) {
    ViewFixture f;
    ASSERT_TRUE(f.openCtrl("[FILE]\r\nFILE=d.csv\r\nLINECHANGE=FALSE\r\n[COL]\r\nTITLE=A\r\n", "d.csv", "1\r\n"));
    f.show(10);
    for (CommandId id : {CommandId::RowInsert, CommandId::RowDelete, CommandId::RowCopy, CommandId::RowSort})
        EXPECT_FALSE(f.state(id).enabled);
    EXPECT_TRUE(f.state(CommandId::Transpose).enabled);
}

}  // namespace
}  // namespace tabrix
