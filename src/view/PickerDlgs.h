// The value picker "データ選択" and the character chart "サンプル表示" of the
// condition dialogs, as data.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CLineStore;

// Lists the values of one column to choose search texts from.
class CDataSelDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "データ選択";
    static constexpr const char* kNote = "最大表示＝100件、最大検索＝10000件";
    static constexpr const char* kChooseOne = "リストを１つ選択して下さい。";
    static constexpr const char* kOverwrite = "上書";
    static constexpr std::size_t kMaxValues = 100;
    static constexpr std::size_t kMaxLines = 10000;

    std::vector<std::string> m_Values;  // the list, in store order
    std::vector<int> m_Chosen;          // indices into m_Values
    bool m_bMulti = true;               // several values (individual conditions) or exactly one
    bool m_bOverwrite = false;          // "上書": the choice replaces the text

    // The non-empty values of column col (1-based) of the data lines from
    // firstLine, at most kMaxValues of them from at most kMaxLines lines;
    // a value already listed (byte for byte) is not listed again.
    void collect(const CLineStore& lines, std::size_t firstLine, int col);
    std::string validate() const override;
    // The text after the choice: the chosen values joined by ",", replacing
    // text with "上書", else appended to it after a ",".
    std::string applyTo(const std::string& text) const;
};

// One class of the character chart and the double-byte ranges it shows.
struct SampleCodeClass {
    const char* caption;
    std::array<unsigned, 4> ranges;  // first, last, first, last; 0 pairs unused
};

class CSampleCodeDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "サンプル表示";
    static constexpr const char* kFontFace = "ＭＳ ゴシック";
    static constexpr int kFontPoints = 9;
    static constexpr std::size_t kMaxRows = 500;
    static const std::array<SampleCodeClass, 12> kClasses;

    struct Row {
        unsigned block = 0;                  // the first code of the row
        std::array<std::string, 16> cells;   // the characters; blank outside the class
    };

    int m_nClass = 0;  // "記号１"

    // The rows of the chosen class: one per 16-code block holding a
    // character of it, at most kMaxRows.
    std::vector<Row> rows() const;
    // " 0" .. " F".
    static std::string columnTitle(int col);
    // The block's first code in hexadecimal.
    static std::string rowTitle(unsigned block);
};

}  // namespace tabrix
