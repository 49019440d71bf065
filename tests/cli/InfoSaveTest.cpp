#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

TEST(CliInfo, PrintsTheShapeOfTheFile) {
    test::TempDir dir;
    const auto path = dir.write("a.csv", "a,b,c\r\n1,2\r\n").string();
    auto r = RunCli({"info", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "lines=2 columns=3 min=2 max=3 delimiter=csv\n");
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: 項目数が不揃いです。最小(2列)、最大(3列)です。\n自動的に項目揃えを行います。\n"));

    r = RunCli({"info", dir.write("b.txt", "x|y\n").string(), "--delim", "|"});
    EXPECT_EQ(r.out, "lines=1 columns=2 min=2 max=2 delimiter=0x7C\n");
    r = RunCli({"info", dir.write("e.txt", "").string()});
    EXPECT_EQ(r.out, "lines=0 columns=0 min=0 max=0 delimiter=0x7C\n");
}

TEST(CliInfo, RefusalsExitWithTwoAndTheMessage) {
    test::TempDir dir;
    const auto path = dir.write("a.csv", "a,b,c\r\n1,2\r\n").string();
    auto r = RunCli({"info", path, "--set", "ColNumErr=1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(U8(u8"をOPEN出来ません。")), std::string::npos);

    r = RunCli({"info", (dir / "missing.csv").string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find(U8(u8"OPENエラー")), std::string::npos);

    r = RunCli({"info", dir.path().string()});
    EXPECT_EQ(r.exitCode, 2);

    EXPECT_EQ(RunCli({"info"}).exitCode, 2);
    EXPECT_EQ(RunCli({"info", path, "--set", "NoSuch=1"}).exitCode, 2);
    EXPECT_EQ(RunCli({"info", path, "--delim", "ab"}).exitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
}

TEST(CliInfo, UnreadableFileIsRefused) {
    test::TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    const auto path = dir.write("secret.csv", "a,b\r\n").string();
    ::chmod(path.c_str(), 0);
    std::vector<std::string> argv;
    // The superuser reads everything: run the check as an ordinary user.
    if (::geteuid() == 0) argv = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    argv.insert(argv.end(), {TABRIX_CLI_PATH, "info", path});
    const auto r = test::RunProcess(argv);
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_NE(r.err.find(U8(u8"OPENエラー")), std::string::npos) << r.err;
}

TEST(CliSave, WritesAsSaveAsWould) {
    test::TempDir dir;
    const auto in = dir.write("in.csv", "\"a,b\",c\r\n").string();
    const auto out = (dir / "out.txt").string();
    auto r = RunCli({"save", in, out, "--quote", "--out-delim", "tab", "--out-no-quote"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(out), "a,b\tc\r\n");
    r = RunCli({"save", in, out, "--quote"});
    EXPECT_EQ(ReadBytes(out), "\"a,b\",\"c\"\r\n");
    r = RunCli({"save", in, (dir / "no/folder/x.csv").string()});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(CliSave, KenAllComesBackByteForByte) {
    const std::filesystem::path source = test::KenAllPath();
    if (source.empty()) GTEST_SKIP() << "KEN_ALL.CSV is not on this machine";
    test::TempDir dir;
    const auto out = (dir / "copy.csv").string();
    const auto r = RunCli({"save", source.string(), out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(ReadBytes(out) == ReadBytes(source));
}

}  // namespace
}  // namespace tabrix
