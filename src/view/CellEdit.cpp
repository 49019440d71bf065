// Cell editing: the grid asks before an edit starts (the view may refuse it
// and prepares the text to edit) and when it ends (the view checks the text
// under the column's record, stores it in its line, or rejects it).
#include <algorithm>

#include "app/EraSettings.h"
#include "schema/Notation.h"
#include "schema/TranTable.h"
#include "schema/Validate.h"
#include "text/Record.h"
#include "view/TabrixView.h"
#include "view/TypedText.h"

namespace tabrix {

void CTabrixView::setIme(ImeRequest request) {
    m_lastIme = request;
    if (m_imeHook) m_imeHook(request);
}

bool CTabrixView::cellEditable(int row, int col, CColCtrl*& rec) const {
    rec = nullptr;
    if (lineOfRow(row) < 0) return false;
    rec = m_doc.m_CtrlFile.FindCol(col - m_nFixedCols + 1);
    return !rec || (!rec->isVirtual() && rec->m_bEdit);
}

bool CTabrixView::BeginCellEdit(int row, int col) {
    CColCtrl* rec = nullptr;
    if (!cellEditable(row, col, rec)) return false;
    m_strEditBefore = m_grid.itemText(row, col);
    std::string text = m_strEditBefore;
    m_doc.marksToSpaces(text);
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    if (rec) {
        const EraTable eras = EraTableOf(m_app.settings);
        PrepareInput(text, *rec, ValidationContext{eras, *m_pClock});
        setIme(SetColImeMode(cf.m_nImeMode, rec, true));
    }
    m_grid.setItemText(row, col, text);
    return true;
}

bool CTabrixView::EndCellEdit(int row, int col, const std::string& text) {
    UndoAction action(m_doc.undoJournal(), kCellEditCaption);
    const long long line = lineOfRow(row);
    if (line < 0) return false;
    CCtrlFile& cf = m_doc.m_CtrlFile;
    const std::size_t index = static_cast<std::size_t>(line);
    const std::string_view stored = cf.m_Lines[index];
    const int width = std::max(cf.m_nMaxCols, RowFieldCount(stored));
    const int field = col - m_nFixedCols;
    if (field < 0 || field >= width) return false;
    std::vector<std::string> fields;
    SplitFields(stored, fields, width);

    std::string value = text;
    if (CColCtrl* rec = cf.FindCol(field + 1)) {
        if (cf.m_nImeMode == ImeMode::Normal || cf.m_nImeMode == ImeMode::Detail)
            setIme(SetColImeMode(cf.m_nImeMode, rec, false));
        m_doc.marksToSpaces(value);
        const EraTable eras = EraTableOf(m_app.settings);
        if (!ValidateValue(*rec, value, ValidationContext{eras, *m_pClock})) {
            m_app.ui.messageBox(rec->m_strError, MsgIcon::Stop);
            return false;
        }
        CTranCtrl& tran = rec->m_Tran;
        if (tran.m_bTran && (!value.empty() || rec->m_bObligate)) {
            std::vector<std::string> names;
            // An unknown key still stores the value; its names are emptied.
            if (!LookupTran(tran, value, names)) m_app.ui.beep();
            const std::size_t pairs = std::min(names.size(), tran.m_TranCols.size());
            for (std::size_t i = 0; i < pairs; ++i) {
                const int target = tran.m_TranCols[i];
                if (target < 1 || target > width) continue;
                std::string name = names[i];
                m_doc.spacesToMarks(name);
                m_grid.setItemText(row, target + m_nFixedCols - 1, name);
                fields[static_cast<std::size_t>(target - 1)] = std::move(name);
            }
        }
    } else if (cf.m_cDelim == ',' && HasUnquotedComma(value)) {
        m_app.ui.messageBox(kNoCommaInCsv, MsgIcon::Stop);
        return false;
    }

    m_doc.spacesToMarks(value);
    fields[static_cast<std::size_t>(field)] = value;
    cf.m_Lines.set(index, JoinFields(fields, width, kTab));
    m_grid.setItemText(row, col, value);
    action.end();  // before the menus are told, so that they offer its undo
    // An edit that leaves the cell as it showed before changes nothing.
    if (value != m_strEditBefore) SetChanged();
    return true;
}

}  // namespace tabrix
