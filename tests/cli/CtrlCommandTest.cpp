// tabrix-cli ctrl: "制御ファイル設定" run as a user would, the control file
// written to OUT and never over IN; a refusal writes nothing.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

TEST(CliCtrlEditor, ANewSchemaWithKeysAndAVirtualColumnReadsBack) {
    test::TempDir dir;
    const std::string data = dir.write("d.csv", "CODE,QTY\r\nK1,5\r\nK2,6\r\n").string();
    const std::string out = (dir / "d.ctrl").string();
    auto r = RunCli({"ctrl", data, out, "--title", "--keycol", "1", "--dupcheck", "--virtual-after", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, U8(u8"tabrix-cli: 制御ファイルを新規に作成します。\n全ての項目は初期値で設定されています。\n"
                        u8"tabrix-cli: 仮想項目を列(3)に追加しました。\n"
                        u8"tabrix-cli: 制御ファイルが変更されています。保存しますか？\n"
                        u8"tabrix-cli: 列数が変更されました。再度ファイルを開き直して下さい。\n"));
    const std::string text = ReadBytes(out);
    EXPECT_NE(text.find("KEYCOL=1\r\nDUPCHECK=TRUE\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("HEADTITLE=TRUE\r\n"), std::string::npos);
    EXPECT_NE(text.find("[COL]\r\nTITLE=CODE\r\n"), std::string::npos);
    EXPECT_NE(text.find("[COL]\r\nTITLE=Col.3\r\nFILECOL=FALSE\r\n"), std::string::npos);

    r = RunCli({"info", out});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "lines=3 columns=3 min=3 max=3 delimiter=csv\n");
}

TEST(CliCtrlEditor, AttributeLinesSetTheColumns) {
    test::TempDir dir;
    const std::string data = dir.write("d.csv", "CODE,QTY\r\nchar,NUMBER\r\n4,5\r\nK1,5\r\n").string();
    const std::string out = (dir / "d.ctrl").string();
    const auto r = RunCli({"ctrl", data, out, "--attr-lines", "1,2,3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = ReadBytes(out);
    EXPECT_NE(text.find("[COL]\r\nTITLE=CODE\r\nFILECOL=TRUE\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("LENGTH=4\r\n"), std::string::npos);
    EXPECT_NE(text.find("[COL]\r\nTITLE=QTY\r\n"), std::string::npos);
    EXPECT_NE(text.find("ALLLEN=5\r\nPOINT=0\r\n"), std::string::npos);
}

TEST(CliCtrlEditor, RefusalsWriteNothing) {
    test::TempDir dir;
    const std::string data = dir.write("d.csv", "K1,5\r\n").string();
    const std::string ctrl = dir.write("d.ctrl", "FILE=d.csv\r\n[COL]\r\nTITLE=A\r\n[COL]\r\nTITLE=B\r\n").string();
    const std::string out = (dir / "out.ctrl").string();
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"ctrl", ctrl, out, "--dupcheck"}, U8(u8"tabrix-cli: 重複チェックを行う場合は、キー列番号を入力して下さい。\n")},
        {{"ctrl", ctrl, out, "--keycol", "3"}, U8(u8"tabrix-cli: キー列番号は１以上項目数以下で入力して下さい。\n")},
        {{"ctrl", ctrl, out, "--virtual-after", "3"}, "tabrix-cli: --virtual-after: the schema has 2 columns\n"},
        {{"ctrl", ctrl, out, "--attr-lines", "2"}, U8(u8"tabrix-cli: 項目名の行番号は、-1または1～1で入力して下さい。\n")},
        {{"ctrl", ctrl, ctrl}, "tabrix-cli: OUT must not be IN nor the data file: " + ctrl + "\n"},
        {{"ctrl", ctrl, data}, "tabrix-cli: OUT must not be IN nor the data file: " + data + "\n"},
    };
    for (const Case& c : cases) {
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.back();
        EXPECT_EQ(r.err, c.err);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    EXPECT_EQ(ReadBytes(data), "K1,5\r\n");
}

}  // namespace
}  // namespace tabrix
