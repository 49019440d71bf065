// One user action as one entry of the document's undo journal: opened where
// the view dispatches a command or commits a cell edit, closed when it is
// done. Commands that never change the document open none.
#pragma once

#include <string>

#include "app/Commands.h"
#include "document/UndoJournal.h"

namespace tabrix {

// The caption an action of the command has in "元に戻す(...)": its menu
// caption without keys and marks, with "行" or "列" before the row and
// column commands that do not name it ("列削除").
std::string UndoCaptionOf(CommandId id);
// False for the commands that only show, save, print or select.
bool ChangesDocument(CommandId id);

class UndoAction {
public:
    UndoAction(CUndoJournal& journal, std::string caption) : m_journal(journal) {
        m_open = m_journal.begin(std::move(caption));
        m_nested = !m_open;
    }
    UndoAction(CUndoJournal& journal, CommandId id) : m_journal(journal) {
        if (ChangesDocument(id)) {
            m_open = m_journal.begin(UndoCaptionOf(id));
            m_nested = !m_open;
        }
    }
    UndoAction(const UndoAction&) = delete;
    UndoAction& operator=(const UndoAction&) = delete;
    ~UndoAction() { end(); }
    void end() {
        if (m_open || m_nested) m_journal.end();
        m_open = m_nested = false;
    }

private:
    CUndoJournal& m_journal;
    bool m_open = false;
    bool m_nested = false;  // an outer action counts; the journal keeps the count
};

}  // namespace tabrix
