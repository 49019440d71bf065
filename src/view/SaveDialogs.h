// The dialogs of split save ("分割条件設定") and conditional save
// ("出力条件設定"), as data: their fields, the switches between them, the
// extension rule and the checks on OK.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

// The output name with the extension of a delimiter or format choice: the
// extension of the name replaced, or appended when it has none.
std::string WithExtension(const std::string& name, const std::string& extension);
// Why an "その他" character cannot delimit fields, or empty: a lead byte, a
// double quote, CR and LF would break the records written with it.
std::string CheckOtherDelimiter(const std::string& box);

inline constexpr const char* kNoOutputFile = "出力ファイル名を入力して下さい。";
inline constexpr const char* kNoOtherDelimiter = "その他形式の場合は区切り文字を入力して下さい。";
inline constexpr const char* kBadOtherDelimiter = "その他形式の区切り文字には使用出来ない文字です。";
inline constexpr const char* kOutputBrowseTitle = "保存";
inline constexpr const char* kTextOutputFilter =
    "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|CSVﾌｧｲﾙ(*.csv)|*.csv|DATAﾌｧｲﾙ(*.dat)|*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";
inline constexpr const char* kExcelOutputFilter = "EXCELﾌｧｲﾙ(*.xls,*.xlsx)|*.xls;*.xlsx|全てのﾌｧｲﾙ(*.*)|*.*||";

// The save-file dialog of the "参照" buttons, and the name it gives: one
// chosen without an extension gets ".xls" for EXCEL, else that of the filter
// entry in use (".csv" for the second, ".dat" for the third, else ".txt").
FileDialogRequest OutputBrowseRequest(const std::string& name, bool excel);
std::string OutputBrowseName(const FileDialogRequest& chosen, bool excel);

// "分割条件設定": created afresh for each use.
class CDivOptDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "分割条件設定";
    static constexpr const char* kNote = "※ファイル名の後ろに、１から連番が付与されます。";
    static constexpr const char* kBadFileCount = "分割ファイル数を正しく入力して下さい。";
    enum Delim { Csv = 0, Tab = 1, Space = 2, Other = 3 };

    int m_nMode = 0;             // "単純行数分割" (0) / "行数＋キーブレイク" (1)
    std::vector<int> m_KeyCols;  // the selected columns, ascending
    int m_nTitle = 0;            // "各ファイルに出力しない" (0) / "各ファイルに出力する" (1)
    int m_nDelim = Csv;
    std::string m_strOther;      // the one-character box of "その他"
    int m_nFiles = 1;            // "分割ファイル数", spin 1 .. 65535
    bool m_bPerKey = false;      // "キーブレーク毎にファイルを作成する"
    std::string m_strOutFile;

    // What the view fills in: the line count and what may be chosen.
    long long m_nLineCount = 0;
    bool m_bHasTitleLine = false;

    // The dialog for a document: its delimiter, its file name and the selection.
    void init(char docDelimiter, const std::string& dataFile, const std::vector<int>& keyCols, long long lines,
              bool titleLine);
    // "each selected column number followed by one space".
    std::string keyColumnsText() const;
    bool keyBreakAllowed() const { return !m_KeyCols.empty(); }
    bool titleEachAllowed() const { return m_bHasTitleLine; }
    bool perKeyAllowed() const { return m_nMode == 1; }
    bool fileCountEditable() const { return !m_bPerKey; }
    bool otherBoxEnabled() const { return m_nDelim == Other; }

    void setMode(int mode);
    void setPerKey(bool perKey);
    void setDelim(int delim);

    std::string validate() const override;
    char delimiter() const;
};

// "出力条件設定": the view keeps one for its lifetime.
class CSaveOpt : public CDialogModel {
public:
    static constexpr const char* kCaption = "出力条件設定";
    static constexpr const char* kNoSearchText = "検索文字列を入力して下さい。";
    static constexpr const char* kExcelExtension = "EXCEL形式の場合は拡張子を「xls/xlsx」にして下さい。";
    enum Format { Csv = 0, Tab = 1, Space = 2, Excel = 3, Other = 4 };

    int m_nColMode = 0;         // "全列出力" (0) / "選択列のみ" (1)
    int m_nSelectedCount = 0;   // shown beside "選択列のみ"
    int m_nRowMode = 0;         // "全行出力" / "抽出条件での出力" / "絞込表示済の出力"
    int m_nFormat = Csv;
    std::string m_strOther;
    int m_nSearchCol = 1;       // "検索列番号"
    std::string m_strSearch;    // "検索文字列"
    int m_nSearchType = 1;      // "＊？を文字として扱う" (0) / "ワイルドカードを展開する" (1)
    int m_nExtract = 0;         // "一致データを抽出" (0) / "不一致データを抽出" (1)
    std::string m_strOutFile;
    bool m_bTitle = false;      // "１行目は列見出し"
    bool m_bVirtual = false;    // "仮想項目を出力する"
    std::vector<std::string> m_SearchList;  // built on OK

    // What the view fills in at each use.
    int m_nMaxCols = 0;
    bool m_bFilterOn = false;
    bool m_bHasTitleLine = false;
    bool m_bCtrlLoaded = false;
    std::vector<std::string> m_ColTitles;  // index 0 is column 1
    const class CLineStore* m_pLines = nullptr;  // the data lines, for the value picker
    std::size_t m_nFirstLine = 0;

    // The re-set rules of a use: the column mode without a selection, the
    // format from the document's delimiter, the title from the document,
    // the output name when empty, the virtual columns without a schema.
    void prepareForUse(char docDelimiter, const std::string& dataFile, int selectedCount, bool filterOn,
                       bool titleLine, bool ctrlLoaded, int maxCols);
    bool selectedColumnsAllowed() const { return m_nSelectedCount > 0; }
    bool filteredRowsAllowed() const { return m_bFilterOn; }
    bool searchEnabled() const { return m_nRowMode == 1; }
    bool titleAllowed() const { return m_bHasTitleLine; }
    bool virtualAllowed() const { return m_bCtrlLoaded; }
    bool otherBoxEnabled() const { return m_nFormat == Other; }

    void setFormat(int format);
    std::string validate() const override;
    // The delimiter of the chosen format; 0 for EXCEL.
    char delimiter() const;
    // Builds the search list from the search text (row mode 1).
    void buildSearchList();
};

}  // namespace tabrix
