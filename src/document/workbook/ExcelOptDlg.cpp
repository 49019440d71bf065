#include "document/workbook/ExcelOptDlg.h"

#include <cstdio>

namespace tabrix {

void CExcelOptDlg::setSheets(const std::vector<std::string>& names, int rowLimit) {
    m_sheets.clear();
    for (std::size_t i = 0; i < names.size(); ++i) m_sheets.push_back(std::to_string(i + 1) + " : " + names[i]);
    m_nSheet = 0;
    m_nRowLimit = rowLimit;
    m_nLast = rowLimit;
}

std::string CExcelOptDlg::validate() const {
    char text[160];
    if (m_nFirst < 1 || m_nFirst > m_nRowLimit) {
        std::snprintf(text, sizeof text, "読み込み開始行は、%d以上%d以下で入力して下さい。", 1, m_nRowLimit);
        return text;
    }
    if (m_nLast < 1 || m_nLast > m_nRowLimit) {
        std::snprintf(text, sizeof text, "読み込み終了行は、%d以上%d以下で入力して下さい。", 1, m_nRowLimit);
        return text;
    }
    if (m_nLast < m_nFirst) return "読み込み開始行は、読み込み終了行以下の値を入力して下さい。";
    return {};
}

}  // namespace tabrix
