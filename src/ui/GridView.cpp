#include "ui/GridView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include "ui/GridCtrl.h"
#include "ui/GridModel.h"

namespace tabrix {

namespace {

enum class KeyCommand { None, Copy, Cut, Paste, SelectAll, Clear, Input };

KeyCommand CommandOf(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Copy)) return KeyCommand::Copy;
    if (key.matches(QKeySequence::Cut)) return KeyCommand::Cut;
    if (key.matches(QKeySequence::Paste)) return KeyCommand::Paste;
    if (key.matches(QKeySequence::SelectAll)) return KeyCommand::SelectAll;
    if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier) return KeyCommand::Clear;
    if (key.key() == Qt::Key_F4 && key.modifiers() == Qt::NoModifier) return KeyCommand::Input;
    return KeyCommand::None;
}

}  // namespace

GridView::GridView(CGridCtrl& grid) : QTableView(&grid), m_grid(grid) {
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
}

void GridView::finishEdit(QWidget* editor) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
}

void GridView::dropEdit(QWidget* editor) {
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

bool GridView::event(QEvent* event) {
    // The grid's clipboard keys come before the same shortcuts of the menus.
    if (event->type() == QEvent::ShortcutOverride &&
        CommandOf(*static_cast<QKeyEvent*>(event)) != KeyCommand::None) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    switch (CommandOf(*event)) {
        case KeyCommand::Copy:
            m_grid.copyToClipboard();
            break;
        case KeyCommand::Cut:
            m_grid.cutToClipboard();
            break;
        case KeyCommand::Paste:
            m_grid.pasteFromClipboard();
            break;
        case KeyCommand::SelectAll:
            m_grid.selectAllCells();
            break;
        case KeyCommand::Clear:
            m_grid.cutSelection();
            break;
        case KeyCommand::Input:
            m_grid.inputKey();
            break;
        case KeyCommand::None:
            QTableView::keyPressEvent(event);
            return;
    }
    event->accept();
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex at =
        event->reason() == QContextMenuEvent::Keyboard ? currentIndex() : indexAt(event->pos());
    event->accept();
    if (!at.isValid()) return;
    const auto& model = static_cast<const GridModel&>(*this->model());
    int row = 0;
    int col = 0;
    model.toGrid(at, row, col);
    m_grid.rightClick(row, col);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Before the table moves on: Tab opens the next cell's editor at once.
    m_grid.editorClosed(editor);
    QTableView::closeEditor(editor, hint);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) return headerEvent(*horizontalHeader(), event);
    if (watched == verticalHeader()->viewport()) return headerEvent(*verticalHeader(), event);
    return QTableView::eventFilter(watched, event);
}

bool GridView::onSectionEdge(const QHeaderView& header, const QPoint& pos) const {
    const int x = header.orientation() == Qt::Horizontal ? pos.x() : pos.y();
    const int section = header.logicalIndexAt(x);
    if (section < 0) return false;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, &header);
    const int start = header.sectionViewportPosition(section);
    return x - start < margin || start + header.sectionSize(section) - x <= margin;
}

bool GridView::headerEvent(QHeaderView& header, QEvent* event) {
    const bool titles = header.orientation() == Qt::Horizontal;
    switch (event->type()) {
        case QEvent::ContextMenu: {
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            const int section = header.logicalIndexAt(menu->pos());
            if (section < 0) return false;
            if (titles)
                m_grid.rightClick(0, section + m_grid.fixedColumnCount());
            else
                m_grid.rightClick(section + m_grid.fixedRowCount(), 0);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!titles || !m_grid.sortOnTitleClick() || mouse->button() != Qt::LeftButton)
                return false;
            if (onSectionEdge(header, mouse->position().toPoint())) return false;
            const int section = header.logicalIndexAt(mouse->position().toPoint());
            if (section < 0) return false;
            // The second press of a double click has sorted again already.
            if (event->type() == QEvent::MouseButtonPress)
                m_grid.sortByTitle(section + m_grid.fixedColumnCount());
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tabrix
