// Conditional save's workbook output: the lines SelectLines chooses, the
// same selection the delimited output writes, handed row by row to the
// workbook writer with its questions.
#include <algorithm>

#include "document/ConditionalSave.h"
#include "document/TabrixDoc.h"
#include "document/workbook/ExcelOutput.h"

namespace tabrix {

long long SaveSelectionWorkbook(const CTabrixDoc& doc, const SelectRequest& request, const std::string& path,
                                const RowTest& rowPasses, IUserInterface& ui) {
    const std::vector<int> indices = OutputFieldIndices(doc, request);
    CExcelOutput output(ui, path);
    // The question is about the columns that would be written, not about
    // columns of the document that are not.
    if (!output.begin(static_cast<int>(indices.size()))) return output.finish();
    {
        WaitCursorScope wait(ui);
        ProgressScope progress(ui.progress(), "データ保存", static_cast<std::int64_t>(doc.lines().size()));
        std::vector<std::string> row(indices.size());
        bool more = true;
        SelectLines(doc, request, rowPasses, [&](std::size_t, const std::vector<std::string>& fields) {
            if (!more) return;
            for (std::size_t i = 0; i < indices.size(); ++i) {
                const auto at = static_cast<std::size_t>(indices[i]);
                row[i] = at < fields.size() ? fields[at] : std::string();
            }
            more = output.addRow(row);
        }, ui.progress());
    }
    return output.finish();
}

}  // namespace tabrix
