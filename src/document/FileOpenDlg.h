// The file-read dialog "ファイル読み込み種別": which data file, its delimiter,
// whether the first line holds titles and whether fields are quoted.
#pragma once

#include <string>

#include "app/UserInterface.h"
#include "document/Delimiter.h"

namespace tabrix {

class CFileOpen : public CDialogModel {
public:
    static constexpr const char* kCaption = "ファイル読み込み種別";
    static constexpr const char* kBrowseTitle = "ファイル選択";
    static constexpr const char* kBrowseFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";

    std::string m_strFileName;
    DelimKind m_nDelim = DelimKind::Csv;
    std::string m_strOther;  // the one-character box, used with "その他"
    bool m_bTitleLine = false;
    bool m_bQuote = false;

    std::string validate() const override;
    // The delimiter the dialog stands for once validate() passed.
    char delimiter() const;
    bool otherEnabled() const { return m_nDelim == DelimKind::Other; }

    // Sets the delimiter choice from the named file (when the dialog opens).
    void detect(IUserInterface& ui);
    // The "参照" button: chooses a file starting in defDir, then detects.
    bool browse(IUserInterface& ui, const std::string& defDir);
};

}  // namespace tabrix
