// tabrix-cli edit translate: "CD翻訳" with its dialog's fields as options.
#include <filesystem>
#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

TEST(CliTranslate, ReplacesOrAddsAndCountsWhatWasFound) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string output;
        std::string out;
        std::string err;
    };
    const std::string counts = U8(u8"tabrix-cli: 翻訳が終了しました。\n翻訳件数：2件\n該当なし：2件\n");
    const std::vector<Case> cases = {
        {{"--cols", "1", "--names", "2"}, 0, "Apple,1\r\nBanana,2\r\n,3\r\n,4\r\n", "found=2 missing=2\n", counts},
        {{"--cols", "2", "--names", "2", "--key-pos", "1", "--insert-after", "0"}, 0,
         "\"A1\",A1,1\r\n,B2,2\r\n\"C 3\",Z9,3\r\n,code,4\r\n", "found=2 missing=2\n", ""},
        {{"--cols", "1", "--names", "3,2", "--insert-after", "2"}, 0,
         "A1,1,Red,Apple\r\nB2,2,Yellow,Banana\r\nZ9,3,,\r\ncode,4,,\r\n", "found=2 missing=2\n", ""},
        {{"--cols", "1", "--names", "2", "--tran-delim", "tab"}, 2, "(none)", "",
         U8(u8"tabrix-cli: 翻訳指定（") + "TABLE" + U8(u8"）の指定にエラーが有ります。\n名称列番号が翻訳ファイルの項目数を超えています。\n")},
        {{"--cols", "1", "--names", "2,3"}, 2, "(none)", "",
         U8(u8"tabrix-cli: 複数項目抽出の場合は、「現在の項目に置き換える」は選択できません。\n")},
        {{"--cols", "1-2", "--names", "2"}, 2, "(none)", "", U8(u8"tabrix-cli: 列を１列のみ選択して下さい。\n")},
        {{"--cols", "1", "--names", "2", "--tran-delim", "x"}, 2, "(none)", "",
         "tabrix-cli: --tran-delim needs csv, tab or space: x\n"},
        {{"--cols", "1"}, 2, "(none)", "", "tabrix-cli: --names is needed\n"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string table = dir.write("t.csv", "A1,Apple,Red\r\nB2,Banana,Yellow\r\n1,\"A1\",x\r\n3,\"C 3\",y\r\n").string();
        const std::string in = dir.write("in.csv", "A1,1\r\nB2,2\r\nZ9,3\r\ncode,4\r\n").string();
        const std::string out = (dir / "out.csv").string();
        std::vector<std::string> argv = {"edit", "translate", in, out, "--tran-file", table};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const auto r = RunCli(argv);
        std::string err = c.err;
        if (const auto at = err.find("TABLE"); at != std::string::npos) err.replace(at, 5, table);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[1] << r.err;
        EXPECT_EQ(std::filesystem::exists(out) ? ReadBytes(out) : "(none)", c.output) << c.args.back();
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_EQ(r.err, err) << c.args.back();
    }
}

}  // namespace
}  // namespace tabrix
