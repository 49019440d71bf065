// The column chooser over the data and over the control file's columns.
#include "view/ColSelDlg.h"

#include <gtest/gtest.h>

#include "document/CtrlFile.h"

namespace tabrix {
namespace {

TEST(ColSelDlg, OverTheDataOneColumnIsChosenWhileTheRecordsStep) {
    CLineStore lines;
    lines.push_back("a\tb");
    lines.push_back("c");
    CColSelDlg dlg = CColSelDlg::OverData(lines, 3, 2);
    EXPECT_FALSE(dlg.schemaMode());
    EXPECT_EQ(dlg.entries(), (std::vector<std::string>{"1  :【a】", "2  :【b】", "3  :【】"}));
    EXPECT_EQ(dlg.m_Selected, std::vector<int>{1});
    EXPECT_FALSE(dlg.canStepBack());
    dlg.stepForward();
    EXPECT_EQ(dlg.record(), 2u);
    EXPECT_EQ(dlg.entries()[0], "1  :【c】");
    EXPECT_FALSE(dlg.canStepForward());
    dlg.stepForward();
    EXPECT_EQ(dlg.record(), 2u);
    EXPECT_EQ(dlg.m_Selected, std::vector<int>{1});  // the selection keeps its index
    EXPECT_EQ(dlg.validate(), "");
    EXPECT_EQ(dlg.chosenColumn(), 2);
    for (const std::vector<int>& bad : {std::vector<int>{}, std::vector<int>{0, 1}}) {
        dlg.m_Selected = bad;
        EXPECT_EQ(dlg.validate(), "リストを１つ選択して下さい。");
    }
}

TEST(ColSelDlg, OverTheSchemaSeveralColumnsAreChosenAsAList) {
    CCtrlFile ctrl;
    for (const char* title : {"CODE", "NAME", "QTY"}) {
        auto col = std::make_unique<CColCtrl>();
        col->m_nCol = static_cast<int>(ctrl.m_Cols.size()) + 1;
        col->m_strTitle = title;
        col->m_bFileCol = ctrl.m_Cols.size() != 1;
        ctrl.m_Cols.push_back(std::move(col));
    }
    CColSelDlg dlg = CColSelDlg::OverSchema(ctrl, "3,1,9");
    EXPECT_TRUE(dlg.schemaMode());
    EXPECT_EQ(dlg.entries(), (std::vector<std::string>{"1  : F 【CODE】", "2  : V 【NAME】", "3  : F 【QTY】"}));
    EXPECT_EQ(dlg.m_Selected, (std::vector<int>{0, 2}));
    EXPECT_EQ(dlg.chosenList(), "1,3");
    EXPECT_FALSE(dlg.canStepBack());
    EXPECT_FALSE(dlg.canStepForward());
    EXPECT_EQ(dlg.validate(), "");
    dlg.m_Selected.clear();
    EXPECT_EQ(dlg.validate(), "リストを１つ選択して下さい。");
}

}  // namespace
}  // namespace tabrix
