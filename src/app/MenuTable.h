// The whole menu tree of the program as data: menus, submenus, separators,
// command captions, keys, status-bar prompts and toolbar membership, and for
// each menu mode the entries it leaves out. The desktop builds its menu bar,
// toolbars and the grid's context menu from these tables, so every command
// stays in one place whether or not it is implemented yet.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/Commands.h"

namespace tabrix {

struct CommandInfo {
    CommandId id;
    std::string_view caption;  // code page 932; "&" marks the mnemonic, "\t" starts the key text
    std::string_view key;      // portable key text such as "Ctrl+S", or empty
    std::string_view prompt;   // status-bar text
    bool checkable = false;
};

enum class MenuItemKind : std::uint8_t { Command, Separator, Submenu, RecentFiles, WindowList };

struct MenuDef;

// Bits of the menu modes an item is left out of.
using ModeMask = std::uint8_t;
constexpr ModeMask ModeBit(MenuMode mode) { return static_cast<ModeMask>(1u << static_cast<int>(mode)); }

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Separator;
    CommandId command = CommandId::None;
    const MenuDef* submenu = nullptr;
    std::string_view caption;  // submenus: the caption here, else the submenu's own
    ModeMask lacksIn = 0;
};

struct MenuDef {
    std::string_view caption;
    std::span<const MenuItem> items;
};

enum class ToolbarId : std::uint8_t { Main, Convert };

const CommandInfo& InfoOf(CommandId id);
std::span<const CommandInfo> AllCommands();

// The menu bar: each item is a top-level submenu.
const MenuDef& MainMenuBar();
// Submenus shared by the menu bar and the grid's context menu.
const MenuDef& RowMenu();
const MenuDef& ColumnMenu();
const MenuDef& ConvertMenu();
// The grid's context menu; the view removes or disables entries by its own rules.
const MenuDef& GridContextMenu();

bool IsShownIn(const MenuItem& item, MenuMode mode);
// True when the command is reachable through the menu bar of the mode.
bool HasCommand(MenuMode mode, CommandId id);
// Commands of the full menu that the mode leaves out, in menu order.
std::vector<CommandId> CommandsLackingIn(MenuMode mode);
// Whether the mode's menu shows the recent-file list.
bool HasRecentFiles(MenuMode mode);

// Toolbar buttons in order, CommandId::None for a separator; commands that the
// mode's menu lacks are left out, and so are separators left without a neighbour.
std::vector<CommandId> ToolbarCommands(ToolbarId bar, MenuMode mode);

// Caption without its mnemonic marker and key text: "新規作成(&N)" gives "新規作成".
std::string PlainCaption(std::string_view caption);

}  // namespace tabrix
