// One run of the control file editor over a document's CCtrlFile: the
// snapshot that Cancel restores, the virtual columns added and removed (which
// the caller replays on the line store after OK), and where each column's
// translation table comes from when the editor closes.
#pragma once

#include <vector>

#include "schema/CtrlSnapshot.h"

namespace tabrix {

class CCtrlFile;

// A column added to or removed from the schema, at a 1-based position.
struct ColumnEdit {
    enum Kind { Insert, Delete } kind;
    int position;
    bool operator==(const ColumnEdit&) const = default;
};

class CCtrlEditSession {
public:
    // Takes the snapshot (the tables move into it).
    explicit CCtrlEditSession(CCtrlFile& ctrl);
    // A run that ended neither by OK nor by Cancel is cancelled.
    ~CCtrlEditSession() { restore(); }
    CCtrlEditSession(const CCtrlEditSession&) = delete;
    CCtrlEditSession& operator=(const CCtrlEditSession&) = delete;

    CCtrlFile& ctrl() const { return m_ctrl; }

    // The records were replaced by new ones that hold no table.
    void schemaCreated();

    // A virtual column after column col; its number, or 0 when none was added.
    int addVirtualColumn(int col);
    // Removes column col; false when there is no such record.
    bool deleteColumn(int col);
    // A column turned from a file column into a virtual one or back.
    void markColumnsChanged() { m_bColumnsChanged = true; }

    // Whether applying translation settings needs the table read: unless
    // the settings that shape a table (file, delimiter, key and name
    // positions) are those of the table column col will have at the end.
    bool needsTable(int col, const CTranCtrl& settings) const;
    // Column col was given a freshly read table (it keeps it at OK).
    void tableLoaded(int col);

    // OK: every record gets its table back (or keeps the one read in the
    // editor); a record that does not translate keeps none.
    void finish();
    // Cancel: the schema is put back as it was.
    void restore();

    const std::vector<ColumnEdit>& edits() const { return m_edits; }
    bool columnsChanged() const { return m_bColumnsChanged || !m_edits.empty(); }
    int originalColumnCount() const { return m_snapshot.nMaxCols; }

private:
    struct Origin {
        int record = -1;      // index of the record in the snapshot, -1 for a new one
        bool reloaded = false;  // the table was read in this run
    };

    CCtrlFile& m_ctrl;
    CtrlSnapshot m_snapshot;
    std::vector<Origin> m_origins;  // one per current record, in order
    std::vector<ColumnEdit> m_edits;
    bool m_bColumnsChanged = false;
    bool m_bClosed = false;
};

}  // namespace tabrix
