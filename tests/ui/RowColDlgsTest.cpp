// The dialogs of the row and column commands and the column chooser: each
// binding reads its model, writes the user's choices back and runs the
// model's checks and question on OK.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "document/LineStore.h"
#include "support/ScriptedUi.h"
#include "app/Settings.h"
#include "ui/ColSelDlg.h"
#include "ui/Dialogs.h"
#include "ui/QtUserInterface.h"
#include "ui/QtText.h"
#include "ui/RowColDlgs.h"

namespace tabrix {

namespace {

template <typename T>
T* Named(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

CLineStore TwoRecords() {
    CLineStore lines;
    lines.push_back("a\tb\tc");
    lines.push_back("d\te\tf");
    return lines;
}

}  // namespace

class RowColDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void sortOptionsShowTheKeysAndTakeTheDirection() {
        CSortOpt model;
        model.m_KeyCols = {2, 5};
        SortOptDialog dialog(model, nullptr);
        QCOMPARE(dialog.windowTitle(), ToQ("ソート設定"));
        QCOMPARE(Named<QLineEdit>(dialog, "keys")->text(), QStringLiteral("2 5 "));
        QVERIFY(Named<QRadioButton>(dialog, "direction0")->isChecked());
        Named<QRadioButton>(dialog, "direction1")->click();
        dialog.accept();
        QVERIFY(model.m_bDescending);
    }

    void titleEditRefusesACommaInACommaSeparatedFile() {
        test::ScriptedUi ui;
        CTitleEditDlg model;
        model.m_strTitle = "名前";
        TitleEditDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        auto* title = Named<QLineEdit>(dialog, "title");
        QCOMPARE(title->text(), ToQ("名前"));
        title->setText(QStringLiteral("a,b"));
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("ＣＳＶファイル時は、カンマは入力出来ません。"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        title->setText(ToQ("氏名"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_strTitle, std::string("氏名"));
    }

    void columnCopyBrowsesTheColumnsAndAsksBeforeOverwriting() {
        test::ScriptedUi ui;
        const CLineStore lines = TwoRecords();
        CColCopyDlg model;
        model.m_nSource = model.m_nDest = 1;
        model.m_nColCount = 3;
        model.m_Chooser = CColSelDlg::OverData(lines, 3, 1);
        ColCopyDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(Named<QLineEdit>(dialog, "source")->text(), QStringLiteral("1"));
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("異なる列番号を入力して下さい。"));
        ui.dialogs.push_back([](CDialogModel& d) {
            dynamic_cast<CColSelDlg&>(d).m_Selected = {2};
            return true;
        });
        Named<QPushButton>(dialog, "browse")->click();
        QCOMPARE(Named<QSpinBox>(dialog, "dest")->value(), 3);
        ui.answers = {MsgResult::No};
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("列：3 は、列：1 の内容で上書きされます。宜しいですか？"));
        QCOMPARE(ui.beeps, 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nDest, 3);
    }

    void replaceCouplesItsTicks() {
        test::ScriptedUi ui;
        CReplaceDlg model;
        ReplaceDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        auto* find = Named<QLineEdit>(dialog, "find");
        auto* uncond = Named<QCheckBox>(dialog, "unconditional");
        auto* nonEmpty = Named<QCheckBox>(dialog, "nonEmpty");
        uncond->click();
        QCOMPARE(find->text(), QStringLiteral("*"));
        QVERIFY(!find->isEnabled());
        nonEmpty->click();
        QVERIFY(!uncond->isChecked());
        QVERIFY(!uncond->isEnabled());
        nonEmpty->click();
        QVERIFY(uncond->isEnabled());
        QVERIFY(find->isEnabled());
        Named<QLineEdit>(dialog, "with")->setText(QStringLiteral("x"));
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(ok->text(), ToQ("全て置換"));
        ok->click();
        QCOMPARE(ui.lastMessage(), std::string("<*>→<x>へ置換を実行しますか？"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_strWith, std::string("x"));
    }

    void insertAsksForATitleOnlyWithATitleLine() {
        CColInsertDlg model;
        ColInsertDialog dialog(model, nullptr);
        QVERIFY(!Named<QLineEdit>(dialog, "title")->isEnabled());
        Named<QLineEdit>(dialog, "value")->setText(QStringLiteral("0"));
        Named<QSpinBox>(dialog, "count")->setValue(3);
        QCOMPARE(Named<QSpinBox>(dialog, "count")->maximum(), 999);
        dialog.accept();
        QCOMPARE(model.m_nCount, 3);
        QCOMPARE(model.m_strValue, std::string("0"));
    }

    void mergeTakesTheOtherTextOnlyForOther() {
        CMargeWay model;
        MergeDialog dialog(model, nullptr);
        auto* other = Named<QLineEdit>(dialog, "other");
        QVERIFY(!other->isEnabled());
        Named<QRadioButton>(dialog, "separator3")->click();
        QVERIFY(other->isEnabled());
        other->setText(QStringLiteral("-"));
        Named<QRadioButton>(dialog, "direction1")->click();
        dialog.accept();
        QCOMPARE(model.m_nDirection, int(CMargeWay::RightFromLeft));
        QCOMPARE(model.separator(), std::string("-"));
    }

    void splitEnablesTheTextOrTheByteCount() {
        test::ScriptedUi ui;
        CSplitOpt model;
        SplitDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        auto* other = Named<QLineEdit>(dialog, "other");
        auto* bytes = Named<QSpinBox>(dialog, "bytes");
        QVERIFY(Named<QRadioButton>(dialog, "separator0")->isChecked());
        QVERIFY(!other->isEnabled() && !bytes->isEnabled());
        Named<QRadioButton>(dialog, "separator4")->click();
        QVERIFY(other->isEnabled() && !bytes->isEnabled());
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("区切文字を入力して下さい。"));
        Named<QRadioButton>(dialog, "separator5")->click();
        QVERIFY(!other->isEnabled() && bytes->isEnabled());
        bytes->setValue(4);
        Named<QCheckBox>(dialog, "repeat")->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(model.byBytes() && model.m_bRepeat);
        QCOMPARE(model.m_nBytes, 4);
    }

    void orderMovesEntriesAndStepsRecords() {
        const CLineStore lines = TwoRecords();
        CColOrderDlg model;
        model.attach(lines, 3);
        ColOrderDialog dialog(model, nullptr);
        auto* list = Named<QListWidget>(dialog, "columns");
        QCOMPARE(list->item(0)->text(), ToQ("1  :【a】"));
        QCOMPARE(Named<QLineEdit>(dialog, "record")->text(), QStringLiteral("1"));
        QVERIFY(!Named<QPushButton>(dialog, "back")->isEnabled());
        list->setCurrentRow(2);
        Named<QPushButton>(dialog, "up")->click();
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->item(1)->text(), ToQ("3  :【c】"));
        dialog.accept();
        QCOMPARE(model.m_Order, (std::vector<int>{1, 3, 2}));
        Named<QPushButton>(dialog, "forward")->click();
        QCOMPARE(list->item(1)->text(), ToQ("2  :【e】"));
        QCOMPARE(Named<QLineEdit>(dialog, "record")->text(), QStringLiteral("2"));
        QCOMPARE(model.m_Order, (std::vector<int>{1, 2, 3}));
    }

    void widthTakesTheSpinValue() {
        CColWidthDlg model;
        model.m_nWidth = 64;
        ColWidthDialog dialog(model, nullptr);
        QCOMPARE(Named<QSpinBox>(dialog, "width")->value(), 64);
        Named<QSpinBox>(dialog, "width")->setValue(150);
        dialog.accept();
        QCOMPARE(model.m_nWidth, 150);
    }

    void everyModelFindsItsDialog() {
        DialogRegistry registry;
        Settings settings;
        RegisterDialogs(registry, settings);
        const CLineStore lines = TwoRecords();
        CColSelDlg chooser = CColSelDlg::OverData(lines, 3, 1);
        CSortOpt sort;
        CTitleEditDlg title;
        CColCopyDlg copy;
        CReplaceDlg replace;
        CColInsertDlg insert;
        CMargeWay merge;
        CSplitOpt split;
        CColOrderDlg order;
        CColWidthDlg width;
        for (CDialogModel* model : std::initializer_list<CDialogModel*>{&chooser, &sort, &title, &copy, &replace, &insert,
                                                                          &merge, &split, &order, &width}) {
            std::unique_ptr<ModelDialog> dialog(registry.create(*model, nullptr));
            QVERIFY(dialog != nullptr);
        }
        QVERIFY(dynamic_cast<ColSelDialog*>(std::unique_ptr<ModelDialog>(registry.create(chooser, nullptr)).get()));
        QVERIFY(dynamic_cast<SplitDialog*>(std::unique_ptr<ModelDialog>(registry.create(split, nullptr)).get()));
    }

    void chooserListsTheColumnsOfARecordAndNeedsOneChoice() {
        test::ScriptedUi ui;
        const CLineStore lines = TwoRecords();
        CColSelDlg model = CColSelDlg::OverData(lines, 3, 2);
        ColSelDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("項目選択"));
        auto* list = Named<QListWidget>(dialog, "columns");
        QCOMPARE(list->count(), 3);
        QVERIFY(list->item(1)->isSelected());
        Named<QPushButton>(dialog, "forward")->click();
        QCOMPARE(list->item(0)->text(), ToQ("1  :【d】"));
        QVERIFY(list->item(1)->isSelected());
        QVERIFY(!Named<QPushButton>(dialog, "forward")->isEnabled());
        list->clearSelection();
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("リストを１つ選択して下さい。"));
        list->item(2)->setSelected(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.chosenColumn(), 3);
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::RowColDlgsTest)
#include "RowColDlgsTest.moc"
