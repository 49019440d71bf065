#include "view/RowPasses.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "text/Record.h"
#include "text/SjisChar.h"
#include "view/GridOps.h"

namespace tabrix {

namespace {

constexpr std::size_t kNoField = static_cast<std::size_t>(-1);

// Up to eight characters of a key as two numbers that order as the
// character comparison does: every character is one 16-bit unit, a
// single-byte character its byte and a double-byte one lead * 256 + trail.
// A key that ends early is padded with zero units, so equal prefixes are
// settled by comparing the whole keys.
struct KeyPrefix {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

KeyPrefix PrefixOf(std::string_view key) {
    KeyPrefix prefix;
    std::size_t p = 0;
    for (int unit = 0; unit < 8; ++unit) {
        std::uint64_t value = 0;
        if (p < key.size()) {
            const std::size_t next = NextChar(key, p);
            value = static_cast<unsigned char>(key[p]);
            if (next - p == 2) value = value << 8 | static_cast<unsigned char>(key[p + 1]);
            p = next;
        }
        std::uint64_t& word = unit < 4 ? prefix.high : prefix.low;
        word = word << 16 | value;
    }
    return prefix;
}

struct SortEntry {
    KeyPrefix prefix;
    std::uint32_t index;
};

}  // namespace

void InsertEmptyLine(CLineStore& lines, std::size_t at, int width) {
    lines.insert(at, std::string(static_cast<std::size_t>(std::max(0, width - 1)), kTab));
}

void DuplicateLine(CLineStore& lines, std::size_t index) {
    // The copy is taken first: inserting may move the line index under the view.
    const std::string copy(lines[index]);
    lines.insert(index + 1, copy);
}

void EraseLines(CLineStore& lines, std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    while (!indices.empty() && indices.back() >= lines.size()) indices.pop_back();
    lines.erase(indices);
}

std::string_view FieldOf(std::string_view row, int col) {
    std::size_t start = 0;
    for (int i = 1; i < col; ++i) {
        const std::size_t tab = row.find(kTab, start);
        if (tab == std::string_view::npos) return {};
        start = tab + 1;
    }
    if (row.empty()) return {};
    const std::size_t end = row.find(kTab, start);
    return row.substr(start, end == std::string_view::npos ? row.size() - start : end - start);
}

std::vector<std::uint32_t> SortedLineOrder(const CLineStore& lines, std::size_t first,
                                           const std::vector<int>& keyCols, bool descending) {
    const std::size_t count = first < lines.size() ? lines.size() - first : 0;
    const std::size_t keysPerLine = keyCols.size();
    // The keys are taken once, as views of the rows; no row is split per comparison.
    std::vector<std::string_view> keys(count * keysPerLine);
    std::vector<SortEntry> entries(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view row = lines[first + i];
        for (std::size_t k = 0; k < keysPerLine; ++k) keys[i * keysPerLine + k] = FieldOf(row, keyCols[k]);
        entries[i].prefix = keysPerLine ? PrefixOf(keys[i * keysPerLine]) : KeyPrefix{};
        entries[i].index = static_cast<std::uint32_t>(i);
    }
    auto compareKeys = [&](const SortEntry& a, const SortEntry& b) {
        if (a.prefix.high != b.prefix.high) return a.prefix.high < b.prefix.high ? -1 : 1;
        if (a.prefix.low != b.prefix.low) return a.prefix.low < b.prefix.low ? -1 : 1;
        for (std::size_t k = 0; k < keysPerLine; ++k) {
            const int c = CompareSjis(keys[a.index * keysPerLine + k], keys[b.index * keysPerLine + k]);
            if (c != 0) return c;
        }
        return 0;
    };
    // Ties fall back on the store order, which makes the order total and the sort stable.
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        const int c = compareKeys(a, b);
        if (c != 0) return descending ? c > 0 : c < 0;
        return a.index < b.index;
    });
    std::vector<std::uint32_t> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = entries[i].index;
    return order;
}

void SortLines(CLineStore& lines, std::size_t first, const std::vector<int>& keyCols, bool descending) {
    if (first >= lines.size() || lines.size() - first < 2) return;
    lines.reorder(first, SortedLineOrder(lines, first, keyCols, descending));
}

int TransposeLines(const CLineStore& lines, int width, CLineStore& out, ProgressScope& progress) {
    const std::size_t count = lines.size();
    int columns = width;
    // Where the next field of each line starts, or kNoField past its last field.
    std::vector<std::size_t> cursor(count);
    for (std::size_t j = 0; j < count; ++j) {
        cursor[j] = lines[j].empty() ? kNoField : 0;
        columns = std::max(columns, RowFieldCount(lines[j]));
    }
    std::string row;
    for (int i = 0; i < columns; ++i) {
        row.clear();
        for (std::size_t j = 0; j < count; ++j) {
            if (j) row += kTab;
            std::size_t& at = cursor[j];
            if (at == kNoField) continue;
            const std::string_view line = lines[j];
            const void* tab = std::memchr(line.data() + at, kTab, line.size() - at);
            const std::size_t end = tab ? static_cast<std::size_t>(static_cast<const char*>(tab) - line.data()) : line.size();
            row.append(line.data() + at, end - at);
            at = tab ? end + 1 : kNoField;
        }
        out.push_back(row);
        progress.setPos(i + 1);
    }
    return static_cast<int>(count);
}

}  // namespace tabrix
