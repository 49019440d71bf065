// "ﾃﾞｰﾀ整合性ﾁｪｯｸ": every field of every shown line checked against its
// column record, keys checked for duplicates and codes translated; passing
// values are written back in their normalised form and every finding goes
// into the error list. It never stops at an error.
#include <algorithm>

#include "app/EraSettings.h"
#include "schema/KeyCache.h"
#include "schema/TranTable.h"
#include "schema/Validate.h"
#include "text/Record.h"
#include "view/TabrixView.h"

namespace tabrix {

void CTabrixView::RunDataCheck() {
    closeErrorList();
    CCtrlFile& cf = m_doc.m_CtrlFile;
    CLineStore& lines = cf.m_Lines;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kCheckProgress, static_cast<std::int64_t>(lines.size()));
        if (m_bFilter && m_pFilter) m_pFilter->resetWorkLists();
        CKeyCache cache;
        const EraTable eras = EraTableOf(m_app.settings);
        const ValidationContext context{eras, *m_pClock};

        // Fields beyond the schema have no record and are not checked.
        const int width = cf.m_nMaxCols;
        std::vector<CColCtrl*> records(static_cast<std::size_t>(std::max(0, width)));
        for (int k = 0; k < width; ++k) records[static_cast<std::size_t>(k)] = cf.FindCol(k + 1);

        std::vector<std::string> fields;
        std::vector<std::string> names;
        std::string key;
        std::string value;
        std::string found;
        std::string joined;
        for (std::size_t i = m_doc.m_bTitleLine ? 1 : 0; i < lines.size(); ++i) {
            const std::string_view row = lines[i];
            const int rowWidth = std::max(width, RowFieldCount(row));
            SplitFields(row, fields, rowWidth);
            if (!RowPasses(fields)) continue;
            const int lineNumber = static_cast<int>(i + 1);
            if (cf.m_bDupCheck && cf.CheckKeyDup(i, cache, key))
                m_errors.add({lineNumber, cf.m_KeyCols.front(), key, cf.m_strError, key});

            for (int k = 0; k < width; ++k) {
                CColCtrl* rec = records[static_cast<std::size_t>(k)];
                if (!rec) continue;
                std::string& field = fields[static_cast<std::size_t>(k)];
                found = field;
                m_doc.marksToSpaces(found);
                value = found;
                if (!ValidateValue(*rec, value, context)) {
                    m_errors.add({lineNumber, k + 1, rec->m_strTitle, rec->m_strError, found});
                    continue;
                }
                CTranCtrl& tran = rec->m_Tran;
                if (tran.m_bTran && (!value.empty() || rec->m_bObligate)) {
                    if (!LookupTran(tran, value, names)) {
                        m_errors.add({lineNumber, k + 1, rec->m_strTitle, tran.m_strMsg, value});
                        continue;
                    }
                    const std::size_t pairs = std::min(names.size(), tran.m_TranCols.size());
                    for (std::size_t t = 0; t < pairs; ++t) {
                        const int target = tran.m_TranCols[t];
                        if (target >= 1 && target <= rowWidth) fields[static_cast<std::size_t>(target - 1)] = names[t];
                    }
                }
                m_doc.spacesToMarks(value);
                field = value;
            }
            JoinFields(fields, rowWidth, kTab, joined);
            if (joined != row) lines.set(i, joined);
            if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
        }
    }
    SetChanged();
    if (m_errorWindowFactory) m_pErrDlg = m_errorWindowFactory(m_errors);
    ShowPage();
}

}  // namespace tabrix
