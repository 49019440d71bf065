// What the control file editor puts back when it is cancelled: the schema of
// a CCtrlFile as it stood when the editor opened.
//
// The column records are copied, their translation tables are not: a table
// can hold hundreds of megabytes, so it is moved into the snapshot and moved
// back to whichever record keeps it when the editor closes.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/MenuMode.h"
#include "schema/ColCtrl.h"

namespace tabrix {

class CCtrlFile;
enum class OpenDlgMode;
enum class ImeMode;

// A translation table with its key index, as it travels between records.
struct TranTableData {
    std::vector<std::vector<std::string>> table;
    std::unordered_map<std::string, std::size_t> index;
    int indexKeyPos = 0;
};

// Moves the table out of tran, which is left without one.
TranTableData TakeTranTable(CTranCtrl& tran);
// Gives tran the table (replacing its own).
void PutTranTable(CTranCtrl& tran, TranTableData&& data);
// The record's settings with an empty translation table; the record keeps its own.
CColCtrl CopyWithoutTable(CColCtrl& col);

struct CtrlSnapshot {
    // [FILE] settings and the control file's path.
    std::string strCtrlFile;
    std::string strDataFile;
    std::optional<std::string> strNamedDataFile;
    char cDelim = ',';
    bool bQuote = false;
    OpenDlgMode nOpenDlg{};
    MenuMode nMenuMode{};
    std::string strMdb;
    std::vector<int> keyCols;
    bool bDupCheck = false;
    bool bColChange = true;
    bool bLineChange = true;
    bool bConvUse = true;
    bool bHelpMsg = true;
    ImeMode nImeMode{};
    bool bHeadTitle = false;

    std::vector<CColCtrl> cols;        // the records, without their tables
    std::vector<TranTableData> tables;  // the table of each record, in the same order
    int nMaxCols = 0;
    bool bLoaded = false;
    bool bModified = false;
};

// Copies the schema and moves every translation table into the snapshot.
CtrlSnapshot TakeSnapshot(CCtrlFile& ctrl);
// Puts the schema back as it was, the tables in their records again.
void RestoreSnapshot(CCtrlFile& ctrl, CtrlSnapshot&& snapshot);

}  // namespace tabrix
