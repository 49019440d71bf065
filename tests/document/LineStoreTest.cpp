#include "document/LineStore.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

std::vector<std::string> Contents(const CLineStore& store) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.size(); ++i) out.emplace_back(store[i]);
    return out;
}

TEST(LineStore, KeepsRowsThroughEveryEdit) {
    CLineStore s;
    s.push_back("a\tb");
    s.push_back("");
    s.push_back("long row that will shrink");
    s.set(2, "short");
    s.set(1, "grown from empty");
    s.insert(0, "first");
    s.insert(2, std::vector<std::string>{"x", "y"});
    s.erase(4);
    EXPECT_EQ(Contents(s), (std::vector<std::string>{"first", "a\tb", "x", "y", "short"}));
    s.set(4, std::string(5000000, 'z'));  // larger than a chunk
    s.push_back("after the big one");
    s.compact();
    EXPECT_EQ(s[4].size(), 5000000u);
    EXPECT_EQ(s[5], "after the big one");
    EXPECT_EQ(s.liveBytes(), 5 + 3 + 1 + 1 + 5000000 + 17u);
}

TEST(LineStore, RowsStayIntactAcrossGrowingChunks) {
    // Some 18 MB of rows: heap chunks, then mapped ones, rows of a chunk of
    // their own now and then, and a line index large enough to be mapped too.
    auto row = [](std::size_t i) {
        if (i % 50000 == 7) return std::string(300000 + i, static_cast<char>('A' + i % 26));
        return std::to_string(i) + std::string(i % 61, static_cast<char>('a' + i % 26));
    };
    constexpr std::size_t kRows = 400000;
    CLineStore s;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < kRows; ++i) {
        s.push_back(row(i));
        bytes += row(i).size();
    }
    EXPECT_EQ(s.liveBytes(), bytes);
    EXPECT_GE(s.chunkBytes(), bytes);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "as loaded" : "compacted");
        ASSERT_EQ(s.size(), kRows);
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < kRows; ++i) wrong += s[i] != row(i);
        EXPECT_EQ(wrong, 0u);
        s.compact();
    }
    s.clear();
    EXPECT_EQ(s.chunkBytes(), 0u);
    s.push_back("again");
    EXPECT_EQ(s[0], "again");
}

TEST(LineStore, RowsWithNulBytesKeepTheirLength) {
    CLineStore s;
    const std::string row("a\0b", 3);
    s.push_back(row);
    EXPECT_EQ(s[0], row);
}

// A rebuild releases each old chunk after its last line: rows from many
// chunks, in file order and shuffled, a row larger than a chunk and empty
// rows all come through (the sanitizers see any row read after release).
TEST(LineStore, RebuildReadsEveryRowBeforeItsChunkIsReleased) {
    for (bool shuffled : {false, true}) {
        CLineStore s;
        std::vector<std::string> expected;
        for (int i = 0; i < 300000; ++i) {
            std::string row = i % 1000 == 0 ? std::string() : "row " + std::to_string(i) + std::string(i % 40, 'x');
            if (i == 150000) row = std::string(5000000, 'b');
            s.push_back(row);
            expected.push_back(row);
        }
        if (shuffled) {
            std::vector<std::uint32_t> order;
            for (std::uint32_t i = 0; i < expected.size(); ++i) order.push_back((i * 7919u) % expected.size());
            s.reorder(0, order);
            std::vector<std::string> moved;
            for (std::uint32_t from : order) moved.push_back(expected[from]);
            expected = std::move(moved);
        }
        s.rebuild([](std::size_t, std::string_view row, std::string& out) { out.assign(row).append("!"); });
        for (std::string& row : expected) row += "!";
        EXPECT_EQ(Contents(s), expected);
        // Chunks double as the store grows, so the open one is at most half empty.
        EXPECT_LE(s.chunkBytes(), 2 * s.liveBytes() + (256u << 10));
    }
}

TEST(LineStore, RebuildWritesEveryLineOnceAndLeavesNoGarbage) {
    CLineStore s;
    const std::string padding(40, '.');
    for (int i = 0; i < 100000; ++i) s.push_back("row " + std::to_string(i) + padding);  // two chunks
    // Rows set later live in later chunks, out of line order; an empty row lives in none.
    s.set(5, std::string(300, 'x'));
    s.set(99999, "");
    s.set(3, std::string(2000000, 'y'));  // a chunk of its own
    std::vector<std::string> expected = Contents(s);
    for (std::string& row : expected) row += "+";
    std::size_t next = 0;
    s.rebuild([&](std::size_t line, std::string_view row, std::string& out) {
        EXPECT_EQ(line, next++);
        out.assign(row);
        out += '+';
    });
    EXPECT_EQ(next, 100000u);
    EXPECT_EQ(Contents(s), expected);
    EXPECT_LE(s.chunkBytes(), s.liveBytes() + (8u << 20));
    // Five widening rebuilds in a row pile up nothing.
    for (int k = 0; k < 5; ++k) s.rebuild([](std::size_t, std::string_view row, std::string& out) { out = std::string(row) + "++"; });
    EXPECT_EQ(s[0], "row 0" + padding + "+++++++++++");
    EXPECT_LE(s.chunkBytes(), s.liveBytes() + (8u << 20));
}

}  // namespace
}  // namespace tabrix
