// The dialogs of "計算", "数値オートフィル" and "列ソート": each binding reads
// its model, enables its fields as the choices say and writes them back.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "document/LineStore.h"
#include "support/ScriptedUi.h"
#include "ui/CalcDlgs.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

template <typename T>
T* Named(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

}  // namespace

class CalcDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void calculationEnablesTheDecimalsAndTheTitleByTheChoices() {
        test::ScriptedUi ui;
        CCalCol model;
        model.m_bTitleLine = true;
        CalcColDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("計算"));
        auto* decimals = Named<QSpinBox>(dialog, "decimals");
        auto* title = Named<QLineEdit>(dialog, "title");
        QVERIFY(Named<QRadioButton>(dialog, "operation0")->isChecked());
        QVERIFY(Named<QRadioButton>(dialog, "place3")->isChecked());
        QVERIFY(!decimals->isEnabled());
        QVERIFY(title->isEnabled());
        QCOMPARE(decimals->maximum(), 15);
        Named<QRadioButton>(dialog, "place0")->click();
        QVERIFY(!title->isEnabled());
        Named<QRadioButton>(dialog, "place2")->click();
        QVERIFY(title->isEnabled());
        Named<QRadioButton>(dialog, "method1")->click();
        QVERIFY(decimals->isEnabled());
        decimals->setValue(2);
        Named<QRadioButton>(dialog, "operation3")->click();
        Named<QRadioButton>(dialog, "convert1")->click();
        title->setText(QStringLiteral("a,b"));
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("ＣＳＶファイル時は、カンマは入力出来ません。"));
        title->setText(ToQ("合計"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.operatorCode(), 8 | 0x1000);
        QCOMPARE(model.rule().decimals, 2);
        QVERIFY(model.rule().decimal);
        QCOMPARE(model.m_nPlace, 2);
        QCOMPARE(model.m_strTitle, std::string("合計"));
    }

    void autoFillAsksForDigitsOnlyWhenAligning() {
        CAutoFillDlg model;
        AutoFillDialog dialog(model, nullptr);
        auto* digits = Named<QSpinBox>(dialog, "digits");
        QVERIFY(!digits->isEnabled());
        QCOMPARE(Named<QSpinBox>(dialog, "step")->value(), 1);
        Named<QRadioButton>(dialog, "pad1")->click();
        QVERIFY(digits->isEnabled());
        digits->setValue(5);
        Named<QSpinBox>(dialog, "base")->setValue(100);
        Named<QSpinBox>(dialog, "step")->setValue(10);
        Named<QRadioButton>(dialog, "mode1")->click();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const AutoFillRule rule = model.rule();
        QCOMPARE(rule.mode, int(AutoFillRule::Add));
        QCOMPARE(rule.format(rule.number(1)), std::string("00110"));
    }

    void columnSortBrowsesAndChecksTheColumnsInUse() {
        test::ScriptedUi ui;
        CLineStore lines;
        lines.push_back("a\tb\tc");
        CColSort model;
        model.preset(2);
        model.m_nColCount = 3;
        model.m_Chooser = CColSelDlg::OverData(lines, 3, 2);
        ColSortDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(Named<QSpinBox>(dialog, "key")->value(), 2);
        QCOMPARE(Named<QSpinBox>(dialog, "sort1")->value(), 2);
        auto* sort2 = Named<QSpinBox>(dialog, "sort2");
        QVERIFY(!sort2->isEnabled());
        QVERIFY(!Named<QPushButton>(dialog, "browseSort2")->isEnabled());
        Named<QCheckBox>(dialog, "useSort2")->click();
        QVERIFY(sort2->isEnabled());
        sort2->setValue(7);
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("ソートする列２は、1以上3以下で入力して下さい。"));
        ui.dialogs.push_back([](CDialogModel& d) {
            dynamic_cast<CColSelDlg&>(d).m_Selected = {2};
            return true;
        });
        Named<QPushButton>(dialog, "browseSort2")->click();
        QCOMPARE(sort2->value(), 3);
        Named<QRadioButton>(dialog, "direction1")->click();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.sortColumns(), (std::vector<int>{2, 3}));
        QVERIFY(model.m_bDescending);
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::CalcDlgsTest)
#include "CalcDlgsTest.moc"
