#include "document/workbook/StoreToWorkbook.h"

#include "document/TabrixDoc.h"
#include "document/workbook/ExcelOutput.h"
#include "text/Record.h"

namespace tabrix {

int WriteStoreToWorkbook(CTabrixDoc& doc, const std::string& path) {
    CCtrlFile& cf = doc.m_CtrlFile;
    IUserInterface& ui = doc.app().ui;
    std::vector<int> virtualCols;  // descending, so that erasing keeps the others' places
    if (cf.m_bLoaded) {
        const std::vector<int> ascending = cf.VirtualColumns();
        virtualCols.assign(ascending.rbegin(), ascending.rend());
    }
    int columns = cf.m_nMaxCols;
    for (int col : virtualCols)
        if (col >= 1 && col <= cf.m_nMaxCols) --columns;

    CExcelOutput output(ui, path);
    if (!output.begin(columns)) return output.finish();
    WaitCursorScope wait(ui);
    ProgressScope progress(ui.progress(), "データ保存", static_cast<std::int64_t>(cf.m_Lines.size()));
    std::string row;
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < cf.m_Lines.size(); ++i) {
        row.assign(cf.m_Lines[i]);
        doc.marksToSpaces(row);
        SplitFields(row, fields, std::max(cf.m_nMaxCols, RowFieldCount(row)));
        for (int col : virtualCols)
            if (col >= 1 && col <= static_cast<int>(fields.size())) fields.erase(fields.begin() + (col - 1));
        if (!output.addRow(fields)) break;
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
    }
    return output.finish();
}

}  // namespace tabrix
