#include "view/RowColDialogs.h"

#include <algorithm>
#include <cstdio>

#include "document/LineStore.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr const char* kFullSpace = "　";

std::string Format(const char* pattern, int value) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

}  // namespace

std::string CSortOpt::keyText() const {
    std::string text;
    for (int col : m_KeyCols) text += std::to_string(col) + " ";
    return text;
}

bool CColCopyDlg::browse(IUserInterface& ui) {
    m_Chooser.preselect(m_nDest);
    if (!ui.runModal(m_Chooser)) return false;
    m_nDest = m_Chooser.chosenColumn();
    return true;
}

std::string CColCopyDlg::validate() const {
    if (m_nDest == m_nSource) return kSameColumn;
    if (m_nDest < 1) return Format("列番号を%d以上で入力して下さい。", 1);
    if (m_nDest > m_nColCount) return Format("列番号を%d以下で入力して下さい。", m_nColCount);
    return {};
}

std::string CColCopyDlg::confirmation() const {
    char text[160];
    std::snprintf(text, sizeof text, "列：%d は、列：%d の内容で上書きされます。宜しいですか？", m_nDest, m_nSource);
    return text;
}

void CReplaceDlg::setUnconditional(bool on) {
    m_bUncond = on;
    if (on) m_strFind = "*";
}

void CReplaceDlg::setNonEmptyOnly(bool on) {
    m_bNonEmpty = on;
    if (on) m_bUncond = false;
}

std::string CReplaceDlg::confirmation() const { return "<" + m_strFind + ">→<" + m_strWith + ">へ置換を実行しますか？"; }

std::string CColInsertDlg::validate() const {
    if (m_nCount < 1 || m_nCount > kMaxCount) return kBadCount;
    if (m_bTitleLine) {
        if (std::string failure = m_rule.check(m_strTitle); !failure.empty()) return failure;
    }
    return m_rule.check(m_strValue);
}

std::string CMargeWay::separator() const {
    switch (m_nSeparator) {
        case HalfSpace: return " ";
        case FullSpace: return kFullSpace;
        case Other: return m_strOther;
        default: return {};
    }
}

std::string CMargeWay::validate() const { return m_nSeparator == Other ? m_rule.check(m_strOther) : std::string(); }

std::string CSplitOpt::separator() const {
    switch (m_nSeparator) {
        case Csv: return ",";
        case Tab: return "\t";
        case HalfSpace: return " ";
        case FullSpace: return kFullSpace;
        case Other: return m_strOther;
        default: return {};
    }
}

std::string CSplitOpt::validate() const {
    if (m_nSeparator == Other) {
        // An empty separator would be found everywhere and never end a repetition.
        if (m_strOther.empty()) return kNoSeparator;
        if (CharLength(m_strOther, 0) != m_strOther.size()) return kOneCharacter;
    }
    if (m_nSeparator == Bytes && (m_nBytes < 1 || m_nBytes > kMaxBytes)) return kBadByteCount;
    return {};
}

void CColOrderDlg::attach(const CLineStore& lines, int width) {
    m_pLines = &lines;
    m_nColCount = width;
    showRecord(1);
}

bool CColOrderDlg::canStepForward() const { return m_pLines && m_nRecord < m_pLines->size(); }

void CColOrderDlg::stepBack() {
    if (canStepBack()) showRecord(m_nRecord - 1);
}

void CColOrderDlg::stepForward() {
    if (canStepForward()) showRecord(m_nRecord + 1);
}

void CColOrderDlg::showRecord(std::size_t record) {
    m_nRecord = record;
    m_Order.clear();
    for (int col = 1; col <= m_nColCount; ++col) m_Order.push_back(col);
    m_Entries = m_pLines ? ColumnValueEntries(*m_pLines, record - 1, m_nColCount) : std::vector<std::string>();
}

int CColOrderDlg::moveUp(int index) {
    if (index <= 0 || index >= static_cast<int>(m_Order.size())) return index;
    std::swap(m_Order[static_cast<std::size_t>(index)], m_Order[static_cast<std::size_t>(index - 1)]);
    std::swap(m_Entries[static_cast<std::size_t>(index)], m_Entries[static_cast<std::size_t>(index - 1)]);
    return index - 1;
}

int CColOrderDlg::moveDown(int index) {
    if (index < 0 || index + 1 >= static_cast<int>(m_Order.size())) return index;
    return moveUp(index + 1) + 1;
}

std::string CColOrderDlg::validate() const {
    std::vector<int> sorted = m_Order;
    std::sort(sorted.begin(), sorted.end());
    if (static_cast<int>(sorted.size()) != m_nColCount) return kBadOrder;
    for (int i = 0; i < m_nColCount; ++i)
        if (sorted[static_cast<std::size_t>(i)] != i + 1) return kBadOrder;
    return {};
}

}  // namespace tabrix
