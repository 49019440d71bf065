// "項目属性読込": column records set from lines of the data that describe the
// columns, as files exported from a host database often carry them: one line
// of column names, one of types ("CHAR", "NUMBER(5)", "DATE", ...), one of
// digits and one of decimal digits.
#pragma once

#include <array>
#include <string>

#include "app/UserInterface.h"

namespace tabrix {

class CTabrixDoc;

class CColAttrReadDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "項目属性読込";
    static constexpr const char* kPrompt = "項目属性の行番号を指定して下さい。";
    static constexpr const char* kLineCaptions[] = {"項目名", "属性", "桁数", "少数桁数"};
    // The types a keyword row stands for, in the order of m_Keywords.
    static constexpr const char* kTypeCaptions[] = {"文字", "数字", "日付", "時刻"};
    enum Line { NameLine, TypeLine, DigitsLine, DecimalsLine };
    static constexpr int kUnused = -1;

    // 1-based line numbers as the row-number column shows them; -1: not used.
    std::array<int, 4> m_nLines{kUnused, kUnused, kUnused, kUnused};
    // Per type (text, number, date, time), the words that name it.
    std::array<std::array<std::string, 4>, 4> m_Keywords{{
        {"CHAR", "VARCHAR2", "STRING", ""},
        {"NUMBER", "DEC", "INT", ""},
        {"DATE", "", "", ""},
        {"TIME", "", "", ""},
    }};
    int m_nLineCount = 0;  // lines of the document, for the check

    std::string validate() const override;
    // The column type (kTypeText ...) a type field names, or 0: the type
    // whose keyword is the longest start of the field, letters of either case.
    int typeOf(std::string_view field) const;
};

// Sets the document's column records from its attribute lines: titles,
// types, maximum lengths (text), total digits and decimal places
// (numbers). Virtual columns and values that do not fit stay as they were.
// The number of columns changed.
int ApplyColumnAttributes(const CColAttrReadDlg& dlg, CTabrixDoc& doc);

}  // namespace tabrix
