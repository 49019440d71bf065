// F4 on a cell: an input dialog chosen by the cell's column. The value picked
// ends the cell's edit once, as typed text would, so the column's checks,
// notation and row translation apply to it exactly as to a typed value.
#include <cstdio>

#include "app/CalendarDlgs.h"
#include "app/EraSettings.h"
#include "schema/Notation.h"
#include "text/Dates.h"
#include "view/TabrixView.h"
#include "view/TranDlg.h"

namespace tabrix {

namespace {

// Uses another clock for the life of a scope.
class ClockScope {
public:
    ClockScope(const Clock*& slot, const Clock& clock) : m_slot(slot), m_saved(slot) { m_slot = &clock; }
    ~ClockScope() { m_slot = m_saved; }
    ClockScope(const ClockScope&) = delete;
    ClockScope& operator=(const ClockScope&) = delete;

private:
    const Clock*& m_slot;
    const Clock* m_saved;
};

}  // namespace

void CTabrixView::OnInputKey(int row, int col) {
    if (row < m_nFixedRows || col < m_nFixedCols || row >= m_grid.rowCount() || col >= m_grid.columnCount()) return;
    CColCtrl* rec = m_doc.m_CtrlFile.FindCol(col - m_nFixedCols + 1);
    if (!rec) return;
    const bool translated = rec->m_Tran.m_bTran;
    if (!translated && !rec->isDateOrTime()) return;
    // The cell must be one the user could edit.
    if (m_grid.isCellReadOnly(row, col) || !cellEditable(row, col, rec)) return;

    // Today is read once: the initial value's macros, the picker's start and
    // the check of the result all see the same moment.
    const LocalDateTime now = m_pClock->now();
    const FixedClock moment(now);
    const ClockScope useMoment(m_pClock, moment);
    std::string value = m_grid.itemText(row, col);
    m_doc.marksToSpaces(value);
    const EraTable eras = EraTableOf(m_app.settings);
    PrepareInput(value, *rec, ValidationContext{eras, moment});

    std::string result;
    bool picked = false;
    if (translated)
        picked = pickCode(col, *rec, value, result);
    else if (rec->m_nType == kTypeDate)
        picked = pickDate(*rec, value, now, result);
    else
        picked = pickTime(*rec, value, now, result);
    if (!picked) return;
    m_strEditBefore = m_grid.itemText(row, col);
    EndCellEdit(row, col, result);
    notifyChanged();
}

bool CTabrixView::pickCode(int col, const CColCtrl& rec, const std::string& value, std::string& result) {
    const CTranCtrl& tran = rec.m_Tran;
    // The names are headed by the titles of the columns they fill, as the grid shows them.
    std::vector<std::string> nameTitles;
    for (int target : tran.m_TranCols) nameTitles.push_back(m_grid.itemText(0, target + m_nFixedCols - 1));
    CTranDlg dlg(tran, value, m_grid.itemText(0, col), nameTitles, m_app.settings.Tsize);
    if (!m_app.ui.runModal(dlg)) return false;
    result = dlg.result();
    return true;
}

bool CTabrixView::pickDate(const CColCtrl& rec, const std::string& value, const LocalDateTime& now,
                           std::string& result) {
    CCalenDlg dlg;
    LocalDateTime cell;
    const bool fromCell = ParseDate(value, EraTableOf(m_app.settings), cell);
    const LocalDateTime start = fromCell ? cell : now;
    dlg.m_nYear = start.year;
    dlg.m_nMonth = start.month;
    dlg.m_nDay = start.day;
    if (!m_app.ui.runModal(dlg)) return false;
    char text[48];
    if (rec.m_nFormat1 & kFmtDate6) {
        // The calendar offers no time: the cell keeps its own.
        const LocalDateTime time = fromCell ? cell : LocalDateTime{};
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", dlg.m_nYear, dlg.m_nMonth, dlg.m_nDay,
                      time.hour, time.minute, time.second);
    } else {
        std::snprintf(text, sizeof text, "%04d%02d%02d", dlg.m_nYear, dlg.m_nMonth, dlg.m_nDay);
    }
    result = text;
    return true;
}

bool CTabrixView::pickTime(const CColCtrl& rec, const std::string& value, const LocalDateTime& now,
                           std::string& result) {
    CTimeDlg dlg;
    TimeOfDay cell;
    const bool fromCell = ParseTime(value, cell) && cell.hour <= 23 && cell.minute <= 59;
    dlg.m_nHour = fromCell ? cell.hour : now.hour;
    dlg.m_nMinute = fromCell ? cell.minute : now.minute;
    if (!m_app.ui.runModal(dlg)) return false;
    char text[32];
    // The picker offers no seconds: a notation with seconds keeps the cell's.
    if (rec.m_nFormat1 & (kFmtTime4 | kFmtTime5 | kFmtTime6))
        std::snprintf(text, sizeof text, "%02d%02d%02d", dlg.m_nHour, dlg.m_nMinute, fromCell ? cell.second : 0);
    else
        std::snprintf(text, sizeof text, "%02d%02d", dlg.m_nHour, dlg.m_nMinute);
    result = text;
    return true;
}

}  // namespace tabrix
