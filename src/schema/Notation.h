// Date and time values between the notation the grid shows (FORMAT1=), the
// notation the data file holds (FORMAT2=) and the compact form the user
// edits in. A value that does not read as a date or time is left as it is.
#pragma once

#include <string>

#include "schema/ColCtrl.h"
#include "schema/Validate.h"
#include "text/Era.h"
#include "text/FormatBits.h"

namespace tabrix {

// The file notation of a column: format 2, or format 1 when format 2 has
// every bit set (it was never given).
FormatBits FileFormat(const CColCtrl& col);

// The value as the user starts to edit it: white space trimmed, an empty
// value replaced by the initial value with its date macros expanded, a NUM2
// number without its leading zeros, a date as YYYYMMDD (DATE6 keeps its
// time), a time as hhmm or hhmmss.
void PrepareInput(std::string& value, const CColCtrl& col, const ValidationContext& context);

// A date or time value in the column's display notation, for the page.
void ToDisplayNotation(std::string& value, const CColCtrl& col, const EraTable& eras);

// A date or time value in the column's file notation, for saving.
void ToFileNotation(std::string& value, const CColCtrl& col, const EraTable& eras);

}  // namespace tabrix
