// The whole-document data check, its error list and the error file.
#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::ViewFixture;

const std::string kKeyedCtrl =
    "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\nKEYCOL=1,3\r\nDUPCHECK=TRUE\r\n"
    "[COL]\r\nTITLE=番号\r\nTYPE=文字\r\nFORMAT1=英字,数字\r\nOBLIGATE=TRUE\r\n"
    "[COL]\r\nTITLE=数量\r\nTYPE=数字\r\nFORMAT1=NUM2\r\nLENGTH=4\r\nMAXNUM=500\r\n"
    "[COL]\r\nTITLE=枝番\r\nTYPE=文字\r\nFORMAT1=数字\r\n";

std::string WithTitleLine(const std::string& ctrl) {
    const std::string head = "[FILE]\r\n";
    return head + "HEADTITLE=TRUE\r\n" + ctrl.substr(head.size());
}

// Counts the error list windows the view opens and closes.
class CountingWindow : public IErrorListWindow {
public:
    explicit CountingWindow(int& open) : m_open(open) { ++m_open; }
    ~CountingWindow() override { --m_open; }

private:
    int& m_open;
};

struct CheckFixture : ViewFixture {
    int windows = 0;
    int made = 0;
    CErrMsgList* shown = nullptr;
    void check(const std::string& ctrl, const std::string& data) {
        ASSERT_TRUE(openCtrl(ctrl, "d.csv", data)) << ui.lastMessage();
        show(10);
        view->setErrorListWindowFactory([this](CErrMsgList& list) {
            ++made;
            shown = &list;
            return std::make_unique<CountingWindow>(windows);
        });
        view->RunDataCheck();
    }
    const std::vector<CErrMsgInfo>& records() { return view->errorList().records(); }
};

TEST(DataCheck, TwoRowsWithTheSameKeyGiveTwoDuplicateRecords) {
    CheckFixture f;
    f.check(kKeyedCtrl, "A1,1,1\r\nA2,2,1\r\nA1,3,1\r\nA1,4,2\r\n");
    ASSERT_EQ(f.records().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const CErrMsgInfo& r = f.records()[i];
        EXPECT_EQ(r.m_nLine, i == 0 ? 1 : 3);
        EXPECT_EQ(r.m_nCol, 1);
        EXPECT_EQ(r.m_strColText, "A11");
        EXPECT_EQ(r.m_strMsg, "キーデータが重複しています。");
        EXPECT_EQ(r.m_strData, "A11");
    }
    // Passing values were written back in their normal form.
    EXPECT_EQ(f.line(0), "A1\t0001\t1");
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000001", "A1", "0001", "1"}));
}

// The values written back in their normal form are one action of the menu
// command: undo gives the typed forms back, redo the normal ones.
TEST(DataCheck, ItsRewritesGoBackAsOneAction) {
    CheckFixture f;
    f.settings.UndoMemory = 1000000;
    ASSERT_TRUE(f.openCtrl(kKeyedCtrl, "d.csv", "A1,1,1\r\nA2,22,1\r\n")) << f.ui.lastMessage();
    f.show(10);
    f.view->setErrorListWindowFactory([&f](CErrMsgList&) { return std::make_unique<CountingWindow>(f.windows); });
    f.view->runCommand(CommandId::DataCheck);
    EXPECT_EQ(f.line(0), "A1\t0001\t1");
    f.view->runCommand(CommandId::EditUndo);
    EXPECT_EQ(f.line(0), "A1\t1\t1");
    EXPECT_EQ(f.line(1), "A2\t22\t1");
    f.view->runCommand(CommandId::EditRedo);
    EXPECT_EQ(f.line(1), "A2\t0022\t1");
}

TEST(DataCheck, ACleanDocumentStillOpensAnEmptyListAndIsMarkedChanged) {
    CheckFixture f;
    f.check(kKeyedCtrl, "A1,0001,1\r\nA2,0002,1\r\n");
    EXPECT_TRUE(f.records().empty());
    EXPECT_EQ(f.made, 1);
    EXPECT_EQ(f.windows, 1);
    EXPECT_EQ(f.shown, &f.view->errorList());
    EXPECT_TRUE(f.view->m_bChanged);
    EXPECT_EQ(f.ui.progressWindow.captions.back(), "ﾃﾞｰﾀﾁｪｯｸ中");
    EXPECT_EQ(f.ui.progressWindow.range, 2);
    EXPECT_EQ(f.ui.progressWindow.open, 0);
    EXPECT_EQ(f.ui.waitDepth, 0);

    // The next run replaces the window; closing it deletes the records.
    f.view->RunDataCheck();
    EXPECT_EQ(f.made, 2);
    EXPECT_EQ(f.windows, 1);
    f.view->errorList().add({1, 1, "x", "y", "z"});
    f.view->closeErrorList();
    EXPECT_EQ(f.windows, 0);
    EXPECT_TRUE(f.records().empty());
}

TEST(DataCheck, FailuresAreRecordedAndTheirFieldsLeftAlone) {
    CheckFixture f;
    f.check(WithTitleLine(kKeyedCtrl), "番号,数量,枝番\r\nA1,9999,1\r\n,12,x\r\nA3, 7 ,2\r\n");
    ASSERT_EQ(f.records().size(), 3u);
    const auto& r = f.records();
    // The title line is no data: it is not checked.
    EXPECT_EQ(r[0].m_nLine, 2);
    EXPECT_EQ(r[0].m_nCol, 2);
    EXPECT_EQ(r[0].m_strColText, "数量");
    EXPECT_EQ(r[0].m_strMsg, "最大値(500)より大きい値です。");
    EXPECT_EQ(r[0].m_strData, "9999");
    EXPECT_EQ(r[1].m_nLine, 3);
    EXPECT_EQ(r[1].m_nCol, 1);
    EXPECT_EQ(r[1].m_strMsg, "この項目は、入力必須です。");
    EXPECT_EQ(r[2].m_nLine, 3);
    EXPECT_EQ(r[2].m_nCol, 3);
    EXPECT_EQ(r[2].m_strMsg, "半角英字（x）は入力できません。");
    EXPECT_EQ(f.line(0), "番号\t数量\t枝番");
    EXPECT_EQ(f.line(1), "A1\t9999\t1");
    EXPECT_EQ(f.line(2), "\t0012\tx");
    EXPECT_EQ(f.line(3), "A3\t0007\t2");
}

TEST(DataCheck, TranslationsFillTheNamesOrAreRecorded) {
    CheckFixture f;
    f.dir.write("cust.csv", "C1,東京商事\r\n");
    const std::string ctrl =
        "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n"
        "[COL]\r\nTITLE=得意先\r\nTRAN=TRUE\r\nTRAN_FILE=cust.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=2\r\n"
        "[COL]\r\nTITLE=名称\r\nFILECOL=FALSE\r\n";
    f.check(ctrl, "C1\r\nC9\r\n");
    ASSERT_EQ(f.records().size(), 1u);
    EXPECT_EQ(f.records()[0].m_nLine, 2);
    EXPECT_EQ(f.records()[0].m_strMsg, "翻訳キー（C9）が翻訳ファイルに見つかりません。");
    EXPECT_EQ(f.records()[0].m_strData, "C9");
    EXPECT_EQ(f.line(0), "C1\t東京商事");
    f.doc.lines().set(0, "C1\told");
    f.view->RunDataCheck();
    EXPECT_EQ(f.line(0), "C1\t東京商事");
}

TEST(DataCheck, SpaceMarksAreSpacesToTheCheckAndMarksAgainAfter) {
    CheckFixture f;
    f.settings.HanspDisp = 1;
    const std::string ctrl =
        "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n[COL]\r\nTITLE=名前\r\nTYPE=文字\r\nFORMAT1=英字,半ス\r\n";
    f.check(ctrl, "a b  \r\na-b c\r\n");
    EXPECT_EQ(f.line(0), "a_b");  // trailing spaces trimmed, the inner one a mark again
    ASSERT_EQ(f.records().size(), 1u);
    EXPECT_EQ(f.records()[0].m_nLine, 2);
    EXPECT_EQ(f.records()[0].m_strMsg, "半角記号（-）は入力できません。");
    EXPECT_EQ(f.records()[0].m_strData, "a-b c");
    EXPECT_EQ(f.line(1), "a-b_c");
}

TEST(DataCheck, TheFilterLimitsTheCheckToTheRowsItShows) {
    class OnlyA2 : public IRowFilter {
    public:
        bool rowPasses(const std::vector<std::string>& fields) override { return fields[0] == "A2"; }
    } filter;
    CheckFixture f;
    ASSERT_TRUE(f.openCtrl(kKeyedCtrl, "d.csv", "A1,9999,1\r\nA2,9999,1\r\n"));
    f.show(10);
    f.view->setRowFilter(&filter);
    f.view->m_bFilter = true;
    f.view->RunDataCheck();
    ASSERT_EQ(f.records().size(), 1u);
    EXPECT_EQ(f.records()[0].m_nLine, 2);
    // Activating it finds the row among the shown ones.
    EXPECT_TRUE(f.view->errorList().activate(0));
    EXPECT_EQ(f.grid.selectedRange().minRow, 1);
    EXPECT_EQ(f.grid.selectedRange().minCol, 2);
}

TEST(DataCheck, WideLinesAreCheckedOnlyAsFarAsTheSchemaGoes) {
    CheckFixture f;
    const std::string ctrl = "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n[COL]\r\nTITLE=数\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n";
    f.check(ctrl, "1,x\r\n2,y\r\n");
    EXPECT_TRUE(f.records().empty());
    EXPECT_EQ(f.line(1), "2\ty");
}

TEST(DataCheck, TheExamplesWrongLinesAreFound) {
    ViewFixture f;
    const std::string examples = std::string(TABRIX_SOURCE_DIR) + "/examples";
    f.settings.DefDir = examples;
    ASSERT_TRUE(f.doc.OnOpenDocument(examples + "/orders.ctrl")) << f.ui.lastMessage();
    f.show();
    f.view->RunDataCheck();
    std::vector<int> lines;
    for (const CErrMsgInfo& info : f.view->errorList().records()) lines.push_back(info.m_nLine);
    // The order number given twice is reported on both of its lines.
    EXPECT_EQ(lines, (std::vector<int>{42, 43, 89, 135, 178, 221}));
    EXPECT_EQ(f.fieldsOf(1)[1], "2024/01/05");  // normalised into the display notation
}

TEST(ErrorList, RowsCanBeDeletedAndActivated) {
    CheckFixture f;
    std::string data = "番号,数量,枝番\r\n";
    for (int i = 1; i <= 25; ++i) data += "A" + std::to_string(i) + "," + (i % 10 == 0 ? "999" : "1") + ",1\r\n";
    f.check(WithTitleLine(kKeyedCtrl), data);
    CErrMsgList& list = f.view->errorList();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.rowTexts(0), (std::array<std::string, 4>{"000011", "数量", "最大値(500)より大きい値です。", "999"}));
    EXPECT_EQ(std::string(CErrMsgList::kColumnCaptions[1]), "　列");

    // Line 21 of the store is data row 20: page 2 of 10 rows, its last row.
    EXPECT_TRUE(list.activate(1));
    EXPECT_EQ(f.view->m_nPage, 2);
    EXPECT_EQ(f.grid.selectedRange().minRow, 10);
    EXPECT_EQ(f.grid.selectedRange().minCol, 2);
    EXPECT_EQ(f.grid.itemText(10, 0), "000021");

    EXPECT_TRUE(list.deleteRow(0));
    EXPECT_FALSE(list.deleteRow(5));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.rowRecord(0).m_nLine, 21);
    EXPECT_EQ(list.records().size(), 2u);
    EXPECT_FALSE(list.activate(1));
}

TEST(ErrorFile, EveryRecordIsWrittenWithItsKeyFields) {
    CheckFixture f;
    std::string data;
    for (int i = 1; i <= 12; ++i) data += "A" + std::to_string(i) + ",1," + (i == 12 ? "x" : "1") + "\r\n";
    data += "A13,1000,1\r\n";
    f.check(kKeyedCtrl, data);
    CErrMsgList& list = f.view->errorList();
    ASSERT_EQ(list.rowCount(), 2);
    list.deleteRow(0);
    const std::string target = f.path("errors");
    f.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = target;
        return true;
    });
    ASSERT_TRUE(list.WriteErrorFile());
    const FileDialogRequest& asked = f.ui.fileRequests.back();
    EXPECT_EQ(asked.title, "エラーデータ保存");
    EXPECT_EQ(asked.filter, "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||");
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_EQ(asked.initialDir, f.settings.DefDir);
    EXPECT_EQ(ReadBytes(target + ".txt"),
              "【000012,0003】 枝番:半角英字（x）は入力できません。（A12 x :x）\r\n"
              "【000013,0002】 数量:最大値(500)より大きい値です。（A13 1 :1000）\r\n");
    EXPECT_EQ(f.ui.lastMessage(), "<" + target + ".txt>ファイルに 2 件出力しました。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Information);
}

TEST(ErrorFile, WithoutKeyColumnsTheLineHasNoKeyAndFailuresAreReported) {
    CheckFixture f;
    const std::string ctrl = "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n[COL]\r\nTITLE=数\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n";
    f.check(ctrl, "1\r\nz\r\n");
    EXPECT_EQ(ErrorFileText(f.records(), f.doc), "【000002,0001】 数:数字以外（z）は入力できません。（z）\r\n");

    const std::string target = (f.dir / "missing" / "e.txt").string();
    f.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
        request.fileName = target;
        return true;
    });
    EXPECT_FALSE(f.view->errorList().WriteErrorFile());
    EXPECT_EQ(f.ui.lastMessage(), target + " ファイルに書き込み出来ません。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
    EXPECT_FALSE(f.view->errorList().WriteErrorFile());  // cancelled
}

}  // namespace
}  // namespace tabrix
