#include "view/ViewDialogs.h"

#include <cmath>
#include <cstdlib>

namespace tabrix {

GridFont GridFontOfSettings(const Settings& settings, int pixelsPerInch) {
    GridFont font;
    font.face = settings.FontName;
    const double points = std::strtod(settings.FontSize.c_str(), nullptr);
    font.height = -static_cast<int>(std::lround(points * pixelsPerInch / 72.0));
    const std::string& style = settings.FontStyle;
    font.weight = style == "太字" || style == "太字 斜体" ? 700 : 400;
    font.italic = style == "斜体" || style == "太字 斜体";
    return font;
}

}  // namespace tabrix
