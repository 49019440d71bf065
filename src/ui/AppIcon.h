// The program's icon: a sheet of a grid with its title row and row-number
// column, in the grid's own colours. Drawn at each size rather than scaled,
// so the small sizes stay sharp; the installed icon files are made from it.
#pragma once

#include <QIcon>
#include <QImage>

namespace tabrix {

// The icon drawn at size x size pixels.
QImage AppIconImage(int size);
// The icon at the sizes a desktop asks for.
QIcon AppIcon();
// The sizes the icon is installed at.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace tabrix
