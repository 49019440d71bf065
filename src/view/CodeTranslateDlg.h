// "CD翻訳", the code translation dialog, as data: which file the codes of the
// selected column are looked up in, where the key and the names stand in it,
// and whether the names replace the codes or go into new columns. A preview
// of the file's first lines lets the user pick the positions with the mouse.
//
// OK loads the translation table the command then works with, so a file that
// cannot be read or is too short for the positions keeps the dialog open.
#pragma once

#include <string>
#include <vector>

#include "app/TabrixApp.h"
#include "app/UserInterface.h"
#include "schema/TranCtrl.h"

namespace tabrix {

struct AppContext;

class CColTransParam : public CDialogModel {
public:
    static constexpr const char* kCaption = "CD翻訳";
    static constexpr const char* kBrowseTitle = "CD変換ファイル選択";
    static constexpr const char* kBrowseFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";
    static constexpr const char* kNeedFile = "変換元ファイル名を入力して下さい。";
    static constexpr const char* kNeedNames = "抽出項目ＮＯを入力して下さい。";
    static constexpr const char* kManyNamesReplace =
        "複数項目抽出の場合は、「現在の項目に置き換える」は選択できません。";
    static constexpr const char* kNamePosBelowOne = "抽出項目番号は１以上を指定して下さい。";
    static constexpr const char* kKeyNeedsOne = "キー項目は、列を１列選択して下さい。";
    static constexpr const char* kNamesNeedOne = "抽出項目は、列を１列以上選択して下さい。";
    static constexpr int kMaxKeyPos = 9999;
    static constexpr int kPreviewLines = 50;

    enum Delimiter { Csv, Tab, Space };
    enum Placement { Replace, AddColumns };

    int m_nCol = 1;             // "選択列NO", read only: the column of the codes
    int m_nColCount = 1;        // the document's column count
    std::string m_strFile;      // "変換元ファイル名"
    int m_nKeyPos = 1;          // "キー項目NO", 1 .. kMaxKeyPos
    std::string m_strNamePos;   // "抽出項目NO": positions joined by "," such as 2,3
    int m_nDelim = Csv;         // "ＣＳＶ形式" "ＴＡＢ区切" "ｽﾍﾟｰｽ区切"
    int m_nPlacement = Replace; // "現在の項目に置き換える" or "列を追加する"
    int m_nInsertAfter = 0;     // "列目の後ろ": the new columns follow this data column

    // Where relative file names are found, and who loads the table on OK.
    AppContext* m_pApp = nullptr;
    // The table OK loaded: translation on, this dialog's file, delimiter and positions.
    mutable CTranCtrl m_Tran;

    char delimiter() const;
    // The extracted positions as numbers; empty unless every one is digits only.
    std::vector<int> namePositions() const;
    // The path the file name stands for (relative names under DefDir).
    std::string sourcePath() const;

    // The preview: at most kPreviewLines non-empty lines of the file, split as
    // translation records, cut to the fewest fields among them.
    const std::vector<std::vector<std::string>>& preview() const { return m_Preview; }
    int previewColumns() const { return m_nPreviewCols; }
    // Reads the preview again; a file that cannot be opened empties it and says so.
    void reloadPreview(IUserInterface& ui);
    // "参照": the open-file dialog; a chosen file is taken and previewed.
    bool browse(IUserInterface& ui);
    // "照会": the file shown by the desktop's program for it; a failure is told.
    void refer(IUserInterface& ui, const ShellOpenFunction& open) const;
    // The right-click menu of the preview, given the selected preview columns
    // (0-based): the one column becomes the key position, or the columns (in
    // ascending order) the extracted positions. An empty result, or the message.
    std::string setKeyFromPreview(const std::vector<int>& cols);
    std::string setNamesFromPreview(std::vector<int> cols);

    std::string validate() const override;

private:
    std::vector<std::vector<std::string>> m_Preview;
    int m_nPreviewCols = 0;
};

}  // namespace tabrix
