// The dialogs of the numeric column commands, as data: "計算" (CCalCol),
// "数値オートフィル" (CAutoFillDlg) and "列ソート" (CColSort). The desktop's
// widgets and the options of tabrix-cli edit only fill them in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/UserInterface.h"
#include "view/CalcPasses.h"
#include "view/ColSelDlg.h"
#include "view/TypedText.h"

namespace tabrix {

// "計算": how the selected columns are combined and where the result goes.
class CCalCol : public CDialogModel {
public:
    static constexpr const char* kCaption = "計算";
    static constexpr const char* kNote = "※数値以外の文字が含まれるデータは無視されます";
    enum Operation { Add = 0, Subtract = 1, Multiply = 2, Divide = 3 };  // "加算" "減算" "乗算" "除算"
    enum Method { Integer = 0, Decimal = 1 };                           // "整数計算" "少数計算"

    int m_nOperation = Add;
    bool m_bAbsolute = false;  // "絶対値に変換"; "無変換" otherwise
    int m_nMethod = Integer;   // "計算方式１"
    int m_nDecimals = 1;       // "少数桁数"
    int m_nPlace = 3;          // "変換データ格納場所": the mode of PlaceResultColumn
    std::string m_strTitle;    // "列タイトル"
    bool m_bTitleLine = false; // the document has a title line
    TypedTextRule m_rule;

    bool decimalsEnabled() const { return m_nMethod == Decimal; }
    // The title is asked only for an added column of a document with a title line.
    bool titleEnabled() const { return m_bTitleLine && (m_nPlace == 2 || m_nPlace == 3); }
    // The operator code (add 0, subtract 2, multiply 4, divide 8; 0x1000 for
    // the absolute value) and the rule it stands for; the decimal places are
    // brought into 0 .. 15.
    int operatorCode() const;
    CalcRule rule() const;

    std::string validate() const override { return titleEnabled() ? m_rule.check(m_strTitle) : std::string(); }
};

// "数値オートフィル": the number series written into the selected column.
class CAutoFillDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "数値オートフィル";
    static constexpr const char* kNote = "※数値以外の文字が含まれるデータは無視されます\n※最大値は、2,147,483,647です。";
    static constexpr const char* kNoMemory = "メモリが不足しています。";
    static constexpr int kMaxValue = 65535;

    int m_nMode = AutoFillRule::Clear;  // "既存データ"
    int m_nBase = 0;                    // "基準値"
    int m_nStep = 1;                    // "増分"
    bool m_bPad = false;                // "桁揃えする"; "桁揃えしない" otherwise
    int m_nDigits = 1;                  // "付与文字数を" n "文字にする"
    // Filled by the command: the lines the fill may write, and the memory the
    // system can still give, which the padded numbers must fit into.
    std::int64_t m_nLines = 0;
    std::int64_t m_nAvailableBytes = INT64_MAX;

    bool digitsEnabled() const { return m_bPad; }
    AutoFillRule rule() const;

    std::string validate() const override;
};

// "列ソート": the key column, up to four sort columns and the direction.
class CColSort : public CDialogModel {
public:
    static constexpr const char* kCaption = "列ソート";
    static constexpr const char* kNote =
        "「キー列」の値の並びにより、「ソート列」のデータが「昇順／降順」にソートされます。";
    static constexpr int kSortColumns = 4;

    int m_nKeyCol = 1;                          // "キー列"
    bool m_bDescending = false;                 // "降順ソート"; "昇順ソート" otherwise
    std::array<int, kSortColumns> m_nSortCol{1, 1, 1, 1};
    std::array<bool, kSortColumns> m_bSortUsed{true, false, false, false};  // column 1 always
    int m_nColCount = 1;                        // the document's column count
    CColSelDlg m_Chooser;                       // what "参照" opens

    // Presets the key and every sort column to the selected column.
    void preset(int col);
    // "参照" beside field (0 the key column, 1 .. 4 the sort columns): the
    // chooser on that column; OK takes its choice.
    bool browse(int field, IUserInterface& ui);
    // The sort columns in use, in field order.
    std::vector<int> sortColumns() const;

    std::string validate() const override;
};

}  // namespace tabrix
