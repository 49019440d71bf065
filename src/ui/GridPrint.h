// Printing a grid. The title row and the row-number column repeat on every
// page. Columns that do not fit the page width continue on further pages (all
// rows of the first columns, then the next columns), unless every column is
// scaled onto the page width. Hidden columns and rows are left out, and so are
// the empty rows at the end of a page. Every page ends with "Page %d of %d".
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace tabrix {

class IGridCtrl;

// One printed page: printed columns [firstCol, endCol) and rows [firstRow, endRow).
struct GridPrintPage {
    int firstCol = 0;
    int endCol = 0;
    int firstRow = 0;
    int endRow = 0;
};

// Cuts a grid into pages. Sizes are in the grid's pixels; body is the area of
// a page that the grid may take.
class GridPrintLayout {
public:
    GridPrintLayout(int numberWidth, const std::vector<int>& colWidths, int titleHeight,
                    const std::vector<int>& rowHeights, QSizeF body, bool fitColumns);
    // Page units per grid pixel: below 1 only when the columns were fitted.
    double scale() const { return m_scale; }
    const std::vector<GridPrintPage>& pages() const { return m_pages; }

private:
    double m_scale = 1.0;
    std::vector<GridPrintPage> m_pages;
};

class GridPrinter {
public:
    // screenDpi: the resolution the grid's pixels were measured in.
    GridPrinter(const IGridCtrl& grid, const QFont& font, int screenDpi);

    // Lays the grid out on pages whose paint area is pageSize device pixels at
    // deviceDpi; returns the number of pages.
    int layout(QSizeF pageSize, int deviceDpi, bool fitColumns);
    // Paints one page of the last layout with the painter's origin at the top
    // left of the paint area.
    void paintPage(QPainter& painter, int page) const;
    // Lays out for the device and prints every page on it.
    void print(QPagedPaintDevice& device, bool fitColumns);

    static QString footer(int page, int pageCount);

private:
    void paintCell(QPainter& painter, const QRectF& rect, int row, int col, bool fixed) const;

    const IGridCtrl& m_grid;
    QFont m_font;
    int m_screenDpi;
    std::vector<int> m_cols;  // printed grid columns (the row-number column not among them)
    std::vector<int> m_rows;  // printed grid rows (the title row not among them)
    int m_numberWidth = 0;
    int m_titleHeight = 0;
    std::vector<GridPrintPage> m_pages;
    double m_scale = 1.0;  // device pixels per grid pixel
    QSizeF m_pageSize;
    double m_footerHeight = 0;  // device pixels
};

}  // namespace tabrix
