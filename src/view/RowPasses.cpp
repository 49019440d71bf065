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

// A line's keys as 16-bit units that order as the key comparison does: each
// character is one unit, one more than its code (a single-byte character
// its byte, a double-byte one lead * 256 + trail), and the keys are parted
// by a zero unit, which sorts below every character as the end of a shorter
// key does. The first units, packed four to a number, let most comparisons
// look at numbers only; when the units of both lines fit, equal numbers mean
// equal keys and no row is read again.
constexpr int kUnitsPerWord = 4;

// Calls put(unit) for each unit of the keys until it returns false.
template <typename Put>
void ForEachUnit(const std::string_view* keys, std::size_t count, Put put) {
    for (std::size_t k = 0; k < count; ++k) {
        if (k && !put(0)) return;
        const std::string_view key = keys[k];
        for (std::size_t p = 0; p < key.size();) {
            const std::size_t next = NextChar(key, p);
            std::uint64_t code = static_cast<unsigned char>(key[p]);
            if (next - p == 2) code = code << 8 | static_cast<unsigned char>(key[p + 1]);
            if (!put(code + 1)) return;
            p = next;
        }
    }
}

template <int Words>
struct SortEntry {
    std::uint64_t words[Words] = {};
    std::uint32_t index = 0;
    bool complete = true;  // every unit of the keys is in words
};

template <int Words>
SortEntry<Words> PrefixOf(const std::string_view* keys, std::size_t count) {
    SortEntry<Words> entry;
    int units = 0;
    ForEachUnit(keys, count, [&](std::uint64_t unit) {
        if (units == Words * kUnitsPerWord) {
            entry.complete = false;
            return false;
        }
        entry.words[units / kUnitsPerWord] |= unit << (16 * (kUnitsPerWord - 1 - units % kUnitsPerWord));
        ++units;
        return true;
    });
    return entry;
}

// The order of the lines by their keys (keysPerLine views per line).
template <int Words>
std::vector<std::uint32_t> OrderByKeys(const std::vector<std::string_view>& keys, std::size_t keysPerLine,
                                       bool descending) {
    const std::size_t count = keysPerLine ? keys.size() / keysPerLine : 0;
    std::vector<SortEntry<Words>> entries(count);
    for (std::size_t i = 0; i < count; ++i) {
        entries[i] = PrefixOf<Words>(&keys[i * keysPerLine], keysPerLine);
        entries[i].index = static_cast<std::uint32_t>(i);
    }
    auto compareKeys = [&](const SortEntry<Words>& a, const SortEntry<Words>& b) {
        for (int w = 0; w < Words; ++w)
            if (a.words[w] != b.words[w]) return a.words[w] < b.words[w] ? -1 : 1;
        if (a.complete && b.complete) return 0;
        for (std::size_t k = 0; k < keysPerLine; ++k) {
            const int c = CompareSjis(keys[a.index * keysPerLine + k], keys[b.index * keysPerLine + k]);
            if (c != 0) return c;
        }
        return 0;
    };
    // Ties fall back on the store order, which makes the order total and the sort stable.
    std::sort(entries.begin(), entries.end(), [&](const SortEntry<Words>& a, const SortEntry<Words>& b) {
        const int c = compareKeys(a, b);
        if (c != 0) return descending ? c > 0 : c < 0;
        return a.index < b.index;
    });
    std::vector<std::uint32_t> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = entries[i].index;
    return order;
}

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
    if (keysPerLine == 0) {
        std::vector<std::uint32_t> order(count);
        for (std::size_t i = 0; i < count; ++i) order[i] = static_cast<std::uint32_t>(i);
        return order;
    }
    // The keys are taken once, as views of the rows; no row is split per comparison.
    std::vector<std::string_view> keys(count * keysPerLine);
    int longest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view row = lines[first + i];
        for (std::size_t k = 0; k < keysPerLine; ++k) keys[i * keysPerLine + k] = FieldOf(row, keyCols[k]);
        int units = 0;
        ForEachUnit(&keys[i * keysPerLine], keysPerLine, [&](std::uint64_t) { return ++units <= 16; });
        longest = std::max(longest, units);
    }
    // Short keys sort on small entries; longer ones carry more of themselves.
    if (longest <= 2 * kUnitsPerWord) return OrderByKeys<2>(keys, keysPerLine, descending);
    return OrderByKeys<4>(keys, keysPerLine, descending);
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
