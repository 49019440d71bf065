// Where the document layer plugs into the desktop: the open hook used by the
// command line, dropped files and the recent-file list, and the handlers of
// the file commands (new, open, insert, save, close).
#pragma once

namespace tabrix {

class CMainFrame;
class CTabrixApp;
class QtUserInterface;

void InstallDocumentLayer(CMainFrame& frame, CTabrixApp& app, QtUserInterface& ui);

}  // namespace tabrix
