// The filter, split and conditional save dialogs bind their models: what
// opens, what OK stores, and a refusal shown on the page that caused it.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "support/ScriptedUi.h"
#include "ui/FilterDlgs.h"
#include "ui/QtText.h"
#include "ui/SaveDlgs.h"

namespace tabrix {

class FilterDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void filterDialogOpensOnTheEnabledPageAndStoresIt() {
        test::ScriptedUi ui;
        CSampleDlg model;
        model.m_nMaxCols = 2;
        model.m_ColTitles = {"名", "市"};
        model.m_Range[1].m_bEnable = true;
        model.m_Range[1].m_strValue1 = "1";
        model.m_Range[1].m_nMode = CSelCond2::AtLeast;
        FilterSettingsDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("行絞込表示設定"));
        QCOMPARE(dialog.tabs()->count(), 9);
        QCOMPARE(dialog.tabs()->currentIndex(), 4);
        QCOMPARE(dialog.tabs()->tabText(6), ToQ("重複１"));

        dialog.findChild<QCheckBox*>(QStringLiteral("enable0"))->setChecked(true);
        auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("search0"));
        search->setText(QStringLiteral("a"));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == ToQ("ひら")) button->click();
        QCOMPARE(search->text(), ToQ("a,@ひら@"));
        // Column 5 of two is refused on the first page, which comes to the front.
        dialog.tabs()->setCurrentIndex(8);
        dialog.tabs()->widget(0)->findChild<QSpinBox*>()->setValue(5);
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("個別抽出1：検索対象列番号を1以上で入力して下さい。"));
        QCOMPARE(dialog.tabs()->currentIndex(), 0);
        QCOMPARE(dialog.result(), 0);
        dialog.tabs()->widget(0)->findChild<QSpinBox*>()->setValue(2);
        dialog.accept();
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QVERIFY(model.m_Sel[0].m_bEnable);
        QCOMPARE(model.m_Sel[0].m_nCol, 2);
        QCOMPARE(model.m_Sel[0].m_strSearch, std::string("a,@ひら@"));
        QCOMPARE(model.m_Range[1].m_nMode, static_cast<int>(CSelCond2::AtLeast));
    }

    void pickerAndChart() {
        CDataSelDlg picker;
        picker.m_Values = {"A", "B", "C"};
        picker.m_bMulti = false;
        test::ScriptedUi ui;
        DataSelDialog dialog(picker, nullptr);
        dialog.setUserInterface(&ui);
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("リストを１つ選択して下さい。"));
        dialog.list()->item(1)->setSelected(true);
        dialog.accept();
        QCOMPARE(picker.m_Chosen, std::vector<int>{1});

        CSampleCodeDlg chart;
        SampleCodeDialog view(chart, nullptr);
        QCOMPARE(view.table()->verticalHeaderItem(0)->text(), QStringLiteral("8140"));
        QCOMPARE(view.table()->item(0, 1)->text(), ToQ("\x81\x41"));
    }

    void saveDialogsFollowTheirSwitches() {
        CDivOptDlg split;
        split.init(',', "/d/a.csv", {2}, 10, true);
        SplitOptDialog splitDialog(split, nullptr);
        auto* files = splitDialog.findChild<QSpinBox*>(QStringLiteral("files"));
        QVERIFY(!splitDialog.findChild<QCheckBox*>()->isEnabled());
        for (QAbstractButton* b : splitDialog.findChildren<QAbstractButton*>())
            if (b->text() == ToQ("行数＋キーブレイク")) b->click();
        splitDialog.findChild<QCheckBox*>()->setChecked(true);
        QCOMPARE(files->value(), 10);
        QVERIFY(!files->isEnabled());
        for (QAbstractButton* b : splitDialog.findChildren<QAbstractButton*>())
            if (b->text() == ToQ("ＴＡＢ区切")) b->click();
        QCOMPARE(splitDialog.findChild<QLineEdit*>(QStringLiteral("outFile"))->text(), QStringLiteral("/d/a.txt"));
        splitDialog.accept();
        QVERIFY(split.m_bPerKey);
        QCOMPARE(split.m_nDelim, static_cast<int>(CDivOptDlg::Tab));

        CSaveOpt opt;
        opt.prepareForUse(',', "/d/a.csv", 0, false, false, false, 3);
        SaveOptDialog saveDialog(opt, nullptr);
        auto* search = saveDialog.findChild<QLineEdit*>(QStringLiteral("search"));
        QVERIFY(!search->isEnabled());
        for (QAbstractButton* b : saveDialog.findChildren<QAbstractButton*>())
            if (b->text() == ToQ("抽出条件での出力")) b->click();
        QVERIFY(search->isEnabled());
        for (QAbstractButton* b : saveDialog.findChildren<QAbstractButton*>())
            if (b->text() == ToQ("EXCEL形式")) b->click();
        QCOMPARE(saveDialog.findChild<QLineEdit*>(QStringLiteral("outFile"))->text(), QStringLiteral("/d/a.xls"));
        search->setText(QStringLiteral("x"));
        saveDialog.accept();
        QCOMPARE(opt.m_nRowMode, 1);
        QCOMPARE(opt.m_nFormat, static_cast<int>(CSaveOpt::Excel));
        QCOMPARE(opt.m_strSearch, std::string("x"));
    }
};

}  // namespace tabrix

QTEST_MAIN(tabrix::FilterDlgsTest)
#include "FilterDlgsTest.moc"
