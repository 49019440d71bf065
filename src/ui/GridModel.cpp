#include "ui/GridModel.h"

#include <QBrush>

#include <algorithm>
#include <new>

#include "ui/ColorButton.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

// A page larger than this is refused as an allocation failure rather than
// left to the system to kill the program over.
constexpr std::size_t kMaxCellBytes = std::size_t{1} << 31;

QVariant ColorBrush(GridColor color) {
    if (color == kNoCellColor) return {};
    return QBrush(ToQColor(color));
}

}  // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {
    m_markFont.setItalic(true);
}

bool GridModel::resize(int rows, int cols) {
    if (rows < 0 || cols < 0) return false;
    const auto r = static_cast<std::size_t>(rows);
    const auto c = static_cast<std::size_t>(cols);
    if (c != 0 && r > kMaxCellBytes / sizeof(GridCell) / c) return false;
    if (rows == m_rows && cols == m_cols) return true;
    std::vector<GridCell> cells;
    try {
        cells.resize(r * c);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const int keepRows = std::min(rows, m_rows);
    const int keepCols = std::min(cols, m_cols);
    for (int row = 0; row < keepRows; ++row)
        for (int col = 0; col < keepCols; ++col)
            cells[static_cast<std::size_t>(row) * c + static_cast<std::size_t>(col)] =
                std::move(m_cells[index(row, col)]);
    beginBulk();
    m_cells = std::move(cells);
    m_rows = rows;
    m_cols = cols;
    endBulk();
    return true;
}

void GridModel::setFixed(int rows, int cols) {
    rows = std::clamp(rows, 0, 1);
    cols = std::clamp(cols, 0, 1);
    if (rows == m_fixedRows && cols == m_fixedCols) return;
    beginBulk();
    m_fixedRows = rows;
    m_fixedCols = cols;
    endBulk();
}

const QString& GridModel::shownText(int row, int col) const {
    const GridCell& c = cell(row, col);
    if (!c.decoded) {
        c.shown = ToQ(c.text, &c.clean);
        c.decoded = true;
    }
    return c.shown;
}

bool GridModel::isClean(int row, int col) const {
    shownText(row, col);
    return cell(row, col).clean;
}

void GridModel::setText(int row, int col, std::string_view text) {
    GridCell& c = m_cells[index(row, col)];
    if (c.text == text) return;
    c.text.assign(text);
    c.decoded = false;
    c.shown.clear();
    changed(row, col);
}

void GridModel::setTextColor(int row, int col, GridColor color) {
    GridCell& c = m_cells[index(row, col)];
    if (c.textColor == color) return;
    c.textColor = color;
    changed(row, col);
}

void GridModel::setBackColor(int row, int col, GridColor color) {
    GridCell& c = m_cells[index(row, col)];
    if (c.backColor == color) return;
    c.backColor = color;
    changed(row, col);
}

void GridModel::setKind(int row, int col, CellKind kind, const std::vector<std::string>& options) {
    GridCell& c = m_cells[index(row, col)];
    c.kind = kind;
    if (kind == CellKind::DropDownList)
        c.options = sharedOptions(options);
    else
        c.options.reset();
    changed(row, col);
}

GridOptions GridModel::sharedOptions(const std::vector<std::string>& options) {
    if (!m_lastOptions || *m_lastOptions != options)
        m_lastOptions = std::make_shared<const std::vector<std::string>>(options);
    return m_lastOptions;
}

void GridModel::setReadOnly(int row, int col, bool readOnly) {
    m_cells[index(row, col)].readOnly = readOnly;
}

void GridModel::setModified(int row, int col, bool modified) {
    m_cells[index(row, col)].modified = modified;
}

void GridModel::clearModified() {
    for (GridCell& c : m_cells) c.modified = false;
}

void GridModel::permuteRows(const std::vector<int>& order) {
    beginBulk();
    std::vector<GridCell> moved(m_cells.size());
    for (int row = 0; row < m_fixedRows && row < m_rows; ++row)
        for (int col = 0; col < m_cols; ++col)
            moved[index(row, col)] = std::move(m_cells[index(row, col)]);
    int to = m_fixedRows;
    for (int from : order) {
        for (int col = 0; col < m_cols; ++col)
            moved[index(to, col)] = std::move(m_cells[index(from, col)]);
        ++to;
    }
    m_cells = std::move(moved);
    endBulk();
}

void GridModel::setDefaultColors(GridColor text, GridColor back) {
    m_defaultText = text;
    m_defaultBack = back;
    if (!m_suspended) announceAll();
}

void GridModel::setEditable(bool editable) {
    m_editable = editable;
}

void GridModel::setMarkFont(const QFont& font) {
    m_markFont = font;
    m_markFont.setItalic(true);
}

void GridModel::suspend() {
    m_suspended = true;
}

void GridModel::resume() {
    if (!m_suspended) return;
    m_suspended = false;
    announceAll();
}

void GridModel::announceAll() {
    // The views keep no cell data of their own: one announcement redraws everything.
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(QAbstractTableModel::index(0, 0),
                         QAbstractTableModel::index(rowCount() - 1, columnCount() - 1));
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void GridModel::beginBulk() {
    beginResetModel();
}

void GridModel::endBulk() {
    endResetModel();
}

void GridModel::changed(int row, int col) {
    if (m_suspended) return;
    if (row < m_fixedRows && col >= m_fixedCols)
        emit headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
    else if (col < m_fixedCols && row >= m_fixedRows)
        emit headerDataChanged(Qt::Vertical, row - m_fixedRows, row - m_fixedRows);
    else if (!isFixed(row, col)) {
        const QModelIndex at = toIndex(row, col);
        emit dataChanged(at, at);
    }
}

QModelIndex GridModel::toIndex(int row, int col) const {
    if (!contains(row, col) || isFixed(row, col)) return {};
    return QAbstractTableModel::index(row - m_fixedRows, col - m_fixedCols);
}

void GridModel::toGrid(const QModelIndex& at, int& row, int& col) const {
    row = at.isValid() ? at.row() + m_fixedRows : -1;
    col = at.isValid() ? at.column() + m_fixedCols : -1;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, m_rows - m_fixedRows);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, m_cols - m_fixedCols);
}

QVariant GridModel::cellData(int row, int col, int role, bool fixed) const {
    const GridCell& c = cell(row, col);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return shownText(row, col);
        case Qt::ForegroundRole:
            return ColorBrush(c.textColor != kNoCellColor || fixed ? c.textColor : m_defaultText);
        case Qt::BackgroundRole:
            return ColorBrush(c.backColor != kNoCellColor || fixed ? c.backColor : m_defaultBack);
        case Qt::FontRole:
            if (!isClean(row, col)) return m_markFont;
            return {};
        case Qt::ToolTipRole:
            if (!isClean(row, col))
                return ToQ(
                    "Shift-"
                    "JISとして読めないバイトを含みます（編集しない限りそのまま保存されます）");
            return {};
        default:
            return {};
    }
}

QVariant GridModel::data(const QModelIndex& at, int role) const {
    if (!at.isValid()) return {};
    return cellData(at.row() + m_fixedRows, at.column() + m_fixedCols, role, false);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const int row = orientation == Qt::Horizontal ? 0 : section + m_fixedRows;
    const int col = orientation == Qt::Horizontal ? section + m_fixedCols : 0;
    const bool present = orientation == Qt::Horizontal ? m_fixedRows > 0 : m_fixedCols > 0;
    if (!present || !contains(row, col)) return {};
    return cellData(row, col, role, true);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& at) const {
    if (!at.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && !m_cells[index(at.row() + m_fixedRows, at.column() + m_fixedCols)].readOnly)
        result |= Qt::ItemIsEditable;
    return result;
}

}  // namespace tabrix
