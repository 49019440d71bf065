#include "ui/TextWidth.h"

#include "text/SjisChar.h"
#include "ui/QtText.h"

namespace tabrix {

TextWidth::TextWidth(const QFont& font) : m_metrics(font), m_byCode(0x10000, -1) {}

int TextWidth::operator()(std::string_view cp932) {
    int width = 0;
    for (std::size_t pos = 0; pos < cp932.size();) {
        const std::size_t next = NextChar(cp932, pos);
        unsigned code = static_cast<unsigned char>(cp932[pos]);
        if (next - pos == 2) code = code << 8 | static_cast<unsigned char>(cp932[pos + 1]);
        int& known = m_byCode[code];
        if (known < 0) known = m_metrics.horizontalAdvance(ToQ(cp932.substr(pos, next - pos)));
        width += known;
        pos = next;
    }
    return width;
}

}  // namespace tabrix
