#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "UiTestSupport.h"
#include "support/ScriptedUi.h"
#include "ui/ColorButton.h"
#include "ui/Dialogs.h"
#include "ui/OptionDlg.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

class OptionDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_settings = Settings{};
        m_ui = test::ScriptedUi{};
    }

    void opensWithTheSettings() {
        m_settings.PsizeMode = 4;
        m_settings.WindBarPos = 0;
        m_settings.GengoDate[3] = "1989/01/08";
        COption model(m_settings);
        COptionDlg dialog(model, nullptr);
        QCOMPARE(dialog.windowTitle(), ToQ("オプション設定"));
        QCOMPARE(edit(dialog, "defDir")->text(), QStringLiteral(".\\"));
        QCOMPARE(edit(dialog, "font")->text(), ToQ("ＭＳ Ｐゴシック 10pt 標準"));
        QCOMPARE(combo(dialog, "psizeMode")->currentText(), QStringLiteral("5000"));
        QCOMPARE(combo(dialog, "psizeMode")->count(), 6);
        QCOMPARE(combo(dialog, "tsizeMode")->count(), 5);
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("recNum"))->value(), 4);
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("windBarTop"))->isChecked());
        QCOMPARE(dialog.findChild<QDateEdit*>(QStringLiteral("eraDate3"))->date(), QDate(1989, 1, 8));
        QCOMPARE(edit(dialog, "eraLong0")->text(), ToQ("明治"));
        QCOMPARE(dialog.findChild<ColorButton*>(QStringLiteral("backColor1"))->colour(), 0x00E0FFFFu);
    }

    void enableRulesFollowTheCheckBoxes() {
        COption model(m_settings);
        COptionDlg dialog(model, nullptr);
        QVERIFY(!edit(dialog, "hanspChar")->isEnabled());
        QVERIFY(!edit(dialog, "zenspChar")->isEnabled());
        check(dialog, "hanspDisp")->setChecked(true);
        QVERIFY(edit(dialog, "hanspChar")->isEnabled());
        check(dialog, "zenspDisp")->setChecked(true);
        QVERIFY(edit(dialog, "zenspChar")->isEnabled());
        auto* backColor2 = dialog.findChild<ColorButton*>(QStringLiteral("backColor2"));
        QVERIFY(backColor2->isEnabled());
        check(dialog, "colorDisp")->setChecked(false);
        QVERIFY(!backColor2->isEnabled());
        auto* top = dialog.findChild<QRadioButton*>(QStringLiteral("windBarTop"));
        QVERIFY(top->isEnabled());
        check(dialog, "windBar")->setChecked(false);
        QVERIFY(!top->isEnabled());
    }

    void refusesAndStaysOpenWithTheMessage() {
        struct Case {
            const char* field;
            QString text;
            const char* tick;
            std::string message;
        };
        const Case cases[] = {
            {"defDir", QString(), nullptr, "ディレクトリ名を入力して下さい。"},
            {"hanspChar", QStringLiteral("__"), "hanspDisp", "半角スペース文字を表示する場合は、１文字で入力して下さい。"},
            {"zenspChar", QStringLiteral("_"), "zenspDisp", "全角スペース文字を表示する場合は、２文字で入力して下さい。"},
            {"eraShort2", QString(), nullptr, "元号は、入力必須です。"},
            {"eraLong1", QStringLiteral("TA"), nullptr, "元号の長い形式は、4byteで入力して下さい。"},
        };
        for (const Case& c : cases) {
            m_ui = test::ScriptedUi{};
            COption model(m_settings);
            COptionDlg dialog(model, nullptr);
            dialog.setUserInterface(&m_ui);
            dialog.show();
            if (c.tick) check(dialog, c.tick)->setChecked(true);
            edit(dialog, c.field)->setText(c.text);
            dialog.accept();
            QCOMPARE(m_ui.lastMessage(), c.message);
            QCOMPARE(m_ui.messages.back().icon, MsgIcon::Stop);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(m_settings.HanspDisp, 0);
    }

    void okAppliesThroughTheRegistry() {
        QtUserInterface ui;
        RegisterDialogs(ui.dialogs(), m_settings);
        COption model(m_settings);
        QTimer::singleShot(0, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            combo(*dialog, "psizeMode")->setCurrentIndex(5);
            edit(*dialog, "eraLong3")->setText(ToQ("令和"));
            edit(*dialog, "eraShort3")->setText(QStringLiteral("R"));
            dialog->findChild<QDateEdit*>(QStringLiteral("eraDate3"))->setDate(QDate(2019, 5, 1));
            static_cast<QDialog*>(dialog)->accept();
        });
        QVERIFY(ui.runModal(model));
        model.apply();
        QCOMPARE(m_settings.Psize, 10000);
        QCOMPARE(m_settings.GengoDate[3], std::string("2019/05/01"));
        QCOMPARE(m_settings.GengoShort[3], std::string("R"));
        QCOMPARE(m_settings.GengoLong[3], std::string("令和"));
    }

    void resetThenCancelKeepsTheDefaults() {
        m_settings.Psize = 5000;
        m_settings.PsizeMode = 4;
        m_settings.HanspDisp = 1;
        m_settings.DefDir = "/data";
        COption model(m_settings);
        COptionDlg dialog(model, nullptr);
        dialog.findChild<QPushButton*>(QStringLiteral("resetButton"))->click();
        QCOMPARE(combo(dialog, "psizeMode")->currentIndex(), 2);
        QCOMPARE(edit(dialog, "defDir")->text(), QStringLiteral(".\\"));
        QVERIFY(!check(dialog, "hanspDisp")->isChecked());
        dialog.reject();
        QCOMPARE(m_settings.Psize, 1000);
        QCOMPARE(m_settings.DefDir, std::string(".\\"));
        QCOMPARE(m_settings.HanspDisp, 0);
    }

    void boxesRefuseWhatCodePage932CannotHold() {
        COption model(m_settings);
        COptionDlg dialog(model, nullptr);
        QLineEdit* shortForm = edit(dialog, "eraShort0");
        shortForm->clear();
        shortForm->insert(QStringLiteral("M"));
        shortForm->insert(QStringLiteral("X"));
        QCOMPARE(shortForm->text(), QStringLiteral("M"));
        QLineEdit* longForm = edit(dialog, "eraLong0");
        longForm->clear();
        longForm->insert(QStringLiteral(u"令和"));
        longForm->insert(QStringLiteral(u"元"));
        QCOMPARE(longForm->text(), QStringLiteral(u"令和"));
        QLineEdit* dir = edit(dialog, "defDir");
        dir->clear();
        dir->insert(QStringLiteral("a"));
        dir->insert(QStringLiteral(u"\u00E9"));
        dir->insert(QStringLiteral("b"));
        QCOMPARE(dir->text(), QStringLiteral("ab"));
    }

    void recentCountStepsToTwentyButAcceptsTyping() {
        COption model(m_settings);
        COptionDlg dialog(model, nullptr);
        auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("recNum"));
        spin->setValue(19);
        spin->stepUp();
        spin->stepUp();
        QCOMPARE(spin->value(), 20);
        spin->setValue(99);
        QCOMPARE(spin->value(), 99);
    }

private:
    static QLineEdit* edit(QWidget& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QLatin1String(name));
    }
    static QComboBox* combo(QWidget& dialog, const char* name) {
        return dialog.findChild<QComboBox*>(QLatin1String(name));
    }
    static QCheckBox* check(QWidget& dialog, const char* name) {
        return dialog.findChild<QCheckBox*>(QLatin1String(name));
    }

    Settings m_settings;
    test::ScriptedUi m_ui;
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::OptionDlgTest)
#include "OptionDlgTest.moc"
