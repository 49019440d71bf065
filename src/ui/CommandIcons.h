// Toolbar and menu icons of the commands: Qt's standard icons where one fits,
// otherwise small pictures drawn here.
#pragma once

#include <QIcon>

#include "app/Commands.h"

namespace tabrix {

// A null icon for commands without one.
QIcon CommandIcon(CommandId id);

}  // namespace tabrix
