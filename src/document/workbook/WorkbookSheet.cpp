// The aggregation result's file output: every row of a finished table
// written as a new workbook, without conditional save's row question.
#include "document/WorkbookSheet.h"

#include <algorithm>
#include <vector>

#include "document/workbook/ExcelOutput.h"
#include "document/workbook/WorkbookReader.h"

namespace tabrix {

long long WriteWorkbookSheet(const std::string& path, std::size_t rows, int cols, const SheetCell& cell,
                             IUserInterface& ui) {
    std::unique_ptr<IWorkbookWriter> writer = CreateWorkbookWriter(path);
    if (!writer || !writer->open(path)) {
        ui.messageBox(CannotWriteMessage(path), MsgIcon::Stop);
        return -1;
    }
    // Rows past the format's last row cannot be written and are not counted.
    const std::size_t written = std::min(rows, static_cast<std::size_t>(writer->rowLimit()));
    std::vector<std::string> fields(static_cast<std::size_t>(std::clamp(cols, 0, kWorkbookColumns)));
    for (std::size_t row = 0; row < written; ++row) {
        for (std::size_t col = 0; col < fields.size(); ++col) fields[col] = cell(row, static_cast<int>(col));
        writer->addRow(fields);
    }
    if (!CommitWorkbook(*writer, path, ui)) return -1;
    return static_cast<long long>(written);
}

}  // namespace tabrix
