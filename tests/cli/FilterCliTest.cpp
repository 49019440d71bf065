// tabrix-cli filter, split and select: the editor's filter, split save and
// conditional save with the dialogs' fields as options.
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;


TEST(CliFilter, ConditionsCountsAndRefusals) {
    test::TempDir dir;
    // Quoted so that "1,000" stays one field.
    const std::string file = dir.write("d.csv", "k,v,n\r\na,東京,10\r\nb,大阪,9\r\na,京都,\"1,000\"\r\nc,東京都,20\r\n").string();
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"--ind", "2", U8(u8"東京*")}, 0, "000002\ta\t東京\t10\r\n000005\tc\t東京都\t20\r\n", U8(u8"絞込 2行\n")},
        {{"--ind", "2:x", U8(u8"東京*"), "--no-count"}, 0, "000003\tb\t大阪\t9\r\n000004\ta\t京都\t1,000\r\n", ""},
        {{"--ind", "2:l", U8(u8"東京*")}, 0, "", U8(u8"絞込 0行\n")},
        {{"--range", "3:n", "between", "9", "20"}, 0, "000002\ta\t東京\t10\r\n000003\tb\t大阪\t9\r\n000005\tc\t東京都\t20\r\n",
         U8(u8"絞込 3行\n")},
        {{"--range", "3:n", "gt", "999", "--dup", "1"}, 0, "000004\ta\t京都\t1,000\r\n", U8(u8"絞込 1行\n")},
        {{"--dup", "1:d"}, 0, "000002\ta\t東京\t10\r\n000004\ta\t京都\t1,000\r\n", U8(u8"絞込 2行\n")},
        {{"--range", "3:n", "between", "20", "9"}, 2, "", U8(u8"tabrix-cli: 範囲抽出1：検索値１より検索値２が小さいです。\n")},
        {{"--ind", "1", "a", "--ind", "1", "a", "--ind", "1", "a", "--ind", "1", "a"}, 2, "",
         "tabrix-cli: at most three --ind conditions\n"},
        {{"--ind", "4", "a"}, 2, "", U8(u8"tabrix-cli: 個別抽出1：検索対象列番号を1以上で入力して下さい。\n")},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"filter", file, "--title", "--quote"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = RunCli(args);
        SCOPED_TRACE(c.args.front() + " " + c.args[1]);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(CliSplitSelect, WriteTheirFilesAndSayHowMany) {
    test::TempDir dir;
    const std::string file = dir.write("d.csv", "k,v\r\na,1\r\na,2\r\nb,3\r\nc,4\r\n").string();
    auto r = RunCli({"split", file, (dir / "p.txt").string(), "--title", "--key", "1", "--per-key", "--title-each",
                     "--out-delim", "tab"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "tabrix-cli: <" + file + U8(u8">ファイルを 3 個に分割しました。\n"));
    EXPECT_EQ(ReadBytes(dir / "p_1.txt"), "k\tv\r\na\t1\r\na\t2\r\n");
    EXPECT_EQ(ReadBytes(dir / "p_3.txt"), "k\tv\r\nc\t4\r\n");
    r = RunCli({"split", file, (dir / "q.csv").string(), "--files", "9"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: 分割ファイル数を正しく入力して下さい。\n"));

    const std::string out = (dir / "o.txt").string();
    r = RunCli({"select", file, out, "--title", "--columns", "2", "--search", "1", "a", "--out-delim", "|"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "tabrix-cli: <" + out + U8(u8">ファイルに 3 件出力しました。\n"));
    EXPECT_EQ(ReadBytes(out), "v\r\n1\r\n2\r\n");
    r = RunCli({"select", file, out, "--title", "--dup", "1", "--no-title-out"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(out), "a,1\r\nb,3\r\nc,4\r\n");
    const std::string workbook = (dir / "o.xls").string();
    r = RunCli({"select", file, workbook, "--title", "--search", "1", "a", "--out-delim", "excel"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "tabrix-cli: " + workbook + U8(u8"にＥＸＣＥＬ形式で3件保存しました。\n"));
    EXPECT_EQ(RunCli({"info", workbook}).out, "lines=3 columns=2 min=2 max=2 delimiter=tab\n");
}

}  // namespace
}  // namespace tabrix
