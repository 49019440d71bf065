// Widths of code page 932 texts in one font, fast enough to size a column over
// a page of ten thousand rows: each character is measured once and remembered
// by its code, so a text costs a walk over its bytes. Kerning is ignored, which
// the grid's fonts do not use for the characters of business data.
#pragma once

#include <QFontMetrics>

#include <string_view>
#include <vector>

namespace tabrix {

class TextWidth {
public:
    explicit TextWidth(const QFont& font);
    int operator()(std::string_view cp932);

private:
    QFontMetrics m_metrics;
    std::vector<int> m_byCode;  // -1 until measured; a double-byte character by lead * 256 + trail
};

}  // namespace tabrix
