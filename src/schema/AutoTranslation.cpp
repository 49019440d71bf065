// The translation pass after a data file was read under a control file: the
// codes of every column that translates on load are looked up, line by line.
#include <algorithm>

#include "document/DocumentHooks.h"
#include "document/TabrixDoc.h"
#include "schema/TranTable.h"
#include "text/Record.h"

namespace tabrix {

void RunAutoTranslation(CTabrixDoc& doc) {
    CCtrlFile& cf = doc.m_CtrlFile;
    const int width = cf.m_nMaxCols;
    std::vector<CColCtrl*> codeCols;
    for (const auto& col : cf.m_Cols) {
        const CTranCtrl& tran = col->m_Tran;
        if (tran.m_bTran && tran.m_bAutoRun && col->m_nCol >= 1 && col->m_nCol <= width) codeCols.push_back(col.get());
    }
    if (codeCols.empty()) return;

    const std::size_t count = cf.m_Lines.size();
    ProgressScope progress(doc.app().ui.progress(), "データ変換", static_cast<std::int64_t>(count));
    std::vector<std::string> fields;
    std::string key;
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view row = cf.m_Lines[i];
        SplitFields(row, fields, std::max(width, RowFieldCount(row)));
        bool found = false;
        for (CColCtrl* col : codeCols) {
            key = fields[static_cast<std::size_t>(col->m_nCol - 1)];
            found = TranslateRow(col->m_Tran, key, fields) == 1 || found;
        }
        if (found) {
            JoinFields(fields, static_cast<int>(fields.size()), kTab, joined);
            if (joined != row) cf.m_Lines.set(i, joined);
        }
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
    }
}

}  // namespace tabrix
