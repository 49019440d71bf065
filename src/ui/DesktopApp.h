// Start-up and exit of the desktop program around CTabrixApp: the settings
// store, the main window, the command line and the window placement.
#pragma once

#include <QStringList>

#include <memory>

#include "app/TabrixApp.h"

class QApplication;

namespace tabrix {

class CMainFrame;
class QtSettingsStore;
class QtUserInterface;

// Names, translations of Qt's own dialogs, and the font substitutions that
// let the default face names draw Japanese. Call once after creating qapp.
void PrepareApplication(QApplication& qapp);

// Opens a file with the desktop's associated program: 0 or an error code.
int DesktopShellOpen(const std::filesystem::path& file);

class DesktopApp {
public:
    DesktopApp();
    ~DesktopApp();

    // Start-up folder, settings, recent files, window rectangle, main window.
    void initInstance();
    // Opens the file named on the command line; false when that failed.
    bool openCommandLine(const QStringList& arguments);
    // Shows the main window where it was left and enters DefDir.
    void showMainWindow();
    // Saves the settings and removes the temporary help copy.
    void exitInstance();

    // True when the saved rectangle did not fit the screen and was replaced.
    bool windowRectReplaced() const { return m_rectReplaced; }

    CTabrixApp& app() { return m_app; }
    CMainFrame& mainFrame() { return *m_frame; }
    QtUserInterface& ui() { return *m_ui; }

private:
    CTabrixApp m_app;
    std::unique_ptr<QtSettingsStore> m_store;
    std::unique_ptr<QtUserInterface> m_ui;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_rectReplaced = false;
};

}  // namespace tabrix
