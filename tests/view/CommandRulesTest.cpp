// Which commands a document window enables and ticks, and what its
// right-click menu holds, by the control file's switches and the view's state.
#include "view/CommandRules.h"

#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace tabrix {
namespace {

using test::ViewFixture;

ViewFacts Facts() {
    ViewFacts f;
    f.hasLines = true;
    f.page = 2;
    f.pageCount = 3;
    f.ctrlLoaded = true;
    f.titleLine = true;
    return f;
}

bool Enabled(CommandId id, const ViewFacts& f) { return EvaluateCommand(id, f).enabled; }

std::vector<std::string> Captions(const std::vector<MenuItem>& items) {
    std::vector<std::string> captions;
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItemKind::Submenu: captions.emplace_back(item.submenu->caption); break;
            case MenuItemKind::Command: captions.emplace_back(PlainCaption(InfoOf(item.command).caption)); break;
            default: captions.emplace_back("-"); break;
        }
    }
    return captions;
}

TEST(CommandRules, PageCommandsFollowThePage) {
    ViewFacts f = Facts();
    for (CommandId id : {CommandId::PageFirst, CommandId::PagePrev, CommandId::PageNext, CommandId::PageLast})
        EXPECT_TRUE(Enabled(id, f));
    f.page = 1;
    EXPECT_FALSE(Enabled(CommandId::PageFirst, f));
    EXPECT_FALSE(Enabled(CommandId::PagePrev, f));
    EXPECT_TRUE(Enabled(CommandId::PageNext, f));
    f.page = 3;
    EXPECT_TRUE(Enabled(CommandId::PagePrev, f));
    EXPECT_FALSE(Enabled(CommandId::PageNext, f));
    EXPECT_FALSE(Enabled(CommandId::PageLast, f));
    f.page = 5;  // beyond the end: only inequality counts
    EXPECT_TRUE(Enabled(CommandId::PageLast, f));
    f.hasLines = false;
    EXPECT_FALSE(Enabled(CommandId::PageLast, f));
    EXPECT_FALSE(Enabled(CommandId::PagePrev, f));
}

TEST(CommandRules, ControlFileSwitchesGateTheirCommands) {
    struct Case {
        bool ViewFacts::*flag;
        std::vector<CommandId> gated;
    };
    const Case cases[] = {
        {&ViewFacts::ctrlLoaded, {CommandId::DataCheck}},
        {&ViewFacts::canSave, {CommandId::FileSave}},
    };
    for (const Case& c : cases) {
        ViewFacts f = Facts();
        for (CommandId id : c.gated) EXPECT_TRUE(Enabled(id, f)) << static_cast<int>(id);
        f.*c.flag = false;
        for (CommandId id : c.gated) EXPECT_FALSE(Enabled(id, f)) << static_cast<int>(id);
        EXPECT_TRUE(Enabled(CommandId::FileSaveAs, f));
    }
    EXPECT_EQ(RuleOf(CommandId::RowInsert).gates, kGateLineChange);
    EXPECT_EQ(RuleOf(CommandId::Transpose).gates, kGateColChange);
    EXPECT_EQ(RuleOf(CommandId::ColMerge).gates, kGateColChange);
    EXPECT_EQ(RuleOf(CommandId::ColReplace).gates, 0);
    EXPECT_EQ(RuleOf(CommandId::ColTitleEdit).gates, kGateTitleLine);
    EXPECT_EQ(RuleOf(CommandId::ConvUpper).gates, kGateConvUse);
}

TEST(CommandRules, CommandsOfEveryMenuAreAvailable) {
    const ViewFacts f = Facts();
    for (CommandId id : {CommandId::JumpToRow, CommandId::Font, CommandId::EditCopy, CommandId::FilePrint,
                         CommandId::FileInsert, CommandId::DataCheck, CommandId::Filter, CommandId::RowInsert,
                         CommandId::ColumnHide, CommandId::Aggregate, CommandId::CtrlFileEdit, CommandId::ColCalc,
                         CommandId::ConvUpper, CommandId::CodeTranslate})
        EXPECT_TRUE(Enabled(id, f)) << static_cast<int>(id);
    EXPECT_EQ(RuleOf(CommandId::About).owner, CommandOwner::App);
    EXPECT_EQ(RuleOf(CommandId::FileOpen).owner, CommandOwner::App);
}

TEST(CommandRules, TicksFollowTheirFlags) {
    ViewFacts f = Facts();
    f.sortDisplay = true;
    f.filter = true;
    f.colHidden = true;
    for (CommandId id : {CommandId::TitleLine, CommandId::SortDisplay, CommandId::Filter, CommandId::ColumnHide})
        EXPECT_TRUE(EvaluateCommand(id, f).checked) << static_cast<int>(id);
    f = ViewFacts{};
    for (CommandId id : {CommandId::TitleLine, CommandId::SortDisplay, CommandId::Filter, CommandId::ColumnHide})
        EXPECT_FALSE(EvaluateCommand(id, f).checked) << static_cast<int>(id);
}

TEST(CommandRules, TheContextMenuLosesTheSubmenusTheControlFileForbids) {
    const std::vector<std::string> full{"元に戻す", "やり直し", "-", "ﾃﾞｰﾀ整合性ﾁｪｯｸ", "-", "行操作", "列操作", "変換", "-", "列非表示(*)", "列の幅(*)"};
    ViewFacts f = Facts();
    EXPECT_EQ(Captions(ContextMenuItems(f)), full);
    f.lineChange = false;
    EXPECT_EQ(Captions(ContextMenuItems(f)),
              (std::vector<std::string>{"元に戻す", "やり直し", "-", "ﾃﾞｰﾀ整合性ﾁｪｯｸ", "-", "列操作", "変換", "-", "列非表示(*)", "列の幅(*)"}));
    f.convUse = false;
    f.colChange = false;
    EXPECT_EQ(Captions(ContextMenuItems(f)),
              (std::vector<std::string>{"元に戻す", "やり直し", "-", "ﾃﾞｰﾀ整合性ﾁｪｯｸ", "-", "列非表示(*)", "列の幅(*)"}));
}

TEST(CommandRules, TheViewAnswersFromTheRules) {
    ViewFixture f;
    const std::string ctrl =
        "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\nLINECHANGE=FALSE\r\nCOLCHANGE=FALSE\r\n[COL]\r\nTITLE=a\r\n";
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", "1\r\n2\r\n")) << f.ui.lastMessage();
    CTabrixView& view = f.show(1);
    EXPECT_EQ(view.m_nPageCount, 2);
    EXPECT_TRUE(f.state(CommandId::DataCheck).enabled);
    EXPECT_TRUE(f.state(CommandId::PageNext).enabled);
    EXPECT_FALSE(f.state(CommandId::PagePrev).enabled);
    EXPECT_FALSE(f.state(CommandId::RowDelete).enabled);
    EXPECT_FALSE(f.state(CommandId::TitleLine).checked);
    CommandState state;
    EXPECT_FALSE(view.commandState(CommandId::Options, state));  // the main window's
    EXPECT_FALSE(view.runCommand(CommandId::Options));

    std::vector<std::string> shown;
    view.setContextMenuHook([&](int, int, const std::vector<MenuItem>& items) { shown = Captions(items); });
    f.grid.rightClick(1, 1);
    EXPECT_EQ(shown, (std::vector<std::string>{"元に戻す", "やり直し", "-", "ﾃﾞｰﾀ整合性ﾁｪｯｸ", "-", "変換", "-", "列非表示(*)", "列の幅(*)"}));

    view.runCommand(CommandId::SortDisplay);
    EXPECT_TRUE(f.state(CommandId::SortDisplay).checked);
    EXPECT_TRUE(f.grid.sortOnTitleClick());
    view.runCommand(CommandId::TitleLine);
    EXPECT_TRUE(f.state(CommandId::TitleLine).checked);
    EXPECT_EQ(view.m_nPageCount, 1);
    EXPECT_EQ(f.grid.itemText(0, 1), "1");
    EXPECT_EQ(f.grid.itemText(1, 0), "000002");
}

TEST(CommandRules, WithoutAControlFileTheDataCheckIsOff) {
    ViewFixture f;
    f.fill(3, 2);
    f.show();
    EXPECT_FALSE(f.state(CommandId::DataCheck).enabled);
    EXPECT_EQ(Captions(f.view->contextMenu()).size(), 11u);
}

}  // namespace
}  // namespace tabrix
