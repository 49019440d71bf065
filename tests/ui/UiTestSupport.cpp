#include "UiTestSupport.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

#include "ui/ChildFrame.h"
#include "ui/DocumentHooks.h"
#include "ui/DocumentWidget.h"
#include "ui/MainFrame.h"

namespace tabrix::test {

void IsolateSettings() {
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
}

void ClearSettings() {
    QSettings settings(QStringLiteral("velm"), QStringLiteral("Tabrix"));
    settings.clear();
    settings.sync();
}

std::unique_ptr<DesktopApp> StartOnEmptySettings() {
    ClearSettings();
    auto desktop = std::make_unique<DesktopApp>();
    desktop->initInstance();
    return desktop;
}

std::unique_ptr<DesktopApp> StartWithDocuments() {
    auto desktop = StartOnEmptySettings();
    InstallDocumentLayer(desktop->mainFrame(), desktop->app(), desktop->ui());
    desktop->showMainWindow();
    return desktop;
}

DocumentWidget* ActiveDocument(const CMainFrame& frame) {
    CChildFrame* child = frame.activeChild();
    return child ? qobject_cast<DocumentWidget*>(child->view()) : nullptr;
}

int DocumentWindowCount(const CMainFrame& frame) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(frame.mdiArea()->subWindowList().size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void ChooseInFileDialog(QFileDialog* dialog, const QString& path, int filter) {
    if (filter >= 0) dialog->selectNameFilter(dialog->nameFilters().at(filter));
    dialog->selectFile(path);
    // selectFile leaves the name box alone while it has the focus.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
}

namespace {

void Collect(const QList<QAction*>& actions, QStringList& captions) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        captions << action->text();
        if (QMenu* menu = action->menu()) Collect(menu->actions(), captions);
    }
}

}  // namespace

QStringList MenuCaptions(const QMenuBar& bar) {
    QStringList captions;
    Collect(bar.actions(), captions);
    return captions;
}

ModalScript::ModalScript() { connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll); }

bool ModalScript::run(const std::function<void()>& command) {
    m_timer.start(5);
    command();
    m_timer.stop();
    return m_steps.empty() && m_failures.isEmpty();
}

void ModalScript::poll() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window || !window->isVisible() || window == m_handled || window == m_pending) return;
    m_pending = window;
    // Outside the timer's slot: the step may open windows of its own.
    QPointer<QWidget> target(window);
    QMetaObject::invokeMethod(
        this, [this, target] { handle(target); }, Qt::QueuedConnection);
}

void ModalScript::handle(QWidget* window) {
    m_pending = nullptr;
    if (!window || !window->isVisible() || QApplication::activeModalWidget() != window) return;
    m_handled = window;
    if (m_aborted || m_steps.empty()) {
        m_failures << QStringLiteral("no step for ") + QString::fromLatin1(window->metaObject()->className()) +
                          QLatin1Char(' ') + window->windowTitle();
        m_aborted = true;
        QMetaObject::invokeMethod(window, "reject", Qt::QueuedConnection);
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    QPointer<QWidget> target(window);
    step(window);
    if (QTest::currentTestFailed() && !m_aborted) {
        m_failures << QStringLiteral("a check failed on ") + (target ? target->windowTitle() : QString());
        m_aborted = true;
        m_steps.clear();
        if (target && target->isVisible()) QMetaObject::invokeMethod(target, "reject", Qt::QueuedConnection);
    }
}

bool StubDocument::commandState(CommandId id, CommandState& state) const {
    if (std::find(m_enabled.begin(), m_enabled.end(), id) == m_enabled.end()) return false;
    state.enabled = true;
    return true;
}

bool StubDocument::runCommand(CommandId id) {
    m_ran.push_back(id);
    return true;
}

}  // namespace tabrix::test
