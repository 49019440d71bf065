// The workbook read options "EXCEL読み込みオプション": which worksheet, and
// the rows from and to which it is read.
#pragma once

#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CExcelOptDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "EXCEL読み込みオプション";
    static constexpr const char* kSheetLabel = "読み込みシート";
    static constexpr const char* kRowLabel = "読み込み行番号";
    static constexpr const char* kNote = "※全てのセルが空白の場合は、\nそれ以降の行は読み込みません。";

    std::string m_strFileName;          // shown
    std::vector<std::string> m_sheets;  // "%d : %s" for every worksheet
    int m_nSheet = 0;                   // position in the list
    int m_nFirst = 1;
    int m_nLast = 65536;
    int m_nRowLimit = 65536;  // the last row the file's format can have

    // Lists the sheets and sets the last row to the format's limit.
    void setSheets(const std::vector<std::string>& names, int rowLimit);
    std::string validate() const override;
};

}  // namespace tabrix
