// The object a document owns: the line store with its reading settings, and
// the column schema read from a control file. Both live for the life of the
// document.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuMode.h"
#include "document/ClientDB.h"
#include "document/LineStore.h"
#include "schema/ColCtrl.h"
#include "text/Clock.h"

namespace tabrix {

struct AppContext;
class CKeyCache;

enum class OpenDlgMode { View = 0, Not = 1, Option = 2 };
enum class ImeMode { None = 0, Normal = 1, Detail = 2 };

class CCtrlFile {
public:
    CCtrlFile() = default;
    CCtrlFile(const CCtrlFile&) = delete;
    CCtrlFile& operator=(const CCtrlFile&) = delete;

    // Line store.
    CLineStore m_Lines;
    int m_nMaxCols = 0;          // column count: fields of the widest line
    char m_cDelim = ',';         // DELIM=, the dialog or detection
    bool m_bQuote = false;       // QUOTE=
    OpenDlgMode m_nOpenDlg = OpenDlgMode::Option;  // OPENDLG=
    MenuMode m_nMenuMode = MenuMode::Normal;       // MENUMODE=
    std::string m_strDataFile;   // FILE=: full path of the data file, "新規" for a new document
    // FILE= as the control file editor named it when that is another file than
    // the one the document reads and saves; the control file writes this name.
    std::optional<std::string> m_strNamedDataFile;
    std::string m_strCtrlFile;   // path of the control file, empty when none
    std::string m_strError;      // a refusal found while reading, or the last failed check
    bool m_bLoaded = false;      // a control file was read successfully
    bool m_bModified = false;    // the schema changed and is not saved yet
    std::string m_strMdb;        // MDB=
    CClientDB m_Db;

    // [FILE] settings of the control file.
    std::vector<int> m_KeyCols;  // KEYCOL=
    bool m_bDupCheck = false;    // DUPCHECK=
    bool m_bColChange = true;    // COLCHANGE=
    bool m_bLineChange = true;   // LINECHANGE=
    bool m_bConvUse = true;      // CONVUSE=
    bool m_bHelpMsg = true;      // HELPMSG=
    ImeMode m_nImeMode = ImeMode::None;  // IMEMODE=
    bool m_bHeadTitle = false;   // HEADTITLE=

    // Column records in display order, numbered 1..n.
    std::vector<std::unique_ptr<CColCtrl>> m_Cols;

    // Reads the control file at m_strCtrlFile into the schema; 1 on success,
    // 0 after the error was shown (the schema is then empty).
    int LoadCtrlFile(AppContext& app);
    // Writes the schema, asking for a path first when none is set; 1 when
    // written, 0 when cancelled or after the failure was shown.
    int SaveCtrlFile(AppContext& app, const Clock& clock = SystemClock());
    // Back to no schema: [FILE] settings at their defaults, no columns.
    void ResetSchema();
    CColCtrl* FindCol(int col) const;

    // Keeping the column records in step with the data's columns. Without a
    // schema they only adjust the column count. KEYCOL= and every TRAN_COL=
    // are renumbered with the columns; a deleted column leaves those lists.
    // A column was inserted at 1-based position; 1 when a record was added.
    int InsertColDef(int position);
    // The column at 1-based position was deleted; 1 when a record was removed.
    int DeleteColDef(int position);
    // The columns now stand in the order of the given column numbers; false
    // (nothing changed) unless the list names every column exactly once.
    bool ReorderColDefs(const std::vector<int>& order);
    // What holds a column's number besides its record: 0 when it is a key
    // column, and the number of every translated column writing into it.
    // Empty when deleting the column loses nothing the schema refers to.
    std::vector<int> ReferencedColumns(int col) const;
    // The refusal "列：%d は、キー列の為削除出来ません。" or "列：%d は、列：%d
    // の翻訳先の為削除出来ません。" for the first of cols the schema refers to;
    // empty when none.
    std::string ColumnDeletionRefusal(const std::vector<int>& cols) const;
    // The data file name FILE= writes.
    const std::string& NamedDataFile() const { return m_strNamedDataFile ? *m_strNamedDataFile : m_strDataFile; }

    // 1 when the key of the row (given back in key) is the key of another
    // line too. The cache is built on first use and reused until emptied;
    // with no key columns the result is 0.
    int CheckKeyDup(std::size_t row, CKeyCache& cache, std::string& key);

    // Column numbers (ascending) of the virtual columns, and the count of
    // columns that are fields of the data file. Both empty without a schema.
    std::vector<int> VirtualColumns() const;
    int InFileColumnCount() const;
};

// Where a column number the schema holds moves when a column is inserted at
// position, or deleted from it (0: it was the deleted column).
int NumberAfterInsert(int number, int position);
int NumberAfterDelete(int number, int position);

}  // namespace tabrix
