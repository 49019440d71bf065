// The windows of "集計": the parameter dialog's enabling and checks, the
// column total, the result window's sort, copy and file output, and the
// format choice of the save dialog.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include "UiTestSupport.h"
#include "document/LineStore.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "ui/AggregateDlgs.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"
#include "view/Aggregation.h"

namespace tabrix {

class AggregateDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void parameterDialogEnablesByModeAndOutputAndChecksOnOk() {
        test::ScriptedUi ui;
        CLineStore store;
        store.push_back("a\tb\tc");
        CSumParamDlg model;
        model.m_nMaxCols = 3;
        model.m_Chooser = CColSelDlg::OverData(store, 3, 1);
        SumParamDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("集計パラメータ"));
        auto* key2 = dialog.findChild<QSpinBox*>(QStringLiteral("key2"));
        auto* calc1 = dialog.findChild<QSpinBox*>(QStringLiteral("calc1"));
        auto* sum = dialog.findChild<QCheckBox*>(QStringLiteral("aggregate0"));
        auto* avgDecimals = dialog.findChild<QCheckBox*>(QStringLiteral("decimals1"));
        auto* oneCell = dialog.findChild<QCheckBox*>(QStringLiteral("oneCell"));
        auto* separator = dialog.findChild<QLineEdit*>(QStringLiteral("separator"));
        QVERIFY(key2->isEnabled() && calc1->isEnabled() && sum->isEnabled() && !avgDecimals->isEnabled());
        QVERIFY(!oneCell->isEnabled() && !separator->isEnabled());
        dialog.findChild<QCheckBox*>(QStringLiteral("aggregate1"))->setChecked(true);
        QVERIFY(avgDecimals->isEnabled());
        dialog.findChild<QRadioButton*>(QStringLiteral("output1"))->setChecked(true);
        QVERIFY(!sum->isEnabled() && oneCell->isEnabled() && !separator->isEnabled());
        oneCell->setChecked(true);
        QVERIFY(separator->isEnabled());
        dialog.findChild<QRadioButton*>(QStringLiteral("mode1"))->setChecked(true);
        QVERIFY(!key2->isEnabled() && !calc1->isEnabled() && !oneCell->isEnabled());
        QVERIFY(dialog.findChild<QSpinBox*>(QStringLiteral("key1"))->isEnabled());
        dialog.findChild<QRadioButton*>(QStringLiteral("mode0"))->setChecked(true);

        // "参照" opens the column chooser on the box's column and takes its choice.
        ui.dialogs.push_back([](CDialogModel& d) {
            auto& chooser = dynamic_cast<CColSelDlg&>(d);
            if (chooser.m_Selected != std::vector<int>{0}) return false;
            chooser.m_Selected = {2};
            return true;
        });
        dialog.findChild<QPushButton*>(QStringLiteral("calc1Browse"))->click();
        QCOMPARE(calc1->value(), 3);
        calc1->setValue(1);

        key2->setValue(0);
        dialog.show();
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("集計対象列２は、1以上3以下で入力して下さい。"));
        QVERIFY(dialog.isVisible());
        key2->setValue(-1);
        calc1->setValue(3);
        separator->setText(ToQ("；"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nCalc[0], 3);
        QCOMPARE(model.m_nOutput, int(CSumParamDlg::Data));
        QVERIFY(model.m_bOneCell && model.m_bAggregate[1]);
        QCOMPARE(model.m_strSeparator, std::string("；"));
    }

    void resultWindowSortsCopiesAndWritesItsFile() {
        CLineStore store;
        for (const char* row : {"b\t10", "a\t9", "c\t100"}) store.push_back(row);
        CSumParamDlg params;
        params.m_nCalc[0] = 2;
        NullProgress progress;
        CSummaryDlg result = AggregateLines({store, 0, 2, {}}, params, progress, SystemClock());
        test::ScriptedUi ui;
        SummaryWindow window(result, nullptr);
        window.setUserInterface(&ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), ToQ(result.m_strTitle));
        QCOMPARE(test::MenuCaptions(*window.findChild<QMenuBar*>()),
                 QStringList({ToQ("ファイル(&F)"), ToQ("ファイル出力(&O)"), ToQ("終了(&E)"), ToQ("編集(&E)"),
                              ToQ("コピー"), ToQ("全て選択")}));
        QTableView* table = window.table();
        QCOMPARE(table->model()->headerData(2, Qt::Horizontal).toString(), ToQ("列(2)の合計"));
        auto firstColumn = [&] {
            QStringList texts;
            for (int row = 0; row < table->model()->rowCount(); ++row) texts << table->model()->index(row, 0).data().toString();
            return texts;
        };
        table->horizontalHeader()->sectionClicked(2);
        QCOMPARE(firstColumn(), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), ToQ("★総計★")}));
        table->horizontalHeader()->sectionClicked(2);
        QCOMPARE(firstColumn(), QStringList({QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a"), ToQ("★総計★")}));

        window.selectAll();
        window.copy();
        QCOMPARE(QApplication::clipboard()->text(), ToQ("c\t1\t100\r\nb\t1\t10\r\na\t1\t9\r\n★総計★\t3\t119"));

        test::TempDir dir;
        ui.fileDialogs.push_back([&](FileDialogRequest& request) {
            request.fileName = (dir / "r.txt").string();
            request.choices.at(0).selected = CSummaryDlg::Tab;
            return true;
        });
        window.fileOutput();
        QCOMPARE(test::ReadBytes(dir / "r.txt"), std::string("キー列(1)\tキーの個数\t列(2)の合計\r\nc\t1\t100\r\nb\t1\t10\r\na\t1\t9\r\n★総計★\t3\t119\r\n"));
        QCOMPARE(ui.lastMessage(), (dir / "r.txt").string() + "にＴＡＢ形式で4件保存しました。");
    }

    void columnTotalShowsItsFields() {
        CColTotalDlg model;
        model.m_strCaption = "列総計結果　09:00:00->09:00:01";
        model.m_nCol = 7;
        model.m_nCount = 3;
        model.m_strTotal = "1,234";
        ColTotalDialog dialog(model, nullptr);
        QCOMPARE(dialog.windowTitle(), ToQ(model.m_strCaption));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("column"))->text(), QStringLiteral("7"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("total"))->text(), QStringLiteral("1,234"));
    }

    void fileDialogShowsAndReturnsItsChoices() {
        test::TempDir dir;
        FileDialogRequest request;
        request.title = CSummaryDlg::kOutputTitle;
        request.filter = CSummaryDlg::kOutputFilter;
        request.fileName = (dir / "r.csv").string();
        request.choices.push_back({"ファイル形式", {"CSV形式", "TAB形式", "EXCEL形式"}, 0});
        QFileDialog dialog;
        PrepareFileDialog(dialog, request, true);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("fileDialogChoice0"));
        QVERIFY(box);
        QCOMPARE(box->count(), 3);
        box->setCurrentIndex(2);
        test::ScriptedUi ui;
        QVERIFY(ReadFileDialog(dialog, request, ui));
        QCOMPARE(request.choices[0].selected, 2);
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::AggregateDlgsTest)
#include "AggregateDlgsTest.moc"
