// The view's own commands: selection of lines, the display sort, the row
// jump, the font, the clipboard, printing, inserting a file, saving, closing
// and the status bar.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/ViewDialogs.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::ViewFixture;

TEST(ViewSelection, TheSelectedLineIsNamedByTheRowNumberEvenAfterASort) {
    ViewFixture f;
    f.rows(2, {"c\t1", "a\t2", "b\t3"});
    CTabrixView& view = f.show(4);
    view.runCommand(CommandId::SortDisplay);
    f.grid.clickTitle(1);
    // The page's blank row stays last.
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000002", "a", "2"}));
    EXPECT_EQ(f.gridRow(3), (std::vector<std::string>{"000001", "c", "1"}));
    EXPECT_EQ(f.gridRow(4), (std::vector<std::string>{" ", "", ""}));
    f.grid.clickRowNumber(1);
    EXPECT_EQ(view.GetSelectedLine(), 1);
    f.grid.clickRowNumber(3);
    EXPECT_EQ(view.GetSelectedLine(), 0);
    EXPECT_TRUE(f.ui.messages.empty());

    // More than one row: silent for GetSelectedLine, a message for a command.
    f.grid.setSelectedRange({1, 1, 2, 1});
    EXPECT_EQ(view.GetSelectedLine(), -1);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(view.GetSelectedLineForCommand(), -1);
    EXPECT_EQ(f.ui.lastMessage(), "行を１行選択して下さい。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
    f.grid.clearSelection();
    EXPECT_EQ(view.GetSelectedLineForCommand(), -1);
    EXPECT_EQ(f.ui.messages.size(), 2u);

    // A blank row holds no line.
    f.grid.clickRowNumber(4);
    EXPECT_EQ(view.GetSelectedLine(), -1);
    EXPECT_EQ(f.ui.lastMessage(), "データのある行を１行選択して下さい。");
}

TEST(ViewSelection, SelectedColumnsAreTheOnesHoldingASelectedCell) {
    ViewFixture f;
    f.fill(5, 6);
    CTabrixView& view = f.show(10);
    EXPECT_TRUE(view.GetSelectedColumns().empty());
    f.grid.setSelectedRange({1, 2, 1, 2});
    f.grid.addSelectedRange({3, 5, 4, 6});
    EXPECT_EQ(view.GetSelectedColumns(), (std::vector<int>{2, 5, 6}));
    f.grid.clickTitle(3);
    EXPECT_EQ(view.GetSelectedColumns(), (std::vector<int>{3}));
}

TEST(ViewClipboard, CopySkipsAHiddenColumnAndPasteEditsThroughTheView) {
    ViewFixture f;
    f.fill(3, 3);
    CTabrixView& view = f.show(10);
    f.grid.setColumnWidth(2, 0);
    f.grid.setSelectedRange({1, 1, 2, 3});
    view.runCommand(CommandId::EditCopy);
    EXPECT_EQ(f.grid.clipboardText(), "L1-1\tL1-3\r\nL2-1\tL2-3");

    f.grid.setSelectedRange({3, 1, 3, 1});
    view.runCommand(CommandId::EditPaste);
    EXPECT_EQ(f.line(2), "L1-1\tL1-3\tL3-3");  // the hidden cell took its part too
    EXPECT_TRUE(view.m_bChanged);

    f.grid.setSelectedRange({1, 1, 1, 1});
    view.runCommand(CommandId::EditCut);
    EXPECT_EQ(f.grid.clipboardText(), "L1-1");
    EXPECT_EQ(f.line(0), "\tL1-2\tL1-3");
    view.runCommand(CommandId::EditSelectAll);
    EXPECT_EQ(f.grid.selectedRange().maxRow, 10);
}

TEST(ViewPrint, PrintingIsTheGridsWithAllColumnsOnOnePageWhenSet) {
    ViewFixture f;
    f.fill(1, 1);
    CTabrixView& view = f.show();
    view.runCommand(CommandId::FilePrint);
    f.settings.PrnmMde = 1;
    view.runCommand(CommandId::FilePrintPreview);
    ASSERT_EQ(f.grid.prints().size(), 2u);
    EXPECT_FALSE(f.grid.prints()[0].preview);
    EXPECT_FALSE(f.grid.prints()[0].fitColumns);
    EXPECT_TRUE(f.grid.prints()[1].preview);
    EXPECT_TRUE(f.grid.prints()[1].fitColumns);
}

TEST(ViewJump, TheDialogStartsAtTheSelectedRowAndClampsItsValue) {
    ViewFixture f;
    f.fill(2500, 1);
    CTabrixView& view = f.show(1000);
    f.grid.clickRowNumber(42);
    int offered = 0;
    int maximum = 0;
    f.ui.dialogs.push_back([&](CDialogModel& model) {
        auto& dlg = dynamic_cast<CJumpDlg&>(model);
        offered = dlg.m_nLine;
        maximum = dlg.m_nMaxLine;
        dlg.m_nLine = 99999;
        return true;
    });
    view.runCommand(CommandId::JumpToRow);
    EXPECT_EQ(offered, 42);
    EXPECT_EQ(maximum, 2500);
    EXPECT_EQ(view.m_nPage, 3);
    EXPECT_EQ(f.grid.selectedRange().minRow, 500);
    EXPECT_EQ(f.grid.selectedRange().minCol, 1);

    f.grid.clearSelection();
    f.ui.dialogs.push_back([&](CDialogModel& model) {
        auto& dlg = dynamic_cast<CJumpDlg&>(model);
        offered = dlg.m_nLine;
        dlg.m_nLine = -5;
        return true;
    });
    view.runCommand(CommandId::JumpToRow);
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(view.m_nPage, 1);
    EXPECT_EQ(f.grid.selectedRange().minRow, 1);

    view.runCommand(CommandId::JumpToRow);  // cancelled: nothing moves
    EXPECT_EQ(view.m_nPage, 1);
}

TEST(ViewJump, WithATitleLineTheNumberIsTheOneTheRowShows) {
    ViewFixture f;
    f.fill(30, 1);
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    f.ui.dialogs.push_back([](CDialogModel& model) {
        dynamic_cast<CJumpDlg&>(model).m_nLine = 21;
        return true;
    });
    view.runCommand(CommandId::JumpToRow);
    EXPECT_EQ(view.m_nPage, 2);
    const GridRange range = f.grid.selectedRange();
    EXPECT_EQ(f.grid.itemText(range.minRow, 0), "000021");
}

TEST(ViewFont, TheSettingsGiveTheFirstFontAndTheDialogChangesOnlyTheGrid) {
    struct Case {
        const char* style;
        int weight;
        bool italic;
    };
    for (const Case& c : {Case{"標準", 400, false}, Case{"斜体", 400, true}, Case{"太字", 700, false},
                          Case{"太字 斜体", 700, true}}) {
        Settings settings;
        settings.FontSize = "10";
        settings.FontStyle = c.style;
        const GridFont font = GridFontOfSettings(settings, 96);
        EXPECT_EQ(font.face, "ＭＳ Ｐゴシック");
        EXPECT_EQ(font.height, -13);  // 10 * 96 / 72 = 13.3
        EXPECT_EQ(font.weight, c.weight) << c.style;
        EXPECT_EQ(font.italic, c.italic) << c.style;
    }
    Settings big;
    big.FontSize = "11";
    EXPECT_EQ(GridFontOfSettings(big, 120).height, -18);  // 18.33

    ViewFixture f;
    f.fill(2, 2);
    f.settings.ForeColor = 0x010203;
    f.settings.BackColor1 = 0x040506;
    f.grid.setPixelsPerInchY(144);
    CTabrixView& view = f.show();
    EXPECT_EQ(f.grid.gridFont().height, -20);
    EXPECT_EQ(f.grid.defaultTextColor(), 0x010203u);
    EXPECT_EQ(f.grid.defaultBackColor(), 0x040506u);
    EXPECT_FALSE(f.grid.listMode());
    EXPECT_TRUE(f.grid.editable());
    EXPECT_TRUE(f.grid.rowSelectionByNumberClick());
    EXPECT_TRUE(f.grid.columnSelectionByTitleClick());
    EXPECT_FALSE(f.grid.sortOnTitleClick());

    GridFont offered;
    f.ui.dialogs.push_back([&](CDialogModel& model) {
        auto& dlg = dynamic_cast<CFontDlg&>(model);
        offered = dlg.m_font;
        dlg.m_font.face = "IPAGothic";
        dlg.m_font.height = -30;
        dlg.m_color = 0x0000FF;
        return true;
    });
    view.runCommand(CommandId::Font);
    EXPECT_EQ(offered.height, -20);
    EXPECT_EQ(f.grid.gridFont().face, "IPAGothic");
    EXPECT_EQ(f.grid.defaultTextColor(), 0x0000FFu);
    EXPECT_EQ(f.settings.FontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(f.settings.ForeColor, 0x010203u);
}

TEST(ViewFile, InsertingAFileShowsTheNewLinesAfterTheSelectedOne) {
    ViewFixture f;
    f.fill(3, 2);
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::FileInsert);
    EXPECT_EQ(f.ui.lastMessage(), "行を１行選択して下さい。");

    const std::string inserted = f.dir.write("more.csv", "x,y,z\r\n").string();
    f.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = inserted;
        return true;
    });
    f.ui.answers.push_back(MsgResult::Yes);  // "項目数が異なります"
    f.grid.clickRowNumber(1);
    view.runCommand(CommandId::FileInsert);
    EXPECT_EQ(f.doc.columnCount(), 3);
    EXPECT_EQ(f.grid.columnCount(), 4);
    EXPECT_EQ(view.m_nPageCount, 1);
    EXPECT_EQ(f.gridRow(2), (std::vector<std::string>{"000002", "x", "y", "z"}));
    EXPECT_EQ(f.gridRow(3), (std::vector<std::string>{"000003", "L2-1", "L2-2", ""}));
    EXPECT_TRUE(view.m_bChanged);
    EXPECT_TRUE(f.grid.isModified());
    EXPECT_EQ(view.statusPanes().changed, "変更");
}

TEST(ViewFile, SavingClearsTheModifiedStateAndClosingAsksFirst) {
    ViewFixture f;
    ASSERT_TRUE(f.open(f.doc, "d.csv", "a,b\r\nc,d\r\n"));
    CTabrixView& view = f.show();
    EXPECT_EQ(view.title(), "d.csv");
    EXPECT_TRUE(view.queryClose());  // nothing changed: no question
    EXPECT_TRUE(f.ui.messages.empty());

    ViewFixture g;
    ASSERT_TRUE(g.open(g.doc, "d.csv", "a,b\r\nc,d\r\n"));
    CTabrixView& edited = g.show();
    g.grid.clickCell(1, 2);
    ASSERT_TRUE(g.grid.editCell(1, 2, "B"));
    EXPECT_TRUE(edited.isModified());
    edited.runCommand(CommandId::FileSave);
    EXPECT_EQ(ReadBytes(g.path("d.csv")), "a,B\r\nc,d\r\n");
    EXPECT_FALSE(edited.m_bChanged);
    EXPECT_FALSE(g.grid.isModified());
    EXPECT_EQ(edited.statusPanes().changed, "");

    ASSERT_TRUE(g.grid.editCell(2, 1, "C"));
    g.ui.answers.push_back(MsgResult::Cancel);
    EXPECT_FALSE(edited.queryClose());
    EXPECT_EQ(g.ui.lastMessage(), "d.csv の変更を保存しますか？");
    g.ui.answers.push_back(MsgResult::No);
    EXPECT_TRUE(edited.queryClose());
    EXPECT_EQ(ReadBytes(g.path("d.csv")), "a,B\r\nc,d\r\n");

    ViewFixture h;
    ASSERT_TRUE(h.open(h.doc, "d.csv", "a\r\n"));
    CTabrixView& renamed = h.show();
    const std::string target = h.path("e.csv");
    h.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = target;
        return true;
    });
    renamed.runCommand(CommandId::FileSaveAs);
    EXPECT_EQ(renamed.title(), "e.csv");
    EXPECT_EQ(ReadBytes(target), "a\r\n");
}

TEST(ViewStatus, ThePanesDescribeTheDocumentAndTheFocusedCell) {
    ViewFixture f;
    const std::string ctrl =
        "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n"
        "[COL]\r\nTITLE=コード\r\nTYPE=文字\r\nFORMAT1=英字,数字\r\nLENGTH=4\r\n"
        "[COL]\r\nTITLE=名前\r\n";
    std::string data;
    for (int i = 0; i < 12345; ++i) data += "A1,名前\r\n";
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", data)) << f.ui.lastMessage();
    CTabrixView& view = f.show(100);
    StatusPanes panes = view.statusPanes();
    EXPECT_EQ(panes.message, "");
    EXPECT_EQ(panes.changed, "");
    EXPECT_EQ(panes.filter, "");
    EXPECT_EQ(panes.size, "12,345行2列");
    EXPECT_EQ(panes.position, "  ");

    view.runCommand(CommandId::PageNext);
    f.grid.clickCell(3, 2);
    panes = view.statusPanes();
    EXPECT_EQ(panes.position, "Col.103.2 (4 byte)");
    EXPECT_EQ(panes.message, "名前 ：文字（空白,英字,数字,記号,半ｶﾅ,全角,）、省略可");
    f.grid.clickCell(3, 1);
    EXPECT_EQ(view.statusPanes().message, "コード ：文字（英字,数字,）、4文字、省略可");

    f.doc.m_CtrlFile.m_bHelpMsg = false;
    EXPECT_EQ(view.statusPanes().message, "");
}

}  // namespace
}  // namespace tabrix
