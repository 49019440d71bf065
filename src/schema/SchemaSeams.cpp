// Placeholders for the schema: control files are not read yet, so a control
// file fails to open and nothing is translated.
#include "app/AppContext.h"
#include "document/DocumentHooks.h"
#include "document/TabrixDoc.h"

namespace tabrix {

int CCtrlFile::LoadCtrlFile(AppContext&) { return 0; }
int CCtrlFile::SaveCtrlFile(AppContext&) { return 0; }
void RunAutoTranslation(CTabrixDoc&) {}

}  // namespace tabrix
