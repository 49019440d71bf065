// Placeholder for the notation of date and time fields on saving: until the
// field validation provides it, fields are written as they are held.
#include "document/DocumentHooks.h"

namespace tabrix {

void ToFileNotation(std::string&, const CColCtrl&, const Settings&) {}

}  // namespace tabrix
