#include "ui/GridDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QValidator>

#include "ui/GridCtrl.h"
#include "ui/GridModel.h"
#include "ui/GridView.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

bool IsLineBreakOrTab(QChar c) {
    return c == u'\t' || c == u'\r' || c == u'\n';
}

// Drops TAB and line breaks as they are typed or pasted, so the editor shows
// what the cell will hold.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        int before = 0;
        for (int i = 0; i < pos && i < input.size(); ++i)
            if (IsLineBreakOrTab(input[i])) ++before;
        input = SingleLine(input);
        pos -= before;
        return Acceptable;
    }
};

const GridModel& ModelOf(const QModelIndex& index) {
    return static_cast<const GridModel&>(*index.model());
}

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString SingleLine(QString text) {
    text.removeIf(IsLineBreakOrTab);
    return text;
}

GridDelegate::GridDelegate(CGridCtrl& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    int row = 0;
    int col = 0;
    ModelOf(index).toGrid(index, row, col);
    // A veto leaves no editor, and Qt then opens none.
    if (!m_grid.openEdit(row, col)) return nullptr;
    QWidget* editor = nullptr;
    const GridCell& cell = ModelOf(index).cell(row, col);
    if (cell.kind == CellKind::DropDownList) {
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        if (cell.options)
            for (const std::string& value : *cell.options) list->addItem(ToQ(value), Bytes(value));
        CGridCtrl* grid = &m_grid;
        connect(list, &QComboBox::activated, list,
                [grid, list] { grid->m_view->finishEdit(list); });
        QTimer::singleShot(0, list, &QComboBox::showPopup);
        editor = list;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        line->setValidator(new SingleLineValidator(line));
        editor = line;
    }
    editor->setFont(option.font);
    m_grid.editorOpened(editor);
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    CGridCtrl::EditSession& edit = m_grid.m_edit;
    if (!edit.active() || edit.committing || edit.finished) return;
    int row = 0;
    int col = 0;
    ModelOf(index).toGrid(index, row, col);
    // What the editor shows now, the begin-edit handler's text included.
    edit.opened = ModelOf(index).cell(row, col).text;
    edit.openedShown = ModelOf(index).shownText(row, col);
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findData(Bytes(edit.opened)));
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(edit.openedShown);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const {
    const CGridCtrl::EditSession& edit = m_grid.m_edit;
    if (!edit.active() || edit.committing || edit.finished) return;
    // Read everything from the editor first: the handlers may open windows,
    // and the editor may be gone when they return.
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const QByteArray chosen = list->currentData().toByteArray();
        m_grid.commitBytes(list->currentIndex() < 0 ? edit.opened : chosen.toStdString());
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        m_grid.commitTyped(line->text());
    }
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!(option.state & QStyle::State_HasFocus)) return;
    int row = 0;
    int col = 0;
    ModelOf(index).toGrid(index, row, col);
    if (ModelOf(index).cell(row, col).kind != CellKind::DropDownList) return;
    // The focused drop-down list cell shows that it offers a list.
    const int side = std::min(option.rect.height(), 14);
    QStyleOption arrow;
    arrow.rect = QRect(option.rect.right() - side,
                       option.rect.top() + (option.rect.height() - side) / 2, side, side);
    arrow.palette = option.palette;
    arrow.state = QStyle::State_Enabled;
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, option.widget);
}

bool GridDelegate::eventFilter(QObject* editor, QEvent* event) {
    // A message shown while an edit ends takes the focus from the editor;
    // that must not end the same edit a second time.
    if (m_grid.m_edit.committing &&
        (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide))
        return false;
    return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace tabrix
