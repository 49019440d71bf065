// tabrix-cli aggregate and total: the result grid on stdout or in a file,
// the window title on stderr, refusals, and the column total's line.
#include <gtest/gtest.h>

#include <regex>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

const std::regex kTitle(U8(u8"集計結果　【対象：(\\d+)行】　\\d\\d:\\d\\d:\\d\\d->\\d\\d:\\d\\d:\\d\\d\n"));

TEST(CliAggregate, PrintsTheResultGridAndTheWindowTitle) {
    test::TempDir dir;
    const std::string file =
        dir.write("d.csv", "k,n,v\r\nb,x,2\r\na,x,\"1,000\"\r\nB,y,3.5\r\na,y,abc\r\nc,x,-1\r\n").string();
    const struct {
        std::vector<std::string> args;
        std::string out;
        int records;
    } cases[] = {
        // "a" sorts between "B" and "b": they stay apart.
        {{"--calc", "3", "--aggregates", "sum,avg,max,min", "--decimals", "avg"},
         "キー列(1),キーの個数,列(3)の合計,列(3)の平均,列(3)の最大,列(3)の最小\r\n"
         "B,1,4,3.50,4,4\r\na,2,1000,500.00,1000,0\r\nb,1,2,2.00,2,2\r\nc,1,-1,-1.00,-1,-1\r\n★総計★,5,1005,126.13,1000,-1\r\n",
         5},
        {{"--key", "2,1", "--calc", "3", "--no-count", "--no-total", "--out-format", "tab", "--ind", "2", "x"},
         "キー列(2)\tキー列(1)\t列(3)の合計\r\nx\ta\t1000\r\nx\tb\t2\r\nx\tc\t-1\r\n", 3},
        {{"--calc", "3,2", "--data", "--min-count", "1", "--one-cell", ";"},
         "キー列(1),キーの個数,値(1),値(2)\r\na,2,\"1,000;abc\",\r\n,,x;y,\r\n", 5},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"aggregate", file, "--title", "--quote"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = RunCli(args);
        SCOPED_TRACE(c.args.front());
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        std::smatch title;
        ASSERT_TRUE(std::regex_match(r.err, title, kTitle)) << r.err;
        EXPECT_EQ(title[1], std::to_string(c.records));
    }
}

TEST(CliAggregate, WritesFilesAsFileOutputAndRefuses) {
    test::TempDir dir;
    const std::string file = dir.write("d.csv", "a,1\r\nb,2\r\na,3\r\n").string();
    const std::string out = (dir / "r.csv").string();
    auto r = RunCli({"aggregate", file, "--calc", "2", "--out", out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(ReadBytes(out), "キー列(1),キーの個数,列(2)の合計\r\na,2,4\r\nb,1,2\r\n★総計★,3,6\r\n");
    ASSERT_TRUE(std::regex_search(r.err, kTitle));
    EXPECT_NE(r.err.find("tabrix-cli: " + out + U8(u8"にＣＳＶ形式で3件保存しました。\n")), std::string::npos);

    const struct {
        std::vector<std::string> args;
        std::string err;
    } refusals[] = {
        {{"--key", "1,0"}, U8(u8"tabrix-cli: 集計対象列２は、1以上2以下で入力して下さい。\n")},
        {{"--calc", "3"}, U8(u8"tabrix-cli: 計算対象列１は、1以上2以下で入力して下さい。\n")},
        {{"--out", (dir / "r.txt").string(), "--out-format", "excel"},
         U8(u8"tabrix-cli: EXCEL形式の場合は拡張子を「xls」にして下さい。\n")},
        {{"--one-cell", ";"}, "tabrix-cli: --min-count, --max-count, --keys-every-row, --one-cell and --quote-prefix need --data\n"},
        {{"--aggregates", "sum,median"}, "tabrix-cli: --aggregates: bad value: sum,median\n"},
        {{"--key", "1,1,1,1,1"}, "tabrix-cli: --key: bad value: 1,1,1,1,1\n"},
    };
    for (const auto& c : refusals) {
        std::vector<std::string> args{"aggregate", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

TEST(CliTotal, PrintsTheTotalAsTheDialogShowsIt) {
    test::TempDir dir;
    const std::string file = dir.write("d.csv", "v\r\n\"1,234,567\"\r\n2.5\r\nx\r\n-0.4\r\n").string();
    auto r = RunCli({"total", file, "--title", "--quote", "--col", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "column=1 count=3 total=1,234,569\n");
    r = RunCli({"total", file, "--col", "2"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: 集計対象列１は、1以上1以下で入力して下さい。\n"));
}

}  // namespace
}  // namespace tabrix
