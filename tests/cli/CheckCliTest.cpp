// tabrix-cli check: the editor's data check run over a control file's data.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

const std::string kCtrl =
    "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\nKEYCOL=1\r\nDUPCHECK=TRUE\r\n"
    "[COL]\r\nTITLE=番号\r\n"
    "[COL]\r\nTITLE=数量\r\nTYPE=数字\r\nFORMAT1=NUM2\r\nLENGTH=4\r\nMAXNUM=500\r\n";

TEST(CliCheck, TheExamplesWrongLinesAreFound) {
    const auto r = RunCli({"check", test::kExamplesDir + "/orders.ctrl", "--errors", "-"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.err, U8(u8"6件のエラー\n"));
    // Plain literals are code page 932, as the output is.
    EXPECT_EQ(r.out,
              "【000042,0001】 A000041:キーデータが重複しています。（A000041 :A000041）\r\n"
              "【000043,0001】 A000041:キーデータが重複しています。（A000041 :A000041）\r\n"
              "【000089,0002】 受注日:日付の形式が異なります。（A000088 :20240230）\r\n"
              "【000135,0008】 数量:最大値(500)より大きい値です。（A000134 :600）\r\n"
              "【000178,0010】 状態:受注 出荷済 請求済 取消 のみ許可されています。（A000177 :保留）\r\n"
              "【000221,0004】 得意先CD:翻訳キー（C999）が翻訳ファイルに見つかりません。（A000220 :C999）\r\n");
}

TEST(CliCheck, ACleanFileEndsWithZero) {
    test::TempDir dir;
    dir.write("d.csv", "A1,12\r\nA2,0500\r\n");
    const std::string ctrl = dir.write("t.ctrl", kCtrl).string();
    const auto r = RunCli({"check", ctrl, "--errors", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, U8(u8"0件のエラー\n"));
}

TEST(CliCheck, FindingsGoToAFileAndTheCheckedDataToAnother) {
    test::TempDir dir;
    dir.write("d.csv", "A1,12\r\nA1,501\r\nA3,7\r\n");
    const std::string ctrl = dir.write("t.ctrl", kCtrl).string();
    const std::string errors = (dir / "errors.txt").string();
    const std::string fixed = (dir / "fixed.csv").string();
    const auto r = RunCli({"check", ctrl, "--errors", errors, "--fix", fixed});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, U8(u8"3件のエラー\n"));
    EXPECT_EQ(ReadBytes(errors),
              "【000001,0001】 A1:キーデータが重複しています。（A1 :A1）\r\n"
              "【000002,0001】 A1:キーデータが重複しています。（A1 :A1）\r\n"
              "【000002,0002】 数量:最大値(500)より大きい値です。（A1 :501）\r\n");
    EXPECT_EQ(ReadBytes(fixed), "A1,0012\r\nA1,501\r\nA3,0007\r\n");
    EXPECT_EQ(ReadBytes(dir / "d.csv"), "A1,12\r\nA1,501\r\nA3,7\r\n");  // the data file itself is untouched
}

TEST(CliCheck, FailuresEndWithTwo) {
    test::TempDir dir;
    const std::string data = dir.write("d.csv", "a,b\r\n").string();
    auto r = RunCli({"check", data});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "tabrix-cli: check needs a control file (.ctrl): " + data + "\n");

    r = RunCli({"check"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("usage: tabrix-cli check CTRL"), std::string::npos) << r.err;

    dir.write("d2.csv", "A1,1\r\n");
    const std::string ctrl = dir.write("t.ctrl", "FILE=d2.csv\r\n" + kCtrl.substr(kCtrl.find("DELIM"))).string();
    const std::string unwritable = (dir / "no" / "e.txt").string();
    r = RunCli({"check", ctrl, "--errors", unwritable});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "tabrix-cli: " + unwritable + U8(u8" ファイルに書き込み出来ません。\n"));
}

}  // namespace
}  // namespace tabrix
