// Qt menus from the menu table: one QAction per command, shared by the menu
// bar, the toolbars and the grid's context menu, so enabling and ticking a
// command shows everywhere at once.
#pragma once

#include <QObject>

#include <array>

#include "app/MenuTable.h"

class QAction;
class QMenu;

namespace tabrix {

class CommandActions : public QObject {
    Q_OBJECT
public:
    explicit CommandActions(QObject* parent);
    QAction* action(CommandId id) const { return m_actions[static_cast<std::size_t>(id)]; }

signals:
    void triggered(tabrix::CommandId id);

private:
    std::array<QAction*, kCommandCount> m_actions{};
};

// Where the lists that change at run time go: entries are inserted before the anchor.
struct MenuAnchors {
    QAction* recentFiles = nullptr;
    QAction* windowList = nullptr;
};

// Adds the items of the menu that the mode shows; submenus become children of menu.
void FillMenu(QMenu& menu, const MenuDef& def, MenuMode mode, const CommandActions& actions,
              MenuAnchors* anchors = nullptr);

}  // namespace tabrix
