// The four menus a document can ask for (MENUMODE= of its control file). The
// document reads it from its control file; the main window builds its menu
// bar and toolbars from it.
#pragma once

#include <cstdint>

namespace tabrix {

enum class MenuMode : std::uint8_t { Normal = 0, Custum1 = 1, Custum2 = 2, Custum3 = 3 };

}  // namespace tabrix
