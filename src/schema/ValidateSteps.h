// The steps of ValidateValue, each with its contract: true, or false with the
// message in col.m_strError. Exposed for their tests; callers use ValidateValue.
#pragma once

#include <string>

#include "schema/ColCtrl.h"
#include "text/Era.h"

namespace tabrix {

// Text columns with HANSPCONV whose format permits full-width but not
// half-width spaces: each pair of half-width spaces becomes one full-width
// space, left to right.
void ConvertSpacePairs(const CColCtrl& col, std::string& value);

// Every character must be of a class that format 1 permits or one of the
// extra characters. A value holding a comma is enclosed in double quotes first.
bool CheckTextClasses(CColCtrl& col, std::string& value);

// A sign only in front, digits and points; the digit limits; then the value
// is rewritten as NUM1 (exactly POINT decimals) or NUM2 (also zero-padded to
// LENGTH bytes).
bool CheckNumber(CColCtrl& col, std::string& value);

// The numeric value (an empty value counting as 0) against MAXNUM, then MINNUM.
bool CheckRange(CColCtrl& col, const std::string& value);

// The value must read as a date; it is rewritten in the column's notation,
// except that DATE1 keeps the value as typed.
bool CheckDate(CColCtrl& col, std::string& value, const EraTable& eras);

// The value must read as a time; its minutes are rounded as the column says
// and it is rewritten in the column's notation.
bool CheckTime(CColCtrl& col, std::string& value);

// An empty value or an empty list passes; otherwise the value must equal one
// of the permitted values byte for byte.
bool CheckPermitted(CColCtrl& col, const std::string& value);

}  // namespace tabrix
