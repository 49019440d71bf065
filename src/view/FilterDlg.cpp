#include "view/FilterDlg.h"

#include <cstdio>

#include "text/NumberText.h"
#include "text/SearchList.h"
#include "view/GridOps.h"

namespace tabrix {

namespace {

std::string Format(const char* format, int a, int b = 0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// Value 2 below value 1: as numbers in the numeric mode (so 9 to 10 is a
// range), as text otherwise.
bool SecondBelowFirst(const CSelCond2& cond) {
    if (cond.m_bNumeric) return LeadingInteger(cond.m_strValue2) < LeadingInteger(cond.m_strValue1);
    return CompareSjis(cond.m_strValue2, cond.m_strValue1) < 0;
}

std::string CheckRange(const CSelCond2& cond, int n, int maxCols) {
    if (cond.m_nCol < 1 || cond.m_nCol > maxCols) return Format("範囲抽出%d：検索対象列番号を%d以上で入力して下さい。", n, 1);
    if (cond.m_strValue1.empty()) return Format("範囲抽出%d：検索値１を入力して下さい。", n);
    if (cond.m_bNumeric && !IsNumericText(cond.m_strValue1)) return Format("範囲抽出%d：検索値１に数値以外が入力されています。", n);
    if (cond.m_nMode != CSelCond2::Between) return {};
    if (cond.m_bNumeric && !IsNumericText(cond.m_strValue2)) return Format("範囲抽出%d：検索値２に数値以外が入力されています。", n);
    if (cond.m_strValue2.empty()) return Format("範囲抽出%d：検索値２を入力して下さい。", n);
    if (SecondBelowFirst(cond)) return Format("範囲抽出%d：検索値１より検索値２が小さいです。", n);
    return {};
}

std::string CheckDup(const CDupCond& cond, int n, int maxCols) {
    const int keys[] = {cond.m_nKey1, cond.m_bKey2 ? cond.m_nKey2 : 1, cond.m_bKey3 ? cond.m_nKey3 : 1};
    for (int k = 0; k < 3; ++k)
        if (keys[k] < 1 || keys[k] > maxCols) return Format("重複抽出%d：検索列番号%dを正しく入力して下さい。", n, k + 1);
    return {};
}

}  // namespace

const std::array<const char*, CSampleDlg::kPages> CSampleDlg::kTabCaptions = {
    "個別１", "個別２", "個別３", "範囲１", "範囲２", "範囲３", "重複１", "重複２", "重複３"};

std::vector<int> CDupCond::keyColumns() const {
    std::vector<int> cols{m_nKey1};
    if (m_bKey2) cols.push_back(m_nKey2);
    if (m_bKey3) cols.push_back(m_nKey3);
    return cols;
}

int CSampleDlg::firstInvalidPage(std::string& message) const {
    for (int i = 0; i < kConditions; ++i) {
        const CSelCond& cond = m_Sel[static_cast<std::size_t>(i)];
        if (cond.m_bEnable && (cond.m_nCol < 1 || cond.m_nCol > m_nMaxCols)) {
            message = Format("個別抽出%d：検索対象列番号を%d以上で入力して下さい。", i + 1, 1);
            return i;
        }
    }
    for (int i = 0; i < kConditions; ++i) {
        const CSelCond2& cond = m_Range[static_cast<std::size_t>(i)];
        if (!cond.m_bEnable) continue;
        message = CheckRange(cond, i + 1, m_nMaxCols);
        if (!message.empty()) return kConditions + i;
    }
    for (int i = 0; i < kConditions; ++i) {
        const CDupCond& cond = m_Dup[static_cast<std::size_t>(i)];
        if (!cond.m_bEnable) continue;
        message = CheckDup(cond, i + 1, m_nMaxCols);
        if (!message.empty()) return 2 * kConditions + i;
    }
    message.clear();
    return -1;
}

std::string CSampleDlg::validate() const {
    std::string message;
    firstInvalidPage(message);
    return message;
}

bool CSampleDlg::pageEnabled(int page) const {
    if (page < 0 || page >= kPages) return false;
    const auto i = static_cast<std::size_t>(page % kConditions);
    if (page < kConditions) return m_Sel[i].m_bEnable;
    if (page < 2 * kConditions) return m_Range[i].m_bEnable;
    return m_Dup[i].m_bEnable;
}

int CSampleDlg::initialPage() const {
    for (int page = 0; page < kPages; ++page)
        if (pageEnabled(page)) return page;
    return 0;
}

bool CSampleDlg::anyEnabled() const { return initialPage() != 0 || pageEnabled(0); }

void CSampleDlg::buildSearchLists() {
    for (CSelCond& cond : m_Sel) {
        cond.m_SearchList.clear();
        if (cond.m_bEnable) cond.m_SearchList = SplitSearchText(cond.m_strSearch);
    }
}

void CSampleDlg::clearConditions() {
    for (CSelCond& cond : m_Sel) {
        cond.m_bEnable = false;
        cond.m_SearchList.clear();
    }
    for (CSelCond2& cond : m_Range) cond.m_bEnable = false;
    for (CDupCond& cond : m_Dup) cond.m_bEnable = false;
}

std::string CSampleDlg::columnTitle(int col) const {
    if (col < 1 || col > static_cast<int>(m_ColTitles.size())) return {};
    return m_ColTitles[static_cast<std::size_t>(col - 1)];
}

}  // namespace tabrix
