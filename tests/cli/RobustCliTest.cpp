// The cases of a fuzz run of tabrix-cli: no file but the one named is ever
// written or deleted, saving is stable, and extreme settings and shapes run.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

TEST(CliRobust, MdbNamingTheDataFileIsRefusedAndTheDataKept) {
    test::TempDir dir;
    dir.write("ORDERS.CSV", "a,b\r\n");
    const std::string ctrl = dir.write("orders.ctrl", "FILE=ORDERS.CSV\r\nMDB=ORDERS.CSV\r\n").string();
    for (const char* command : {"info", "check"}) {
        const auto r = RunCli({command, ctrl});
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_EQ(r.err, U8(u8"tabrix-cli: MDB=に指定されたファイル（") + (dir / "ORDERS.CSV").string() +
                             U8(u8"）は作業用データベースではない為、使用出来ません。\n"));
        EXPECT_EQ(ReadBytes(dir / "ORDERS.CSV"), "a,b\r\n");
    }
}

TEST(CliRobust, ABatchRunLeavesNoWorkDatabase) {
    test::TempDir dir;
    dir.write("ORDERS.CSV", "a,b\r\n");
    const std::string ctrl =
        dir.write("orders.ctrl", "FILE=ORDERS.CSV\r\nMDB=WORK.DB\r\n[COL]\r\nTITLE=A\r\n[COL]\r\nTITLE=B\r\n").string();
    EXPECT_EQ(RunCli({"info", ctrl}).exitCode, 0);
    EXPECT_EQ(RunCli({"check", ctrl}).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "WORK.DB"));
}

TEST(CliRobust, SavingWithoutOptionsIsStable) {
    test::TempDir dir;
    struct Case {
        const char* bytes;
        const char* saved;  // without the quote flag
    };
    const Case cases[] = {
        {"\"say \"\"hi\"\"\",x\r\n", "\"say \"\"hi\"\"\",x\r\n"},
        {"\"a,b\",\"\",c\"\"\r\n", "\"a,b\",,c\"\"\r\n"},
        {"a,\"\x01\",b\r\n", "a,\"\x01\",b\r\n"},
    };
    for (const auto& [bytes, saved] : cases) {
        for (const char* quote : {"", "--quote"}) {
            SCOPED_TRACE(std::string(bytes) + quote);
            const std::string in = dir.write("in.csv", bytes).string();
            const std::string once = (dir / "once.csv").string();
            const std::string twice = (dir / "twice.csv").string();
            std::vector<std::string> args = {"save", in, once, "--delim", "csv"};
            if (*quote) args.push_back(quote);
            ASSERT_EQ(RunCli(args).exitCode, 0);
            args[1] = once;
            args[2] = twice;
            ASSERT_EQ(RunCli(args).exitCode, 0);
            EXPECT_EQ(ReadBytes(twice), ReadBytes(once));
            if (!*quote) {
                EXPECT_EQ(ReadBytes(once), saved);
            }
        }
    }
}

TEST(CliRobust, HugePageSizesAndWideLinesCheckQuickly) {
    // Psize beyond its range overflowed the grid's row count; a line of
    // 20,001 fields made a page of twenty million cells.
    EXPECT_LE(RunCli({"check", test::kExamplesDir + "/orders.ctrl", "--set", "Psize=2147483647"}).exitCode, 1);
    test::TempDir dir;
    dir.write("WIDE.CSV", "a\r\n" + std::string(20000, ',') + "\r\n");
    const std::string ctrl = dir.write("wide.ctrl", "FILE=WIDE.CSV\r\n[COL]\r\nTITLE=A\r\n").string();
    const auto r = RunCli({"check", ctrl});
    EXPECT_LE(r.exitCode, 1) << r.err;
    // The other batch commands show no page either: the largest page size is
    // no reason to refuse a wide file.
    const std::string wide = (dir / "WIDE.CSV").string();
    const std::vector<std::vector<std::string>> runs = {
        {"filter", wide, "--set", "Psize=10000"},
        {"total", wide, "--col", "1", "--set", "Psize=10000"},
        {"split", wide, (dir / "PART.CSV").string(), "--files", "2", "--set", "Psize=10000"},
    };
    for (const auto& args : runs) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << args[0] << ": " << run.err;
    }
}

TEST(CliRobust, SeventyThousandFieldsOnEveryLineAreEven) {
    test::TempDir dir;
    const std::string line = std::string(69999, ',') + "\r\n";
    const std::string path = dir.write("wide.csv", line + line).string();
    const auto r = RunCli({"info", path, "--set", "ColNumErr=1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "lines=2 columns=70000 min=70000 max=70000 delimiter=csv\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliRobust, APointBeyondItsBoundIsASyntaxError) {
    test::TempDir dir;
    dir.write("N.CSV", "1\r\n");
    const std::string ctrl =
        dir.write("n.ctrl", "FILE=N.CSV\r\n[COL]\r\nTITLE=N\r\nTYPE=数字\r\nFORMAT1=NUM1\r\nPOINT=10000000\r\n").string();
    const auto r = RunCli({"check", ctrl, "--fix", (dir / "out.csv").string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1),
              U8(u8"tabrix-cli: 少数以下桁数指定が不正です（5:POINT=10000000）\n"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
}

}  // namespace
}  // namespace tabrix
