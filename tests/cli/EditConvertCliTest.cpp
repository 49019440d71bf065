// tabrix-cli edit col-calc, autofill, col-sort and convert: the options fill
// the dialogs of the editor's commands.
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

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

TEST(CliEditConvert, OptionsFillTheDialogs) {
    struct Case {
        std::string data;
        std::string command;
        std::vector<std::string> args;
        std::string output;
    };
    const std::vector<Case> cases = {
        {"1,2\r\n3,x\r\n", "col-calc", {"--cols", "1-2"}, "1,2,3\r\n3,x,3\r\n"},
        {"7,2\r\n", "col-calc", {"--cols", "1,2", "--op", "div", "--decimals", "2", "--place", "first"}, "3.50,2\r\n"},
        {"-7,2\r\n", "col-calc", {"--cols", "1,2", "--op", "mul", "--abs", "--place", "before"}, "14,-7,2\r\n"},
        {"a\r\nb\r\n", "autofill", {"--cols", "1", "--base", "100", "--step", "10", "--digits", "5"}, "00110\r\n00120\r\n"},
        {"a\r\nb\r\n", "autofill", {"--cols", "1", "--mode", "front"}, "a1\r\nb2\r\n"},
        {"b,x\r\na,y\r\n", "col-sort", {"--cols", "2", "--key", "1"}, "b,y\r\na,x\r\n"},
        {"b,x\r\na,y\r\n", "col-sort", {"--cols", "1", "--sort", "1,2", "--desc"}, "b,x\r\na,y\r\n"},
        {"ab,cd\r\n", "convert", {"--cols", "2", "--op", "upper"}, "ab,CD\r\n"},
        {"1234,a\r\n", "convert", {"--cols", "1", "--op", "number", "--format", "0"}, "\"1,234\",a\r\n"},
        {"1990/05/05,a\r\n", "convert", {"--cols", "1", "--op", "date", "--format", "6", "--now", "2024/05/04", "--place", "after"},
         "1990/05/05,33,a\r\n"},
        {"12\r\n", "convert", {"--cols", "1", "--op", "add", "--pad", "5"}, "00012\r\n"},
        {"x\r\n", "convert", {"--cols", "1", "--op", "add", "--text", "-", "--after"}, "x-\r\n"},
        {"  x  ,a\r\n", "convert", {"--cols", "1", "--op", "delete", "--start", "--end"}, "x,a\r\n"},
    };
    for (const Case& c : cases) {
        EditRun run(c.data);
        const auto r = run.run(c.command, c.args);
        EXPECT_EQ(r.exitCode, 0) << c.command << " " << r.err;
        EXPECT_EQ(run.output(), c.output) << c.command << " " << c.args.back();
    }
}

TEST(CliEditConvert, BadOptionsExitWithTwoAndWriteNothing) {
    struct Case {
        std::string command;
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"convert", {"--cols", "1"}, "tabrix-cli: --op is needed\n"},
        {"convert", {"--cols", "1", "--op", "delete"}, "tabrix-cli: delete needs --start, --end or both\n"},
        {"convert", {"--cols", "1", "--op", "date"}, "tabrix-cli: --format is needed\n"},
        {"convert", {"--cols", "1", "--op", "date", "--format", "7"}, "tabrix-cli: --format needs a number from 0 to 6: 7\n"},
        {"convert", {"--cols", "1", "--op", "date", "--format", "1", "--now", "x"},
         "tabrix-cli: --now needs YYYY/MM/DD[ hh:mm:ss]: x\n"},
        {"convert", {"--cols", "1-2", "--op", "number", "--format", "1"}, U8(u8"tabrix-cli: 列を１列のみ選択して下さい。\n")},
        {"convert", {"--cols", "1", "--op", "add", "--text", "a\x01"}, U8(u8"tabrix-cli: 制御文字は入力出来ません。\n")},
        {"col-calc", {"--cols", "1"}, U8(u8"tabrix-cli: 列を２列以上選択して下さい。\n")},
        {"col-calc", {"--cols", "1-2", "--op", "pow"}, "tabrix-cli: --op needs add|sub|mul|div: pow\n"},
        {"col-sort", {"--cols", "1", "--key", "3"}, U8(u8"tabrix-cli: ソートキー列は、1以上2以下で入力して下さい。\n")},
        {"col-sort", {"--cols", "1", "--sort", "1,2,1,2,1"},
         "tabrix-cli: --sort needs one to four column numbers S1[,S2[,S3[,S4]]]: 1,2,1,2,1\n"},
        {"autofill", {"--cols", "1-2"}, U8(u8"tabrix-cli: 列を１列選択して下さい。\n")},
    };
    for (const Case& c : cases) {
        EditRun run("1,2\r\n");
        const auto r = run.run(c.command, c.args);
        EXPECT_EQ(r.exitCode, 2) << c.command << " " << c.args.back();
        EXPECT_EQ(r.err, c.err) << c.command;
        EXPECT_EQ(run.output(), "(none)") << c.command;
    }
    EditRun run("1\r\n");
    const auto r = run.run("convert", {"--cols", "1", "--op", "nope"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--op needs one of upper lower"), std::string::npos) << r.err;
}

// The column sort gives what cutting the column out, sorting it stably and
// pasting it back gives.
TEST(CliEditConvert, ColumnSortMatchesCutSortPaste) {
    std::mt19937 random(11);
    std::string data;
    for (int i = 0; i < 300; ++i)
        data += "L" + std::to_string(i) + "\tK" + std::to_string(random() % 30) + "\t" + std::to_string(random() % 9) + "\r\n";
    for (bool descending : {false, true}) {
        EditRun run(data);
        std::vector<std::string> args = {"--cols", "2", "--delim", "tab"};
        if (descending) args.push_back("--desc");
        const auto r = run.run("col-sort", args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::string in = run.in;
        const std::string sort = descending ? "sort -s -r" : "sort -s";
        const std::string pipeline = "export LC_ALL=C; paste <(cut -f1 '" + in + "') <(cut -f2 '" + in + "' | tr -d '\\r' | " +
                                     sort + ") <(cut -f3 '" + in + "') ";
        EXPECT_EQ(run.output(), RunProcess({"bash", "-c", pipeline}).out) << descending;
    }
}

}  // namespace
}  // namespace tabrix
