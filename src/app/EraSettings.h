// The era table of the current settings (GengoDate, GengoShort, GengoLong).
// Rebuilt whenever a conversion or check needs it, so option changes apply at once.
#pragma once

#include "app/Settings.h"
#include "text/Era.h"

namespace tabrix {

EraTable EraTableOf(const Settings& settings);

}  // namespace tabrix
