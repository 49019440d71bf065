#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "support/ScriptedUi.h"
#include "ui/FileDlgs.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

// Detects TAB for every file, as the document layer's detection would for a TAB file.
struct DetectingModel : FileOpenPlaceholder {
    void chooseFile(const std::string& path) override {
        fileName = path;
        delimiter = DelimiterChoice::Tab;
    }
};

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
        test::ScriptedUi ui;
        DetectingModel model;
        model.defDir = "/data";
        CFileOpenDlg dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("ファイル読み込み種別"));
        auto* other = dialog.findChild<QLineEdit*>(QStringLiteral("otherDelimiter"));
        QVERIFY(!other->isEnabled());
        dialog.show();
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("ファイル名を選択して下さい"));

        ui.fileDialogs.push_back([](FileDialogRequest& request) {
            request.fileName = "/data/受注.txt";
            return true;
        });
        ButtonNamed(dialog, ToQ("参照"))->click();
        QCOMPARE(ui.fileRequests.back().title, std::string("ファイル選択"));
        QCOMPARE(ui.fileRequests.back().initialDir, std::string("/data"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("fileName"))->text(), ToQ("/data/受注.txt"));
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("delimiter1"))->isChecked());

        dialog.findChild<QRadioButton*>(QStringLiteral("delimiter3"))->setChecked(true);
        QVERIFY(other->isEnabled());
        dialog.accept();
        QCOMPARE(ui.lastMessage(), std::string("区切り文字を入力して下さい。"));
        QVERIFY(dialog.isVisible());
        other->setText(QStringLiteral("|"));
        dialog.findChild<QCheckBox*>(QStringLiteral("titleLine"))->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.delimiter, DelimiterChoice::Other);
        QCOMPARE(model.otherDelimiter, std::string("|"));
        QVERIFY(model.titleLine);
        QVERIFY(!model.quoted);
    }

    void newFileDialogKeepsItsRanges() {
        test::ScriptedUi ui;
        NewFilePlaceholder model;
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
        QCOMPARE(model.rows, 7);
        QCOMPARE(model.columns, 256);
        QCOMPARE(model.delimiter, DelimiterChoice::Space);
        QVERIFY(ui.messages.empty());
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::FileDlgsTest)
#include "FileDlgsTest.moc"
