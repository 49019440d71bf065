// The dialogs of "集計", as data: the parameters "集計パラメータ" that the
// view keeps between uses, with their enabling rules and the checks on OK,
// and the column total "列総合計".
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/UserInterface.h"
#include "view/ColSelDlg.h"

namespace tabrix {

class CSumParamDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "集計パラメータ";
    static constexpr const char* kBadColumn = "%sは、1以上%d以下で入力して下さい。";
    static constexpr int kKeys = 4;
    static constexpr int kCalcs = 6;
    static constexpr int kAggregates = 4;
    static constexpr int kUnused = -1;
    enum Mode { Aggregate = 0, ColumnTotal = 1 };    // "列集計" / "列総合計"
    enum Output { Values = 0, Data = 1 };            // "集計値" / "データ"
    enum Kind { Sum = 0, Average = 1, Maximum = 2, Minimum = 3 };

    // Captions of the controls, in the order of their fields.
    static const std::array<const char*, kKeys> kKeyLabels;    // "集計対象列１" ..
    static const std::array<const char*, kCalcs> kCalcLabels;  // "計算対象列１" ..
    static const std::array<const char*, kAggregates> kAggregateLabels;  // "合計" "平均" "最大値" "最小値"

    int m_nMode = Aggregate;
    std::array<int, kKeys> m_nKey{1, kUnused, kUnused, kUnused};  // 1-based columns, -1 unused
    bool m_bKeyCount = true;                                      // "キーの個数"
    std::array<int, kCalcs> m_nCalc{1, kUnused, kUnused, kUnused, kUnused, kUnused};
    int m_nOutput = Values;
    std::array<bool, kAggregates> m_bAggregate{true, false, false, false};
    std::array<bool, kAggregates> m_bDecimals{};  // "少数で表示する": "%-1.2f" instead of "%-1.0f"
    bool m_bTotalRow = true;       // "各総計を最終行に表示する"
    int m_nMinCount = kUnused;     // "キーの個数" min "～" max; -1 is no bound
    int m_nMaxCount = kUnused;
    bool m_bKeyEveryRow = false;   // "全ての行にキーを出力する"
    bool m_bOneCell = false;       // "１セルに全データを表示する"
    std::string m_strSeparator = "/";
    bool m_bQuotePrefix = false;   // "セルの先頭に「'」を付与する"

    int m_nMaxCols = 0;     // the document's column count, set by the view before each use
    CColSelDlg m_Chooser;   // what "参照" opens, on the document's data, likewise

    // "参照" of a column field: the chooser on its value; OK takes the choice.
    bool browse(IUserInterface& ui, int& col);

    // Enabling: "列総合計" leaves key column 1 only; "集計値" and "データ"
    // each disable the other's controls.
    bool aggregateEnabled() const { return m_nMode == Aggregate; }
    bool valuesEnabled() const { return aggregateEnabled() && m_nOutput == Values; }
    bool dataEnabled() const { return aggregateEnabled() && m_nOutput == Data; }
    bool decimalsEnabled(int kind) const { return valuesEnabled() && m_bAggregate[static_cast<std::size_t>(kind)]; }
    bool separatorEnabled() const { return dataEnabled() && m_bOneCell; }

    // Key columns in order: key column 1 must lie in 1 .. the column count,
    // the others -1 or in that range; then the calculation columns alike.
    // "列総合計" checks key column 1 only: its other fields are disabled and
    // could not be corrected.
    std::string validate() const override;

    // The columns in use, in field order.
    std::vector<int> usedKeys() const;
    std::vector<int> usedCalcs() const;
};

// "列総合計": the total of one column, read-only.
class CColTotalDlg : public CDialogModel {
public:
    static constexpr const char* kCaptionFormat = "列総計結果　%s->%s";
    static constexpr const char* kNote = "※文字列を含むセルは、計算対象外でカウントしています。";

    std::string m_strCaption;  // with the start and end time of the pass
    int m_nCol = 0;            // "列"
    long long m_nCount = 0;    // "行数": the numeric cells summed
    std::string m_strTotal;    // "総計": rounded to a whole number, thousands grouped
};

}  // namespace tabrix
