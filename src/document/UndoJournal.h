// The undo journal of a document: every user action (a cell edit, a paste,
// a menu command) is one entry holding the line store's steps and, when the
// action changed it, the schema side before and after. The store reports its
// changes itself, so commands carry no undo code of their own.
//
// Memory: the entries hold references to rows the store no longer shows and
// the bytes behind them; the oldest entries go once the journal holds more
// than UndoMemory percent of the document's bytes, the newest always stays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "document/SchemaState.h"
#include "document/StoreSteps.h"

namespace tabrix {

class CTabrixDoc;

// What an undo or redo changed, for the redisplay.
struct UndoOutcome {
    bool done = false;
    bool countsChanged = false;  // the line or column count
    bool layoutChanged = false;  // the column count or the column records
};

class CUndoJournal {
public:
    explicit CUndoJournal(CTabrixDoc& doc);
    CUndoJournal(const CUndoJournal&) = delete;
    CUndoJournal& operator=(const CUndoJournal&) = delete;
    ~CUndoJournal();

    // An action: begin takes the schema side, end keeps the entry when
    // anything changed. Actions nest: only the outermost one counts. False
    // from begin when an outer action is already open.
    bool begin(std::string caption);
    void end();
    bool recording() const { return m_open != nullptr; }

    // The store's steps of the open action. A change with no action open
    // cannot be undone, and neither can anything before it: the journal
    // then forgets everything and answers null.
    CStoreSteps* recordingSteps();

    bool canUndo() const { return !m_undo.empty() && !m_open; }
    bool canRedo() const { return !m_redo.empty() && !m_open; }
    // The caption of the action undo or redo would take back or do again.
    const std::string& undoCaption() const;
    const std::string& redoCaption() const;
    UndoOutcome undo();
    UndoOutcome redo();

    // The document was saved as it is now; modified() is false again when
    // undo or redo comes back to this state.
    void markSaved() { m_savedState = m_state; }
    bool modified() const { return m_state != m_savedState; }

    // Forgets every action.
    void clear();
    // Memory the entries hold, and the bound that applies now.
    std::size_t bytes() const;
    std::size_t bound() const;
    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }
    // Every row reference held, for the store's compaction.
    void forEachRowRef(const std::function<void(LineRef&)>& visit);
    // Some entry put lines back over their own bytes (see CStoreSteps).
    bool holdsPatches() const;

private:
    struct Action {
        std::string caption;
        CStoreSteps steps;
        std::optional<SchemaChange> schema;
        std::optional<SchemaState> schemaBefore;  // while open
        std::uint64_t stateBefore = 0;
        std::uint64_t stateAfter = 0;
        std::size_t bytes() const;
    };
    UndoOutcome step(bool undo);
    void trim();

    CTabrixDoc& m_doc;
    std::deque<std::unique_ptr<Action>> m_undo;
    std::deque<std::unique_ptr<Action>> m_redo;
    std::unique_ptr<Action> m_open;
    int m_depth = 0;
    // Each state of the document an action leads to has its own number.
    std::uint64_t m_state = 0;
    std::uint64_t m_savedState = 0;
    std::uint64_t m_nextState = 1;
};

}  // namespace tabrix
