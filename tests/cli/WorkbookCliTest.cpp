// tabrix-cli with workbooks: info and save read them, answering the read
// options from --sheet, --first and --last; save writes one when OUT is named so.
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::RunCli;
using test::U8;

const std::string kData = std::string(TABRIX_TEST_DATA) + "/workbook/";

TEST(CliWorkbook, InfoChoosesSheetAndRows) {
    auto r = RunCli({"info", kData + "cells.xlsx", "--sheets"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, U8(u8"1 : データ\n2 : 結合\n3 : 空\nlines=5 columns=8 min=5 max=8 delimiter=tab\n"));
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: EXCELファイルの読み込みで、次のデータを変更しました。\n"
                        u8"・シフトJISで表せない文字を「?」に置換：4 文字\n"
                        u8"・セル内の改行・タブ等の制御文字を削除：1 文字\n"));

    EXPECT_EQ(RunCli({"info", kData + "cells.xls", "--sheet", "2"}).out, "lines=3 columns=3 min=1 max=3 delimiter=tab\n");
    EXPECT_EQ(RunCli({"info", kData + "cells.xls", "--first", "2", "--last", "3"}).out,
              "lines=2 columns=8 min=8 max=8 delimiter=tab\n");
    EXPECT_EQ(RunCli({"info", kData + "cells.xls", "--sheet", "3"}).out, "lines=0 columns=0 min=0 max=0 delimiter=tab\n");

    r = RunCli({"info", kData + "cells.xls", "--first", "0"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: 読み込み開始行は、1以上65536以下で入力して下さい。\n"));
    r = RunCli({"info", kData + "cells.xls", "--sheet", "4"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "tabrix-cli: --sheet 4: the workbook has 3 sheet(s)\n");
    EXPECT_EQ(RunCli({"info", kData + "cells.xls", "--last", "x"}).exitCode, 2);
}

TEST(CliWorkbook, SaveWritesAWorkbookAndReadsItBack) {
    test::TempDir dir;
    const std::string csv = dir.write("in.csv", "コード,名前\r\n00123,東京\r\n45,\"a \"\"b\"\"\"\r\n").string();
    for (const char* name : {"out.xlsx", "out.xls"}) {
        const std::string out = (dir / name).string();
        auto r = RunCli({"save", csv, out, "--quote"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "tabrix-cli: " + out + U8(u8"にＥＸＣＥＬ形式で3件保存しました。\n"));
        const std::string back = (dir / (std::string(name) + ".txt")).string();
        ASSERT_EQ(RunCli({"save", out, back}).exitCode, 0);
        EXPECT_EQ(test::ReadBytes(back), "コード\t名前\r\n00123\t東京\r\n45\ta \"b\"\r\n");
    }
    auto r = RunCli({"save", csv, (dir / "x.xlsx").string(), "--out-delim", "tab"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("do not apply to a workbook"), std::string::npos);
    EXPECT_EQ(RunCli({"save", csv, (dir / "x.xls").string(), "--out-quote"}).exitCode, 2);
    r = RunCli({"save", csv, (dir / "no" / "x.xls").string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "tabrix-cli: " + (dir / "no" / "x.xls").string() + U8(u8" ファイルに書き込み出来ません。\n"));
}

}  // namespace
}  // namespace tabrix
