#include "ui/GridCtrl.h"

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputMethod>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/GridDelegate.h"
#include "ui/GridModel.h"
#include "ui/GridPrint.h"
#include "ui/GridView.h"
#include "ui/QtText.h"
#include "ui/TextWidth.h"
#include "view/GridOps.h"

namespace tabrix {

namespace {

// Auto-sizing never makes a column wider than this: one long text must not
// push every other column off the screen.
constexpr int kMaxAutoWidth = 480;
constexpr int kRowPadding = 6;

}  // namespace

QFont ToQFont(const GridFont& font) {
    QFont result(ToQ(font.face));
    if (font.height != 0) result.setPixelSize(std::abs(font.height));
    result.setWeight(font.weight <= 0
                         ? QFont::Normal
                         : static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    result.setItalic(font.italic);
    return result;
}

bool CGridCtrl::EditRelay::onBeginEdit(int row, int col) {
    return m_grid.m_notify ? m_grid.m_notify->onBeginEdit(row, col) : true;
}

bool CGridCtrl::EditRelay::onEndEdit(int row, int col, const std::string& text) {
    bool accepted = true;
    if (m_grid.m_notify)
        accepted = m_grid.m_notify->onEndEdit(row, col, text);
    else
        m_grid.setItemText(row, col, text);
    if (accepted && m_grid.validCell(row, col)) m_grid.setModified(true, row, col);
    return accepted;
}

CGridCtrl::CGridCtrl(QWidget* parent)
    : QWidget(parent),
      m_model(new GridModel(this)),
      m_view(new GridView(*this)),
      m_delegate(new GridDelegate(*this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->horizontalHeader()->setMinimumSectionSize(1);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                const auto col = static_cast<std::size_t>(section + fixedColumnCount());
                if (!m_applyingWidths && col < m_widths.size()) m_widths[col] = size;
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, &CGridCtrl::applyAllWidths);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CGridCtrl::notifySelection);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CGridCtrl::notifySelection);

    const QFont initial = font();
    m_gridFont.face = FromQLossy(initial.family());
    m_gridFont.height = -QFontInfo(initial).pixelSize();
    m_gridFont.weight = initial.weight();
    m_gridFont.italic = initial.italic();
    applyRowHeight();
}

CGridCtrl::~CGridCtrl() {
    // Closing the window would end an open edit as a lost focus does: the
    // view may be gone already, so it is neither asked nor told.
    m_notify = nullptr;
    abandonEdit();
}

QTableView* CGridCtrl::table() const {
    return m_view;
}

bool CGridCtrl::validCell(int row, int col) const {
    return m_model->contains(row, col);
}

bool CGridCtrl::setRowCount(int rows) {
    abandonEdit();
    if (!m_model->resize(rows, m_model->gridCols())) return false;
    m_sortColumn = -1;
    return true;
}

bool CGridCtrl::setColumnCount(int cols) {
    if (cols < 0) return false;
    abandonEdit();
    const std::size_t oldCount = m_widths.size();
    try {
        m_widths.resize(static_cast<std::size_t>(cols));
    } catch (const std::bad_alloc&) {
        return false;
    }
    const int defaultWidth = m_view->horizontalHeader()->defaultSectionSize();
    for (std::size_t col = oldCount; col < m_widths.size(); ++col) m_widths[col] = defaultWidth;
    if (!m_model->resize(m_model->gridRows(), cols)) {
        m_widths.resize(oldCount);
        return false;
    }
    m_sortColumn = -1;
    return true;
}

int CGridCtrl::rowCount() const {
    return m_model->gridRows();
}
int CGridCtrl::columnCount() const {
    return m_model->gridCols();
}

void CGridCtrl::setFixedRowCount(int rows) {
    abandonEdit();
    m_model->setFixed(rows, m_model->fixedCols());
    m_view->horizontalHeader()->setVisible(m_model->fixedRows() > 0);
}

void CGridCtrl::setFixedColumnCount(int cols) {
    abandonEdit();
    m_model->setFixed(m_model->fixedRows(), cols);
}

int CGridCtrl::fixedRowCount() const {
    return m_model->fixedRows();
}
int CGridCtrl::fixedColumnCount() const {
    return m_model->fixedCols();
}

void CGridCtrl::setItemText(int row, int col, std::string_view text) {
    if (validCell(row, col)) m_model->setText(row, col, text);
}

std::string CGridCtrl::itemText(int row, int col) const {
    return validCell(row, col) ? m_model->cell(row, col).text : std::string();
}

void CGridCtrl::setItemTextColor(int row, int col, GridColor color) {
    if (validCell(row, col)) m_model->setTextColor(row, col, color);
}

void CGridCtrl::setItemBackColor(int row, int col, GridColor color) {
    if (validCell(row, col)) m_model->setBackColor(row, col, color);
}

GridColor CGridCtrl::itemTextColor(int row, int col) const {
    return validCell(row, col) ? m_model->cell(row, col).textColor : kNoCellColor;
}

GridColor CGridCtrl::itemBackColor(int row, int col) const {
    return validCell(row, col) ? m_model->cell(row, col).backColor : kNoCellColor;
}

bool CGridCtrl::isCellSelected(int row, int col) const {
    const QModelIndex at = m_model->toIndex(row, col);
    return at.isValid() && m_view->selectionModel()->isSelected(at);
}

bool CGridCtrl::isCellReadOnly(int row, int col) const {
    if (!validCell(row, col) || m_model->isFixed(row, col) || !m_model->editable()) return true;
    return m_model->cell(row, col).readOnly;
}

void CGridCtrl::setCellReadOnly(int row, int col, bool readOnly) {
    if (validCell(row, col)) m_model->setReadOnly(row, col, readOnly);
}

void CGridCtrl::setCellKind(int row, int col, CellKind kind,
                            const std::vector<std::string>& options) {
    if (validCell(row, col)) m_model->setKind(row, col, kind, options);
}

CellKind CGridCtrl::cellKind(int row, int col) const {
    return validCell(row, col) ? m_model->cell(row, col).kind : CellKind::Text;
}

void CGridCtrl::setDefaultTextColor(GridColor color) {
    m_model->setDefaultColors(color, m_model->defaultBackColor());
}
void CGridCtrl::setDefaultBackColor(GridColor color) {
    m_model->setDefaultColors(m_model->defaultTextColor(), color);
}
GridColor CGridCtrl::defaultTextColor() const {
    return m_model->defaultTextColor();
}
GridColor CGridCtrl::defaultBackColor() const {
    return m_model->defaultBackColor();
}

void CGridCtrl::setGridFont(const GridFont& font) {
    m_gridFont = font;
    const QFont shown = ToQFont(font);
    m_view->setFont(shown);
    m_model->setMarkFont(shown);
    applyRowHeight();
}

// Widths ---------------------------------------------------------------------

int CGridCtrl::columnWidth(int col) const {
    return col >= 0 && col < columnCount() ? m_widths[static_cast<std::size_t>(col)] : 0;
}

void CGridCtrl::setColumnWidth(int col, int width) {
    if (col < 0 || col >= columnCount()) return;
    m_widths[static_cast<std::size_t>(col)] = std::max(0, width);
    applyColumnWidth(col);
}

void CGridCtrl::applyColumnWidth(int col) {
    const int width = m_widths[static_cast<std::size_t>(col)];
    if (col < fixedColumnCount()) {
        QHeaderView* numbers = m_view->verticalHeader();
        numbers->setVisible(width > 0);
        if (width > 0) numbers->setFixedWidth(width);
        return;
    }
    const int section = col - fixedColumnCount();
    m_applyingWidths = true;
    m_view->setColumnHidden(section, width == 0);
    if (width > 0) m_view->horizontalHeader()->resizeSection(section, width);
    m_applyingWidths = false;
}

void CGridCtrl::applyAllWidths() {
    // A reset of the table forgets hidden sections and may forget sizes: the grid keeps its own.
    for (int col = 0; col < columnCount(); ++col) applyColumnWidth(col);
    if (fixedColumnCount() == 0) m_view->verticalHeader()->setVisible(false);
}

void CGridCtrl::applyRowHeight() {
    const int height = QFontMetrics(m_view->font()).height() + kRowPadding;
    m_view->verticalHeader()->setDefaultSectionSize(height);
}

int CGridCtrl::rowHeight(int row) const {
    if (!validCell(row, 0)) return 0;
    if (row < fixedRowCount()) {
        const QHeaderView* titles = m_view->horizontalHeader();
        return titles->isVisibleTo(m_view) ? std::max(titles->sizeHint().height(), titles->height())
                                           : 0;
    }
    const int section = row - fixedRowCount();
    return m_view->isRowHidden(section) ? 0 : m_view->verticalHeader()->sectionSize(section);
}

int CGridCtrl::measureColumn(int col) const {
    const bool numbers = col < fixedColumnCount();
    TextWidth measure(m_view->font());
    int widest = 0;
    int widestRow = -1;
    for (int row = 0; row < rowCount(); ++row) {
        const int width = measure(m_model->cell(row, col).text);
        if (width > widest) {
            widest = width;
            widestRow = row;
        }
    }
    // The sum of the characters' widths is close; the widest text is measured whole.
    if (widestRow >= 0)
        widest = std::max(
            widest,
            QFontMetrics(m_view->font()).horizontalAdvance(m_model->shownText(widestRow, col)));
    const QStyle* style = m_view->style();
    const int cellMargin =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1) + 2;
    const int headerMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_view) + 2;
    const int margin =
        numbers || fixedRowCount() > 0 ? std::max(cellMargin, headerMargin) : cellMargin;
    return std::clamp(widest + margin, 8, kMaxAutoWidth);
}

void CGridCtrl::autoSizeColumn(int col) {
    // A hidden column stays hidden: showing it again is the caller's decision.
    if (columnWidth(col) == 0) return;
    setColumnWidth(col, measureColumn(col));
}

void CGridCtrl::autoSize() {
    applyRowHeight();
    for (int col = 0; col < columnCount(); ++col) autoSizeColumn(col);
}

// Selection --------------------------------------------------------------------

GridRange CGridCtrl::selectedRange() const {
    GridRange range;
    const QItemSelection selection = m_view->selectionModel()->selection();
    for (const QItemSelectionRange& part : selection) {
        if (!part.isValid()) continue;
        const int top = part.top() + fixedRowCount();
        const int left = part.left() + fixedColumnCount();
        const int bottom = part.bottom() + fixedRowCount();
        const int right = part.right() + fixedColumnCount();
        const bool first = !range.isValid();
        range.minRow = first ? top : std::min(range.minRow, top);
        range.minCol = first ? left : std::min(range.minCol, left);
        range.maxRow = first ? bottom : std::max(range.maxRow, bottom);
        range.maxCol = first ? right : std::max(range.maxCol, right);
    }
    return range;
}

void CGridCtrl::setSelectedRange(const GridRange& range) {
    const int top = std::max(range.minRow, fixedRowCount());
    const int left = std::max(range.minCol, fixedColumnCount());
    const int bottom = std::min(range.maxRow, rowCount() - 1);
    const int right = std::min(range.maxCol, columnCount() - 1);
    if (!range.isValid() || top > bottom || left > right) {
        clearSelection();
        return;
    }
    const QItemSelection selection(m_model->toIndex(top, left), m_model->toIndex(bottom, right));
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::clearSelection() {
    m_view->selectionModel()->clearSelection();
}

bool CGridCtrl::focusCell(int& row, int& col) const {
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    if (!current.isValid()) return false;
    m_model->toGrid(current, row, col);
    return true;
}

void CGridCtrl::setFocusCell(int row, int col) {
    // Any cell outside the data cells takes the focus away.
    m_view->selectionModel()->setCurrentIndex(m_model->toIndex(row, col),
                                              QItemSelectionModel::NoUpdate);
}

void CGridCtrl::ensureVisible(int row, int col) {
    // A fixed cell is always in view along its own axis; scroll along the other.
    if (row < fixedRowCount()) row = std::max(m_view->rowAt(0), 0) + fixedRowCount();
    if (col < fixedColumnCount()) col = std::max(m_view->columnAt(0), 0) + fixedColumnCount();
    const QModelIndex at = m_model->toIndex(row, col);
    if (at.isValid()) m_view->scrollTo(at);
}

void CGridCtrl::selectAllCells() {
    m_view->selectAll();
}

void CGridCtrl::notifySelection() {
    if (m_notify && !m_model->suspended()) m_notify->onSelectionChanged();
}

// Behaviour ----------------------------------------------------------------------

void CGridCtrl::setListMode(bool on) {
    m_view->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                    : QAbstractItemView::SelectItems);
}

void CGridCtrl::setEditable(bool on) {
    if (!on) abandonEdit();
    m_model->setEditable(on);
}

void CGridCtrl::setRowSelectionByNumberClick(bool on) {
    m_view->verticalHeader()->setSectionsClickable(on);
}

void CGridCtrl::setColumnSelectionByTitleClick(bool on) {
    m_view->horizontalHeader()->setSectionsClickable(on);
}

void CGridCtrl::setSortOnTitleClick(bool on) {
    m_sortOnTitleClick = on;
    m_sortColumn = -1;
}

void CGridCtrl::sortByTitle(int col) {
    if (col < fixedColumnCount() || col >= columnCount()) return;
    endEditing();
    const bool descending = col == m_sortColumn && !m_sortDescending;
    m_model->permuteRows(SortedRowOrder(*this, col, descending));
    m_sortColumn = col;
    m_sortDescending = descending;
    notifySelection();
}

void CGridCtrl::rightClick(int row, int col) {
    if (m_notify) m_notify->onRightClick(row, col);
}

void CGridCtrl::inputKey() {
    // An edit in progress is ended first, so the dialog starts from what was typed.
    endEditing();
    int row = 0;
    int col = 0;
    if (m_notify && focusCell(row, col)) m_notify->onInputKey(row, col);
}

// Clipboard and modified flags -------------------------------------------------------

void CGridCtrl::cutSelection() {
    endEditing();
    CutSelectedCells(*this, m_relay);
}

void CGridCtrl::paste(std::string_view text) {
    endEditing();
    PasteIntoCells(*this, m_relay, text);
}

std::string CGridCtrl::copySelection() const {
    return FormatGridCopy(*this);
}

void CGridCtrl::copyToClipboard() {
    if (!selectedRange().isValid()) return;
    QGuiApplication::clipboard()->setText(ToQ(copySelection()));
}

void CGridCtrl::cutToClipboard() {
    copyToClipboard();
    cutSelection();
}

void CGridCtrl::pasteFromClipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) return;
    std::string cp932;
    QString bad;
    if (!FromQ(text, cp932, &bad)) {
        m_ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
        return;
    }
    paste(cp932);
}

void CGridCtrl::setModified(bool modified, int row, int col) {
    if (row < 0 || col < 0) {
        m_modified = modified;
        if (!modified) m_model->clearModified();
        return;
    }
    if (!validCell(row, col)) return;
    m_model->setModified(row, col, modified);
    if (modified) m_modified = true;
}

bool CGridCtrl::isModified(int row, int col) const {
    if (row < 0 || col < 0) return m_modified;
    return validCell(row, col) && m_model->cell(row, col).modified;
}

void CGridCtrl::setRedraw(bool on) {
    if (!on) {
        abandonEdit();
        m_model->suspend();
        m_view->setUpdatesEnabled(false);
        return;
    }
    const bool wasSuspended = m_model->suspended();
    m_model->resume();
    m_view->setUpdatesEnabled(true);
    m_view->viewport()->update();
    // The rows were refilled: the next title click sorts ascending again.
    if (wasSuspended) m_sortColumn = -1;
}

// In-place editing ---------------------------------------------------------------

bool CGridCtrl::openEdit(int row, int col) {
    if (m_edit.active() || isCellReadOnly(row, col)) return false;
    const std::string before = itemText(row, col);
    if (!m_relay.onBeginEdit(row, col)) {
        // A veto leaves the cell as it was.
        if (itemText(row, col) != before) m_model->setText(row, col, before);
        return false;
    }
    m_edit = EditSession{};
    m_edit.row = row;
    m_edit.col = col;
    m_edit.before = before;
    return true;
}

void CGridCtrl::editorOpened(QWidget* editor) {
    m_edit.editor = editor;
    applyInputMethod(editor);
}

void CGridCtrl::setEditorInputMethod(const EditorInputMethod& state) {
    m_inputMethod = state;
    if (m_edit.editor) applyInputMethod(m_edit.editor);
}

void CGridCtrl::applyInputMethod(QWidget* editor) const {
    editor->setAttribute(Qt::WA_InputMethodEnabled, m_inputMethod.enabled);
    editor->setInputMethodHints(m_inputMethod.hints);
    if (editor->hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

void CGridCtrl::commitTyped(const QString& typed) {
    const QString text = SingleLine(typed);
    // Text the user did not change keeps its bytes: decoding and encoding
    // again would alter invalid bytes and characters with two codes.
    if (text == m_edit.openedShown) {
        commitBytes(m_edit.opened);
        return;
    }
    std::string cp932;
    QString bad;
    if (!FromQ(text, cp932, &bad)) {
        m_edit.committing = true;
        m_model->setText(m_edit.row, m_edit.col, m_edit.before);
        m_ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
        m_edit.committing = false;
        m_edit.finished = true;
        return;
    }
    commitBytes(cp932);
}

void CGridCtrl::commitBytes(std::string text) {
    m_edit.committing = true;
    const int row = m_edit.row;
    const int col = m_edit.col;
    const std::string before = m_edit.before;
    if (!m_relay.onEndEdit(row, col, text) && validCell(row, col))
        m_model->setText(row, col, before);
    m_edit.committing = false;
    m_edit.finished = true;
}

void CGridCtrl::editorClosed(QWidget* editor) {
    if (!m_edit.active() || m_edit.committing) return;
    if (m_edit.editor && m_edit.editor != editor) return;
    // Closed without an end (Escape): the text from before the edit comes back.
    if (!m_edit.finished && validCell(m_edit.row, m_edit.col))
        m_model->setText(m_edit.row, m_edit.col, m_edit.before);
    m_edit = EditSession{};
}

void CGridCtrl::abandonEdit() {
    if (!m_edit.active() || m_edit.committing) return;
    const QPointer<QWidget> editor = m_edit.editor;
    if (!m_edit.finished && validCell(m_edit.row, m_edit.col))
        m_model->setText(m_edit.row, m_edit.col, m_edit.before);
    m_edit = EditSession{};
    if (editor) m_view->dropEdit(editor);
}

void CGridCtrl::endEditing() {
    if (m_edit.active() && m_edit.editor && !m_edit.committing && !m_edit.finished)
        m_view->finishEdit(m_edit.editor);
}

// Printing -------------------------------------------------------------------------

void CGridCtrl::printTo(QPrinter& printer, bool fitColumns) const {
    GridPrinter(*this, m_view->font(), m_view->logicalDpiX()).print(printer, fitColumns);
}

void CGridCtrl::print(bool fitColumns) {
    endEditing();
    QPrinter own(QPrinter::HighResolution);
    QPrinter& printer = m_printer ? *m_printer : own;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) printTo(printer, fitColumns);
}

void CGridCtrl::printPreview(bool fitColumns) {
    endEditing();
    QPrinter own(QPrinter::HighResolution);
    QPrinter& printer = m_printer ? *m_printer : own;
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, fitColumns](QPrinter* target) { printTo(*target, fitColumns); });
    // Qt's own size shows a page too small to read.
    dialog.resize(window()->size() * 4 / 5);
    dialog.exec();
}

}  // namespace tabrix
