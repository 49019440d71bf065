// When the commands of a document window are enabled and ticked, as data: one
// rule per command naming the conditions it needs, what ticks it, and whether
// the view carries it out yet. The right-click menu of the grid is built from
// the same facts. The view answers the main window from here; the Qt layer
// renders what these functions return.
#pragma once

#include <cstdint>
#include <vector>

#include "app/Commands.h"
#include "app/DocumentWindow.h"
#include "app/MenuTable.h"

namespace tabrix {

// What the rules look at, gathered from the view and its document.
struct ViewFacts {
    bool hasLines = false;     // the store holds at least one line
    int page = 1;              // m_nPage
    int pageCount = 0;         // m_nPageCount
    bool ctrlLoaded = false;   // a control file is loaded
    bool lineChange = true;    // LINECHANGE=
    bool colChange = true;     // COLCHANGE=
    bool convUse = true;       // CONVUSE=
    bool titleLine = false;    // the first line holds the column titles
    bool canSave = true;       // "上書き保存" can write the file itself
    bool sortDisplay = false;  // the grid sorts on a title click
    bool filter = false;       // m_bFilter
    bool colHidden = false;    // m_bColHidden
    bool canUndo = false;      // the undo journal has an action to undo
    bool canRedo = false;      // ... and one to do again
};

// Who carries a command out: the document window's view, or the main window.
enum class CommandOwner : std::uint8_t { App, View };

// Conditions a command needs, all of them.
using GateMask = std::uint16_t;
constexpr GateMask kGateLines = 1 << 0;       // the store has lines
constexpr GateMask kGateNotFirst = 1 << 1;    // not on the first page
constexpr GateMask kGateNotLast = 1 << 2;     // not on the last page
constexpr GateMask kGateLineChange = 1 << 3;  // LINECHANGE= allows row changes
constexpr GateMask kGateColChange = 1 << 4;   // COLCHANGE= allows column changes
constexpr GateMask kGateConvUse = 1 << 5;     // CONVUSE= allows conversions
constexpr GateMask kGateTitleLine = 1 << 6;   // the title flag is set
constexpr GateMask kGateCtrl = 1 << 7;        // a control file is loaded
constexpr GateMask kGateSavable = 1 << 8;     // the file can be saved in place
constexpr GateMask kGateUndo = 1 << 9;        // an action can be undone
constexpr GateMask kGateRedo = 1 << 10;       // an undone action can be done again

enum class CommandTick : std::uint8_t { None, TitleLine, SortDisplay, Filter, ColHidden };

struct CommandRule {
    CommandId id = CommandId::None;
    CommandOwner owner = CommandOwner::App;
    GateMask gates = 0;
    CommandTick tick = CommandTick::None;
    bool implemented = false;  // commands still to come stay disabled
};

const CommandRule& RuleOf(CommandId id);
// The state of a command of the view; a command not yet implemented is disabled.
CommandState EvaluateCommand(CommandId id, const ViewFacts& facts);

// The right-click menu of the grid: the entries of GridContextMenu() without
// the "変換", "列操作" and "行操作" submenus that CONVUSE=, COLCHANGE= and
// LINECHANGE= forbid, and without a separator left doubled. The enabled and
// ticked state of each command (in the submenus too) is EvaluateCommand's.
std::vector<MenuItem> ContextMenuItems(const ViewFacts& facts);

}  // namespace tabrix
