// The dialogs of the conversion commands: each binding reads its model,
// enables its fields as the choices say and writes them back; "文字削除"
// stays open without a word while neither end is ticked.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "support/ScriptedUi.h"
#include "ui/ConvertDlgs.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

template <typename T>
T* Named(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

}  // namespace

class ConvertDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void addTextEnablesTheOtherTextAndTheLength() {
        test::ScriptedUi ui;
        CDigitSetMsg model;
        model.m_nLength = 2;
        DigitSetDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("文字の付与設定"));
        auto* other = Named<QLineEdit>(dialog, "other");
        auto* length = Named<QSpinBox>(dialog, "length");
        QVERIFY(Named<QRadioButton>(dialog, "kind2")->isChecked());
        QVERIFY(!other->isEnabled() && !length->isEnabled());
        QCOMPARE(length->value(), 2);
        Named<QRadioButton>(dialog, "kind3")->click();
        QVERIFY(other->isEnabled());
        Named<QRadioButton>(dialog, "align1")->click();
        QVERIFY(length->isEnabled());
        length->setValue(1000);
        other->setText(QStringLiteral("*"));
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("全体文字数は1～999で入力して下さい。"));
        length->setValue(6);
        Named<QRadioButton>(dialog, "position1")->click();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.text(), std::string("*"));
        QCOMPARE(model.m_nPosition, 1);
        QCOMPARE(model.m_nLength, 6);
    }

    void deleteStaysOpenSilentlyUntilAnEndIsTicked() {
        test::ScriptedUi ui;
        CDelChar model;
        DelCharDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QVERIFY(Named<QRadioButton>(dialog, "kind0")->isChecked());
        QVERIFY(!Named<QLineEdit>(dialog, "other")->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(ui.messages.empty());
        Named<QCheckBox>(dialog, "end")->click();
        Named<QRadioButton>(dialog, "kind1")->click();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(model.m_bEnd && !model.m_bStart);
        QCOMPARE(model.text(), std::string("　"));
    }

    void formatConversionShowsTheSampleAndAsksForATitleOnlyForANewColumn() {
        CDateConvDlg model;
        model.m_strSample = "2024/01/05";
        model.m_bTitleLine = true;
        FormatConvDialog dialog(model, nullptr);
        QCOMPARE(dialog.windowTitle(), ToQ("日付フォーマット変換"));
        QCOMPARE(Named<QLineEdit>(dialog, "sample")->text(), QStringLiteral("2024/01/05"));
        QCOMPARE(Named<QRadioButton>(dialog, "format5")->text(), ToQ("曜日へ変換（日月火水木金土）"));
        QVERIFY(Named<QRadioButton>(dialog, "format6") != nullptr);
        auto* title = Named<QLineEdit>(dialog, "title");
        QVERIFY(!title->isEnabled());
        Named<QRadioButton>(dialog, "place2")->click();
        QVERIFY(title->isEnabled());
        title->setText(ToQ("曜日"));
        Named<QRadioButton>(dialog, "format5")->click();
        dialog.accept();
        QCOMPARE(model.m_nPlace, 3);
        QCOMPARE(model.m_nFormat, 5);
        QCOMPARE(model.m_strTitle, std::string("曜日"));

        CNumFormatDlg numbers;
        FormatConvDialog numberDialog(numbers, nullptr);
        QCOMPARE(numberDialog.windowTitle(), ToQ("数値フォーマット変換"));
        QVERIFY(Named<QRadioButton>(numberDialog, "format2") != nullptr);
        QVERIFY(Named<QRadioButton>(numberDialog, "format3") == nullptr);
        Named<QRadioButton>(numberDialog, "place1")->click();
        QVERIFY(!Named<QLineEdit>(numberDialog, "title")->isEnabled());  // no title line
        numberDialog.accept();
        QCOMPARE(numbers.m_nPlace, 2);
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::ConvertDlgsTest)
#include "ConvertDlgsTest.moc"
