// Undo and redo over every editor command: a command taken back leaves the
// saved data and control file as they were, and done again gives the
// command's own result.
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::U8;

struct Document {
    std::string name;
    std::map<std::string, std::string> files;  // written into the folder; CP932 bytes
    std::string in;                            // the file opened
    std::vector<std::string> open;             // open options
};

// Four columns each; lines with kana and kanji, a doubled key, an empty field.
const std::string kData = "C3,ｶﾅ,漢字,10\r\nA1,b-2,x,5\r\nB2,,y,7\r\nA1,d-4,z,\r\nE5,e-5,w,9\r\n";
const std::string kCtrl =
    "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\nKEYCOL=1\r\nHEADTITLE=TRUE\r\n"
    "[COL]\r\nTITLE=CODE\r\n"
    "[COL]\r\nTITLE=CUST\r\nTRAN=TRUE\r\nTRAN_FILE=t.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=4\r\n"
    "[COL]\r\nTITLE=QTY\r\n"
    "[COL]\r\nTITLE=NAME\r\nFILECOL=FALSE\r\n";

std::vector<Document> Documents() {
    return {
        {"plain", {{"d.csv", kData}}, "d.csv", {}},
        {"title", {{"d.csv", "CODE,CUST,QTY,NOTE\r\n" + kData}}, "d.csv", {"--title"}},
        // Uneven lines are widened on opening.
        {"uneven", {{"d.txt", "a\tb\r\n1\t2\t3\t4\r\n\r\nx\ty\tz\r\n"}}, "d.txt", {"--delim", "tab"}},
        // A title line, a key column, a translated column and a virtual column.
        {"ctrl",
         {{"d.ctrl", kCtrl}, {"d.csv", "CODE,CUST,QTY\r\nK1,b-1,5\r\nK2,c-2,6\r\nK3,b-1,7\r\n"}, {"t.csv", "b-1,Alpha\r\n"}},
         "d.ctrl",
         {}},
    };
}

struct Command {
    std::string name;
    std::vector<std::string> args;
};

// Every editor command with typical dialog values.
std::vector<Command> Commands() {
    return {
        {"row-insert", {"--lines", "2"}},
        {"row-copy", {"--lines", "3"}},
        {"row-delete", {"--lines", "2,4"}},
        {"row-sort", {"--cols", "2", "--desc"}},
        {"transpose", {}},
        {"col-title", {"--cols", "2", "--text", U8(u8"新見出し")}},
        {"col-copy", {"--cols", "3", "--to", "2"}},
        {"col-replace", {"--cols", "2", "--find", "-", "--with", U8(u8"／")}},
        {"col-insert", {"--cols", "1", "--count", "2", "--value", U8(u8"０")}},
        {"col-delete", {"--cols", "3"}},
        {"col-clear", {"--cols", "2-3"}},
        {"col-merge", {"--cols", "2-3", "--sep", U8(u8"：")}},
        {"col-split", {"--cols", "2", "--sep", "-"}},
        {"col-align", {}},
        {"col-reorder", {"--order", "3,1,2,4"}},
        {"col-calc", {"--cols", "3-4", "--op", "mul", "--decimals", "1"}},
        {"autofill", {"--cols", "4", "--mode", "front", "--base", "7", "--digits", "3"}},
        {"col-sort", {"--cols", "2", "--desc"}},
        {"convert", {"--cols", "2-3", "--op", "half-to-full"}},
        {"convert", {"--cols", "2", "--op", "add", "--text", U8(u8"＊"), "--after"}},
        {"convert", {"--cols", "1", "--op", "quote"}},
        {"convert", {"--cols", "4", "--op", "number", "--format", "1", "--place", "after"}},
        {"translate", {"--cols", "2", "--tran-file", "@t.csv", "--names", "2"}},
    };
}

// The control file as written, without its update stamp.
std::string CtrlWithoutStamp(const std::string& path) {
    if (!std::filesystem::exists(path)) return "(none)";
    std::string text = ReadBytes(path);
    const std::size_t stamp = text.find("* 更新日=");
    if (stamp != std::string::npos) text.erase(stamp, text.find("\r\n", stamp) + 2 - stamp);
    return text;
}

struct Result {
    int exitCode = 0;
    std::string data;
    std::string ctrl;
};

Result RunEdit(const test::TempDir& dir, const Document& doc, const Command& command, const std::vector<std::string>& hooks) {
    const std::string out = (dir / "out.csv").string();
    const std::string ctrlOut = (dir / "out.ctrl").string();
    std::filesystem::remove(out);
    std::filesystem::remove(ctrlOut);
    std::vector<std::string> argv = {"edit", command.name, (dir / doc.in).string(), out};
    argv.insert(argv.end(), doc.open.begin(), doc.open.end());
    // "@NAME" names a file of the document's folder.
    for (const std::string& arg : command.args) argv.push_back(arg.starts_with("@") ? (dir / arg.substr(1)).string() : arg);
    if (doc.in.ends_with(".ctrl")) argv.insert(argv.end(), {"--ctrl-out", ctrlOut});
    argv.insert(argv.end(), hooks.begin(), hooks.end());
    const auto r = RunCli(argv);
    return {r.exitCode, std::filesystem::exists(out) ? ReadBytes(out) : "(none)", CtrlWithoutStamp(ctrlOut)};
}

TEST(UndoCli, EveryCommandIsTakenBackAndDoneAgainExactly) {
    std::map<std::string, int> applied;
    for (const Document& doc : Documents()) {
        test::TempDir dir;
        dir.write("t.csv", "b-1,Alpha\r\n");  // the code table translation reads
        for (const auto& [name, bytes] : doc.files) dir.write(name, bytes);
        // col-align changes nothing in a document opened aligned: the saved original.
        const Result original = RunEdit(dir, doc, {"col-align", {}}, {});
        ASSERT_EQ(original.exitCode, 0) << doc.name;
        if (doc.name == "plain" || doc.name == "title") {
            EXPECT_EQ(original.data, doc.files.at(doc.in));
        }
        for (const Command& command : Commands()) {
            const std::string what = doc.name + " " + command.name + " " + (command.args.empty() ? "" : command.args.back());
            const Result done = RunEdit(dir, doc, command, {});
            if (done.exitCode != 0) continue;  // refused for this document
            ++applied[command.name];
            const Result undone = RunEdit(dir, doc, command, {"--undo"});
            EXPECT_EQ(undone.exitCode, 0) << what;
            EXPECT_EQ(undone.data, original.data) << what;
            EXPECT_EQ(undone.ctrl, original.ctrl) << what;
            const Result redone = RunEdit(dir, doc, command, {"--undo", "--redo"});
            EXPECT_EQ(redone.exitCode, 0) << what;
            EXPECT_EQ(redone.data, done.data) << what;
            EXPECT_EQ(redone.ctrl, done.ctrl) << what;
        }
    }
    // Every command ran on some document; the layout commands on the one with a control file.
    for (const Command& command : Commands()) EXPECT_GT(applied[command.name], 0) << command.name;
    EXPECT_EQ(applied["col-insert"], 4);
    EXPECT_EQ(applied["col-delete"], 4);
}

}  // namespace
}  // namespace tabrix
