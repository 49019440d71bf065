#include "ui/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>

#include "app/Option.h"
#include "app/TabrixApp.h"
#include "ui/AboutDlg.h"
#include "ui/ChildFrame.h"
#include "ui/ErrMsgDlg.h"
#include "ui/HelpLinePane.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

namespace {

const QString kAppTitle = QStringLiteral("Tabrix");
constexpr int kRecentTextLimit = 60;

QString RecentEntryText(int number, const std::string& path) {
    QString shown = ToQ(path);
    if (shown.size() > kRecentTextLimit)
        shown = shown.left(12) + QStringLiteral("...") + shown.right(kRecentTextLimit - 15);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + shown;
}

}  // namespace

CMainFrame::CMainFrame(CTabrixApp& app, QtUserInterface& ui, QWidget* parent)
    : QMainWindow(parent),
      m_app(app),
      m_ui(ui),
      m_actions(new CommandActions(this)),
      m_mdi(new QMdiArea(this)) {
    setWindowTitle(kAppTitle);
    setAcceptDrops(true);
    setCentralWidget(m_mdi);
    m_ui.setParentWidget(this);
    connect(m_actions, &CommandActions::triggered, this, &CMainFrame::runCommand);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) m_lastActive = child;
        // A window losing the focus to a dialog stays the active document.
        if (window) {
            for (QMdiSubWindow* other : m_mdi->subWindowList()) FollowDocumentActivation(other, other == window);
        }
        refreshFromActive();
    });
    registerOwnCommands();
    buildToolBars();
    buildStatusBar();
    buildMenuBar();
    applyWindowBarSettings();
    refreshFromActive();
}

CMainFrame::~CMainFrame() {
    // Document windows still open are hidden while the frame is half
    // destroyed; their activation must not call back into it.
    m_mdi->disconnect(this);
    for (QMdiSubWindow* window : m_mdi->subWindowList()) window->disconnect(this);
}

void CMainFrame::setCommandHandler(CommandId id, CommandHandler handler) {
    m_handlers[id] = std::move(handler);
    updateCommandStates();
}

bool CMainFrame::openFile(const std::string& path) {
    if (!m_openFile || !m_openFile(path)) return false;
    addRecentFile(path);
    return true;
}

void CMainFrame::addRecentFile(const std::string& path) { m_app.recentFiles().add(path); }

CChildFrame* CMainFrame::addDocumentWindow(QWidget* view, DocumentWindowContent* content) {
    auto* frame = new CChildFrame(view, content);
    m_mdi->addSubWindow(frame);
    connect(frame, &CChildFrame::contentChanged, this, [this](CChildFrame* changed) {
        if (changed == activeChild()) refreshFromActive();
    });
    connect(frame, &QObject::destroyed, this, [this] { refreshFromActive(); }, Qt::QueuedConnection);
    frame->showMaximized();
    m_mdi->setActiveSubWindow(frame);
    m_lastActive = frame;
    refreshFromActive();
    return frame;
}

CChildFrame* CMainFrame::activeChild() const {
    // The current window, even while the main window itself is not active.
    if (auto* current = qobject_cast<CChildFrame*>(m_mdi->currentSubWindow())) return current;
    // Qt names none while the main window is active without a document
    // window being so (the focus came from outside the document windows, or
    // the window system activated the main window alone); the document the
    // user sees is still the one activated last.
    if (m_lastActive && m_mdi->subWindowList().contains(m_lastActive.data())) return m_lastActive;
    return nullptr;
}

void CMainFrame::setMenuMode(MenuMode mode) {
    m_menuMode = mode;
    buildMenuBar();
    fillToolBar(m_mainBar, ToolbarId::Main);
    fillToolBar(m_convertBar, ToolbarId::Convert);
    m_convertBar->setVisible(m_convertBarWanted && !m_convertBar->actions().isEmpty());
    updateCommandStates();
}

void CMainFrame::registerOwnCommands() {
    auto always = [this](CommandId id, std::function<void()> run) { m_handlers[id] = {std::move(run), {}, {}}; };
    always(CommandId::AppExit, [this] { close(); });
    always(CommandId::Options, [this] { runOptions(); });
    always(CommandId::Help, [this] { m_app.openHelp(m_ui); });
    always(CommandId::About, [this] { runAbout(); });
    always(CommandId::FilePrintSetup, [this] {
        QPageSetupDialog dialog(&m_printer, this);
        dialog.exec();
    });
    m_handlers[CommandId::FileClose] = {[this] {
                                            if (CChildFrame* child = activeChild()) child->close();
                                        },
                                        [this] { return activeChild() != nullptr; },
                                        {}};
    auto hasWindows = [this] { return !m_mdi->subWindowList().isEmpty(); };
    m_handlers[CommandId::WindowCascade] = {[this] { m_mdi->cascadeSubWindows(); }, hasWindows, {}};
    m_handlers[CommandId::WindowTile] = {[this] { m_mdi->tileSubWindows(); }, hasWindows, {}};
    m_handlers[CommandId::ViewToolBar] = {[this] { m_mainBar->setVisible(m_mainBar->isHidden()); },
                                          {},
                                          [this] { return !m_mainBar->isHidden(); }};
    m_handlers[CommandId::ViewConvertBar] = {[this] {
                                                 m_convertBarWanted = m_convertBar->isHidden();
                                                 m_convertBar->setVisible(m_convertBarWanted);
                                             },
                                             {},
                                             [this] { return !m_convertBar->isHidden(); }};
    m_handlers[CommandId::ViewStatusBar] = {[this] { statusBar()->setVisible(statusBar()->isHidden()); },
                                            {},
                                            [this] { return !statusBar()->isHidden(); }};
}

void CMainFrame::buildMenuBar() {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    qDeleteAll(m_windowActions);
    m_windowActions.clear();
    m_anchors = {};
    auto* bar = new QMenuBar(this);
    for (const MenuItem& item : MainMenuBar().items) {
        if (!IsShownIn(item, m_menuMode)) continue;
        QMenu* menu = bar->addMenu(ToQ(item.caption));
        MenuAnchors anchors;
        FillMenu(*menu, *item.submenu, m_menuMode, *m_actions, &anchors);
        if (anchors.recentFiles) m_anchors.recentFiles = anchors.recentFiles;
        if (anchors.windowList) m_anchors.windowList = anchors.windowList;
        const bool recent = anchors.recentFiles != nullptr;
        const bool windows = anchors.windowList != nullptr;
        connect(menu, &QMenu::aboutToShow, this, [this, recent, windows] {
            if (recent) refreshRecentFiles();
            if (windows) refreshWindowList();
            updateCommandStates();
        });
    }
    setMenuBar(bar);
    refreshRecentFiles();
    refreshWindowList();
}

void CMainFrame::refreshRecentFiles() {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    QAction* anchor = m_anchors.recentFiles;
    if (!anchor || m_app.recentFiles().capacity() == 0) return;
    auto* menu = qobject_cast<QMenu*>(anchor->parent());
    const std::vector<std::string>& files = m_app.recentFiles().files();
    if (files.empty()) {
        auto* none = new QAction(ToQ("最近使ったファイル"), menu);
        none->setEnabled(false);
        m_recentActions << none;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* entry = new QAction(RecentEntryText(static_cast<int>(i) + 1, files[i]), menu);
        entry->setStatusTip(ToQ("このファイルを開きます"));
        const std::string path = files[i];
        connect(entry, &QAction::triggered, this, [this, path] {
            // A file that no longer opens leaves the list, as the user expects.
            if (!openFile(path)) {
                const auto& list = m_app.recentFiles().files();
                const auto it = std::find(list.begin(), list.end(), path);
                if (it != list.end()) m_app.recentFiles().remove(static_cast<std::size_t>(it - list.begin()));
            }
        });
        m_recentActions << entry;
    }
    for (QAction* action : m_recentActions) menu->insertAction(anchor, action);
}

void CMainFrame::refreshWindowList() {
    qDeleteAll(m_windowActions);
    m_windowActions.clear();
    QAction* anchor = m_anchors.windowList;
    if (!anchor) return;
    auto* menu = qobject_cast<QMenu*>(anchor->parent());
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* entry = new QAction(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + title, menu);
        entry->setCheckable(true);
        entry->setChecked(window == m_mdi->currentSubWindow());
        connect(entry, &QAction::triggered, this, [this, window] { m_mdi->setActiveSubWindow(window); });
        m_windowActions << entry;
        menu->insertAction(anchor, entry);
    }
}

void CMainFrame::buildToolBars() {
    m_mainBar = addToolBar(ToQ("ツール バー"));
    m_mainBar->setObjectName(QStringLiteral("mainToolBar"));
    m_convertBar = addToolBar(ToQ("変換 バー"));
    m_convertBar->setObjectName(QStringLiteral("convertToolBar"));
    m_pageBar = addToolBar(ToQ("ページ"));
    m_pageBar->setObjectName(QStringLiteral("pageBar"));
    for (QToolBar* bar : {m_mainBar, m_convertBar, m_pageBar}) bar->setIconSize(QSize(16, 16));
    m_pageCombo = new QComboBox(m_pageBar);
    m_pageCombo->setMinimumContentsLength(9);
    m_pageCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pageCombo->setMaxVisibleItems(20);
    m_pageBar->addWidget(m_pageCombo);
    connect(m_pageCombo, &QComboBox::activated, this, [this](int index) {
        CChildFrame* child = activeChild();
        if (child && child->content() && index >= 0) child->content()->selectPage(index + 1);
    });
    fillToolBar(m_mainBar, ToolbarId::Main);
    fillToolBar(m_convertBar, ToolbarId::Convert);
    m_convertBar->hide();
}

void CMainFrame::fillToolBar(QToolBar* bar, ToolbarId id) {
    bar->clear();
    for (CommandId command : ToolbarCommands(id, m_menuMode)) {
        if (command == CommandId::None)
            bar->addSeparator();
        else
            bar->addAction(m_actions->action(command));
    }
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    m_messagePane = new CHelpLinePane(bar);
    bar->addWidget(m_messagePane, 1);
    // Widths fit the widest texts the panes show.
    const char* const samples[] = {"変更", "絞込 999,999行", "9,999,999行999列", "Col.999999.999 (9999 byte)"};
    const QFontMetrics metrics(bar->font());
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        auto* pane = new QLabel(bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(metrics.horizontalAdvance(ToQ(samples[i])) + 12);
        bar->addPermanentWidget(pane);
        m_panes[i] = pane;
    }
}

QString CMainFrame::paneText(StatusPane pane) const {
    if (pane == StatusPane::Message) return m_messagePane->fullText();
    return m_panes[static_cast<std::size_t>(pane) - 1]->text();
}

void CMainFrame::refreshFromActive() {
    CChildFrame* child = activeChild();
    DocumentWindowContent* content = child ? child->content() : nullptr;
    setWindowTitle(content ? kAppTitle + QStringLiteral(" - ") + ToQ(content->title()) : kAppTitle);
    const MenuMode mode = content ? content->menuMode() : MenuMode::Normal;
    if (mode != m_menuMode) setMenuMode(mode);
    refreshPages();
    refreshPanes();
    updateCommandStates();
}

void CMainFrame::refreshPanes() {
    CChildFrame* child = activeChild();
    StatusPanes panes;
    if (child && child->content()) {
        panes = child->content()->statusPanes();
    } else {
        panes.size = "0行";
        panes.position = "  ";
    }
    m_messagePane->setFullText(ToQ(panes.message));
    m_panes[0]->setText(ToQ(panes.changed));
    m_panes[1]->setText(ToQ(panes.filter));
    m_panes[2]->setText(ToQ(panes.size));
    m_panes[3]->setText(ToQ(panes.position));
}

void CMainFrame::refreshPages() {
    CChildFrame* child = activeChild();
    const DocumentWindowContent* content = child ? child->content() : nullptr;
    const int count = content ? content->pageCount() : 0;
    const QSignalBlocker block(m_pageCombo);
    // Refilled only when the count changed: the selection changes often, and
    // a large file has thousands of pages.
    if (m_pageCombo->count() != count) {
        QStringList entries;
        entries.reserve(count);
        for (int page = 1; page <= count; ++page) entries << QString::asprintf("P. %d", page);
        m_pageCombo->clear();
        m_pageCombo->addItems(entries);
    }
    if (count > 0) m_pageCombo->setCurrentIndex(std::clamp(content->currentPage(), 1, count) - 1);
    m_pageCombo->setEnabled(count > 0);
}

CommandState CMainFrame::stateOf(CommandId id) const {
    CommandState state;
    CChildFrame* child = activeChild();
    if (child && child->content() && child->content()->commandState(id, state)) return state;
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end() || !it->second.run) return {};
    state.enabled = !it->second.enabled || it->second.enabled();
    state.checked = it->second.checked && it->second.checked();
    return state;
}

void CMainFrame::updateCommandStates() {
    for (const CommandInfo& info : AllCommands()) {
        const CommandState state = stateOf(info.id);
        QAction* action = m_actions->action(info.id);
        action->setEnabled(state.enabled);
        if (info.checkable) action->setChecked(state.checked);
        // "元に戻す(列削除)": the caption names the action while there is one.
        const QString text = ToQ(state.caption.empty() ? std::string(info.caption) : state.caption);
        if (action->text() != text) action->setText(text);
    }
}

void CMainFrame::runCommand(CommandId id) {
    CChildFrame* child = activeChild();
    CommandState state;
    if (child && child->content() && child->content()->commandState(id, state)) {
        if (state.enabled) child->content()->runCommand(id);
    } else if (const auto it = m_handlers.find(id); it != m_handlers.end() && it->second.run) {
        if (!it->second.enabled || it->second.enabled()) it->second.run();
    }
    updateCommandStates();
}

void CMainFrame::popupMenu(const std::vector<MenuItem>& items, const QPoint& at) {
    updateCommandStates();
    QMenu menu(this);
    FillMenu(menu, MenuDef{"", items}, m_menuMode, *m_actions);
    menu.exec(at);
}

void CMainFrame::applyWindowBarSettings() {
    const Settings& settings = m_app.settings();
    if (settings.WindBar) {
        m_mdi->setViewMode(QMdiArea::TabbedView);
        m_mdi->setDocumentMode(true);
        m_mdi->setTabsMovable(true);
        m_mdi->setTabPosition(settings.WindBarPos == 0 ? QTabWidget::North : QTabWidget::South);
    } else {
        m_mdi->setViewMode(QMdiArea::SubWindowView);
        for (QMdiSubWindow* window : m_mdi->subWindowList()) window->showMaximized();
    }
}

void CMainFrame::showAtSavedPlace() {
    const Settings& settings = m_app.settings();
    if (settings.SavePos) {
        const WindowRect& rect = m_app.windowRect();
        resize(rect.width(), rect.height());
        move(rect.left, rect.top);
        if (settings.Show == kShowMaximized)
            showMaximized();
        else
            show();
    } else {
        resize(kFallbackWindowRect.width(), kFallbackWindowRect.height());
        show();
    }
}

void CMainFrame::runOptions() {
    COption options(m_app.settings());
    if (m_ui.runModal(options)) {
        options.apply();
        m_app.applyDefDir();
    }
    // "初期値" changes the settings even when the dialog is then cancelled.
    applyWindowBarSettings();
}

void CMainFrame::runAbout() {
    CAboutDlg about(m_app, m_ui, this);
    about.exec();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A document opened while the main window was hidden (from the command
    // line) was never activated; Qt does not activate it when the main window
    // becomes active, and would then name no active document.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_mdi->activeSubWindow())
        if (CChildFrame* child = activeChild()) m_mdi->setActiveSubWindow(child);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    int show = kShowNormal;
    QRect rect(pos(), size());
    if (isMaximized() || isMinimized()) {
        show = isMaximized() ? kShowMaximized : kShowMinimized;
        rect = normalGeometry();
    }
    m_app.rememberWindow(show, {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()});
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    openDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

void CMainFrame::openDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        std::string path;
        QString bad;
        if (!FromQ(url.toLocalFile(), path, &bad)) {
            m_ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
            continue;
        }
        openFile(path);
    }
}

}  // namespace tabrix
