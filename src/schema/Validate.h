// The check of a value entering a column under a loaded schema.
//
// A failed check returns false and leaves its message in the column's
// m_strError; the caller shows it. A passing check leaves m_strError as it
// was. Checks may rewrite the value into the column's notation.
#pragma once

#include <string>

#include "schema/ColCtrl.h"
#include "text/Clock.h"
#include "text/Era.h"

namespace tabrix {

// What the checks and notations read beyond the column: the era table of the
// settings (built once by the caller, not per value) and the clock for the
// date macros of initial values.
struct ValidationContext {
    const EraTable& eras;
    const Clock& clock;
};

// The whole check of a value at the end of a cell edit, on the result of the
// calendar and time dialogs, and in the data check. Steps in order: virtual
// columns accept anything; trailing white space goes; REPLACE1 becomes
// REPLACE2; a required column refuses an empty value; the check of the
// column's type; the maximum length in bytes; the permitted values.
bool ValidateValue(CColCtrl& col, std::string& value, const ValidationContext& context);

}  // namespace tabrix
