#include "view/CalcDialogs.h"

#include <algorithm>
#include <cstdio>

namespace tabrix {

int CCalCol::operatorCode() const {
    static constexpr int kCodes[] = {CalcRule::Add, CalcRule::Subtract, CalcRule::Multiply, CalcRule::Divide};
    const int code = kCodes[std::clamp(m_nOperation, 0, 3)];
    return m_bAbsolute ? code | CalcRule::kAbsolute : code;
}

CalcRule CCalCol::rule() const {
    CalcRule rule;
    rule.op = operatorCode() & ~CalcRule::kAbsolute;
    rule.absolute = m_bAbsolute;
    rule.decimal = m_nMethod == Decimal;
    rule.decimals = std::clamp(m_nDecimals, 0, CalcRule::kMaxDecimals);
    return rule;
}

AutoFillRule CAutoFillDlg::rule() const {
    AutoFillRule rule;
    rule.mode = m_nMode;
    rule.base = m_nBase;
    rule.step = m_nStep;
    rule.digits = m_bPad ? m_nDigits : 0;
    return rule;
}

std::string CAutoFillDlg::validate() const {
    // Every filled line holds at least the padded digits.
    if (m_bPad && m_nLines > 0 && m_nDigits > m_nAvailableBytes / m_nLines) return kNoMemory;
    return {};
}

void CColSort::preset(int col) {
    m_nKeyCol = col;
    m_nSortCol.fill(col);
}

bool CColSort::browse(int field, IUserInterface& ui) {
    int& col = field == 0 ? m_nKeyCol : m_nSortCol[static_cast<std::size_t>(std::clamp(field, 1, kSortColumns) - 1)];
    m_Chooser.preselect(col);
    if (!ui.runModal(m_Chooser)) return false;
    col = m_Chooser.chosenColumn();
    return true;
}

std::vector<int> CColSort::sortColumns() const {
    std::vector<int> cols;
    for (int i = 0; i < kSortColumns; ++i)
        if (i == 0 || m_bSortUsed[static_cast<std::size_t>(i)]) cols.push_back(m_nSortCol[static_cast<std::size_t>(i)]);
    return cols;
}

std::string CColSort::validate() const {
    static constexpr const char* kNames[] = {"ソートキー列", "ソートする列１", "ソートする列２", "ソートする列３",
                                             "ソートする列４"};
    for (int field = 0; field <= kSortColumns; ++field) {
        const auto i = static_cast<std::size_t>(field - 1);
        if (field > 1 && !m_bSortUsed[i]) continue;
        const int col = field == 0 ? m_nKeyCol : m_nSortCol[i];
        if (col < 1 || col > m_nColCount) {
            char text[160];
            std::snprintf(text, sizeof text, "%sは、1以上%d以下で入力して下さい。", kNames[field], m_nColCount);
            return text;
        }
    }
    return {};
}

}  // namespace tabrix
