#include "view/Aggregation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

#include "document/LineStore.h"
#include "schema/DecimalNumber.h"
#include "text/LeadingNumber.h"
#include "text/NumberText.h"
#include "text/Record.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr const char* kConvertCaption = "データ変換";
constexpr const char* kSortCaption = "ソート中";
constexpr const char* kGroupCaption = "データ集計";
constexpr const char* kDropCaption = "非表示削除";

// The first fields of row strings, found without copying them; fields a row
// lacks are empty.
class FieldPicker {
public:
    explicit FieldPicker(int count) : m_fields(static_cast<std::size_t>(std::max(count, 0))) {}
    const std::vector<std::string_view>& pick(std::string_view row) {
        std::size_t begin = 0;
        for (std::string_view& field : m_fields) {
            if (begin > row.size()) {
                field = {};
                continue;
            }
            const std::size_t tab = row.find(kTab, begin);
            const std::size_t end = tab == std::string_view::npos ? row.size() : tab;
            field = row.substr(begin, end - begin);
            begin = end + 1;
        }
        return m_fields;
    }

private:
    std::vector<std::string_view> m_fields;
};

// Calls visit(line, row) for every data line the row filter passes.
template <typename Visit>
void ForEachPassingLine(const DataLines& data, IProgress& progress, Visit&& visit) {
    std::vector<std::string> fields;
    for (std::size_t i = data.first; i < data.lines.size(); ++i) {
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
        const std::string_view row = data.lines[i];
        if (data.rowPasses) {
            SplitFields(row, fields, std::max(data.width, RowFieldCount(row)));
            if (!data.rowPasses(fields)) continue;
        }
        visit(i, row);
    }
}

constexpr char FoldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Equal but for the case of ASCII letters. Only a character of its own can
// be a letter: the trail byte of a double-byte character never is.
bool EqualFoldingCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t p = 0; p < a.size();) {
        if (IsDoubleByteAt(a, p)) {
            if (a[p] != b[p] || a[p + 1] != b[p + 1]) return false;
            p += 2;
        } else {
            if (FoldCase(a[p]) != FoldCase(b[p])) return false;
            ++p;
        }
    }
    return true;
}

// Bytes that stay where they are for the life of the pass.
class ByteArena {
public:
    std::string_view keep(std::string_view bytes) {
        if (bytes.size() > m_room) {
            const std::size_t size = std::max<std::size_t>(bytes.size(), 1u << 20);
            m_chunks.push_back(std::make_unique<char[]>(size));
            m_cursor = m_chunks.back().get();
            m_room = size;
        }
        char* at = m_cursor;
        std::copy(bytes.begin(), bytes.end(), at);
        m_cursor += bytes.size();
        m_room -= bytes.size();
        return {at, bytes.size()};
    }

private:
    std::vector<std::unique_ptr<char[]>> m_chunks;
    char* m_cursor = nullptr;
    std::size_t m_room = 0;
};

struct DistinctKey {
    std::string_view key;
    std::size_t hash;
    std::uint64_t count;
};

// The distinct combined keys, by open addressing over their indices.
class KeyTable {
public:
    KeyTable() : m_slots(1024, 0) {}

    // The index of the key, added with count 0 when it is new. A key that
    // does not live as long as the table (built, not in the store) is copied.
    std::uint32_t find(std::string_view key, bool keep) {
        const std::size_t hash = std::hash<std::string_view>{}(key);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            const std::uint32_t entry = m_slots[slot];
            if (entry == 0) {
                keys.push_back({keep ? m_arena.keep(key) : key, hash, 0});
                m_slots[slot] = static_cast<std::uint32_t>(keys.size());
                if (keys.size() * 2 > m_slots.size()) grow();
                return static_cast<std::uint32_t>(keys.size() - 1);
            }
            const DistinctKey& known = keys[entry - 1];
            if (known.hash == hash && known.key == key) return entry - 1;
        }
    }
    // The slots are not needed once every line was looked up.
    void dropIndex() { std::vector<std::uint32_t>().swap(m_slots); }

    std::vector<DistinctKey> keys;

private:
    void grow() {
        std::vector<std::uint32_t> slots(m_slots.size() * 2, 0);
        const std::size_t mask = slots.size() - 1;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            std::size_t slot = keys[i].hash & mask;
            while (slots[slot] != 0) slot = (slot + 1) & mask;
            slots[slot] = static_cast<std::uint32_t>(i + 1);
        }
        m_slots.swap(slots);
    }

    std::vector<std::uint32_t> m_slots;
    ByteArena m_arena;
};

// Sum, maximum and minimum of one calculation column of a group.
struct Accumulator {
    double sum = 0;
    double max = 0;
    double min = 0;

    void add(double value, bool first) {
        if (first) {
            *this = {value, value, value};
            return;
        }
        sum += value;
        max = std::max(max, value);
        min = std::min(min, value);
    }
    void merge(const Accumulator& other, bool first) {
        if (first) {
            *this = other;
            return;
        }
        sum += other.sum;
        max = std::max(max, other.max);
        min = std::min(min, other.min);
    }
};

// The indices of the keys in byte order. The first eight bytes of each key
// sit beside its index, so that most comparisons never leave the array.
std::vector<std::uint32_t> SortedKeys(const std::vector<DistinctKey>& keys) {
    struct Entry {
        std::uint64_t prefix;  // the first eight bytes, big-endian, zero-padded
        std::uint32_t index;
    };
    std::vector<Entry> entries(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::uint64_t prefix = 0;
        const std::string_view key = keys[i].key;
        for (std::size_t b = 0; b < 8; ++b)
            prefix = (prefix << 8) | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
        entries[i] = {prefix, static_cast<std::uint32_t>(i)};
    }
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        return keys[a.index].key < keys[b.index].key;
    });
    std::vector<std::uint32_t> order(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) order[i] = entries[i].index;
    return order;
}

// A group: a run of distinct keys in sorted order, the first of which names it.
struct Group {
    std::uint32_t firstKey;  // position in the sorted order
    std::uint32_t keyCount;
    std::uint64_t count;
};

std::string Format(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

class Layout {
public:
    Layout(const CSumParamDlg& params, CSummaryDlg& result)
        : m_params(params), m_table(result.m_table), m_keys(params.usedKeys()), m_calcs(params.usedCalcs()) {}

    void titles(std::uint64_t valueColumns) {
        for (const int key : m_keys) m_table.addColumn(Format("キー列(%d)", key), false);
        if (m_params.m_bKeyCount) m_table.addColumn("キーの個数", true);
        if (m_params.m_nOutput == CSumParamDlg::Data) {
            for (std::uint64_t v = 1; v <= valueColumns; ++v) m_table.addColumn(Format("値(%d)", static_cast<int>(v)), false);
            return;
        }
        static constexpr std::array<const char*, CSumParamDlg::kAggregates> kTitles = {
            "列(%d)の合計", "列(%d)の平均", "列(%d)の最大", "列(%d)の最小"};
        for (const int calc : m_calcs)
            for (int kind = 0; kind < CSumParamDlg::kAggregates; ++kind)
                if (m_params.m_bAggregate[static_cast<std::size_t>(kind)]) m_table.addColumn(Format(kTitles[static_cast<std::size_t>(kind)], calc), true);
    }

    // The key cells (the combined key cut at its TABs) and the count.
    void keyCells(std::string_view combined, std::uint64_t count) {
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            const std::size_t tab = combined.find(kTab);
            m_table.appendCell(combined.substr(0, tab));
            combined = tab == std::string_view::npos ? std::string_view() : combined.substr(tab + 1);
        }
        if (m_params.m_bKeyCount) m_table.appendCell(FixedNotation(static_cast<double>(count), 0));
    }
    void blankKeyCells() {
        const std::size_t blanks = m_keys.size() + (m_params.m_bKeyCount ? 1 : 0);
        for (std::size_t i = 0; i < blanks; ++i) m_table.appendCell({});
    }
    void totalKeyCells(std::uint64_t count) {
        m_table.appendCell(CSummaryDlg::kTotalRowTitle);
        for (std::size_t i = 1; i < m_keys.size(); ++i) m_table.appendCell({});
        if (m_params.m_bKeyCount) m_table.appendCell(FixedNotation(static_cast<double>(count), 0));
    }

    // The chosen aggregates of one calculation column.
    void aggregateCells(const Accumulator& acc, double average) {
        const double values[] = {acc.sum, average, acc.max, acc.min};
        for (std::size_t kind = 0; kind < std::size(values); ++kind)
            if (m_params.m_bAggregate[kind])
                m_table.appendCell(FixedNotation(values[kind], m_params.m_bDecimals[kind] ? 2 : 0));
    }

    bool totalRowWanted() const {
        if (m_params.m_nOutput != CSumParamDlg::Values || !m_params.m_bTotalRow) return false;
        const bool anyAggregate = std::find(m_params.m_bAggregate.begin(), m_params.m_bAggregate.end(), true) !=
                                  m_params.m_bAggregate.end();
        return m_params.m_bKeyCount || anyAggregate;
    }

private:
    const CSumParamDlg& m_params;
    CSummaryTable& m_table;
    std::vector<int> m_keys;
    std::vector<int> m_calcs;
};

}  // namespace

std::string TimeOfDay(const LocalDateTime& moment) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
    return text;
}

ColumnTotal TotalColumn(const DataLines& data, int col, IProgress& progress) {
    ColumnTotal total;
    if (col < 1) return total;
    ProgressScope scope(progress, kConvertCaption, static_cast<std::int64_t>(data.lines.size()));
    FieldPicker picker(col);
    ForEachPassingLine(data, progress, [&](std::size_t, std::string_view row) {
        // A sign or a comma alone is numeric text, but holds no number to add.
        const std::string_view value = picker.pick(row)[static_cast<std::size_t>(col - 1)];
        if (value.find_first_of("0123456789") == std::string_view::npos || !IsNumericText(value)) return;
        total.sum += LeadingDecimal(value);
        ++total.count;
    });
    return total;
}

CSummaryDlg AggregateLines(const DataLines& data, const CSumParamDlg& params, IProgress& progress, const Clock& clock) {
    const std::string start = TimeOfDay(clock.now());
    const bool dataMode = params.m_nOutput == CSumParamDlg::Data;
    const std::vector<int> keyCols = params.usedKeys();
    const std::vector<int> calcCols = params.usedCalcs();
    const std::size_t calcs = calcCols.size();
    int widest = 0;
    for (const int col : keyCols) widest = std::max(widest, col);
    for (const int col : calcCols) widest = std::max(widest, col);

    KeyTable table;
    std::vector<Accumulator> acc;  // per distinct key, one per calculation column
    struct Record {
        std::uint32_t line;
        std::uint32_t key;
    };
    std::vector<Record> records;  // "データ": every passing line with its key
    std::uint64_t recordCount = 0;
    std::vector<Group> groups;
    std::vector<std::uint32_t> order;  // distinct keys sorted
    std::vector<Accumulator> groupAcc;
    {
        ProgressScope scope(progress, kConvertCaption, static_cast<std::int64_t>(data.lines.size()));
        FieldPicker picker(widest);
        std::string combined;
        ForEachPassingLine(data, progress, [&](std::size_t line, std::string_view row) {
            const std::vector<std::string_view>& fields = picker.pick(row);
            std::uint32_t key = 0;
            if (keyCols.size() == 1) {
                key = table.find(fields[static_cast<std::size_t>(keyCols[0] - 1)], false);
            } else {
                combined.clear();
                for (std::size_t i = 0; i < keyCols.size(); ++i) {
                    if (i > 0) combined += kTab;
                    combined += fields[static_cast<std::size_t>(keyCols[i] - 1)];
                }
                key = table.find(combined, true);
            }
            DistinctKey& entry = table.keys[key];
            ++recordCount;
            if (dataMode) {
                records.push_back({static_cast<std::uint32_t>(line), key});
            } else {
                if (acc.size() < table.keys.size() * calcs) acc.resize(table.keys.size() * calcs);
                Accumulator* sums = &acc[key * calcs];
                for (std::size_t j = 0; j < calcs; ++j)
                    sums[j].add(LeadingDecimal(fields[static_cast<std::size_t>(calcCols[j] - 1)]), entry.count == 0);
            }
            ++entry.count;
        });
        table.dropIndex();

        progress.setText(kSortCaption);
        const std::vector<DistinctKey>& keys = table.keys;
        order = SortedKeys(keys);

        progress.setText(kGroupCaption);
        progress.setRange(static_cast<std::int64_t>(recordCount));
        std::uint64_t merged = 0;
        for (std::size_t i = 0; i < order.size();) {
            Group group{static_cast<std::uint32_t>(i), 0, 0};
            const std::string_view first = keys[order[i]].key;
            if (!dataMode) groupAcc.resize(groupAcc.size() + calcs);
            Accumulator* sums = dataMode ? nullptr : &groupAcc[groupAcc.size() - calcs];
            do {
                const std::uint32_t k = order[i];
                if (sums)
                    for (std::size_t j = 0; j < calcs; ++j) sums[j].merge(acc[k * calcs + j], group.keyCount == 0);
                group.count += keys[k].count;
                ++group.keyCount;
                ++i;
            } while (i < order.size() && EqualFoldingCase(keys[order[i]].key, first));
            groups.push_back(group);
            merged += group.count;
            if ((groups.size() & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(merged));
        }
        std::vector<Accumulator>().swap(acc);

        if (dataMode && (params.m_nMinCount != CSumParamDlg::kUnused || params.m_nMaxCount != CSumParamDlg::kUnused)) {
            progress.setText(kDropCaption);
            const auto dropped = [&](const Group& g) {
                const auto count = static_cast<long long>(g.count);
                return (params.m_nMinCount != CSumParamDlg::kUnused && count <= params.m_nMinCount) ||
                       (params.m_nMaxCount != CSumParamDlg::kUnused && count >= params.m_nMaxCount);
            };
            groups.erase(std::remove_if(groups.begin(), groups.end(), dropped), groups.end());
        }
    }

    CSummaryDlg result;
    char title[256];
    std::snprintf(title, sizeof title, CSummaryDlg::kTitleFormat, static_cast<int>(recordCount), start.c_str(),
                  TimeOfDay(clock.now()).c_str());
    result.m_strTitle = title;
    Layout layout(params, result);
    const std::vector<DistinctKey>& keys = table.keys;
    CSummaryTable& cells = result.m_table;

    if (!dataMode) {
        layout.titles(0);
        const std::size_t rows = groups.size() + 1;
        std::size_t keyBytes = 0;
        for (const Group& g : groups) keyBytes += keys[order[g.firstKey]].key.size();
        cells.reserve(rows, rows * static_cast<std::size_t>(result.columnCount()),
                      keyBytes + rows * static_cast<std::size_t>(result.columnCount()) * 8);
        const Accumulator* sums = groupAcc.data();
        std::vector<Accumulator> totals(calcs);
        std::vector<double> averageSums(calcs, 0.0);
        std::uint64_t totalCount = 0;
        for (std::size_t g = 0; g < groups.size(); ++g, sums += calcs) {
            const Group& group = groups[g];
            const auto count = static_cast<double>(group.count);
            cells.startRow();
            layout.keyCells(keys[order[group.firstKey]].key, group.count);
            for (std::size_t j = 0; j < calcs; ++j) {
                layout.aggregateCells(sums[j], sums[j].sum / count);
                totals[j].merge(sums[j], g == 0);
                averageSums[j] += sums[j].sum / count;
            }
            totalCount += group.count;
        }
        // No group, no totals row: nothing to average and no maximum to show.
        if (layout.totalRowWanted() && !groups.empty()) {
            cells.startRow();
            layout.totalKeyCells(totalCount);
            // Its average is the mean of the group averages.
            for (std::size_t j = 0; j < calcs; ++j)
                layout.aggregateCells(totals[j], averageSums[j] / static_cast<double>(groups.size()));
            result.m_bTotalRow = true;
        }
        result.resetOrder();
        return result;
    }

    // "データ": the lines of every kept group, in store order.
    std::vector<std::uint32_t> groupOfKey(keys.size(), UINT32_MAX);
    std::uint64_t widestGroup = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::uint32_t k = 0; k < groups[g].keyCount; ++k) groupOfKey[order[groups[g].firstKey + k]] = static_cast<std::uint32_t>(g);
        widestGroup = std::max(widestGroup, groups[g].count);
    }
    std::vector<std::size_t> begin(groups.size() + 1, 0);
    for (std::size_t g = 0; g < groups.size(); ++g) begin[g + 1] = begin[g] + groups[g].count;
    std::vector<std::uint32_t> lines(begin.back());
    {
        std::vector<std::size_t> next(begin.begin(), begin.end() - 1);
        for (const Record& r : records)
            if (const std::uint32_t g = groupOfKey[r.key]; g != UINT32_MAX) lines[next[g]++] = r.line;
    }
    std::vector<Record>().swap(records);

    layout.titles(widestGroup);
    FieldPicker picker(widest);
    const std::string prefix = params.m_bQuotePrefix ? "'" : "";
    std::string joined;
    std::string value;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t j = 0; j < calcs; ++j) {
            cells.startRow();
            if (j == 0 || params.m_bKeyEveryRow)
                layout.keyCells(keys[order[groups[g].firstKey]].key, groups[g].count);
            else
                layout.blankKeyCells();
            const auto field = static_cast<std::size_t>(calcCols[j] - 1);
            joined = prefix;
            for (std::size_t i = begin[g]; i < begin[g + 1]; ++i) {
                const std::string_view v = picker.pick(data.lines[lines[i]])[field];
                if (params.m_bOneCell) {
                    if (i > begin[g]) joined += params.m_strSeparator;
                    joined += v;
                } else {
                    value = prefix;
                    value += v;
                    cells.appendCell(value);
                }
            }
            if (params.m_bOneCell) cells.appendCell(joined);
        }
    }
    result.resetOrder();
    return result;
}

}  // namespace tabrix
