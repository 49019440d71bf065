// tabrix-cli on control files: the data file opened under its schema.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

TEST(CliCtrl, InfoOpensTheDataFileOfTheExample) {
    const auto r = RunCli({"info", test::kExamplesDir + "/orders.ctrl"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "lines=301 columns=11 min=11 max=11 delimiter=csv\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliCtrl, SaveDropsTheVirtualColumnsAgain) {
    test::TempDir dir;
    const std::string out = (dir / "out.csv").string();
    const auto r = RunCli({"save", test::kExamplesDir + "/orders.ctrl", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(test::kExamplesDir + "/ORDERS.CSV"));
}

TEST(CliCtrl, DataFilesAreFoundInTheDefaultFolder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "data");
    std::filesystem::copy_file(test::kExamplesDir + "/orders.ctrl", dir / "orders.ctrl");
    std::filesystem::copy_file(test::kExamplesDir + "/ORDERS.CSV", dir / "data/orders.csv");
    std::filesystem::copy_file(test::kExamplesDir + "/CUSTOMERS.CSV", dir / "data/customers.csv");
    const std::string ctrl = (dir / "orders.ctrl").string();

    auto r = RunCli({"info", ctrl, "--defdir", (dir / "data").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "lines=301 columns=11 min=11 max=11 delimiter=csv\n");

    // By default the control file's own folder, where the files are not.
    r = RunCli({"info", ctrl});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: CUSTOMERS.CSV ファイルのＯＰＥＮが出来ませんでした。\n"
                        u8"tabrix-cli: 制御ファイル（") +
                         ctrl + U8(u8"）にエラーが有りました。\n"));
}

TEST(CliCtrl, ASchemaErrorEndsWithItsMessages) {
    test::TempDir dir;
    const std::string ctrl = dir.write("bad.ctrl", "[COL]\r\nTYPE=数字\r\n").string();
    const auto r = RunCli({"info", ctrl});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: 制御ファイルの列=1 の指定にエラーが有ります。\n"
                        u8"項目タイトルを指定して下さい。\n"
                        u8"数字タイプの場合、「NUM1,NUM2」以外は指定出来ません。\n\n"
                        u8"tabrix-cli: 制御ファイル（") +
                         ctrl + U8(u8"）にエラーが有りました。\n"));
}

TEST(CliCtrl, TheControlFilesDelimiterStandsForTheDialogs) {
    test::TempDir dir;
    dir.write("D.TXT", "a\tb,c\r\nd\te,f\r\n");
    const std::string ctrl = dir.write("t.ctrl", "FILE=d.txt\r\nDELIM=TAB\r\n").string();
    auto r = RunCli({"info", ctrl});
    EXPECT_EQ(r.out, "lines=2 columns=2 min=2 max=2 delimiter=tab\n") << r.err;
    r = RunCli({"info", ctrl, "--delim", "csv"});
    EXPECT_NE(r.out.find(" delimiter=csv\n"), std::string::npos) << r.out << r.err;  // --delim wins
}

}  // namespace
}  // namespace tabrix
