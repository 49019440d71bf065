// Undo and redo in the view: captions, the modified state, the redisplay, and
// a translated column brought back with its table.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/RowColDialogs.h"

namespace tabrix {
namespace {

using test::Rows;
using test::ViewFixture;

const std::string kCtrl =
    "[FILE]\r\nFILE=d.csv\r\n"
    "[COL]\r\nTITLE=CODE\r\n"
    "[COL]\r\nTITLE=CUST\r\nTRAN=TRUE\r\nTRAN_FILE=t.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=3\r\n"
    "[COL]\r\nTITLE=NAME\r\n";

TEST(UndoView, CellEditsAndCommandsGoBackWithTheirCaptionsAndTheSavedState) {
    ViewFixture f;
    f.settings.UndoMemory = 1000000;
    f.dir.write("t.csv", "C1,Alpha\r\n");
    ASSERT_TRUE(f.openCtrl(kCtrl, "d.csv", "K1,C9,x\r\nK2,C8,y\r\n")) << f.ui.lastMessage();
    CTabrixView& view = f.show(10);
    const std::vector<std::string> opened = Rows(f.doc);
    EXPECT_FALSE(f.state(CommandId::EditUndo).enabled);
    EXPECT_EQ(f.state(CommandId::EditUndo).caption, "");

    ASSERT_TRUE(f.grid.editCell(1, 2, "C1"));  // the translation fills NAME
    EXPECT_EQ(f.line(0), "K1\tC1\tAlpha");
    EXPECT_EQ(f.state(CommandId::EditUndo).caption, "元に戻す(入力)");
    f.grid.setSelectedRange({1, 2, 1, 2});
    view.runCommand(CommandId::ColDelete);
    ASSERT_EQ(f.doc.columnCount(), 2);
    EXPECT_EQ(f.state(CommandId::EditUndo).caption, "元に戻す(列削除)");

    view.runCommand(CommandId::EditUndo);  // the column and its record come back
    EXPECT_EQ(f.line(0), "K1\tC1\tAlpha");
    EXPECT_EQ(f.grid.columnCount(), 4);
    EXPECT_EQ(f.doc.m_CtrlFile.FindCol(2)->m_strTitle, "CUST");
    EXPECT_EQ(f.state(CommandId::EditRedo).caption, "やり直し(列削除)");
    ASSERT_TRUE(f.grid.editCell(2, 2, "C1"));  // with its translation table
    EXPECT_EQ(f.line(1), "K2\tC1\tAlpha");
    EXPECT_FALSE(f.state(CommandId::EditRedo).enabled);

    view.runCommand(CommandId::EditUndo);
    view.runCommand(CommandId::EditUndo);
    EXPECT_EQ(Rows(f.doc), opened);
    EXPECT_FALSE(view.isModified());  // back where it was opened
    view.runCommand(CommandId::EditRedo);
    EXPECT_TRUE(view.isModified());
    EXPECT_EQ(f.grid.itemText(1, 3), "Alpha");
}

// Inserting a file that widens the document is one action: undo takes back
// its lines and its column, redo brings both again.
TEST(UndoView, AnInsertedFileGoesBackWithTheColumnItAdded) {
    ViewFixture f;
    f.settings.UndoMemory = 1000000;
    f.fill(3, 2);
    CTabrixView& view = f.show(10);
    const std::vector<std::string> opened = Rows(f.doc);
    const std::string inserted = f.dir.write("more.csv", "x,y,z\r\n").string();
    f.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = inserted;
        return true;
    });
    f.ui.answers.push_back(MsgResult::Yes);  // the differing field count
    f.grid.clickRowNumber(1);
    view.runCommand(CommandId::FileInsert);
    ASSERT_EQ(f.doc.columnCount(), 3);
    const std::vector<std::string> done = Rows(f.doc);

    view.runCommand(CommandId::EditUndo);
    EXPECT_EQ(Rows(f.doc), opened);
    EXPECT_EQ(f.doc.columnCount(), 2);
    EXPECT_EQ(f.grid.columnCount(), 3);
    EXPECT_FALSE(view.isModified());
    view.runCommand(CommandId::EditRedo);
    EXPECT_EQ(Rows(f.doc), done);
    EXPECT_EQ(f.grid.columnCount(), 4);
    EXPECT_EQ(f.gridRow(2), (std::vector<std::string>{"000002", "x", "y", "z"}));
}

}  // namespace
}  // namespace tabrix
