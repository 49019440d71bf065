#include "UiTestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

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
