// Saving under a schema: date and time fields are written in the columns'
// file notation, virtual columns are dropped, and the line store keeps the
// display notation.
#include <gtest/gtest.h>

#include <memory>

#include "support/DocFixture.h"
#include "text/FormatBits.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::ReadBytes;

std::unique_ptr<CColCtrl> Column(int number, int type, FormatBits format1, FormatBits format2) {
    auto col = std::make_unique<CColCtrl>();
    col->m_nCol = number;
    col->m_strTitle = "Col." + std::to_string(number);
    col->m_nType = type;
    col->m_nFormat1 = format1;
    col->m_nFormat2 = format2;
    return col;
}

TEST(DocSaveNotation, DateAndTimeFieldsAreWrittenInTheFileNotation) {
    DocFixture f;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "a.csv",
                       "2024/01/05,x,09:30,v\r\n20240106,y,0945,w\r\n,z,,u\r\nlater,ソ,soon,t\r\n"));
    CCtrlFile& cf = doc.m_CtrlFile;
    cf.m_Cols.push_back(Column(1, kTypeDate, kFmtDate2, kFmtDate3));
    cf.m_Cols.push_back(Column(2, kTypeText, 0x201F, 0x201F));
    cf.m_Cols.push_back(Column(3, kTypeTime, kFmtTime2, kFmtTime6));
    cf.m_Cols.push_back(Column(4, kTypeDate, kFmtDate2, kFmtDate4));
    cf.m_Cols.back()->m_bFileCol = false;
    for (auto& col : cf.m_Cols) col->m_pOwner = &cf;
    cf.m_bLoaded = true;

    ASSERT_TRUE(doc.OnSaveDocument(f.path("out.csv")));
    EXPECT_EQ(ReadBytes(f.dir / "out.csv"),
              "2024年01月05日,x,09時30分00秒\r\n"
              "2024年01月06日,y,09時45分00秒\r\n"
              ",z,\r\n"
              "later,ソ,soon\r\n");
    EXPECT_EQ(doc.lines()[0], "2024/01/05\tx\t09:30\tv");
}

TEST(DocSaveNotation, EraNotationsUseTheEraTableOfTheSettings) {
    DocFixture f;
    f.settings.GengoDate[3] = "2019/05/01";
    f.settings.GengoShort[3] = "R";
    f.settings.GengoLong[3] = "令和";
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "a.csv", "2024/01/05\r\n"));
    doc.m_CtrlFile.m_Cols.push_back(Column(1, kTypeDate, kFmtDate2, kFmtDate5));
    doc.m_CtrlFile.m_bLoaded = true;
    ASSERT_TRUE(doc.OnSaveDocument(f.path("out.csv")));
    EXPECT_EQ(ReadBytes(f.dir / "out.csv"), "令和06年01月05日\r\n");
}

}  // namespace
}  // namespace tabrix
