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

TEST(LineStore, RowsWithNulBytesKeepTheirLength) {
    CLineStore s;
    const std::string row("a\0b", 3);
    s.push_back(row);
    EXPECT_EQ(s[0], row);
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
