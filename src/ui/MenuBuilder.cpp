#include "ui/MenuBuilder.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "ui/CommandIcons.h"
#include "ui/QtText.h"

namespace tabrix {

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
    for (const CommandInfo& info : AllCommands()) {
        auto* action = new QAction(ToQ(info.caption), this);
        if (!info.key.empty())
            action->setShortcut(QKeySequence::fromString(ToQ(info.key), QKeySequence::PortableText));
        action->setStatusTip(ToQ(info.prompt));
        action->setToolTip(ToQ(PlainCaption(info.caption)));
        action->setCheckable(info.checkable);
        action->setIcon(CommandIcon(info.id));
        action->setEnabled(false);
        const CommandId id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
        m_actions[static_cast<std::size_t>(id)] = action;
    }
}

void FillMenu(QMenu& menu, const MenuDef& def, MenuMode mode, const CommandActions& actions,
              MenuAnchors* anchors) {
    for (const MenuItem& item : def.items) {
        if (!IsShownIn(item, mode)) continue;
        switch (item.kind) {
            case MenuItemKind::Command: menu.addAction(actions.action(item.command)); break;
            case MenuItemKind::Separator: menu.addSeparator(); break;
            case MenuItemKind::Submenu: {
                const std::string_view caption = item.caption.empty() ? item.submenu->caption : item.caption;
                QMenu* sub = menu.addMenu(ToQ(caption));
                FillMenu(*sub, *item.submenu, mode, actions, anchors);
                break;
            }
            case MenuItemKind::RecentFiles:
                if (anchors) anchors->recentFiles = menu.addSeparator();
                break;
            case MenuItemKind::WindowList:
                if (anchors) anchors->windowList = menu.addSeparator();
                break;
        }
    }
}

}  // namespace tabrix
