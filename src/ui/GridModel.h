// The cells of one page of the grid, in the grid's own coordinates: row 0 is
// the title row and column 0 the row-number column when they are fixed. Qt's
// table sees only the data cells; the fixed cells are its header sections.
//
// Texts are kept as the code page 932 bytes they were given and decoded for
// display only when first shown, so filling a page costs a copy per cell. A
// cell whose bytes are not code page 932 text shows U+FFFD and is marked, but
// its bytes are never re-encoded by the grid.
#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/Settings.h"
#include "view/GridCtrl.h"

namespace tabrix {

// A cell without a colour of its own shows the default cell's.
constexpr GridColor kNoCellColor = kDefaultTextColor;

using GridOptions = std::shared_ptr<const std::vector<std::string>>;

struct GridCell {
    std::string text;
    GridColor textColor = kNoCellColor;
    GridColor backColor = kNoCellColor;
    GridOptions options;  // the values of a drop-down list cell
    CellKind kind = CellKind::Text;
    bool readOnly = false;
    bool modified = false;
    // Display cache, filled on first use.
    mutable QString shown;
    mutable bool decoded = false;
    mutable bool clean = true;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent);

    // False (and nothing changed) when the cells cannot be allocated.
    bool resize(int rows, int cols);
    int gridRows() const { return m_rows; }
    int gridCols() const { return m_cols; }
    // Only one fixed row and one fixed column are supported; larger counts are taken as one.
    void setFixed(int rows, int cols);
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    bool isFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }
    bool contains(int row, int col) const {
        return row >= 0 && col >= 0 && row < m_rows && col < m_cols;
    }

    const GridCell& cell(int row, int col) const { return m_cells[index(row, col)]; }
    const QString& shownText(int row, int col) const;
    bool isClean(int row, int col) const;
    void setText(int row, int col, std::string_view text);
    void setTextColor(int row, int col, GridColor color);
    void setBackColor(int row, int col, GridColor color);
    void setKind(int row, int col, CellKind kind, const std::vector<std::string>& options);
    void setReadOnly(int row, int col, bool readOnly);
    void setModified(int row, int col, bool modified);
    void clearModified();
    // Moves whole data rows: data row i becomes what row order[i] was.
    void permuteRows(const std::vector<int>& order);

    void setDefaultColors(GridColor text, GridColor back);
    GridColor defaultTextColor() const { return m_defaultText; }
    GridColor defaultBackColor() const { return m_defaultBack; }
    void setEditable(bool editable);
    bool editable() const { return m_editable; }
    void setMarkFont(const QFont& font);

    // While suspended, changes of cells announce nothing and resuming announces
    // them all at once. Changes of shape and order reset the views at once, so
    // that selection and sizes always agree with the cells.
    void suspend();
    void resume();
    bool suspended() const { return m_suspended; }

    QModelIndex toIndex(int row, int col) const;
    void toGrid(const QModelIndex& index, int& row, int& col) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::size_t index(int row, int col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) +
               static_cast<std::size_t>(col);
    }
    QVariant cellData(int row, int col, int role, bool fixed) const;
    void changed(int row, int col);
    void announceAll();
    void beginBulk();
    void endBulk();
    GridOptions sharedOptions(const std::vector<std::string>& options);

    std::vector<GridCell> m_cells;
    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    GridColor m_defaultText = kNoCellColor;
    GridColor m_defaultBack = kNoCellColor;
    bool m_editable = true;
    bool m_suspended = false;
    QFont m_markFont;
    GridOptions m_lastOptions;  // a page sets one list per column on many cells
};

}  // namespace tabrix
