#include "document/LineReader.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace tabrix {
namespace {

std::vector<std::string> ReadLines(const std::string& bytes, std::size_t block) {
    test::TempDir dir;
    const auto path = dir.write("f.txt", bytes);
    CLineReader reader(block);
    EXPECT_TRUE(reader.open(path.string()));
    std::vector<std::string> lines;
    EXPECT_TRUE(reader.forEachLine([&](char* line, std::size_t n) {
        lines.emplace_back(line, n);
        return true;
    }));
    return lines;
}

TEST(LineReader, EveryTerminatorAtEveryBlockSize) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"x\r", {"x"}},
        {std::string("n\0l\r\n", 5), {std::string("n\0l", 3)}},
        {"\x83\x5C\r\n\x81", {"\x83\x5C", "\x81"}},
    };
    for (std::size_t block : {2u, 3u, 5u, 1024u}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "block " << block << " input " << testing::PrintToString(c.bytes));
            EXPECT_EQ(ReadLines(c.bytes, block), c.lines);
        }
    }
}

TEST(LineReader, LinesLongerThanTheBufferGrowIt) {
    // A short line, a 5 MB line (past two default blocks) and a last line without terminator.
    const std::string huge(5u << 20, '\x82');
    const std::string bytes = "a,b\r\n" + huge + "\r\nz";
    test::TempDir dir;
    const auto path = dir.write("long.txt", bytes);
    CLineReader reader;
    ASSERT_TRUE(reader.open(path.string()));
    std::vector<std::size_t> lengths;
    std::string last;
    ASSERT_TRUE(reader.forEachLine([&](char* line, std::size_t n) {
        lengths.push_back(n);
        if (n == huge.size()) EXPECT_EQ(std::string_view(line, n), huge);
        last.assign(line, n);
        return true;
    }));
    EXPECT_EQ(lengths, (std::vector<std::size_t>{3, huge.size(), 1}));
    EXPECT_EQ(last, "z");
}

TEST(LineReader, RefusesMissingFilesAndFolders) {
    test::TempDir dir;
    CLineReader missing;
    EXPECT_FALSE(missing.open((dir / "none.csv").string()));
    EXPECT_EQ(missing.error(), ENOENT);
    CLineReader folder;
    EXPECT_FALSE(folder.open(dir.path().string()));
    EXPECT_EQ(folder.error(), EISDIR);
}

}  // namespace
}  // namespace tabrix
