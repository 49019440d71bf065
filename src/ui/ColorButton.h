// A button with a colour swatch that opens the basic colour chooser. Colours
// are held as the settings hold them: 0x00BBGGRR.
#pragma once

#include <QPushButton>

#include <cstdint>

namespace tabrix {

QColor ToQColor(std::uint32_t bgr);
std::uint32_t FromQColor(const QColor& colour);

class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(const QString& title, QWidget* parent);

    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t bgr);

private:
    void choose();

    QString m_title;
    std::uint32_t m_colour = 0;
};

}  // namespace tabrix
