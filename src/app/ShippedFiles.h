// Where the files the programs come with live: the manual, "Readme.txt" and
// the control file header "CtrlHeader.txt". A program run from its build
// folder, or copied together with them, finds them beside itself; an
// installed program finds them in the data folder of its installation
// (share/tabrix beside its bin folder).
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

// The data folder of an installation, relative to the folder of its programs.
std::string_view InstalledFilesFromProgramDir();

// The folder holding the shipped files for a program in programDir (both code
// page 932): programDir itself when the files are beside the program or
// nowhere to be found.
std::string ShippedFilesDir(const std::string& programDir);

}  // namespace tabrix
