#include "ui/ColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace tabrix {

QColor ToQColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t FromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

ColorButton::ColorButton(const QString& title, QWidget* parent) : QPushButton(title, parent), m_title(title) {
    connect(this, &QPushButton::clicked, this, &ColorButton::choose);
}

void ColorButton::setColour(std::uint32_t bgr) {
    m_colour = bgr;
    QPixmap swatch(28, 14);
    swatch.fill(ToQColor(bgr));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
}

void ColorButton::choose() {
    QColorDialog dialog(ToQColor(m_colour), this);
    dialog.setWindowTitle(m_title);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted) setColour(FromQColor(dialog.selectedColor()));
}

}  // namespace tabrix
