#include "view/CommandRules.h"

#include <array>

namespace tabrix {

namespace {

using C = CommandId;
using T = CommandTick;
constexpr CommandOwner kApp = CommandOwner::App;
constexpr CommandOwner kView = CommandOwner::View;
constexpr bool kDone = true;
constexpr bool kLater = false;

// One rule per command, in the order of CommandId.
constexpr CommandRule kRules[] = {
    {C::None, kApp, 0, T::None, kLater},
    {C::FileNew, kApp, 0, T::None, kDone},
    {C::FileOpen, kApp, 0, T::None, kDone},
    {C::FileClose, kApp, 0, T::None, kDone},
    {C::FileSave, kView, kGateSavable, T::None, kDone},
    {C::FileSaveAs, kView, 0, T::None, kDone},
    {C::FileInsert, kView, 0, T::None, kDone},
    {C::FileSplitSave, kView, kGateLines, T::None, kDone},
    {C::FileConditionalSave, kView, kGateLines, T::None, kDone},
    {C::FilePrint, kView, 0, T::None, kDone},
    {C::FilePrintPreview, kView, 0, T::None, kDone},
    {C::FilePrintSetup, kApp, 0, T::None, kDone},
    {C::AppExit, kApp, 0, T::None, kDone},
    {C::EditCut, kView, 0, T::None, kDone},
    {C::EditCopy, kView, 0, T::None, kDone},
    {C::EditPaste, kView, 0, T::None, kDone},
    {C::EditSelectAll, kView, 0, T::None, kDone},
    {C::EditUndo, kView, kGateUndo, T::None, kDone},
    {C::EditRedo, kView, kGateRedo, T::None, kDone},
    {C::ViewToolBar, kApp, 0, T::None, kDone},
    {C::ViewConvertBar, kApp, 0, T::None, kDone},
    {C::ViewStatusBar, kApp, 0, T::None, kDone},
    {C::PageFirst, kView, kGateLines | kGateNotFirst, T::None, kDone},
    {C::PagePrev, kView, kGateLines | kGateNotFirst, T::None, kDone},
    {C::PageNext, kView, kGateLines | kGateNotLast, T::None, kDone},
    {C::PageLast, kView, kGateLines | kGateNotLast, T::None, kDone},
    {C::JumpToRow, kView, 0, T::None, kDone},
    {C::TitleLine, kView, 0, T::TitleLine, kDone},
    {C::SortDisplay, kView, 0, T::SortDisplay, kDone},
    {C::Font, kView, 0, T::None, kDone},
    {C::ColumnHide, kView, 0, T::ColHidden, kDone},
    {C::ColumnShowAll, kView, 0, T::None, kDone},
    {C::ColumnWidth, kView, 0, T::None, kDone},
    {C::ColumnAutoSize, kView, 0, T::None, kDone},
    {C::RowInsert, kView, kGateLineChange, T::None, kDone},
    {C::RowDelete, kView, kGateLineChange, T::None, kDone},
    {C::RowCopy, kView, kGateLineChange, T::None, kDone},
    {C::RowSort, kView, kGateLineChange, T::None, kDone},
    {C::Transpose, kView, kGateColChange, T::None, kDone},
    {C::Filter, kView, kGateLines, T::Filter, kDone},
    {C::ColTitleEdit, kView, kGateTitleLine, T::None, kDone},
    {C::ColReplace, kView, 0, T::None, kDone},
    {C::ColCopy, kView, 0, T::None, kDone},
    {C::ColClear, kView, 0, T::None, kDone},
    {C::ColInsert, kView, kGateColChange, T::None, kDone},
    {C::ColDelete, kView, kGateColChange, T::None, kDone},
    {C::ColMerge, kView, kGateColChange, T::None, kDone},
    {C::ColSplit, kView, kGateColChange, T::None, kDone},
    {C::ColAlign, kView, 0, T::None, kDone},
    {C::ColReorder, kView, kGateColChange, T::None, kDone},
    {C::ColCalc, kView, 0, T::None, kDone},
    {C::ColAutoFill, kView, 0, T::None, kDone},
    {C::ColSort, kView, 0, T::None, kDone},
    {C::ConvAddText, kView, kGateConvUse, T::None, kDone},
    {C::ConvDeleteText, kView, kGateConvUse, T::None, kDone},
    {C::ConvUpper, kView, kGateConvUse, T::None, kDone},
    {C::ConvLower, kView, kGateConvUse, T::None, kDone},
    {C::ConvHalfKanaToFull, kView, kGateConvUse, T::None, kDone},
    {C::ConvHalfToFull, kView, kGateConvUse, T::None, kDone},
    {C::ConvFullToHalf, kView, kGateConvUse, T::None, kDone},
    {C::ConvHiraganaToKatakana, kView, kGateConvUse, T::None, kDone},
    {C::ConvKatakanaToHiragana, kView, kGateConvUse, T::None, kDone},
    {C::ConvFullUpperToLower, kView, kGateConvUse, T::None, kDone},
    {C::ConvFullLowerToUpper, kView, kGateConvUse, T::None, kDone},
    {C::ConvSmallKanaToPlain, kView, 0, T::None, kDone},  // always enabled, CONVUSE= or not
    {C::ConvPlainToSmallKana, kView, 0, T::None, kDone},  // always enabled, CONVUSE= or not
    {C::ConvQuote, kView, kGateConvUse, T::None, kDone},
    {C::ConvUnquote, kView, kGateConvUse, T::None, kDone},
    {C::ConvDateFormat, kView, kGateConvUse, T::None, kDone},
    {C::ConvNumberFormat, kView, kGateConvUse, T::None, kDone},
    {C::CodeTranslate, kView, kGateConvUse, T::None, kDone},
    {C::DataCheck, kView, kGateCtrl, T::None, kDone},
    {C::Aggregate, kView, kGateLines, T::None, kDone},
    {C::CtrlFileEdit, kView, 0, T::None, kDone},
    {C::Options, kApp, 0, T::None, kDone},
    {C::WindowCascade, kApp, 0, T::None, kDone},
    {C::WindowTile, kApp, 0, T::None, kDone},
    {C::Help, kApp, 0, T::None, kDone},
    {C::About, kApp, 0, T::None, kDone},
};
static_assert(std::size(kRules) == static_cast<std::size_t>(kCommandCount), "one rule per command");

constexpr bool RulesInEnumOrder() {
    for (std::size_t i = 0; i < std::size(kRules); ++i)
        if (kRules[i].id != static_cast<CommandId>(i)) return false;
    return true;
}
static_assert(RulesInEnumOrder(), "rules in CommandId order");

bool GatesOpen(GateMask gates, const ViewFacts& f) {
    const bool notFirst = f.page != 1;
    const bool notLast = f.page != f.pageCount;
    const std::array<std::pair<GateMask, bool>, 11> checks{{
        {kGateLines, f.hasLines},
        {kGateNotFirst, notFirst},
        {kGateNotLast, notLast},
        {kGateLineChange, f.lineChange},
        {kGateColChange, f.colChange},
        {kGateConvUse, f.convUse},
        {kGateTitleLine, f.titleLine},
        {kGateCtrl, f.ctrlLoaded},
        {kGateSavable, f.canSave},
        {kGateUndo, f.canUndo},
        {kGateRedo, f.canRedo},
    }};
    for (const auto& [gate, open] : checks)
        if ((gates & gate) && !open) return false;
    return true;
}

bool Ticked(CommandTick tick, const ViewFacts& f) {
    switch (tick) {
        case T::TitleLine: return f.titleLine;
        case T::SortDisplay: return f.sortDisplay;
        case T::Filter: return f.filter;
        case T::ColHidden: return f.colHidden;
        case T::None: break;
    }
    return false;
}

}  // namespace

const CommandRule& RuleOf(CommandId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < std::size(kRules) ? kRules[index] : kRules[0];
}

CommandState EvaluateCommand(CommandId id, const ViewFacts& facts) {
    const CommandRule& rule = RuleOf(id);
    CommandState state;
    state.enabled = rule.implemented && GatesOpen(rule.gates, facts);
    state.checked = Ticked(rule.tick, facts);
    return state;
}

std::vector<MenuItem> ContextMenuItems(const ViewFacts& facts) {
    std::vector<MenuItem> items;
    for (const MenuItem& item : GridContextMenu().items) {
        if (item.kind == MenuItemKind::Submenu) {
            if (item.submenu == &ConvertMenu() && !facts.convUse) continue;
            if (item.submenu == &ColumnMenu() && !facts.colChange) continue;
            if (item.submenu == &RowMenu() && !facts.lineChange) continue;
        }
        if (item.kind == MenuItemKind::Separator && (items.empty() || items.back().kind == MenuItemKind::Separator))
            continue;
        items.push_back(item);
    }
    if (!items.empty() && items.back().kind == MenuItemKind::Separator) items.pop_back();
    return items;
}

}  // namespace tabrix
