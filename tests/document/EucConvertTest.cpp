#include "document/EucConvert.h"

#include <iconv.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "document/OpenCommand.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::ScriptedUi;
using test::TempDir;

std::string Convert(std::string_view euc) {
    EucToSjisConverter converter;
    std::string out;
    converter.convert(euc, out);
    converter.finish(out);
    return out;
}

TEST(EucConvert, Bytes) {
    struct Case {
        const char* name;
        std::string euc;
        std::string sjis;
    };
    const Case cases[] = {
        {"hiragana a", "\xA4\xA2", "\x82\xA0"},
        {"half-width katakana", "\x8E\xB1", "\xB1"},
        {"ascii and line ends", "a\r\nb\nc", "a\r\r\nb\r\nc"},
        {"first user-area row", "\xF4\xA1", "\xF0\x40"},
        {"last user-area row", "\xFE\xFE", "\xF5\x9E"},
        {"row 0x73", "\xF3\xA1", "\xEA\x40"},
        {"lone lead byte at the end", "a\xA4", "a\xA4"},
        {"lone single shift at the end", "a\x8E", "a\x8E"},
        {"lead byte before a line end", "\xA4\nx", "\xA4\r\nx"},
        {"lead byte before a comma", "\xA4,\xA4\xA2", "\xA4,\x82\xA0"},
        {"not a lead byte", "\x85\xA4\xA2\xA0\xFF", "\x85\x82\xA0\xA0\xFF"},
        {"bad second byte", "\xA4\x8D", "\xA4\x8D"},
        {"single shift after a lead byte", "\xA4\x8E\xB1", "\xA4\xB1"},
        {"single shift before a line end", "\x8E\n", "\x8E\r\n"},
        {"NUL bytes", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Convert(c.euc), c.sjis);
    }
}

TEST(EucConvert, CharacterSplitBetweenPiecesIsCompleted) {
    EucToSjisConverter converter;
    std::string out;
    converter.convert("x\xA4", out);
    EXPECT_EQ(out, "x");
    converter.convert("\xA2\x8E", out);
    converter.convert("\xB1", out);
    converter.finish(out);
    EXPECT_EQ(out, "x\x82\xA0\xB1");
}

// Every JIS X 0208 character agrees with the platform's EUC-JP to Shift_JIS
// conversion, and so does every half-width katakana.
TEST(EucConvert, AgreesWithThePlatformConverter) {
    iconv_t cd = iconv_open("SHIFT_JIS", "EUC-JP");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    auto platform = [&](std::string euc, std::string& out) {
        char buffer[8];
        char* in = euc.data();
        std::size_t inLeft = euc.size();
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1)) return false;
        out.assign(buffer, static_cast<std::size_t>(to - buffer));
        return true;
    };
    int compared = 0;
    std::string expected;
    for (int row = 0xA1; row <= 0xF3; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const std::string euc{static_cast<char>(row), static_cast<char>(cell)};
            if (!platform(euc, expected)) continue;
            ASSERT_EQ(Convert(euc), expected) << std::hex << row << ' ' << cell;
            ++compared;
        }
    }
    for (int kana = 0xA1; kana <= 0xDF; ++kana) {
        const std::string euc{'\x8E', static_cast<char>(kana)};
        ASSERT_TRUE(platform(euc, expected));
        EXPECT_EQ(Convert(euc), expected);
    }
    iconv_close(cd);
    EXPECT_GT(compared, 6800);
}

TEST(EucConvertFile, CharactersSplitAtTheBlockBoundary) {
    TempDir dir;
    // The lead byte ends the first 4095-byte block, the single shift the second.
    const std::string filler(4094, 'a');
    const auto source = dir.write("in.euc", filler + "\xA4\xA2\n" + filler.substr(2) + "\x8E\xB1" + "\xA4");
    ScriptedUi ui;
    ASSERT_TRUE(ConvertEucToSjis(source.string(), (dir / "out.txt").string(), ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ReadBytes(dir / "out.txt"), filler + "\x82\xA0\r\n" + filler.substr(2) + "\xB1" + "\xA4");
}

TEST(EucConvertFile, FilesThatCannotBeOpened) {
    TempDir dir;
    const std::string source = dir.write("in.euc", "\xA4\xA2\n").string();
    const std::string missing = (dir / "none.euc").string();
    const std::string noFolder = (dir / "no" / "out.txt").string();
    struct Case {
        std::string source;
        std::string target;
        std::string named;
    };
    const Case cases[] = {
        {missing, (dir / "out.txt").string(), missing},
        {dir.path().string(), (dir / "out.txt").string(), dir.path().string()},
        {source, noFolder, noFolder},
        {source, source, source},  // the EUC file itself is never written
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ScriptedUi ui;
        EXPECT_FALSE(ConvertEucToSjis(c.source, c.target, ui));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "SJIS→EUC変換で " + c.named + " がオープン出来ません。");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Stop);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    EXPECT_EQ(ReadBytes(source), "\xA4\xA2\n");
}

TEST(OpenCommand, ShiftJisFilesOpenAsTheyAre) {
    ScriptedUi ui;
    std::string path;
    ASSERT_TRUE(FileToOpen(ui, "/data/a.csv", OpenFormat::Sjis, path));
    EXPECT_EQ(path, "/data/a.csv");
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST(OpenCommand, EucFilesOpenThroughAConvertedCopy) {
    TempDir dir;
    const std::string source = dir.write("in.euc", "\xA4\xA2,\x8E\xB1\n").string();
    const std::string copy = (dir / "copy.csv").string();
    ScriptedUi ui;
    ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = copy;
        return true;
    });
    std::string path;
    ASSERT_TRUE(FileToOpen(ui, source, OpenFormat::Euc, path));
    EXPECT_EQ(path, copy);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "EUC→SJIS変換ファイル保存");
    EXPECT_EQ(ui.fileRequests[0].filter, OpenCommandTexts::kFilter);
    EXPECT_EQ(ui.fileRequests[0].initialDir, dir.path().string() + "/");
    EXPECT_TRUE(ui.fileRequests[0].overwritePrompt);
    EXPECT_EQ(ReadBytes(copy), "\x82\xA0,\xB1\r\n");
    EXPECT_EQ(ReadBytes(source), "\xA4\xA2,\x8E\xB1\n");
}

TEST(OpenCommand, CancelledOrFailedCopyOpensNothing) {
    TempDir dir;
    const std::string source = dir.write("in.euc", "x\n").string();
    ScriptedUi ui;
    std::string path;
    EXPECT_FALSE(FileToOpen(ui, source, OpenFormat::Euc, path));  // the dialog is cancelled
    ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = source;
        return true;
    });
    EXPECT_FALSE(FileToOpen(ui, source, OpenFormat::Euc, path));
    EXPECT_EQ(ui.lastMessage(), "SJIS→EUC変換で " + source + " がオープン出来ません。");
    EXPECT_TRUE(path.empty());
}

}  // namespace
}  // namespace tabrix
