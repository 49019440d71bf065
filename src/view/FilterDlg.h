// The row filter's conditions and their settings dialog "行絞込表示設定", as
// data: three individual, three range and three duplicate conditions, the
// checks run on OK in tab order, and the tab the dialog opens on.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CLineStore;

// "個別１" .. "個別３": a column's value against a list of search texts.
struct CSelCond {
    bool m_bEnable = false;
    int m_nCol = 1;               // "検索列番号", 1-based
    std::string m_strSearch;      // "検索文字列"
    bool m_bWildcard = true;      // "ワイルドカードを展開する"
    bool m_bNotMatch = false;     // "不一致データを抽出"
    std::vector<std::string> m_SearchList;  // built on OK; empty while disabled
};

// "範囲１" .. "範囲３": a column's value against one or two bounds.
struct CSelCond2 {
    enum Mode { Between = 0, AtMost = 1, AtLeast = 2, Below = 3, Above = 4 };
    bool m_bEnable = false;
    int m_nCol = 1;
    std::string m_strValue1;  // "検索値１"
    std::string m_strValue2;  // "検索値２", used by Between only
    int m_nMode = Between;
    bool m_bNumeric = false;  // "数値に変換して比較"
};

// "重複１" .. "重複３": records whose key columns repeat.
struct CDupCond {
    bool m_bEnable = false;
    int m_nKey1 = 1;
    bool m_bKey2 = false;
    int m_nKey2 = 1;
    bool m_bKey3 = false;
    int m_nKey3 = 1;
    bool m_bOnlyDup = false;  // "重複データのみ表示する"; else duplicates are left out

    // The key columns in use, in key order.
    std::vector<int> keyColumns() const;
};

class CSampleDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "行絞込表示設定";
    static constexpr const char* kShowCount = "絞件数の表示";
    static constexpr const char* kDupNoteJoin = "※検索列番号１～３を結合し１項目としてチェックします。";
    static constexpr const char* kDupNoteSlow = "※データ量に応じてパフォーマンスが落ちます。";
    static constexpr int kConditions = 3;
    static constexpr int kPages = 9;
    static constexpr int kMaxColumn = 10000;  // upper end of the column spins

    std::array<CSelCond, kConditions> m_Sel;
    std::array<CSelCond2, kConditions> m_Range;
    std::array<CDupCond, kConditions> m_Dup;
    bool m_bShowCount = true;  // "絞件数の表示"

    // What the dialog shows beside the conditions, set by the view before
    // each use: the column count, the column titles (index 0 is column 1)
    // and the data lines for the value picker.
    int m_nMaxCols = 0;
    std::vector<std::string> m_ColTitles;
    const CLineStore* m_pLines = nullptr;
    std::size_t m_nFirstLine = 0;

    // The captions of the nine tabs, in order.
    static const std::array<const char*, kPages> kTabCaptions;

    std::string validate() const override;
    // The first page whose checks fail (with its message), or -1.
    int firstInvalidPage(std::string& message) const;
    // The first page whose condition is enabled, else page 0.
    int initialPage() const;
    bool pageEnabled(int page) const;
    bool anyEnabled() const;
    // Builds the search lists from the search texts (empty while disabled).
    void buildSearchLists();
    // Disables every condition.
    void clearConditions();
    // The title of column col (1-based) as the dialog shows it beside its number.
    std::string columnTitle(int col) const;
};

}  // namespace tabrix
