#include <gtest/gtest.h>

#include "document/CtrlFile.h"

namespace tabrix {
namespace {

void AddColumns(CCtrlFile& ctrl, std::initializer_list<const char*> titles) {
    for (const char* title : titles) {
        auto col = std::make_unique<CColCtrl>();
        col->m_strTitle = title;
        col->m_nCol = static_cast<int>(ctrl.m_Cols.size()) + 1;
        col->m_pOwner = &ctrl;
        ctrl.m_Cols.push_back(std::move(col));
    }
    ctrl.m_nMaxCols = static_cast<int>(ctrl.m_Cols.size());
    ctrl.m_bLoaded = true;
}

std::string Titles(const CCtrlFile& ctrl) {
    std::string out;
    for (const auto& col : ctrl.m_Cols) out += std::to_string(col->m_nCol) + ":" + col->m_strTitle + " ";
    return out;
}

TEST(SchemaOps, InsertAddsARecordTitledByItsPosition) {
    CCtrlFile ctrl;
    AddColumns(ctrl, {"A", "B"});
    EXPECT_EQ(ctrl.InsertColDef(2), 1);
    EXPECT_EQ(Titles(ctrl), "1:A 2:Col.2 3:B ");
    EXPECT_EQ(ctrl.m_nMaxCols, 3);
    EXPECT_TRUE(ctrl.m_bModified);
    EXPECT_EQ(ctrl.m_Cols[1]->m_pOwner, &ctrl);
    EXPECT_EQ(ctrl.InsertColDef(4), 1);  // one past the end appends
    EXPECT_EQ(Titles(ctrl), "1:A 2:Col.2 3:B 4:Col.4 ");
    EXPECT_EQ(ctrl.InsertColDef(6), 0);
    EXPECT_EQ(ctrl.InsertColDef(0), 0);
    EXPECT_EQ(ctrl.m_nMaxCols, 6);  // the column count follows the data regardless
}

TEST(SchemaOps, DeleteRemovesTheRecordAndRenumbers) {
    CCtrlFile ctrl;
    AddColumns(ctrl, {"A", "B", "C"});
    EXPECT_EQ(ctrl.DeleteColDef(2), 1);
    EXPECT_EQ(Titles(ctrl), "1:A 2:C ");
    EXPECT_EQ(ctrl.m_nMaxCols, 2);
    EXPECT_EQ(ctrl.DeleteColDef(3), 0);
    EXPECT_EQ(ctrl.m_nMaxCols, 1);
    EXPECT_TRUE(ctrl.m_bModified);
}

TEST(SchemaOps, ReorderTakesEveryColumnOnce) {
    CCtrlFile ctrl;
    AddColumns(ctrl, {"A", "B", "C"});
    EXPECT_TRUE(ctrl.ReorderColDefs({3, 1, 2}));
    EXPECT_EQ(Titles(ctrl), "1:C 2:A 3:B ");
    ctrl.m_bModified = false;
    for (const std::vector<int>& bad : {std::vector<int>{1, 1, 2}, {1, 2}, {1, 2, 4}, {1, 2, 3, 3}}) {
        EXPECT_FALSE(ctrl.ReorderColDefs(bad));
        EXPECT_EQ(Titles(ctrl), "1:C 2:A 3:B ");
    }
    EXPECT_FALSE(ctrl.m_bModified);
}

TEST(SchemaOps, WithoutASchemaOnlyTheColumnCountMoves) {
    CCtrlFile ctrl;
    ctrl.m_nMaxCols = 3;
    EXPECT_EQ(ctrl.InsertColDef(1), 0);
    EXPECT_EQ(ctrl.m_nMaxCols, 4);
    EXPECT_EQ(ctrl.DeleteColDef(1), 0);
    EXPECT_EQ(ctrl.m_nMaxCols, 3);
    EXPECT_FALSE(ctrl.ReorderColDefs({}));
    EXPECT_FALSE(ctrl.m_bModified);
    EXPECT_TRUE(ctrl.m_Cols.empty());
}

}  // namespace
}  // namespace tabrix
