// The written form of a control file.
#pragma once

#include <string>
#include <vector>

#include "text/Clock.h"

namespace tabrix {

class CCtrlFile;

// The whole file with CR LF line ends: the header template's lines, the
// update stamp, the [FILE] section and one [COL] section per column.
std::string CtrlFileText(const CCtrlFile& ctrl, const std::vector<std::string>& headerLines,
                         const LocalDateTime& now);

}  // namespace tabrix
