// tabrix-cli edit: the editor's commands over the in-memory grid, with the
// selection from --lines and --cols and the dialogs answered by options.
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

#include "cli/EditSelection.h"
#include "support/EditRun.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::EditRun;
using test::ReadBytes;
using test::RunCli;
using test::RunProcess;
using test::U8;

TEST(CliEdit, CommandsRunOverTheSelectionAndWriteTheResult) {
    struct Case {
        std::string command;
        std::vector<std::string> args;
        std::string output;
        std::string err;
    };
    const std::string data = "a,b,c\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n";
    const std::vector<Case> cases = {
        {"row-delete", {"--lines", "2,4"}, "a,b,c\r\n4,5,6\r\n", U8(u8"tabrix-cli: 2 行を削除しても宜しいですか？\n")},
        {"row-copy", {"--lines", "3", "--cols", "2"}, "a,b,c\r\n1,2,3\r\n4,5,6\r\n4,5,6\r\n7,8,9\r\n", ""},
        // A set of cells: columns 1 and 3, not the rectangle between them.
        {"col-clear", {"--cols", "1,3"}, ",b,\r\n,2,\r\n,5,\r\n,8,\r\n", U8(u8"tabrix-cli: 2 列をクリアしても宜しいですか？\n")},
        {"col-insert", {"--cols", "1", "--count", "2", "--value", U8(u8"０")},
         "a,０,０,b,c\r\n1,０,０,2,3\r\n4,０,０,5,6\r\n7,０,０,8,9\r\n", ""},
        {"col-reorder", {"--order", "3,1,2"}, "c,a,b\r\n3,1,2\r\n6,4,5\r\n9,7,8\r\n", ""},
        {"col-merge", {"--cols", "1-2", "--direction", "right", "--sep", "-"}, "b-a,c\r\n2-1,3\r\n5-4,6\r\n8-7,9\r\n", ""},
        {"col-replace", {"--cols", "2", "--find", "5", "--with", "X"}, "a,b,c\r\n1,2,3\r\n4,X,6\r\n7,8,9\r\n",
         U8(u8"tabrix-cli: <5>→<X>へ置換を実行しますか？\n")},
        {"col-copy", {"--cols", "3", "--to", "1"}, "c,b,c\r\n3,2,3\r\n6,5,6\r\n9,8,9\r\n",
         U8(u8"tabrix-cli: 列：1 は、列：3 の内容で上書きされます。宜しいですか？\n")},
    };
    for (const Case& c : cases) {
        EditRun run(data);
        const auto r = run.run(c.command, c.args);
        EXPECT_EQ(r.exitCode, 0) << c.command << r.err;
        EXPECT_EQ(run.output(), c.output) << c.command;
        EXPECT_EQ(r.err, c.err) << c.command;
    }
}

TEST(CliEdit, RefusalsAndBadArgumentsExitWithTwoAndWriteNothing) {
    struct Case {
        std::string command;
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"row-insert", {"--lines", "99"}, U8(u8"tabrix-cli: データのある行を１行選択して下さい。\n")},
        {"row-insert", {"--lines", "2-3"}, U8(u8"tabrix-cli: 行を１行選択して下さい。\n")},
        {"col-copy", {"--cols", "1", "--to", "1"}, U8(u8"tabrix-cli: 異なる列番号を入力して下さい。\n")},
        {"col-merge", {"--cols", "2"}, U8(u8"tabrix-cli: 隣接する列を２列以上選択して下さい。\n")},
        {"col-title", {"--cols", "1", "--text", "x"}, "tabrix-cli: command not available: col-title\n"},
        {"col-insert", {"--cols", "1", "--value", "a\tb"}, U8(u8"tabrix-cli: タブ、改行は入力出来ません。\n")},
        {"col-split", {"--cols", "1", "--sep", ""}, U8(u8"tabrix-cli: 区切文字を入力して下さい。\n")},
        {"col-delete", {"--cols", "9"}, "tabrix-cli: --cols: the file has 3 columns\n"},
        {"col-delete", {"--cols", "x"}, "tabrix-cli: --cols needs N, A-B or a comma list of these: x\n"},
        {"col-delete", {"--cols", "1", "--desc"}, "tabrix-cli: unknown option for col-delete: --desc\n"},
        {"col-copy", {"--cols", "1"}, "tabrix-cli: --to is needed\n"},
        {"col-insert", {"--cols", "1", "--count", "0"}, "tabrix-cli: --count needs a number from 1 to 999: 0\n"},
        {"col-split", {"--cols", "1", "--sep", "x", "--bytes", "2"}, "tabrix-cli: --sep and --bytes exclude each other\n"},
        {"col-title", {"--ctrl-out", "x.ctrl", "--title", "--cols", "1", "--text", "x"},
         "tabrix-cli: --ctrl-out needs a control file (.ctrl) as IN\n"},
    };
    for (const Case& c : cases) {
        EditRun run("a,b,c\r\n1,2,3\r\n");
        const auto r = run.run(c.command, c.args);
        EXPECT_EQ(r.exitCode, 2) << c.command;
        EXPECT_EQ(r.err, c.err) << c.command;
        EXPECT_EQ(run.output(), "(none)") << c.command;
    }
    EditRun run("a\r\n");
    EXPECT_EQ(run.run("no-such", {}).exitCode, 2);
    EXPECT_EQ(RunCli({"edit", "row-sort"}).exitCode, 2);
}

// Sorting by one column gives what GNU sort gives, stable, in both directions.
TEST(CliEdit, RowSortMatchesGnuSort) {
    std::mt19937 random(7);
    std::string data;
    for (int i = 0; i < 400; ++i) {
        data += "L" + std::to_string(i) + "\tC" + std::to_string(random() % 40) + "\t" + std::to_string(random() % 9);
        data += (i % 3 ? "\tｶﾅ\r\n" : "\t\r\n");
    }
    for (bool descending : {false, true}) {
        EditRun run(data);
        std::vector<std::string> args = {"--cols", "2", "--delim", "tab"};
        if (descending) args.push_back("--desc");
        const auto r = run.run("row-sort", args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        std::vector<std::string> sort = {"env", "LC_ALL=C", "sort", "-s", "-t", "\t", "-k2,2"};
        if (descending) sort.push_back("-r");
        sort.push_back(run.in);
        EXPECT_EQ(run.output(), RunProcess(sort).out) << descending;
    }
}

TEST(CliEdit, TheControlFileFollowsTheColumns) {
    test::TempDir dir;
    dir.write("d.csv", "1,A,x\r\n2,B,y\r\n");
    const std::string ctrl = dir.write("d.ctrl",
                                       "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\nKEYCOL=3\r\n"
                                       "[COL]\r\nTITLE=N\r\n[COL]\r\nTITLE=S\r\n[COL]\r\nTITLE=K\r\n")
                                 .string();
    const std::string out = (dir / "o.txt").string();
    const std::string newCtrl = (dir / "o.ctrl").string();
    const auto r = RunCli({"edit", "col-delete", ctrl, out, "--cols", "1", "--out-delim", "tab", "--ctrl-out", newCtrl});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(out), "A\tx\r\nB\ty\r\n");
    const std::string written = ReadBytes(newCtrl);
    EXPECT_NE(written.find("KEYCOL=2\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("DELIM=TAB\r\n"), std::string::npos);
    EXPECT_NE(written.find("TITLE=S\r\n"), std::string::npos);
    EXPECT_EQ(written.find("TITLE=N\r\n"), std::string::npos);
    EXPECT_NE(written.find("o.txt\r\n"), std::string::npos);

    const auto refused = RunCli({"edit", "col-delete", ctrl, out + "2", "--cols", "3"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, U8(u8"tabrix-cli: 列：3 は、キー列の為削除出来ません。\n"));
}

TEST(CliEdit, ListsAndTheSmallestPageThatHoldsTheLines) {
    std::vector<std::pair<int, int>> ranges;
    EXPECT_TRUE(ParseNumberList("3,5-7,1", ranges));
    EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{3, 3}, {5, 7}, {1, 1}}));
    for (const char* bad : {"", "0", "1,", "3-2", "a", "1-", "-4", "1 2"}) EXPECT_FALSE(ParseNumberList(bad, ranges)) << bad;

    struct Case {
        std::vector<long long> rows;
        int size;
        int number;
    };
    const std::vector<Case> cases = {
        {{}, 1, 1},
        {{5}, 1, 5},
        {{2, 4}, 4, 1},
        {{999, 1001}, 6, 167},  // pages of 3, 4 and 5 rows would part them
        {{1000000, 3}, 1000000, 1},
    };
    for (const Case& c : cases) {
        const EditPage page = PageHolding(c.rows);
        EXPECT_EQ(page.size, c.size);
        EXPECT_EQ(page.number, c.number);
        for (long long row : c.rows) EXPECT_EQ((row - 1) / page.size + 1, page.number);
    }
}

}  // namespace
}  // namespace tabrix
