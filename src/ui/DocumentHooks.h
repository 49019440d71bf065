// Where the document layer plugs into the desktop: the open hook used by the
// command line, dropped files and the recent-file list, and the commands that
// create documents ("新規作成(&N)", "開く..."). Saving, inserting and closing
// belong to the document window's content.
#pragma once

namespace tabrix {

class CMainFrame;
class CTabrixApp;
class QtUserInterface;

void InstallDocumentLayer(CMainFrame& frame, CTabrixApp& app, QtUserInterface& ui);

}  // namespace tabrix
