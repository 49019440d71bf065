// The row filter behind RowPasses: the nine conditions of the view's
// "行絞込表示設定" applied to a record, with the working lists of the
// duplicate conditions.
//
// Duplicate conditions keep their keys in hash tables: a set of the keys seen
// so far when duplicates are left out, and the count of every key of the
// store when only duplicates are shown. The title line never counts as a key.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "view/FilterDlg.h"
#include "view/RowFilter.h"

namespace tabrix {

class CTabrixDoc;

class CConditionFilter : public IRowFilter {
public:
    static constexpr GridColor kIndividualTitle = 0x0000FF;  // RGB(255,0,0)
    static constexpr GridColor kRangeTitle = 0xFF0000;       // RGB(0,0,255)
    static constexpr GridColor kDuplicateTitle = 0x00FF00;   // RGB(0,255,0)

    CConditionFilter(const CTabrixDoc& doc, const CSampleDlg& conditions) : m_doc(doc), m_cond(conditions) {}

    bool rowPasses(const std::vector<std::string>& fields) override;
    void resetWorkLists() override;
    GridColor titleColor(int col) const override;
    bool showsCount() const override { return m_cond.m_bShowCount; }

private:
    struct RangeBounds {
        std::int64_t low = 0;
        std::int64_t high = 0;
    };
    void prepare();
    bool passesRange(const CSelCond2& cond, const RangeBounds& bounds, const std::string& value) const;
    void keyOf(const CDupCond& cond, const std::vector<std::string>& fields, std::string& key) const;
    void countStoreKeys(std::size_t index);

    const CTabrixDoc& m_doc;
    const CSampleDlg& m_cond;
    bool m_bPrepared = false;
    std::array<RangeBounds, CSampleDlg::kConditions> m_bounds;
    std::array<std::unordered_set<std::string>, CSampleDlg::kConditions> m_seen;
    std::array<std::unordered_map<std::string, std::uint32_t>, CSampleDlg::kConditions> m_counts;
    std::array<bool, CSampleDlg::kConditions> m_bCounted{};
    std::string m_key;
};

}  // namespace tabrix
