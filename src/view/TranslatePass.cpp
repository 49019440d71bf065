#include "view/TranslatePass.h"

#include <algorithm>
#include <cstring>

#include "document/TabrixDoc.h"
#include "schema/TranTable.h"
#include "text/Record.h"

namespace tabrix {

namespace {

// The fields of a row string as views: width of them, or the row's own count when it is wider.
void SplitViews(std::string_view row, std::size_t width, std::vector<std::string_view>& fields) {
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
    if (fields.size() < width) fields.resize(width);
}

}  // namespace

TranslateCounts TranslateColumn(CTabrixDoc& doc, CTranCtrl& tran, const TranslatePlacement& where, std::size_t first,
                                const LinePasses& passes, ProgressScope& progress) {
    CLineStore& lines = doc.lines();
    const std::size_t width = static_cast<std::size_t>(std::max(0, doc.columnCount()));
    const std::size_t names = tran.m_NamePos.size();
    const std::size_t added = where.addColumns ? names : 0;
    const std::size_t after = std::min(static_cast<std::size_t>(std::max(0, where.insertAfter)), width);
    // The code's field as the row stands before the insertion.
    const std::size_t keyField = static_cast<std::size_t>(std::max(1, where.keyCol) - 1);
    const bool marks = doc.m_bHanspDisp || doc.m_bZenspDisp;

    TranslateCounts counts;
    if (names == 0) return counts;
    CLineStore fresh;
    fresh.reserve(lines.size());
    std::vector<std::string_view> fields;
    std::vector<std::string> filterFields;  // only while the filter is on
    std::vector<std::string_view> found(names);
    std::vector<std::string> marked(marks ? names : 0);
    std::string key;
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view row = lines[i];
        SplitViews(row, width, fields);
        bool translate = i >= first && keyField < fields.size();
        if (translate && passes) {
            filterFields.assign(fields.begin(), fields.end());
            translate = passes(filterFields);
        }
        std::fill(found.begin(), found.end(), std::string_view());
        if (translate) {
            key.assign(fields[keyField]);
            if (marks) doc.marksToSpaces(key);
            // An unknown code gets empty names: in replace mode the code itself is emptied.
            if (const long long record = FindTranRecord(tran, key); record >= 0) {
                ++counts.found;
                const auto& fieldsOfRecord = tran.m_Table[static_cast<std::size_t>(record)];
                for (std::size_t n = 0; n < names; ++n) found[n] = TranFieldAt(fieldsOfRecord, tran.m_NamePos[n]);
            } else {
                ++counts.missing;
            }
            if (marks) {
                for (std::size_t n = 0; n < names; ++n) {
                    marked[n].assign(found[n]);
                    doc.spacesToMarks(marked[n]);
                    found[n] = marked[n];
                }
            }
        }

        out.clear();
        const auto append = [&out](std::string_view field, bool firstField) {
            if (!firstField) out += kTab;
            out.append(field);
        };
        bool firstField = true;
        for (std::size_t f = 0; f <= fields.size(); ++f) {
            if (added && f == after) {
                for (std::size_t n = 0; n < added; ++n, firstField = false) append(found[n], firstField);
            }
            if (f == fields.size()) break;
            append(translate && !where.addColumns && f == keyField ? found.front() : fields[f], firstField);
            firstField = false;
        }
        fresh.push_back(out);
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
    }
    lines.replaceAll(std::move(fresh));
    for (std::size_t n = 1; n <= added; ++n) doc.m_CtrlFile.InsertColDef(static_cast<int>(after + n));
    return counts;
}

}  // namespace tabrix
