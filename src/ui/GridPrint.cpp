#include "ui/GridPrint.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <cstdio>
#include <numeric>

#include "ui/ColorButton.h"
#include "ui/GridModel.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

constexpr double kFooterPoints = 9.0;
constexpr double kCellPadding = 3.0;

// [start, end) runs of sizes that fit into room one after the other after a
// fixed lead; each run holds at least one size. There is always one run.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& sizes, double lead, double room) {
    std::vector<std::pair<int, int>> runs;
    const int count = static_cast<int>(sizes.size());
    int start = 0;
    do {
        double used = lead;
        int end = start;
        while (end < count && (end == start || used + sizes[static_cast<std::size_t>(end)] <= room))
            used += sizes[static_cast<std::size_t>(end++)];
        runs.emplace_back(start, end);
        start = end;
    } while (start < count);
    return runs;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

GridPrintLayout::GridPrintLayout(int numberWidth, const std::vector<int>& colWidths,
                                 int titleHeight, const std::vector<int>& rowHeights, QSizeF body,
                                 bool fitColumns) {
    std::vector<std::pair<int, int>> bands;
    if (fitColumns) {
        const double total = numberWidth + std::accumulate(colWidths.begin(), colWidths.end(), 0.0);
        if (total > body.width() && body.width() > 0) m_scale = body.width() / total;
        bands.emplace_back(0, static_cast<int>(colWidths.size()));
    } else {
        bands = Runs(colWidths, numberWidth, body.width());
    }
    const auto chunks = Runs(rowHeights, titleHeight, body.height() / m_scale);
    for (const auto& band : bands)
        for (const auto& chunk : chunks)
            m_pages.push_back({band.first, band.second, chunk.first, chunk.second});
}

GridPrinter::GridPrinter(const IGridCtrl& grid, const QFont& font, int screenDpi)
    : m_grid(grid), m_font(font), m_screenDpi(screenDpi > 0 ? screenDpi : 96) {
    // The page is drawn in the grid's pixels and scaled: the font must be in pixels too.
    if (m_font.pixelSize() <= 0)
        m_font.setPixelSize(std::max(1, qRound(m_font.pointSizeF() * m_screenDpi / 72.0)));
    for (int col = grid.fixedColumnCount(); col < grid.columnCount(); ++col)
        if (grid.columnWidth(col) > 0) m_cols.push_back(col);
    int lastFilled = grid.fixedRowCount() - 1;
    for (int row = grid.fixedRowCount(); row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.columnCount(); ++col)
            if (!IsBlank(grid.itemText(row, col))) {
                lastFilled = row;
                break;
            }
    for (int row = grid.fixedRowCount(); row <= lastFilled; ++row)
        if (grid.rowHeight(row) > 0) m_rows.push_back(row);
    if (grid.fixedColumnCount() > 0) m_numberWidth = grid.columnWidth(0);
    if (grid.fixedRowCount() > 0) m_titleHeight = grid.rowHeight(0);
}

int GridPrinter::layout(QSizeF pageSize, int deviceDpi, bool fitColumns) {
    m_pageSize = pageSize;
    m_footerHeight = 2.0 * kFooterPoints * deviceDpi / 72.0;
    const double perGridPixel = static_cast<double>(deviceDpi) / m_screenDpi;
    std::vector<int> widths;
    for (int col : m_cols) widths.push_back(m_grid.columnWidth(col));
    std::vector<int> heights;
    for (int row : m_rows) heights.push_back(m_grid.rowHeight(row));
    const QSizeF body(pageSize.width() / perGridPixel,
                      (pageSize.height() - m_footerHeight) / perGridPixel);
    const GridPrintLayout layout(m_numberWidth, widths, m_titleHeight, heights, body, fitColumns);
    m_scale = perGridPixel * layout.scale();
    m_pages = layout.pages();
    return static_cast<int>(m_pages.size());
}

void GridPrinter::paintCell(QPainter& painter, const QRectF& rect, int row, int col,
                            bool fixed) const {
    GridColor back = m_grid.itemBackColor(row, col);
    GridColor text = m_grid.itemTextColor(row, col);
    if (!fixed && back == kNoCellColor) back = m_grid.defaultBackColor();
    if (!fixed && text == kNoCellColor) text = m_grid.defaultTextColor();
    painter.fillRect(rect, back != kNoCellColor ? ToQColor(back)
                           : fixed              ? QColor(0xF0, 0xF0, 0xF0)
                                                : QColor(Qt::white));
    painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1.0));
    painter.drawRect(rect);
    painter.setPen(text != kNoCellColor ? ToQColor(text) : QColor(Qt::black));
    const Qt::Alignment align = (fixed ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    painter.drawText(rect.adjusted(kCellPadding, 0, -kCellPadding, 0), static_cast<int>(align),
                     ToQ(m_grid.itemText(row, col)));
}

void GridPrinter::paintPage(QPainter& painter, int page) const {
    const GridPrintPage& p = m_pages[static_cast<std::size_t>(page)];
    painter.save();
    painter.scale(m_scale, m_scale);
    painter.setFont(m_font);
    const auto paintRow = [&](int row, double top, double height, bool fixed) {
        double left = 0;
        if (m_numberWidth > 0) {
            paintCell(painter, QRectF(left, top, m_numberWidth, height), row, 0, true);
            left += m_numberWidth;
        }
        for (int i = p.firstCol; i < p.endCol; ++i) {
            const int col = m_cols[static_cast<std::size_t>(i)];
            const int width = m_grid.columnWidth(col);
            paintCell(painter, QRectF(left, top, width, height), row, col, fixed);
            left += width;
        }
    };
    double top = 0;
    if (m_titleHeight > 0) {
        paintRow(0, 0, m_titleHeight, true);
        top = m_titleHeight;
    }
    for (int i = p.firstRow; i < p.endRow; ++i) {
        const int row = m_rows[static_cast<std::size_t>(i)];
        const int height = m_grid.rowHeight(row);
        paintRow(row, top, height, false);
        top += height;
    }
    painter.restore();
    QFont footerFont = m_font;
    footerFont.setPointSizeF(kFooterPoints);
    painter.setFont(footerFont);
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(0, m_pageSize.height() - m_footerHeight, m_pageSize.width(), m_footerHeight),
        Qt::AlignCenter, footer(page + 1, static_cast<int>(m_pages.size())));
}

void GridPrinter::print(QPagedPaintDevice& device, bool fitColumns) {
    const int dpi = device.logicalDpiX();
    layout(device.pageLayout().paintRectPixels(dpi).size(), dpi, fitColumns);
    QPainter painter(&device);
    for (int page = 0; page < static_cast<int>(m_pages.size()); ++page) {
        if (page > 0) device.newPage();
        paintPage(painter, page);
    }
}

QString GridPrinter::footer(int page, int pageCount) {
    char text[64];
    std::snprintf(text, sizeof text, "Page %d of %d", page, pageCount);
    return ToQ(text);
}

}  // namespace tabrix
