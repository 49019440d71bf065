#include "view/AggregateDlgs.h"

#include <cstdio>

namespace tabrix {

const std::array<const char*, CSumParamDlg::kKeys> CSumParamDlg::kKeyLabels = {
    "集計対象列１", "集計対象列２", "集計対象列３", "集計対象列４"};
const std::array<const char*, CSumParamDlg::kCalcs> CSumParamDlg::kCalcLabels = {
    "計算対象列１", "計算対象列２", "計算対象列３", "計算対象列４", "計算対象列５", "計算対象列６"};
const std::array<const char*, CSumParamDlg::kAggregates> CSumParamDlg::kAggregateLabels = {"合計", "平均", "最大値",
                                                                                           "最小値"};

namespace {

std::string BadColumn(const char* label, int maxCols) {
    char text[160];
    std::snprintf(text, sizeof text, CSumParamDlg::kBadColumn, label, maxCols);
    return text;
}

bool InRange(int col, int maxCols) { return col >= 1 && col <= maxCols; }

template <std::size_t N>
std::vector<int> Used(const std::array<int, N>& cols) {
    std::vector<int> used;
    for (const int col : cols)
        if (col != CSumParamDlg::kUnused) used.push_back(col);
    return used;
}

}  // namespace

std::string CSumParamDlg::validate() const {
    if (!InRange(m_nKey[0], m_nMaxCols)) return BadColumn(kKeyLabels[0], m_nMaxCols);
    if (m_nMode == ColumnTotal) return {};
    for (std::size_t i = 1; i < m_nKey.size(); ++i)
        if (m_nKey[i] != kUnused && !InRange(m_nKey[i], m_nMaxCols)) return BadColumn(kKeyLabels[i], m_nMaxCols);
    if (!InRange(m_nCalc[0], m_nMaxCols)) return BadColumn(kCalcLabels[0], m_nMaxCols);
    for (std::size_t i = 1; i < m_nCalc.size(); ++i)
        if (m_nCalc[i] != kUnused && !InRange(m_nCalc[i], m_nMaxCols)) return BadColumn(kCalcLabels[i], m_nMaxCols);
    return {};
}

bool CSumParamDlg::browse(IUserInterface& ui, int& col) {
    m_Chooser.preselect(col);
    if (!ui.runModal(m_Chooser)) return false;
    col = m_Chooser.chosenColumn();
    return true;
}

std::vector<int> CSumParamDlg::usedKeys() const { return Used(m_nKey); }
std::vector<int> CSumParamDlg::usedCalcs() const { return Used(m_nCalc); }

}  // namespace tabrix
