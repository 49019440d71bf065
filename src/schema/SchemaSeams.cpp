// Placeholders: control files are not written yet, and until the field
// validation provides it, date and time fields are written as they are held.
#include "app/AppContext.h"
#include "document/CtrlFile.h"
#include "document/DocumentHooks.h"

namespace tabrix {

int CCtrlFile::SaveCtrlFile(AppContext&, const Clock&) { return 0; }
void ToFileNotation(std::string&, const CColCtrl&, const Settings&) {}

}  // namespace tabrix
