// What every part of the program reads from the application: the settings,
// the user interface and the program's folders. Handed down by reference;
// the core never reaches for a global application object.
#pragma once

#include <string>

#include "app/Settings.h"
#include "app/UserInterface.h"

namespace tabrix {

struct AppContext {
    Settings& settings;
    IUserInterface& ui;
    std::string programDir;  // where "CtrlHeader.txt" and the help files live (code page 932)
    std::string startupDir;  // current directory when the program started
};

}  // namespace tabrix
