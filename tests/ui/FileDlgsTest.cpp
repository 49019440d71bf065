#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "ui/FileDlgs.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

QPushButton* ButtonNamed(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

}  // namespace

class FileDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void fileReadDialogAsksForAFileAndAnOtherDelimiter() {
        test::TempDir folder;
        const std::string tabFile = folder.write("orders.txt", "a\tb\r\n").string();
        const std::string defDir = folder.path().string();
        test::ScriptedUi ui;
        CFileOpen model;
        CFileOpenDlg dialog(model, defDir, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("ファイル読み込み種別"));
        auto* other = dialog.findChild<QLineEdit*>(QStringLiteral("otherDelimiter"));
        QVERIFY(!other->isEnabled());
        dialog.show();
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("ファイル名を選択して下さい"));

        ui.fileDialogs.push_back([&](FileDialogRequest& request) {
            request.fileName = tabFile;
            return true;
        });
        auto* quoted = dialog.findChild<QCheckBox*>(QStringLiteral("quoted"));
        quoted->setChecked(true);
        ButtonNamed(dialog, ToQ("参照"))->click();
        QCOMPARE(ui.fileRequests.back().title, std::string("ファイル選択"));
        QCOMPARE(ui.fileRequests.back().filter,
                 std::string("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||"));
        QCOMPARE(ui.fileRequests.back().initialDir, defDir);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("fileName"))->text(), ToQ(tabFile));
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("delimiter1"))->isChecked());
        QVERIFY(quoted->isChecked());
        quoted->setChecked(false);

        // A file that cannot be read keeps the choice and says why.
        ui.fileDialogs.push_back([&](FileDialogRequest& request) {
            request.fileName = folder.path().string() + "/none.txt";
            return true;
        });
        dialog.findChild<QRadioButton*>(QStringLiteral("delimiter2"))->setChecked(true);
        ButtonNamed(dialog, ToQ("参照"))->click();
        QCOMPARE(ui.lastMessage(), folder.path().string() + "/none.txt ファイルがOPEN出来ませんでした。");
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("delimiter2"))->isChecked());

        dialog.findChild<QRadioButton*>(QStringLiteral("delimiter3"))->setChecked(true);
        QVERIFY(other->isEnabled());
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("区切り文字を入力して下さい。"));
        QVERIFY(dialog.isVisible());
        other->setText(QStringLiteral("|"));
        dialog.findChild<QCheckBox*>(QStringLiteral("titleLine"))->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nDelim, DelimKind::Other);
        QCOMPARE(model.delimiter(), '|');
        QCOMPARE(model.m_strFileName, folder.path().string() + "/none.txt");
        QVERIFY(model.m_bTitleLine);
        QVERIFY(!model.m_bQuote);
    }

    void newFileDialogKeepsItsRanges() {
        test::ScriptedUi ui;
        CNewFile model;
        CNewFileDlg dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("新規作成オプション設定"));
        auto* rows = dialog.findChild<QSpinBox*>(QStringLiteral("rows"));
        auto* columns = dialog.findChild<QSpinBox*>(QStringLiteral("columns"));
        QCOMPARE(rows->value(), 100);
        QCOMPARE(columns->maximum(), 256);
        QCOMPARE(rows->maximum(), 65535);
        rows->setValue(7);
        columns->setValue(300);
        dialog.findChild<QRadioButton*>(QStringLiteral("delimiter2"))->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nRows, 7);
        QCOMPARE(model.m_nCols, 256);
        QCOMPARE(model.delimiter(), ' ');
        QVERIFY(ui.messages.empty());
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::FileDlgsTest)
#include "FileDlgsTest.moc"
