#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "UiTestSupport.h"
#include "support/ScriptedUi.h"
#include "ui/QtText.h"
#include "ui/WorkbookDlgs.h"

namespace tabrix {

class WorkbookDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void readOptionsChooseTheSheetAndCheckTheRows() {
        test::ScriptedUi ui;
        CExcelOptDlg model;
        model.m_strFileName = "/data/売上.xls";
        model.setSheets({"売上", "Sheet2"}, 65536);
        ExcelOptionsDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("EXCEL読み込みオプション"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("fileName"))->text(), ToQ("/data/売上.xls"));
        auto* sheet = dialog.findChild<QComboBox*>(QStringLiteral("sheet"));
        QCOMPARE(sheet->count(), 2);
        QCOMPARE(sheet->itemText(0), ToQ("1 : 売上"));
        QCOMPARE(sheet->currentIndex(), 0);
        auto* first = dialog.findChild<QSpinBox*>(QStringLiteral("firstRow"));
        auto* last = dialog.findChild<QSpinBox*>(QStringLiteral("lastRow"));
        QCOMPARE(first->value(), 1);
        QCOMPARE(last->value(), 65536);

        dialog.show();
        last->setValue(70000);
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("読み込み終了行は、1以上65536以下で入力して下さい。"));
        QVERIFY(dialog.isVisible());
        sheet->setCurrentIndex(1);
        first->setValue(5);
        last->setValue(5);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nSheet, 1);
        QCOMPARE(model.m_nFirst, 5);
        QCOMPARE(model.m_nLast, 5);
    }

    void readingWindowShowsTheRowAndTakesTheStopButton() {
        ReadingWindow window(nullptr);
        IReadingWindow& seam = window;
        seam.show("EXCELファイル読み込み中", "EXCELファイルを読み込んでいます。", "中止");
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), ToQ("EXCELファイル読み込み中"));
        QCOMPARE(window.stopButton()->text(), ToQ("中止"));
        QTest::qWait(60);
        QVERIFY(!seam.update(12));
        QCOMPARE(window.rowText(), QStringLiteral("12"));
        window.stopButton()->click();
        QTest::qWait(60);
        QVERIFY(seam.update(13));   // pressed once ...
        QTest::qWait(60);
        QVERIFY(!seam.update(14));  // ... is answered once
        seam.hide();
        QVERIFY(!window.isVisible());
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::WorkbookDlgsTest)
#include "WorkbookDlgsTest.moc"
