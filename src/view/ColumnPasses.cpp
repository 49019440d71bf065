#include "view/ColumnPasses.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "text/Replace.h"
#include "text/SjisSearch.h"
#include "text/ValueEdit.h"
#include "view/RowPasses.h"

namespace tabrix {

namespace {

constexpr std::size_t kProgressEvery = 4096;

void Advance(ProgressScope& progress, std::size_t line) {
    if (line % kProgressEvery == 0) progress.setPos(static_cast<std::int64_t>(line));
}

// The fields of a row as views: width of them, or the row's own count when it is wider.
void SplitViews(std::string_view row, int width, std::vector<std::string_view>& fields) {
    fields.clear();
    if (!row.empty()) {
        const char* p = row.data();
        const char* const end = p + row.size();
        while (true) {
            const char* tab = static_cast<const char*>(std::memchr(p, kTab, static_cast<std::size_t>(end - p)));
            fields.emplace_back(p, static_cast<std::size_t>((tab ? tab : end) - p));
            if (!tab) break;
            p = tab + 1;
        }
    }
    if (fields.size() < static_cast<std::size_t>(std::max(0, width))) fields.resize(static_cast<std::size_t>(width));
}

void Join(const std::vector<std::string_view>& fields, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += kTab;
        out.append(fields[i]);
    }
}

// Rebuilds every line with build(row, out), releasing the old rows' memory as
// the pass goes.
template <typename Build>
void RebuildLines(CLineStore& lines, ProgressScope& progress, Build build) {
    lines.rebuild([&](std::size_t line, std::string_view row, std::string& out) {
        build(row, out);
        Advance(progress, line);
    });
}

// Runs change(fields) over the lines from first that pass; a line is stored
// again only when change reports that it changed.
template <typename Change>
std::size_t ChangeFields(CTabrixDoc& doc, std::size_t first, const LinePasses& passes, ProgressScope& progress,
                         Change change) {
    CLineStore& lines = doc.lines();
    const int width = doc.columnCount();
    std::vector<std::string> fields;
    std::string joined;
    std::size_t changed = 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view row = lines[i];
        const int rowWidth = std::max(width, RowFieldCount(row));
        SplitFields(row, fields, rowWidth);
        if ((!passes || passes(fields)) && change(fields)) {
            JoinFields(fields, rowWidth, kTab, joined);
            if (joined != row) {
                lines.set(i, joined);
                ++changed;
            }
        }
        Advance(progress, i);
    }
    return changed;
}

}  // namespace

std::size_t CopyColumn(CTabrixDoc& doc, int source, int dest, std::size_t first, const LinePasses& passes,
                       ProgressScope& progress) {
    return ChangeFields(doc, first, passes, progress, [&](std::vector<std::string>& fields) {
        fields[static_cast<std::size_t>(dest - 1)] = fields[static_cast<std::size_t>(source - 1)];
        return true;
    });
}

std::size_t ClearColumns(CTabrixDoc& doc, const std::vector<int>& cols, std::size_t first, const LinePasses& passes,
                         ProgressScope& progress) {
    return ChangeFields(doc, first, passes, progress, [&](std::vector<std::string>& fields) {
        for (int col : cols) fields[static_cast<std::size_t>(col - 1)].clear();
        return true;
    });
}

bool ReplaceRule::apply(std::string& value) const {
    if (nonEmptyOnly) {
        if (value.empty()) return false;
        value = with;
        return true;
    }
    if (unconditional || (value.empty() && find.empty())) {
        value = with;
        return true;
    }
    if (find.empty()) return false;
    return ReplaceAll(value, find, with) > 0;
}

std::size_t ReplaceInColumns(CTabrixDoc& doc, const std::vector<int>& cols, const ReplaceRule& rule, std::size_t first,
                             const LinePasses& passes, ProgressScope& progress) {
    return ChangeFields(doc, first, passes, progress, [&](std::vector<std::string>& fields) {
        bool changed = false;
        for (int col : cols) changed = rule.apply(fields[static_cast<std::size_t>(col - 1)]) || changed;
        return changed;
    });
}

// Where field index of a row starts, and the row's field count; the start
// is npos when the row has fewer fields.
std::size_t FieldStart(std::string_view row, int index, int& fields) {
    std::size_t start = index == 0 ? 0 : std::string_view::npos;
    fields = row.empty() ? 0 : 1;
    for (std::size_t p = 0; !row.empty();) {
        const void* tab = std::memchr(row.data() + p, kTab, row.size() - p);
        if (!tab) break;
        p = static_cast<std::size_t>(static_cast<const char*>(tab) - row.data()) + 1;
        if (fields++ == index) start = p;
    }
    return start;
}

void InsertFields(CLineStore& lines, int width, bool titleLine, int after, int count, const std::string& title,
                  const std::string& value, ProgressScope& progress) {
    std::vector<std::string_view> fields;
    std::size_t line = 0;
    RebuildLines(lines, progress, [&](std::string_view row, std::string& out) {
        const std::string_view added = titleLine && line++ == 0 ? std::string_view(title) : std::string_view(value);
        // A row of the full width takes the new fields where they go, unsplit.
        int rowFields = 0;
        const std::size_t start = FieldStart(row, after, rowFields);
        if (rowFields > 0 && rowFields >= width && rowFields >= after) {
            out.clear();
            if (after == rowFields) {
                out.append(row);
                for (int i = 0; i < count; ++i) (out += kTab).append(added);
            } else {
                out.append(row.substr(0, start));
                for (int i = 0; i < count; ++i) out.append(added) += kTab;
                out.append(row.substr(start));
            }
            return;
        }
        SplitViews(row, width, fields);
        fields.insert(fields.begin() + after, static_cast<std::size_t>(count), added);
        Join(fields, out);
    });
}

void DeleteFields(CLineStore& lines, int width, const std::vector<int>& cols, ProgressScope& progress) {
    std::vector<std::string_view> fields;
    std::vector<std::string_view> kept;
    RebuildLines(lines, progress, [&](std::string_view row, std::string& out) {
        SplitViews(row, width, fields);
        kept.clear();
        std::size_t next = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (next < cols.size() && static_cast<std::size_t>(cols[next]) == i + 1) {
                ++next;
                continue;
            }
            kept.push_back(fields[i]);
        }
        Join(kept, out);
    });
}

void InsertColumns(CTabrixDoc& doc, int after, int count, const std::string& title, const std::string& value,
                   ProgressScope& progress) {
    InsertFields(doc.lines(), doc.columnCount(), doc.m_bTitleLine, after, count, title, value, progress);
    for (int i = 1; i <= count; ++i) doc.m_CtrlFile.InsertColDef(after + i);
}

void DeleteColumns(CTabrixDoc& doc, const std::vector<int>& cols, ProgressScope& progress) {
    DeleteFields(doc.lines(), doc.columnCount(), cols, progress);
    for (auto it = cols.rbegin(); it != cols.rend(); ++it) doc.m_CtrlFile.DeleteColDef(*it);
}

void MergeColumns(CTabrixDoc& doc, int first, int last, const std::string& separator, bool rightToLeft,
                  ProgressScope& progress) {
    const int width = doc.columnCount();
    std::vector<std::string_view> fields;
    std::string merged;
    RebuildLines(doc.lines(), progress, [&](std::string_view row, std::string& out) {
        SplitViews(row, width, fields);
        merged.clear();
        for (int k = 0; k <= last - first; ++k) {
            if (k) merged += separator;
            merged.append(fields[static_cast<std::size_t>(rightToLeft ? last - 1 - k : first - 1 + k)]);
        }
        fields[static_cast<std::size_t>(first - 1)] = merged;
        fields.erase(fields.begin() + first, fields.begin() + last);
        Join(fields, out);
    });
    // The merged column keeps the record of the first column.
    for (int k = first; k < last; ++k) doc.m_CtrlFile.DeleteColDef(first + 1);
}

bool SplitRule::cut(std::string_view text, std::size_t& firstLength, std::size_t& restStart) const {
    if (separator.empty()) {
        firstLength = restStart = LeftBytesLength(text, bytes);
        // A byte count too small for the next character makes no progress.
        return restStart < text.size() && firstLength > 0;
    }
    const std::size_t at = FindSjis(text, separator);
    if (at == std::string_view::npos) {
        firstLength = restStart = text.size();
        return false;
    }
    firstLength = at;
    restStart = at + separator.size();
    return true;
}

int SplitPassCount(const CTabrixDoc& doc, int col, const SplitRule& rule, bool repeat) {
    if (!repeat) return 1;
    const CLineStore& lines = doc.lines();
    // The repetition ends with the first pass that fails in some line: the
    // fewest cuts any line allows, plus that last pass.
    int passes = -1;
    for (std::size_t i = 0; i < lines.size() && passes != 1; ++i) {
        std::string_view rest = FieldOf(lines[i], col);
        std::size_t firstLength = 0;
        std::size_t restStart = 0;
        int n = 1;
        while ((passes < 0 || n < passes) && rule.cut(rest, firstLength, restStart)) {
            rest.remove_prefix(restStart);
            ++n;
        }
        if (passes < 0 || n < passes) passes = n;
    }
    return std::max(1, passes);
}

void SplitColumn(CTabrixDoc& doc, int col, const SplitRule& rule, int passes, ProgressScope& progress) {
    const int width = doc.columnCount();
    std::vector<std::string_view> fields;
    std::vector<std::string_view> pieces(static_cast<std::size_t>(passes) + 1);
    RebuildLines(doc.lines(), progress, [&](std::string_view row, std::string& out) {
        SplitViews(row, width, fields);
        std::string_view rest = fields[static_cast<std::size_t>(col - 1)];
        for (int k = 0; k < passes; ++k) {
            std::size_t firstLength = 0;
            std::size_t restStart = 0;
            rule.cut(rest, firstLength, restStart);
            pieces[static_cast<std::size_t>(k)] = rest.substr(0, firstLength);
            rest.remove_prefix(restStart);
        }
        pieces[static_cast<std::size_t>(passes)] = rest;
        fields.erase(fields.begin() + (col - 1));
        fields.insert(fields.begin() + (col - 1), pieces.begin(), pieces.end());
        Join(fields, out);
    });
    for (int k = 1; k <= passes; ++k) doc.m_CtrlFile.InsertColDef(col + k);
}

void ReorderColumns(CTabrixDoc& doc, const std::vector<int>& order, ProgressScope& progress) {
    const int width = doc.columnCount();
    std::vector<std::string_view> fields;
    std::vector<std::string_view> moved;
    RebuildLines(doc.lines(), progress, [&](std::string_view row, std::string& out) {
        SplitViews(row, width, fields);
        moved.clear();
        for (int col : order) moved.push_back(fields[static_cast<std::size_t>(col - 1)]);
        // Fields past the column count keep their places after it.
        moved.insert(moved.end(), fields.begin() + static_cast<std::ptrdiff_t>(order.size()), fields.end());
        Join(moved, out);
    });
    doc.m_CtrlFile.ReorderColDefs(order);
}

void SetTitleField(CTabrixDoc& doc, int col, const std::string& title) {
    CLineStore& lines = doc.lines();
    if (lines.empty()) return;
    std::vector<std::string> fields;
    const int width = std::max(doc.columnCount(), RowFieldCount(lines[0]));
    SplitFields(lines[0], fields, width);
    fields[static_cast<std::size_t>(col - 1)] = title;
    lines.set(0, JoinFields(fields, width, kTab));
}

}  // namespace tabrix
