#include "document/ConditionalSave.h"

#include <algorithm>

#include "document/FileWriter.h"
#include "document/OutputRecord.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "text/SearchList.h"

namespace tabrix {

std::vector<int> OutputFieldIndices(const CTabrixDoc& doc, const SelectRequest& request) {
    std::vector<int> indices;
    for (const int col : request.columns) {
        if (!request.virtualOut && doc.m_CtrlFile.m_bLoaded) {
            const CColCtrl* rec = doc.m_CtrlFile.FindCol(col);
            if (rec && rec->isVirtual()) continue;
        }
        indices.push_back(col - 1);
    }
    return indices;
}

void SelectLines(const CTabrixDoc& doc, const SelectRequest& request, const RowTest& rowPasses,
                 const LineVisitor& visit, IProgress& progress) {
    const CLineStore& lines = doc.lines();
    const int width = doc.columnCount();
    const COutputRecord spaces(doc, request.delimiter);
    const bool titleInStore = doc.m_bTitleLine && !lines.empty();
    const std::size_t first = titleInStore && !request.titleOut ? 1 : 0;
    const std::size_t searchIndex = static_cast<std::size_t>(std::max(1, request.searchCol) - 1);
    std::vector<std::string> fields;
    std::string row;
    for (std::size_t i = first; i < lines.size(); ++i) {
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
        const bool title = i == 0 && titleInStore && request.titleOut;
        if (request.rowMode == SelectRequest::Filtered && !title) {
            SplitFields(lines[i], fields, std::max(width, RowFieldCount(lines[i])));
            if (!rowPasses(fields)) continue;
            if (spaces.hasMarks())
                for (auto& field : fields) spaces.restoreSpaces(field);
        } else {
            row.assign(lines[i]);
            spaces.restoreSpaces(row);
            SplitFields(row, fields, std::max(width, RowFieldCount(row)));
            if (request.rowMode == SelectRequest::Search && !title) {
                const std::string empty;
                const std::string& value = searchIndex < fields.size() ? fields[searchIndex] : empty;
                if (MatchesSearchList(request.searchList, value, request.wildcard) == request.notMatch) continue;
            }
        }
        visit(i, fields);
    }
}

namespace {

// Every column in file order, none left out: the record is the row itself.
bool WholeRows(const CTabrixDoc& doc, const SelectRequest& request, const std::vector<int>& indices) {
    if (request.rowMode != SelectRequest::AllRows || static_cast<int>(indices.size()) != doc.columnCount()) return false;
    for (std::size_t i = 0; i < indices.size(); ++i)
        if (indices[i] != static_cast<int>(i)) return false;
    return true;
}

}  // namespace

bool ConditionalSave(const CTabrixDoc& doc, const SelectRequest& request, const std::string& path,
                     const RowTest& rowPasses, IProgress& progress, long long& written, std::string& error) {
    written = 0;
    error.clear();
    CFileWriter writer;
    if (!writer.open(path)) {
        error = path + " ファイルに書き込み出来ません。";
        return false;
    }
    ProgressScope scope(progress, "データ保存", static_cast<std::int64_t>(doc.lines().size()));
    COutputRecord record(doc, request.delimiter);
    const std::vector<int> indices = OutputFieldIndices(doc, request);
    if (WholeRows(doc, request, indices)) {
        const CLineStore& lines = doc.lines();
        const std::size_t first = doc.m_bTitleLine && !lines.empty() && !request.titleOut ? 1 : 0;
        for (std::size_t i = first; i < lines.size(); ++i) {
            record.writeRow(lines[i], doc.columnCount(), writer);
            if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
        }
        written = static_cast<long long>(lines.size() - std::min(first, lines.size()));
    } else {
        SelectLines(doc, request, rowPasses, [&](std::size_t, const std::vector<std::string>& fields) {
            record.writeFields(fields, indices, writer);
            ++written;
        }, progress);
    }
    if (!writer.commit()) {
        error = path + " ファイルに書き込み出来ません。";
        return false;
    }
    return true;
}

}  // namespace tabrix
