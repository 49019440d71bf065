#include "app/MenuTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tabrix {
namespace {

using C = CommandId;

// What each custom menu leaves out, written out from the menu-mode table on its own.
const std::vector<C> kRowMenuButFilter = {C::RowInsert, C::RowDelete, C::RowCopy, C::RowSort, C::Transpose};
const std::vector<C> kColumnMenu = {C::ColTitleEdit, C::ColReplace, C::ColCopy,    C::ColClear,
                                    C::ColInsert,    C::ColDelete,  C::ColMerge,   C::ColSplit,
                                    C::ColAlign,     C::ColReorder, C::ColCalc,    C::ColAutoFill,
                                    C::ColSort};
const std::vector<C> kConvertMenu = {
    C::ConvAddText,          C::ConvDeleteText,       C::ConvUpper,         C::ConvLower,
    C::ConvHalfKanaToFull,   C::ConvHalfToFull,       C::ConvFullToHalf,    C::ConvHiraganaToKatakana,
    C::ConvKatakanaToHiragana, C::ConvFullUpperToLower, C::ConvFullLowerToUpper, C::ConvSmallKanaToPlain,
    C::ConvPlainToSmallKana, C::ConvQuote,            C::ConvUnquote,       C::ConvDateFormat,
    C::ConvNumberFormat,     C::CodeTranslate};

std::set<C> Custum1Lacks() {
    std::set<C> lacks = {C::FileNew,        C::FileOpen,          C::FileInsert,   C::FileSplitSave,
                         C::FileConditionalSave, C::ConvSmallKanaToPlain, C::ConvPlainToSmallKana,
                         C::TitleLine,      C::SortDisplay,       C::Options,      C::CtrlFileEdit,
                         C::ViewConvertBar};
    lacks.insert(kRowMenuButFilter.begin(), kRowMenuButFilter.end());
    lacks.insert(kColumnMenu.begin(), kColumnMenu.end());
    return lacks;
}

std::set<C> Custum2Lacks() {
    std::set<C> lacks = Custum1Lacks();
    lacks.insert(kConvertMenu.begin(), kConvertMenu.end());
    return lacks;
}

std::set<C> Custum3Lacks() {
    std::set<C> lacks = Custum2Lacks();
    lacks.erase(C::FileSplitSave);
    lacks.insert(C::FileSave);
    lacks.insert(C::FileSaveAs);
    return lacks;
}

std::set<C> Lacking(MenuMode mode) {
    const std::vector<C> lacking = CommandsLackingIn(mode);
    return {lacking.begin(), lacking.end()};
}

TEST(MenuTable, EachModeLacksExactlyItsCommands) {
    EXPECT_TRUE(Lacking(MenuMode::Normal).empty());
    EXPECT_EQ(Lacking(MenuMode::Custum1), Custum1Lacks());
    EXPECT_EQ(Lacking(MenuMode::Custum2), Custum2Lacks());
    EXPECT_EQ(Lacking(MenuMode::Custum3), Custum3Lacks());
}

TEST(MenuTable, SplitOnlyMenuKeepsSplitSaveAndRecentFilesButNotSaving) {
    EXPECT_TRUE(HasCommand(MenuMode::Custum3, C::FileSplitSave));
    EXPECT_FALSE(HasCommand(MenuMode::Custum3, C::FileSave));
    EXPECT_FALSE(HasCommand(MenuMode::Custum3, C::FileSaveAs));
    EXPECT_TRUE(HasRecentFiles(MenuMode::Custum3));
    EXPECT_TRUE(HasRecentFiles(MenuMode::Normal));
    EXPECT_FALSE(HasRecentFiles(MenuMode::Custum1));
    EXPECT_FALSE(HasRecentFiles(MenuMode::Custum2));
    EXPECT_TRUE(HasCommand(MenuMode::Custum1, C::Filter));
    EXPECT_TRUE(HasCommand(MenuMode::Custum1, C::ConvUpper));
    EXPECT_FALSE(HasCommand(MenuMode::Custum2, C::ConvUpper));
}

TEST(MenuTable, EveryCommandIsInTheFullMenuBar) {
    for (const CommandInfo& info : AllCommands()) {
        EXPECT_TRUE(HasCommand(MenuMode::Normal, info.id)) << static_cast<int>(info.id);
        EXPECT_EQ(&InfoOf(info.id), &info);
        EXPECT_FALSE(info.caption.empty());
        EXPECT_FALSE(info.prompt.empty());
    }
}

TEST(MenuTable, CaptionsKeysAndPrompts) {
    EXPECT_EQ(InfoOf(C::FileSplitSave).caption, "ﾌｧｲﾙ分割保存");
    EXPECT_EQ(InfoOf(C::FileSave).key, "Ctrl+S");
    EXPECT_EQ(InfoOf(C::FileConditionalSave).key, "Ctrl+B");
    EXPECT_EQ(InfoOf(C::Filter).key, "Ctrl+F");
    EXPECT_EQ(InfoOf(C::PageLast).key, "Alt+E");
    EXPECT_EQ(InfoOf(C::Options).key, "Alt+O");
    EXPECT_EQ(InfoOf(C::ConvQuote).caption, "A→\"A\"(*)");
    EXPECT_EQ(InfoOf(C::ConvDeleteText).prompt, "文字を削除います");
    EXPECT_EQ(InfoOf(C::CodeTranslate).prompt, "別ファイルから翻訳データを読み込みます");
    EXPECT_EQ(InfoOf(C::CtrlFileEdit).caption, "制御ファイル設定\t(&C)");
    EXPECT_EQ(InfoOf(C::DataCheck).prompt, "ﾃﾞｰﾀのﾌｫｰﾏｯﾄ/入力文字をﾁｪｯｸします。");
}

TEST(MenuTable, ContextMenuSharesTheRowColumnAndConversionMenus) {
    const MenuDef& context = GridContextMenu();
    std::vector<const MenuDef*> submenus;
    std::vector<C> commands;
    for (const MenuItem& item : context.items) {
        if (item.kind == MenuItemKind::Submenu) submenus.push_back(item.submenu);
        if (item.kind == MenuItemKind::Command) commands.push_back(item.command);
    }
    EXPECT_EQ(submenus, (std::vector<const MenuDef*>{&RowMenu(), &ColumnMenu(), &ConvertMenu()}));
    EXPECT_EQ(commands, (std::vector<C>{C::EditUndo, C::EditRedo, C::DataCheck, C::ColumnHide, C::ColumnWidth}));
    EXPECT_EQ(RowMenu().caption, "行操作");
    EXPECT_EQ(ColumnMenu().caption, "列操作");
    EXPECT_EQ(ConvertMenu().caption, "変換");
}

TEST(MenuTable, ToolbarsDropWhatTheModeLacksAndLoneSeparators) {
    for (MenuMode mode : {MenuMode::Normal, MenuMode::Custum1, MenuMode::Custum2, MenuMode::Custum3}) {
        for (ToolbarId bar : {ToolbarId::Main, ToolbarId::Convert}) {
            const std::vector<C> buttons = ToolbarCommands(bar, mode);
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                if (buttons[i] == C::None) {
                    EXPECT_TRUE(i > 0 && i + 1 < buttons.size() && buttons[i - 1] != C::None);
                } else {
                    EXPECT_TRUE(HasCommand(mode, buttons[i]));
                }
            }
        }
    }
    const std::vector<C> normal = ToolbarCommands(ToolbarId::Main, MenuMode::Normal);
    EXPECT_EQ(normal.front(), C::FileNew);
    const std::vector<C> split = ToolbarCommands(ToolbarId::Main, MenuMode::Custum3);
    EXPECT_EQ(std::count(split.begin(), split.end(), C::FileSave), 0);
    EXPECT_TRUE(ToolbarCommands(ToolbarId::Convert, MenuMode::Custum2).empty());
    EXPECT_FALSE(ToolbarCommands(ToolbarId::Convert, MenuMode::Custum1).empty());
}

TEST(MenuTable, PlainCaption) {
    EXPECT_EQ(PlainCaption("新規作成(&N)"), "新規作成");
    EXPECT_EQ(PlainCaption("制御ファイル設定\t(&C)"), "制御ファイル設定");
    EXPECT_EQ(PlainCaption("開く..."), "開く...");
    EXPECT_EQ(PlainCaption("ツール バー(&T)"), "ツール バー");
    EXPECT_EQ(PlainCaption("(&"), "(");
}

}  // namespace
}  // namespace tabrix
