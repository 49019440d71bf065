// "制御ファイル設定" as a command of the view: the virtual columns the editor
// added or removed are replayed on the line store at OK, so the data saved
// afterwards is the data that was read; Cancel changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "schema/CtrlEditorFixture.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::EditorFixture;
using test::Rows;

// Answers "制御ファイル設定" by running the column dialog with columns, then OK
// (or Cancel) with the save question answered No.
void Script(EditorFixture& f, std::function<void(CCtrlColDlg&)> columns, bool ok = true) {
    f.ui.dialogs.push_back([&f, ok](CDialogModel& d) {
        auto& dlg = dynamic_cast<CMakeCtrlDlg&>(d);
        EXPECT_TRUE(dlg.editColumns(f.ui));
        f.ui.answers.push_back(MsgResult::No);
        return ok && dlg.onOk(f.ui);
    });
    f.ui.dialogs.push_back([&f, columns](CDialogModel& d) {
        auto& dlg = dynamic_cast<CCtrlColDlg&>(d);
        columns(dlg);
        return dlg.onOk(f.ui);
    });
}

TEST(CtrlFileEdit, VirtualColumnsAreReplayedAndTheSavedDataIsTheDataRead) {
    EditorFixture f;
    CTabrixView& view = f.show(1);
    view.m_bFilter = true;
    view.selectPage(2);
    Script(f, [&f](CCtrlColDlg& dlg) {
        EXPECT_TRUE(dlg.addVirtual(f.ui));  // after CODE
        EXPECT_TRUE(dlg.goTo(3, f.ui));     // CUST, which writes into NAME
        dlg.m_Tran.m_bTran = false;
        EXPECT_TRUE(dlg.goTo(5, f.ui));     // NAME, moved by one
        EXPECT_TRUE(dlg.deleteVirtual(f.ui));
    });
    ASSERT_TRUE(view.runCommand(CommandId::CtrlFileEdit));
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"K1\t\tC1\t5", "K2\t\tC9\t6"}));
    EXPECT_EQ(f.doc.columnCount(), 4);
    EXPECT_EQ(f.grid.columnCount(), 5);
    EXPECT_EQ(view.m_nPage, 1);
    EXPECT_FALSE(view.m_bFilter);
    EXPECT_EQ(f.ui.progressWindow.captions.back(), "データ変換");
    EXPECT_EQ(f.ui.progressWindow.open, 0);
    EXPECT_NE(std::find_if(f.ui.messages.begin(), f.ui.messages.end(),
                           [](const test::ShownMessage& m) {
                               return m.text == "列数が変更されました。再度ファイルを開き直して下さい。";
                           }),
              f.ui.messages.end());
    EXPECT_TRUE(view.isModified());

    // The virtual columns are dropped again: the file is written as it was read.
    ASSERT_TRUE(f.doc.StoreLines(f.path("out.csv"), ',', false));
    EXPECT_EQ(test::ReadBytes(f.dir / "out.csv"), test::kEditorData);
}

TEST(CtrlFileEdit, CancelLeavesTheLinesTheSchemaAndTheColumnCount) {
    EditorFixture f;
    CTabrixView& view = f.show(10);
    const std::string schema = f.schemaText();
    const auto rows = Rows(f.doc);
    Script(f, [&f](CCtrlColDlg& dlg) { dlg.addVirtual(f.ui); }, false);
    view.runCommand(CommandId::CtrlFileEdit);
    EXPECT_EQ(f.schemaText(), schema);
    EXPECT_EQ(Rows(f.doc), rows);
    EXPECT_EQ(f.doc.columnCount(), 4);
    EXPECT_FALSE(view.isModified());
}

TEST(CtrlFileEdit, AnInsertedFieldLandsWhereSplittingAndJoiningPutsIt) {
    const std::vector<std::string> rows = {"a\tb\tc", "a\tb", "", "a\tb\tc\td", "\t\t", "ソ\t表\t"};
    for (int after = 0; after <= 3; ++after) {
        CLineStore lines;
        for (const auto& row : rows) lines.push_back(row);
        test::RecordingProgress shown;
        ProgressScope progress(shown, "", 0);
        InsertFields(lines, 3, true, after, 2, "T", "v", progress);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            // The codec's own view: the row at its width (or wider), the fields inserted, joined again.
            std::vector<std::string> fields;
            const int width = std::max(3, RowFieldCount(rows[i]));
            SplitFields(rows[i], fields, width);
            fields.insert(fields.begin() + after, 2, i == 0 ? "T" : "v");
            EXPECT_EQ(lines[i], JoinFields(fields, width + 2, kTab)) << after << ":" << rows[i];
        }
    }
}

}  // namespace
}  // namespace tabrix
