// The new-file dialog "新規作成オプション設定": size and delimiter of an empty document.
#pragma once

#include <string>

#include "app/UserInterface.h"
#include "document/Delimiter.h"

namespace tabrix {

class CNewFile : public CDialogModel {
public:
    static constexpr const char* kCaption = "新規作成オプション設定";
    static constexpr int kMaxRows = 65535;
    static constexpr int kMaxCols = 256;

    int m_nRows = 100;  // "初期 行数"
    int m_nCols = 10;   // "初期 列数"
    DelimKind m_nDelim = DelimKind::Csv;
    std::string m_strOther;

    std::string validate() const override;
    char delimiter() const;
    bool otherEnabled() const { return m_nDelim == DelimKind::Other; }
};

// The message of a number box whose value is out of its range.
std::string RangeMessage(int low, int high);

}  // namespace tabrix
