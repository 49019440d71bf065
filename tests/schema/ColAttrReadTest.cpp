// "項目属性自動設定": the column records set from the lines of the data that
// name, type and size the columns; the editor then saves what the loader reads.
#include <gtest/gtest.h>

#include "CtrlEditorFixture.h"
#include "text/Convert.h"

namespace tabrix {
namespace {

using test::EditorFixture;

TEST(ColAttrRead, TheLineNumbersAreChecked) {
    CColAttrReadDlg dlg;
    dlg.m_nLineCount = 5;
    EXPECT_EQ(dlg.validate(), "項目属性の行番号を指定して下さい。");
    dlg.m_nLines = {1, 2, 6, -1};
    EXPECT_EQ(dlg.validate(), "桁数の行番号は、-1または1～5で入力して下さい。");
    dlg.m_nLines = {0, -1, -1, -1};
    EXPECT_EQ(dlg.validate(), "項目名の行番号は、-1または1～5で入力して下さい。");
    dlg.m_nLines = {-1, 5, -1, -1};
    EXPECT_EQ(dlg.validate(), "");
    // The longest keyword at the start of the field names the type.
    const std::vector<std::pair<std::string, int>> types = {
        {"VARCHAR2(10)", kTypeText}, {" char", kTypeText}, {"number(5,2)", kTypeNumber}, {"DECIMAL", kTypeNumber},
        {"INTEGER", kTypeNumber},    {"DATE", kTypeDate},  {"TIMESTAMP", kTypeTime},     {"LONG", 0},
        {"", 0},                     {"日付", 0},
    };
    for (const auto& [field, type] : types) EXPECT_EQ(dlg.typeOf(field), type) << field;
    dlg.m_Keywords[3][1] = "TIMESTAMP";
    dlg.m_Keywords[2][1] = "TIMESTAMP(";
    EXPECT_EQ(dlg.typeOf("timestamp(6)"), kTypeDate);
}

TEST(ColAttrRead, TheLinesSetTitlesTypesAndSizesAndTheSchemaReadsBack) {
    EditorFixture f(false);
    f.rows(6, {"受注番号\t数量\t単価\t受注日\tメモ  \t",
               "VARCHAR2(10)\tnumber\tDECIMAL\tDATE\tLONG\tCHAR",
               "10\t5\t9\t8\t\tx",
               "\t\t2\t\t\t",
               "A1\t3\t1.5\t20240101\tx\ty"});
    CMakeCtrlDlg& dlg = f.openEditor();
    f.ui.dialogs.push_back([](CDialogModel& d) {
        dynamic_cast<CColAttrReadDlg&>(d).m_nLines = {1, 2, 3, 4};
        return true;
    });
    ASSERT_TRUE(dlg.readAttributes(f.ui));
    EXPECT_EQ(dlg.attributeLines().m_nLines[3], 4);  // kept for the next time

    struct Expected {
        std::string title;
        int type, length, allLen, point;
        FormatBits format1;
    };
    const std::vector<Expected> expected = {
        {"受注番号", kTypeText, 10, -1, 0, 0x201F},    {"数量", kTypeNumber, -1, 5, 0, kFmtNum1},
        {"単価", kTypeNumber, -1, 9, 2, kFmtNum1},    {"受注日", kTypeDate, -1, -1, 0, kFmtDate1},
        {"メモ", kTypeText, -1, -1, 0, 0x201F},        {"Col.6", kTypeText, -1, -1, 0, 0x201F},
    };
    ASSERT_EQ(f.ctrl().m_Cols.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const CColCtrl& col = *f.ctrl().m_Cols[i];
        const Expected& e = expected[i];
        EXPECT_EQ(col.m_strTitle, e.title) << i;
        EXPECT_EQ(col.m_nType, e.type) << i;
        EXPECT_EQ(col.m_nLength, e.length) << i;
        EXPECT_EQ(col.m_nAllLen, e.allLen) << i;
        EXPECT_EQ(col.m_nPoint, e.point) << i;
        EXPECT_EQ(col.m_nFormat1, e.format1) << i;
        if (e.type != kTypeText) {
            EXPECT_EQ(col.m_nFormat2, e.format1) << i;
        }
    }

    f.ctrl().m_strCtrlFile = f.path("attr.ctrl");
    f.ui.answers = {MsgResult::Yes};
    ASSERT_TRUE(dlg.onOk(f.ui)) << f.ui.lastMessage();
    CCtrlFile reread;
    reread.m_strCtrlFile = f.path("attr.ctrl");
    ASSERT_EQ(reread.LoadCtrlFile(f.app), 1) << f.ui.lastMessage();
    // The reader takes every value in upper case.
    EXPECT_EQ(CtrlFileText(reread, {}, {}), ConvertText(f.schemaText(), TextConversion::ToUpper));
}

TEST(ColAttrRead, VirtualColumnsAndCancelAreLeftAlone) {
    EditorFixture f;
    const std::string before = f.schemaText();
    f.doc.lines().push_back("番号\t得意先\t数量\t名称");
    CMakeCtrlDlg& dlg = f.openEditor();
    f.ui.dialogs.push_back([](CDialogModel& d) {
        dynamic_cast<CColAttrReadDlg&>(d).m_nLines = {3, -1, -1, -1};
        return true;
    });
    ASSERT_TRUE(dlg.readAttributes(f.ui));
    EXPECT_EQ(f.ctrl().m_Cols[0]->m_strTitle, "番号");
    EXPECT_EQ(f.ctrl().m_Cols[3]->m_strTitle, "NAME");  // virtual
    EXPECT_FALSE(dlg.readAttributes(f.ui));              // the dialog cancelled
    dlg.onCancel();
    EXPECT_EQ(f.schemaText(), before);
}

}  // namespace
}  // namespace tabrix
