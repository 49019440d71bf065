#include "view/ConditionFilter.h"

#include <algorithm>

#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "text/SearchList.h"
#include "view/GridOps.h"

namespace tabrix {

namespace {

const std::string kEmpty;

const std::string& FieldOf(const std::vector<std::string>& fields, int col) {
    if (col < 1 || static_cast<std::size_t>(col) > fields.size()) return kEmpty;
    return fields[static_cast<std::size_t>(col - 1)];
}

// Field index (0-based) of a row string, without splitting the others.
std::string_view RowField(std::string_view row, int index) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t tab = row.find(kTab, begin);
        if (tab == std::string_view::npos) return {};
        begin = tab + 1;
    }
    const std::size_t end = row.find(kTab, begin);
    return row.substr(begin, end == std::string_view::npos ? row.size() - begin : end - begin);
}

}  // namespace

void CConditionFilter::resetWorkLists() {
    for (auto& seen : m_seen) seen.clear();
    for (auto& counts : m_counts) counts.clear();
    m_bCounted.fill(false);
    m_bPrepared = false;
}

void CConditionFilter::prepare() {
    for (std::size_t i = 0; i < m_bounds.size(); ++i) {
        const CSelCond2& cond = m_cond.m_Range[i];
        m_bounds[i].low = LeadingInteger(cond.m_strValue1);
        m_bounds[i].high = LeadingInteger(cond.m_strValue2);
    }
    m_bPrepared = true;
}

bool CConditionFilter::passesRange(const CSelCond2& cond, const RangeBounds& bounds, const std::string& value) const {
    int toFirst = 0;   // value against value 1: <0, 0, >0
    int toSecond = 0;  // value against value 2
    if (cond.m_bNumeric) {
        const std::int64_t v = LeadingInteger(value);
        toFirst = v < bounds.low ? -1 : v > bounds.low ? 1 : 0;
        toSecond = v < bounds.high ? -1 : v > bounds.high ? 1 : 0;
    } else {
        toFirst = CompareSjis(value, cond.m_strValue1);
        if (cond.m_nMode == CSelCond2::Between) toSecond = CompareSjis(value, cond.m_strValue2);
    }
    switch (cond.m_nMode) {
        case CSelCond2::Between: return toFirst >= 0 && toSecond <= 0;
        case CSelCond2::AtMost: return toFirst <= 0;
        case CSelCond2::AtLeast: return toFirst >= 0;
        case CSelCond2::Below: return toFirst < 0;
        case CSelCond2::Above: return toFirst > 0;
        default: return false;
    }
}

void CConditionFilter::keyOf(const CDupCond& cond, const std::vector<std::string>& fields, std::string& key) const {
    key.assign(FieldOf(fields, cond.m_nKey1));
    if (cond.m_bKey2) key += FieldOf(fields, cond.m_nKey2);
    if (cond.m_bKey3) key += FieldOf(fields, cond.m_nKey3);
}

void CConditionFilter::countStoreKeys(std::size_t index) {
    const CDupCond& cond = m_cond.m_Dup[index];
    const std::vector<int> cols = cond.keyColumns();
    auto& counts = m_counts[index];
    const CLineStore& lines = m_doc.lines();
    const std::size_t first = m_doc.m_bTitleLine && !lines.empty() ? 1 : 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        m_key.clear();
        for (const int col : cols) m_key += RowField(lines[i], col - 1);
        auto [it, inserted] = counts.try_emplace(m_key, 0);
        if (it->second < 2) ++it->second;
    }
    m_bCounted[index] = true;
}

bool CConditionFilter::rowPasses(const std::vector<std::string>& fields) {
    if (!m_bPrepared) prepare();
    for (const CSelCond& cond : m_cond.m_Sel) {
        if (!cond.m_bEnable) continue;
        const bool match = MatchesSearchList(cond.m_SearchList, FieldOf(fields, cond.m_nCol), cond.m_bWildcard);
        if (match == cond.m_bNotMatch) return false;
    }
    for (std::size_t i = 0; i < m_cond.m_Range.size(); ++i) {
        const CSelCond2& cond = m_cond.m_Range[i];
        if (cond.m_bEnable && !passesRange(cond, m_bounds[i], FieldOf(fields, cond.m_nCol))) return false;
    }
    for (std::size_t i = 0; i < m_cond.m_Dup.size(); ++i) {
        const CDupCond& cond = m_cond.m_Dup[i];
        if (!cond.m_bEnable) continue;
        keyOf(cond, fields, m_key);
        if (cond.m_bOnlyDup) {
            if (!m_bCounted[i]) {
                std::string key = m_key;
                countStoreKeys(i);
                m_key = std::move(key);
            }
            const auto it = m_counts[i].find(m_key);
            if (it == m_counts[i].end() || it->second < 2) return false;
        } else if (!m_seen[i].insert(m_key).second) {
            return false;
        }
    }
    return true;
}

GridColor CConditionFilter::titleColor(int col) const {
    for (const CSelCond& cond : m_cond.m_Sel)
        if (cond.m_bEnable && cond.m_nCol == col) return kIndividualTitle;
    for (const CSelCond2& cond : m_cond.m_Range)
        if (cond.m_bEnable && cond.m_nCol == col) return kRangeTitle;
    for (const CDupCond& cond : m_cond.m_Dup) {
        if (!cond.m_bEnable) continue;
        const std::vector<int> cols = cond.keyColumns();
        if (std::find(cols.begin(), cols.end(), col) != cols.end()) return kDuplicateTitle;
    }
    return kDefaultTextColor;
}

}  // namespace tabrix
