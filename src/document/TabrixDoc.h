// The document of one open data file: the whole file in memory as row
// strings, its schema, and the commands that open, create, insert, save and
// close it. Every refusal is a message box and a false result; there is no
// partial document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "document/CtrlFile.h"
#include "document/DocView.h"
#include "document/FileEncoding.h"
#include "document/UndoJournal.h"

namespace tabrix {

class CTabrixDoc {
public:
    static constexpr const char* kNewTitle = "新規";
    static constexpr const char* kSaveAsTitle = "名前を付けて保存";
    static constexpr const char* kSaveFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|CSVﾌｧｲﾙ(*.csv)|*.csv|DATAﾌｧｲﾙ(*.dat)|*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";
    // Save As writes delimited text, never a workbook.
    static constexpr const char* kNoWorkbookSave = "EXCEL形式では保存出来ません。拡張子を変更して下さい。";
    static constexpr const char* kInsertTitle = "ファイル選択";
    static constexpr const char* kInsertFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";

    explicit CTabrixDoc(AppContext& app);
    CTabrixDoc(const CTabrixDoc&) = delete;
    CTabrixDoc& operator=(const CTabrixDoc&) = delete;

    CCtrlFile m_CtrlFile;
    bool m_bTitleLine = false;  // line 0 of the store holds the column titles
    int m_nMinCols = 0;         // narrowest line of the last load
    bool m_bHanspDisp = false;  // half-width spaces are held as m_strHanspChar
    std::string m_strHanspChar;
    bool m_bZenspDisp = false;  // full-width spaces are held as m_strZenspChar
    std::string m_strZenspChar;
    IDocView* m_pView = nullptr;
    // Information messages of the last load (a space mark dropped, bytes left
    // out inside quotes), shown once by the open.
    std::vector<std::string> m_LoadNotices;
    std::size_t m_nDroppedBytes = 0;  // TAB bytes inside quotes the last load left out
    // The command line checks MDB= as the editor does but creates no database.
    bool m_bCreatesWorkDatabase = true;
    // The encoding of the data file: set before an open to read it so, and
    // kept (with its byte-order mark) for saving it back.
    FileEncoding m_nEncoding = FileEncoding::Sjis;
    DecodeReport m_LastDecode;  // what converting the file found on the last load

    AppContext& app() const { return m_app; }
    CLineStore& lines() { return m_CtrlFile.m_Lines; }
    const CLineStore& lines() const { return m_CtrlFile.m_Lines; }
    // Every change to the lines and the schema side, to undo and redo.
    CUndoJournal& undoJournal() { return m_undo; }
    const CUndoJournal& undoJournal() const { return m_undo; }
    int columnCount() const { return m_CtrlFile.m_nMaxCols; }
    const std::string& title() const { return m_strTitle; }
    const std::string& dataFileName() const { return m_CtrlFile.m_strDataFile; }
    void setDataFileName(const std::string& path);

    // Opening and loading.
    bool OnOpenDocument(const std::string& path);
    bool OnNewDocument();
    // Reads the data file into the line store; false when the file could not be read.
    // A space mark that cannot be told from the data is switched off first.
    bool LoadLines();
    // Widens every line to the column count; reports the narrowest and widest
    // counts seen; true when a line changed.
    bool AlignColumns(int& minCols, int& maxCols);

    // Saving.
    bool CanSave() const;                    // "上書き保存" is enabled
    bool DoSave();                           // "上書き保存"
    bool DoSaveAs();                         // "名前を付けて保存..."
    bool OnSaveDocument(const std::string& path);
    bool OnSaveDocument(const std::string& path, FileEncoding encoding);
    // Writes the store to path as a delimited file (m_strError on failure).
    bool StoreLines(const std::string& path, char delimiter, bool quote,
                    FileEncoding encoding = FileEncoding::Sjis);

    // Inserting a file ("ファイルを挿入"): asks for a file and inserts its
    // lines after the line afterLine. True when lines were inserted; the view
    // then shows the store again and marks the document changed.
    bool OnInsertFile(std::size_t afterLine);
    bool InsertFile(const std::string& path, std::size_t afterLine);

    // Closing.
    bool SaveModified();
    // False when closing was abandoned (the control file could not be saved).
    bool OnCloseDocument();

    // Copies the space-mark settings (documents take them once, at creation).
    void copySpaceMarks();
    // Space marks of a value: turned into spaces, and back into marks.
    void marksToSpaces(std::string& value) const;
    void spacesToMarks(std::string& value) const;

    static constexpr const char* kDroppedInQuotes =
        "ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝで囲まれた項目内のTAB（%llu文字）は読み込めない為、削除しました。";
    static constexpr const char* kHalfMarkInData =
        "ファイル内に半角スペース表示文字（%s）が有る為、半角スペースを表示せずに開きます。";
    static constexpr const char* kFullMarkInData =
        "ファイル内に全角スペース表示文字（%s）が有る為、全角スペースを表示せずに開きます。";
    static constexpr const char* kWorkDatabaseRefused =
        "MDB=に指定されたファイル（%s）は作業用データベースではない為、使用出来ません。";
    static constexpr const char* kHalfMarkSplitsFields =
        "スペース区切りのファイルに複数の項目が有る為、半角スペースを表示せずに開きます。";
    static constexpr const char* kMarkInInsertedFile =
        "挿入するファイル内にスペース表示文字（%s）が有る為、挿入出来ません。";
    static constexpr const char* kHalfMarkIsDelimiter =
        "半角スペース表示文字（%s）が区切り文字と同じ為、半角スペースを表示せずに開きます。";

private:
    enum class ReadResult { Done, Failed, HalfMarkInData, HalfMarkSplitsFields, FullMarkInData };
    ReadResult readLines();
    bool chooseDataFile();
    // MDB= names a file the work database may take: none yet, or an empty
    // database; never the data, control or a translation file. Otherwise
    // says so and refuses the open.
    bool checkWorkDatabase();
    void createWorkDatabase();
    // Deletes the work database this document created, if it is still one.
    void removeWorkDatabase();
    // MDB= with its folder found as the control file's names are.
    std::string workDatabasePath() const;

    AppContext& m_app;
    std::string m_strTitle;
    CUndoJournal m_undo{*this};
};

// The file name and extension of a path.
std::string FileNameOf(const std::string& path);
// The extension from the last dot of the file name, dot included; empty when none.
std::string ExtensionOf(const std::string& path);

}  // namespace tabrix
