// "元に戻す" and "やり直し": the journal takes the document back or forward,
// and the view shows it as after any command.
#include <algorithm>

#include "app/MenuTable.h"
#include "view/TabrixView.h"
#include "view/UndoAction.h"

namespace tabrix {

namespace {

bool InMenu(const MenuDef& menu, CommandId id) {
    return std::any_of(menu.items.begin(), menu.items.end(), [id](const MenuItem& item) {
        return item.kind == MenuItemKind::Command && item.command == id;
    });
}

void RemoveMark(std::string& caption, std::string_view mark) {
    if (caption.size() >= mark.size() && caption.compare(caption.size() - mark.size(), mark.size(), mark) == 0)
        caption.erase(caption.size() - mark.size());
}

}  // namespace

std::string UndoCaptionOf(CommandId id) {
    std::string caption = PlainCaption(InfoOf(id).caption);
    RemoveMark(caption, "...");
    RemoveMark(caption, "(*)");
    auto names = [&](std::string_view what) { return caption.find(what) != std::string::npos; };
    if (InMenu(ColumnMenu(), id) && caption.rfind("列", 0) != 0) return "列" + caption;
    if (InMenu(RowMenu(), id) && !names("行")) return "行" + caption;
    return caption;
}

bool ChangesDocument(CommandId id) {
    switch (id) {
        case CommandId::FileSave:
        case CommandId::FileSaveAs:
        case CommandId::FileSplitSave:
        case CommandId::FileConditionalSave:
        case CommandId::FilePrint:
        case CommandId::FilePrintPreview:
        case CommandId::EditCopy:
        case CommandId::EditSelectAll:
        case CommandId::EditUndo:
        case CommandId::EditRedo:
        case CommandId::PageFirst:
        case CommandId::PagePrev:
        case CommandId::PageNext:
        case CommandId::PageLast:
        case CommandId::JumpToRow:
        case CommandId::SortDisplay:
        case CommandId::Font:
        case CommandId::ColumnHide:
        case CommandId::ColumnShowAll:
        case CommandId::ColumnWidth:
        case CommandId::ColumnAutoSize:
        case CommandId::Filter:
        case CommandId::Aggregate:
            return false;
        default:
            return true;
    }
}

std::string CTabrixView::UndoMenuCaption(CommandId id) const {
    const CUndoJournal& journal = m_doc.undoJournal();
    if (id == CommandId::EditUndo && journal.canUndo())
        return std::string(InfoOf(id).caption) + "(" + journal.undoCaption() + ")";
    if (id == CommandId::EditRedo && journal.canRedo())
        return std::string(InfoOf(id).caption) + "(" + journal.redoCaption() + ")";
    return {};
}

void CTabrixView::OnUndo() { StepUndoJournal(true); }
void CTabrixView::OnRedo() { StepUndoJournal(false); }

void CTabrixView::StepUndoJournal(bool undo) {
    m_grid.endEditing();
    CUndoJournal& journal = m_doc.undoJournal();
    const UndoOutcome outcome = undo ? journal.undo() : journal.redo();
    if (!outcome.done) return;
    Redisplay(outcome.countsChanged, outcome.layoutChanged);
    // Back at the state last saved, the document is unchanged again.
    if (!journal.modified()) clearModified();
}

}  // namespace tabrix
