// The small side of a document an action may change besides its lines: the
// column count, the title flag, and the control file's settings and column
// records. Taken before and after an action; restoring sets back only what
// the action changed, so a save in between keeps its file names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/CtrlFile.h"

namespace tabrix {

class CTabrixDoc;

struct SchemaState {
    int maxCols = 0;
    bool titleLine = false;
    // The control file as it would be written: what tells a change apart.
    std::string text;
    bool loaded = false;
    char delim = ',';
    bool quote = false;
    OpenDlgMode openDlg = OpenDlgMode::Option;
    MenuMode menuMode = MenuMode::Normal;
    std::string mdb;
    std::vector<int> keyCols;
    bool dupCheck = false;
    bool colChange = true;
    bool lineChange = true;
    bool convUse = true;
    bool helpMsg = true;
    ImeMode imeMode = ImeMode::None;
    bool headTitle = false;
    // Copies of the records without their loaded translation tables.
    std::vector<std::unique_ptr<CColCtrl>> records;

    static SchemaState Of(CTabrixDoc& doc);
    // Memory held by the copies, roughly.
    std::size_t bytes() const;
};

// What an action changed of the schema side: restoring one state where it
// differs from the other.
struct SchemaChange {
    SchemaState before;
    SchemaState after;
    bool countChanged() const { return before.maxCols != after.maxCols; }
    bool titleChanged() const { return before.titleLine != after.titleLine; }
    bool ctrlChanged() const { return before.text != after.text || before.loaded != after.loaded; }
    bool any() const { return countChanged() || titleChanged() || ctrlChanged(); }
    // Puts back the state of the one side (before to undo, after to redo).
    void restore(CTabrixDoc& doc, bool toBefore) const;
};

}  // namespace tabrix
