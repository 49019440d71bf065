// The control file editor's dialogs: each widget shows its model's value,
// the buttons and ticks run the model's rules, and the window follows them.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "UiTestSupport.h"
#include "support/DocFixture.h"
#include "ui/CtrlFileDlgs.h"
#include "ui/DelimiterGroup.h"
#include "ui/QtText.h"
#include "view/ColSelDlg.h"

namespace tabrix {

namespace {

template <typename T>
T* Named(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

struct Editor : test::DocFixture {
    CTabrixDoc doc{app};
    std::unique_ptr<CMakeCtrlDlg> model;
    Editor() {
        settings.DefDir = dir.path().string();
        dir.write("d.csv", "K1,5\r\n");
        open(doc, "d.ctrl", "FILE=d.csv\r\nKEYCOL=1\r\n[COL]\r\nTITLE=CODE\r\n[COL]\r\nTITLE=QTY\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n");
        model = std::make_unique<CMakeCtrlDlg>(doc, app);
        model->open(ui);
    }
};

}  // namespace

class CtrlFileDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void settingsShowTheSchemaAndRunItsRules() {
        Editor e;
        CtrlFileDialog dialog(*e.model, nullptr);
        dialog.setUserInterface(&e.ui);
        QCOMPARE(dialog.windowTitle(), ToQ("制御ファイル設定"));
        QCOMPARE(Named<QLineEdit>(dialog, "keyCols")->text(), QStringLiteral("1"));
        QVERIFY(Named<QRadioButton>(dialog, "openDlg2")->isChecked());
        QVERIFY(Named<DelimiterGroup>(dialog, "delimiter")->isEnabled());
        Named<QRadioButton>(dialog, "openDlg0")->click();
        QVERIFY(!Named<DelimiterGroup>(dialog, "delimiter")->isEnabled());

        Named<QLineEdit>(dialog, "keyCols")->clear();
        Named<QCheckBox>(dialog, "dupCheck")->click();
        QCOMPARE(e.ui.lastMessage(), std::string("重複チェックを行う場合は、キー列番号を入力して下さい。"));
        QVERIFY(!Named<QCheckBox>(dialog, "dupCheck")->isChecked());

        // "参照" puts the chosen columns into the key text.
        e.ui.dialogs.push_back([](CDialogModel& d) {
            dynamic_cast<CColSelDlg&>(d).m_Selected = {0, 1};
            return true;
        });
        Named<QPushButton>(dialog, "keysBrowse")->click();
        QCOMPARE(Named<QLineEdit>(dialog, "keyCols")->text(), QStringLiteral("1,2"));

        // "項目設定" runs the column dialog; its new column shows in the key text.
        e.ui.dialogs.push_back([&e](CDialogModel& d) { return dynamic_cast<CCtrlColDlg&>(d).addVirtual(e.ui); });
        Named<QPushButton>(dialog, "columns")->click();
        QCOMPARE(Named<QLineEdit>(dialog, "keyCols")->text(), QStringLiteral("1,3"));

        // "項目属性自動設定" titles the columns from the line chosen.
        e.ui.dialogs.push_back([](CDialogModel& d) {
            dynamic_cast<CColAttrReadDlg&>(d).m_nLines[0] = 1;
            return true;
        });
        Named<QPushButton>(dialog, "attributes")->click();
        QCOMPARE(e.doc.m_CtrlFile.m_Cols[0]->m_strTitle, std::string("K1"));

        Named<QCheckBox>(dialog, "convUse")->click();
        e.ui.answers = {MsgResult::No};
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!e.doc.m_CtrlFile.m_bConvUse);
        QCOMPARE(e.doc.m_CtrlFile.m_nOpenDlg, OpenDlgMode::View);
        QCOMPARE(e.ui.lastMessage(), std::string("列数が変更されました。再度ファイルを開き直して下さい。"));
    }

    void columnsFollowTheModelsEnableRules() {
        Editor e;
        CCtrlColDlg model(e.model->session(), e.app, e.dir.path().string());
        CtrlColDialog dialog(model, nullptr);
        dialog.setUserInterface(&e.ui);
        QCOMPARE(Named<QLineEdit>(dialog, "number")->text(), QStringLiteral("1"));
        QCOMPARE(Named<QLineEdit>(dialog, "title")->text(), QStringLiteral("CODE"));
        QVERIFY(!Named<QPushButton>(dialog, "back")->isEnabled());

        auto* allFull = Named<QCheckBox>(dialog, "format14");
        auto* fullSpace = Named<QCheckBox>(dialog, "format6");
        QVERIFY(allFull->isChecked());  // the initial classes include every double-byte character
        QVERIFY(!fullSpace->isEnabled());
        allFull->click();
        QVERIFY(fullSpace->isEnabled());
        fullSpace->click();
        allFull->click();
        QVERIFY(!fullSpace->isChecked());
        QVERIFY(!fullSpace->isEnabled());
        QVERIFY(!Named<QLineEdit>(dialog, "etcText")->isEnabled());
        Named<QCheckBox>(dialog, "etcChar")->click();
        QVERIFY(Named<QLineEdit>(dialog, "etcText")->isEnabled());
        Named<QLineEdit>(dialog, "etcText")->setText(QStringLiteral("#"));

        // The date tab: no length; then the next column, applying this one.
        Named<QTabWidget>(dialog, "pages")->setCurrentIndex(2);
        QVERIFY(!Named<QSpinBox>(dialog, "length")->isEnabled());
        Named<QPushButton>(dialog, "forward")->click();
        QCOMPARE(Named<QLineEdit>(dialog, "number")->text(), QStringLiteral("2"));
        QCOMPARE(e.doc.m_CtrlFile.m_Cols[0]->m_nType, int(kTypeDate));
        QCOMPARE(Named<QTabWidget>(dialog, "pages")->currentIndex(), 1);

        Named<QPushButton>(dialog, "addVirtual")->click();
        QCOMPARE(e.ui.lastMessage(), std::string("仮想項目を列(3)に追加しました。"));
        Named<QPushButton>(dialog, "forward")->click();
        QVERIFY(!Named<QCheckBox>(dialog, "fileCol")->isChecked());
        QVERIFY(!Named<QCheckBox>(dialog, "edit")->isEnabled());
        QVERIFY(!Named<QTabWidget>(dialog, "pages")->widget(0)->isEnabled());
        QVERIFY(!Named<QCheckBox>(dialog, "tran")->isEnabled());
        QVERIFY(Named<QPushButton>(dialog, "deleteVirtual")->isEnabled());

        Named<QLineEdit>(dialog, "title")->clear();
        dialog.accept();
        QCOMPARE(e.ui.lastMessage(), std::string("タイトルを入力して下さい。"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        Named<QPushButton>(dialog, "deleteVirtual")->click();
        QCOMPARE(Named<QLineEdit>(dialog, "number")->text(), QStringLiteral("2"));
        QCOMPARE(e.doc.m_CtrlFile.m_Cols.size(), std::size_t(2));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void attributeLinesAreStoredAndChecked() {
        Editor e;
        CColAttrReadDlg model;
        model.m_nLineCount = 1;
        ColAttrReadDialog dialog(model, nullptr);
        dialog.setUserInterface(&e.ui);
        QCOMPARE(dialog.windowTitle(), ToQ("項目属性読込"));
        QCOMPARE(Named<QLineEdit>(dialog, "keyword01")->text(), QStringLiteral("VARCHAR2"));
        dialog.accept();
        QCOMPARE(e.ui.lastMessage(), std::string("項目属性の行番号を指定して下さい。"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        Named<QSpinBox>(dialog, "line0")->setValue(1);
        Named<QLineEdit>(dialog, "keyword33")->setText(QStringLiteral("HHMM"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nLines[0], 1);
        QCOMPARE(model.m_nLines[1], -1);
        QCOMPARE(model.m_Keywords[3][3], std::string("HHMM"));
    }
};

}  // namespace tabrix

QTEST_MAIN(tabrix::CtrlFileDlgsTest)
#include "CtrlFileDlgsTest.moc"
