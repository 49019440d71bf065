#include "view/TranslatePass.h"

#include <algorithm>

#include "document/TabrixDoc.h"
#include "schema/TranTable.h"
#include "text/Record.h"

namespace tabrix {

TranslateCounts TranslateColumn(CTabrixDoc& doc, CTranCtrl& tran, const TranslatePlacement& where, std::size_t first,
                                const LinePasses& passes, ProgressScope& progress) {
    CLineStore& lines = doc.lines();
    const int width = doc.columnCount();
    const std::size_t names = tran.m_NamePos.size();
    const std::size_t added = where.addColumns ? names : 0;
    const std::size_t after = static_cast<std::size_t>(std::max(0, where.insertAfter));
    // The code column after the insertion, and the field each name goes to.
    std::size_t keyField = static_cast<std::size_t>(where.keyCol - 1);
    if (where.addColumns && keyField >= after) keyField += added;
    const bool marks = doc.m_bHanspDisp || doc.m_bZenspDisp;

    TranslateCounts counts;
    CLineStore fresh;
    fresh.reserve(lines.size());
    std::vector<std::string> fields;
    std::vector<std::string> found;
    std::string key;
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view row = lines[i];
        const int rowWidth = std::max(width, RowFieldCount(row));
        SplitFields(row, fields, rowWidth);
        const bool translate = i >= first && (!passes || passes(fields));
        if (added) fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(std::min(after, fields.size())), added,
                                 std::string());
        if (translate && keyField < fields.size()) {
            key = fields[keyField];
            if (marks) doc.marksToSpaces(key);
            if (LookupTran(tran, key, found))
                ++counts.found;
            else
                ++counts.missing;
            for (std::size_t n = 0; n < names; ++n) {
                const std::size_t target = where.addColumns ? after + n : keyField;
                if (marks) doc.spacesToMarks(found[n]);
                fields[target] = std::move(found[n]);
            }
        }
        JoinFields(fields, static_cast<int>(fields.size()), kTab, joined);
        fresh.push_back(joined);
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
    }
    lines.replaceAll(std::move(fresh));
    for (std::size_t n = 1; n <= added; ++n) doc.m_CtrlFile.InsertColDef(static_cast<int>(after + n));
    return counts;
}

}  // namespace tabrix
