#include "view/ColSelDlg.h"

#include <algorithm>
#include <cstdio>

#include "document/CtrlFile.h"
#include "text/Record.h"

namespace tabrix {

std::string ColumnValueEntry(int col, const std::string& value) {
    char number[16];
    std::snprintf(number, sizeof number, "%-3d", col);
    return std::string(number) + ":【" + value + "】";
}

std::vector<std::string> ColumnValueEntries(const CLineStore& lines, std::size_t line, int width) {
    std::vector<std::string> fields;
    if (line < lines.size()) SplitFields(lines[line], fields, std::max(width, RowFieldCount(lines[line])));
    fields.resize(static_cast<std::size_t>(std::max(0, width)));
    std::vector<std::string> entries;
    entries.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) entries.push_back(ColumnValueEntry(static_cast<int>(i) + 1, fields[i]));
    return entries;
}

CColSelDlg CColSelDlg::OverData(const CLineStore& lines, int width, int current) {
    CColSelDlg dlg;
    dlg.m_pLines = &lines;
    dlg.m_nWidth = width;
    dlg.showRecord(1);
    dlg.preselect(current);
    return dlg;
}

void CColSelDlg::preselect(int col) {
    m_Selected.clear();
    if (col >= 1 && static_cast<std::size_t>(col) <= m_Entries.size()) m_Selected.push_back(col - 1);
}

CColSelDlg CColSelDlg::OverSchema(const CCtrlFile& ctrl, const std::string& cols, bool several) {
    CColSelDlg dlg;
    dlg.m_bSeveral = several;
    for (const auto& rec : ctrl.m_Cols) {
        char number[16];
        std::snprintf(number, sizeof number, "%-3d", rec->m_nCol);
        dlg.m_Entries.push_back(std::string(number) + ": " + (rec->isVirtual() ? "V" : "F") + " 【" + rec->m_strTitle + "】");
    }
    std::vector<int> numbers;
    ParseIntList(cols, numbers);
    for (int n : numbers)
        if (n >= 1 && static_cast<std::size_t>(n) <= dlg.m_Entries.size()) dlg.m_Selected.push_back(n - 1);
    std::sort(dlg.m_Selected.begin(), dlg.m_Selected.end());
    dlg.m_Selected.erase(std::unique(dlg.m_Selected.begin(), dlg.m_Selected.end()), dlg.m_Selected.end());
    return dlg;
}

bool CColSelDlg::canStepForward() const { return !schemaMode() && m_nRecord < m_pLines->size(); }

void CColSelDlg::stepBack() {
    if (canStepBack()) showRecord(m_nRecord - 1);
}

void CColSelDlg::stepForward() {
    if (canStepForward()) showRecord(m_nRecord + 1);
}

void CColSelDlg::showRecord(std::size_t record) {
    m_nRecord = record;
    m_Entries = ColumnValueEntries(*m_pLines, record - 1, m_nWidth);
}

std::string CColSelDlg::chosenList() const {
    std::vector<int> numbers;
    for (int index : m_Selected) numbers.push_back(index + 1);
    std::string list;
    FormatIntList(numbers, list);
    return list;
}

std::string CColSelDlg::validate() const {
    // Several columns may be chosen where the caller allows it; else exactly one.
    if (m_bSeveral ? m_Selected.empty() : m_Selected.size() != 1) return kSelectOne;
    return {};
}

}  // namespace tabrix
