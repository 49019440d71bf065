// The one-line description of a column that the status bar shows for the
// current cell: title, type and notation, length, and the column's rules.
#pragma once

#include <string>

#include "schema/ColCtrl.h"

namespace tabrix {

void DescribeColumn(const CColCtrl& col, std::string& text);

}  // namespace tabrix
