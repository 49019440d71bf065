// The main window: the menu bar of the active document's menu mode, the main
// and conversion toolbars, the page selector, the status bar with its message
// pane and four text panes, and the document windows under a tab bar. It
// runs the application's own commands and routes the others to the active
// document; a command nobody handles stays disabled.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/DocumentWindow.h"
#include "app/MenuTable.h"
#include "ui/MenuBuilder.h"

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QUrl;

namespace tabrix {

class CChildFrame;
class CHelpLinePane;
class CTabrixApp;
class QtUserInterface;

enum class StatusPane { Message, Changed, Filter, Size, Position };

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    struct CommandHandler {
        std::function<void()> run;
        std::function<bool()> enabled;  // empty: always enabled
        std::function<bool()> checked;  // empty: never ticked
    };
    // Opens a code page 932 path as a document; false when it could not.
    using OpenFileHook = std::function<bool(const std::string& path)>;

    CMainFrame(CTabrixApp& app, QtUserInterface& ui, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The document layer plugs in here.
    void setCommandHandler(CommandId id, CommandHandler handler);
    void setOpenFileHook(OpenFileHook hook) { m_openFile = std::move(hook); }
    // Opens through the hook and puts the path on the recent-file list.
    bool openFile(const std::string& path);
    void addRecentFile(const std::string& path);
    // Files dropped on the window: each local file is opened.
    void openDroppedFiles(const QList<QUrl>& urls);

    // Shows a document window (maximised) with the view in it.
    CChildFrame* addDocumentWindow(QWidget* view, DocumentWindowContent* content);
    CChildFrame* activeChild() const;
    QMdiArea* mdiArea() const { return m_mdi; }

    MenuMode menuMode() const { return m_menuMode; }
    void setMenuMode(MenuMode mode);

    QAction* commandAction(CommandId id) const { return m_actions->action(id); }
    const CommandActions& commandActions() const { return *m_actions; }
    QToolBar* mainToolBar() const { return m_mainBar; }
    QToolBar* convertToolBar() const { return m_convertBar; }
    QToolBar* pageBar() const { return m_pageBar; }
    QComboBox* pageSelector() const { return m_pageCombo; }
    QString paneText(StatusPane pane) const;
    QPrinter& printer() { return m_printer; }

    // A context menu of the command actions at a screen position, with their
    // states brought up to date first; returns when the menu has closed.
    void popupMenu(const std::vector<MenuItem>& items, const QPoint& at);

    // Tab bar shown or not, top or bottom, from WindBar and WindBarPos.
    void applyWindowBarSettings();
    // Places and shows the window as the settings say (start-up).
    void showAtSavedPlace();

public slots:
    // Title, menu mode, panes, page list and command states from the active document.
    void refreshFromActive();
    void updateCommandStates();
    void runCommand(tabrix::CommandId id);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void registerOwnCommands();
    void buildMenuBar();
    void buildToolBars();
    void buildStatusBar();
    void fillToolBar(QToolBar* bar, ToolbarId id);
    void refreshRecentFiles();
    void refreshWindowList();
    void refreshPanes();
    void refreshPages();
    CommandState stateOf(CommandId id) const;
    void runOptions();
    void runAbout();

    CTabrixApp& m_app;
    QtUserInterface& m_ui;
    CommandActions* m_actions;
    std::map<CommandId, CommandHandler> m_handlers;
    OpenFileHook m_openFile;
    MenuMode m_menuMode = MenuMode::Normal;
    MenuAnchors m_anchors;
    QList<QAction*> m_recentActions;
    QList<QAction*> m_windowActions;
    QMdiArea* m_mdi;
    QPointer<CChildFrame> m_lastActive;
    QToolBar* m_mainBar = nullptr;
    QToolBar* m_convertBar = nullptr;
    QToolBar* m_pageBar = nullptr;
    QComboBox* m_pageCombo = nullptr;
    CHelpLinePane* m_messagePane = nullptr;
    std::array<QLabel*, 4> m_panes{};
    bool m_convertBarWanted = false;
    QPrinter m_printer;
};

}  // namespace tabrix
