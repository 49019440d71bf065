#include "ui/DocumentHooks.h"

namespace tabrix {

// No documents yet: without an open hook, files named on the command line,
// dropped or chosen from the recent-file list are not opened, and the file
// commands stay disabled.
void InstallDocumentLayer(CMainFrame& /*frame*/, CTabrixApp& /*app*/, QtUserInterface& /*ui*/) {}

}  // namespace tabrix
