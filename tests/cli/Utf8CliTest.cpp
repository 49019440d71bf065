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

constexpr char kBom[] = "\xEF\xBB\xBF";

TEST(CliUtf8, InfoReadsTheEncodingAndReportsReplacementsOnStderr) {
    test::TempDir dir;
    const auto path = dir.write("a.csv", std::string(kBom) + "\xE3\x81\x82,\xF0\x9F\x98\x80\r\nb,c\r\n").string();
    auto r = RunCli({"info", path, "--encoding", "utf8"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "lines=2 columns=2 min=2 max=2 delimiter=csv encoding=utf8-bom\n");
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: S-JISに無い文字が1文字有った為、「?」（似た文字が有る場合はその文字）に置き換えました。\n"
                        u8"最初の文字は1行目の3文字目です。\n"));

    r = RunCli({"info", dir.write("bad.csv", "a\r\n\xFF\r\n").string(), "--encoding", "utf8"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find(U8(u8"の2行目にUTF-8ではないバイトが有る為、開けません。")), std::string::npos) << r.err;

    r = RunCli({"info", dir.write("e.csv", "\xA4\xA2,x\n").string(), "--encoding", "eucjp"});
    EXPECT_EQ(r.out, "lines=1 columns=2 min=2 max=2 delimiter=csv\n");

    EXPECT_EQ(RunCli({"info", path, "--encoding", "utf8-bom"}).exitCode, 2);
    EXPECT_EQ(RunCli({"save", path, path + ".out", "--out-encoding", "eucjp"}).exitCode, 2);
}

TEST(CliUtf8, SaveWritesTheEncodingAskedForElseTheOneRead) {
    test::TempDir dir;
    const auto sjis = dir.write("s.csv", "\x82\xA0,b\r\n").string();
    const auto utf8 = dir.write("u.csv", "\xE3\x81\x82,b\r\n").string();
    const auto out = (dir / "out.csv").string();
    const struct {
        std::vector<std::string> args;
        std::string bytes;
    } cases[] = {
        {{"save", sjis, out}, "\x82\xA0,b\r\n"},
        {{"save", sjis, out, "--out-encoding", "utf8-bom"}, std::string(kBom) + "\xE3\x81\x82,b\r\n"},
        {{"save", utf8, out, "--encoding", "utf8"}, "\xE3\x81\x82,b\r\n"},
        {{"save", utf8, out, "--encoding", "utf8", "--out-encoding", "sjis"}, "\x82\xA0,b\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto r = RunCli(c.args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(ReadBytes(out), c.bytes);
    }
}

// Real data converted by iconv comes back byte for byte, with and without the mark.
TEST(CliUtf8, KenAllInUtf8ComesBackByteForByte) {
    const std::filesystem::path source = test::KenAllPath();
    if (source.empty()) GTEST_SKIP() << "KEN_ALL.CSV is not on this machine";
    const auto utf8 = test::RunProcess({"iconv", "-f", "CP932", "-t", "UTF-8", source.string()});
    ASSERT_EQ(utf8.exitCode, 0) << utf8.err;
    test::TempDir dir;
    for (const std::string& mark : {std::string(), std::string(kBom)}) {
        const auto in = dir.write("ken.csv", mark + utf8.out).string();
        const auto out = (dir / "copy.csv").string();
        const auto r = RunCli({"save", in, out, "--encoding", "utf8"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_TRUE(ReadBytes(out) == ReadBytes(in));
    }
}

}  // namespace
}  // namespace tabrix
