#include "ui/AppIcon.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace tabrix {

namespace {

// The default grid colours of the settings: background, alternate rows, title row.
const QColor kSheet(255, 255, 224);
const QColor kAlternate(224, 255, 224);
const QColor kTitle(30, 90, 180);
const QColor kFixed(214, 219, 228);
const QColor kLine(120, 130, 145);

}  // namespace

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Proportions of a 16-pixel design; lines stay one pixel wide up to 32 pixels.
    const qreal unit = size / 16.0;
    const qreal pen = std::max<qreal>(1.0, size / 32.0);
    const QRectF sheet(0.5 * unit, 1.5 * unit, 15 * unit, 13 * unit);
    const int rows = 4;
    const int cols = 3;
    const qreal titleHeight = sheet.height() / (rows + 1);
    const qreal fixedWidth = sheet.width() / 5;
    const qreal rowHeight = (sheet.height() - titleHeight) / rows;
    const qreal colWidth = (sheet.width() - fixedWidth) / cols;

    p.setPen(Qt::NoPen);
    p.setBrush(kSheet);
    p.drawRect(sheet);
    for (int row = 1; row < rows; row += 2) {
        p.fillRect(QRectF(sheet.left() + fixedWidth, sheet.top() + titleHeight + row * rowHeight,
                          sheet.width() - fixedWidth, rowHeight),
                   kAlternate);
    }
    p.fillRect(QRectF(sheet.left(), sheet.top() + titleHeight, fixedWidth, sheet.height() - titleHeight), kFixed);
    p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), titleHeight), kTitle);

    p.setPen(QPen(kLine, pen));
    p.setBrush(Qt::NoBrush);
    for (int row = 1; row < rows; ++row) {
        const qreal y = sheet.top() + titleHeight + row * rowHeight;
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    for (int col = 0; col < cols; ++col) {
        const qreal x = sheet.left() + fixedWidth + col * colWidth;
        p.drawLine(QPointF(x, sheet.top() + titleHeight), QPointF(x, sheet.bottom()));
    }
    p.setPen(QPen(kTitle.darker(150), pen));
    p.drawRect(sheet);
    p.end();
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : kAppIconSizes) icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}

}  // namespace tabrix
