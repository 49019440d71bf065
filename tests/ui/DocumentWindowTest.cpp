#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrl>

#include "UiTestSupport.h"
#include "ui/ChildFrame.h"
#include "ui/DocumentWidget.h"
#include "ui/FileDlgs.h"
#include "ui/GridCtrl.h"
#include "ui/MainFrame.h"
#include "ui/OpenFileDlg.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

using test::ChooseInFileDialog;
using test::ModalScript;
using test::ReadFile;

// A cell of the grid: row 0 holds the titles, column 0 the line numbers.
QString ItemText(const DocumentWidget& view, int row, int column) {
    return ToQ(view.grid().itemText(row, column));
}

// Selects the whole grid row as a click on its number does.
void SelectRow(DocumentWidget& view, int row) {
    view.grid().setSelectedRange({row, 1, row, view.grid().columnCount() - 1});
}

std::size_t LineCount(const DocumentWidget& view) {
    return view.document().lines().size();
}

void ExpectQuestion(QMessageBox* box, const char* text, QMessageBox::StandardButtons buttons,
                    QMessageBox::StandardButton answer) {
    QCOMPARE(box->text(), ToQ(text));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QCOMPARE(box->standardButtons(), buttons);
    box->button(answer)->click();
}

constexpr QMessageBox::StandardButtons kYesNo = QMessageBox::Yes | QMessageBox::No;
constexpr QMessageBox::StandardButtons kYesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

}  // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(m_folder.isValid());
        m_desktop = test::StartWithDocuments();
    }
    void cleanup() { m_desktop.reset(); }

    void openCommandReadsTabFileWithTitlesAndSaveAsWritesItBack() {
        const QString path = file(ToQ("受注.txt"), "番号\t名前\r\n1\tソ表\n2\tｱｲｳ\n");
        ModalScript script;
        script
            .on<COpenFileDlg>([&](COpenFileDlg* dialog) {
                QCOMPARE(dialog->windowTitle(), ToQ("ファイル選択"));
                QCOMPARE(dialog->nameFilters().size(), 4);
                auto* format = dialog->findChild<QComboBox*>(QStringLiteral("fileFormat"));
                QCOMPARE(format->count(), 3);
                QCOMPARE(format->itemText(0), QStringLiteral("S-JIS"));
                QCOMPARE(format->itemText(1), ToQ("EUC（読込専用）"));
                QCOMPARE(format->itemText(2), QStringLiteral("UTF-8"));
                QCOMPARE(format->currentIndex(), 0);
                ChooseInFileDialog(dialog, path);
            })
            .on<CFileOpenDlg>([&](CFileOpenDlg* dialog) {
                QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileName"))->text(), path);
                QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("delimiter1"))->isChecked());
                dialog->findChild<QCheckBox*>(QStringLiteral("titleLine"))->setChecked(true);
                dialog->accept();
            });
        QVERIFY2(script.run([&] { trigger(CommandId::FileOpen); }), qPrintable(script.failures()));

        DocumentWidget* view = activeView();
        QVERIFY(view);
        QCOMPARE(frame().windowTitle(), ToQ("Tabrix - 受注.txt"));
        QCOMPARE(ItemText(*view, 0, 2), ToQ("名前"));
        QCOMPARE(ItemText(*view, 1, 0), QStringLiteral("000002"));
        QCOMPARE(ItemText(*view, 1, 2), ToQ("ソ表"));
        QCOMPARE(ItemText(*view, 2, 2), ToQ("ｱｲｳ"));
        QCOMPARE(ItemText(*view, 3, 0), QStringLiteral(" "));
        QCOMPARE(frame().paneText(StatusPane::Size), ToQ("3行2列"));
        QCOMPARE(m_desktop->app().recentFiles().files().front(), FromQLossy(path));

        ModalScript save;
        save.on<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), ToQ("名前を付けて保存"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            ChooseInFileDialog(dialog, m_folder.filePath(QStringLiteral("out")), 0);
        });
        QVERIFY2(save.run([&] { trigger(CommandId::FileSaveAs); }), qPrintable(save.failures()));
        QCOMPARE(ReadFile(m_folder.filePath(QStringLiteral("out.txt"))), QByteArray("番号\t名前\r\n1\tソ表\r\n2\tｱｲｳ\r\n"));
        QCOMPARE(frame().windowTitle(), ToQ("Tabrix - out.txt"));
        QCOMPARE(frame().activeChild()->windowTitle(), QStringLiteral("out.txt"));
    }

    void newDocumentIsSavedAsCsvByName() {
        ModalScript script;
        script.on<CNewFileDlg>([](CNewFileDlg* dialog) {
            QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("rows"))->value(), 100);
            QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("columns"))->value(), 10);
            dialog->accept();
        });
        QVERIFY2(script.run([&] { trigger(CommandId::FileNew); }), qPrintable(script.failures()));
        QVERIFY(activeView());
        QCOMPARE(frame().activeChild()->windowTitle(), ToQ("新規"));
        QCOMPARE(frame().paneText(StatusPane::Size), ToQ("100行10列"));
        QCOMPARE(frame().paneText(StatusPane::Changed), QString());

        // A document never saved is saved under a name asked for.
        ModalScript save;
        save.on<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), ToQ("名前を付けて保存"));
            QCOMPARE(dialog->nameFilters().at(1), ToQ("CSVﾌｧｲﾙ(*.csv) (*.csv)"));
            ChooseInFileDialog(dialog, m_folder.filePath(QStringLiteral("name")), 1);
        });
        QVERIFY2(save.run([&] { trigger(CommandId::FileSave); }), qPrintable(save.failures()));
        QCOMPARE(ReadFile(m_folder.filePath(QStringLiteral("name.csv"))), QByteArray(",,,,,,,,,\r\n").repeated(100));
        QCOMPARE(frame().activeChild()->windowTitle(), QStringLiteral("name.csv"));
    }

    void closingAsksAboutUnsavedChanges() {
        const QString path = file(QStringLiteral("doc.csv"), "a,b\r\n");
        const QString insert = file(QStringLiteral("ins.csv"), "1,2\r\n");
        const char* question = "doc.csv の変更を保存しますか？";

        openChanged(path, insert);
        ModalScript cancel;
        cancel.on<QMessageBox>([&](QMessageBox* box) { ExpectQuestion(box, question, kYesNoCancel, QMessageBox::Cancel); });
        QVERIFY2(cancel.run([&] { trigger(CommandId::FileClose); }), qPrintable(cancel.failures()));
        QCOMPARE(windowCount(), 1);
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));

        ModalScript no;
        no.on<QMessageBox>([&](QMessageBox* box) { ExpectQuestion(box, question, kYesNoCancel, QMessageBox::No); });
        QVERIFY2(no.run([&] { trigger(CommandId::FileClose); }), qPrintable(no.failures()));
        QCOMPARE(windowCount(), 0);
        QCOMPARE(ReadFile(path), QByteArray("a,b\r\n"));

        openChanged(path, insert);
        ModalScript yes;
        yes.on<QMessageBox>([&](QMessageBox* box) { ExpectQuestion(box, question, kYesNoCancel, QMessageBox::Yes); });
        QVERIFY2(yes.run([&] { trigger(CommandId::FileClose); }), qPrintable(yes.failures()));
        QCOMPARE(windowCount(), 0);
        QCOMPARE(ReadFile(path), QByteArray("a,b\r\n1,2\r\n"));
    }

    void closingTheMainWindowAsksForEveryDocument() {
        const QString insert = file(QStringLiteral("ins.csv"), "1\r\n");
        openChanged(file(QStringLiteral("a.csv"), "a\r\n"), insert);
        openChanged(file(QStringLiteral("b.csv"), "b\r\n"), insert);
        ModalScript script;
        script
            .on<QMessageBox>([](QMessageBox* box) {
                ExpectQuestion(box, "a.csv の変更を保存しますか？", kYesNoCancel, QMessageBox::No);
            })
            .on<QMessageBox>([](QMessageBox* box) {
                ExpectQuestion(box, "b.csv の変更を保存しますか？", kYesNoCancel, QMessageBox::Cancel);
            });
        bool closed = true;
        QVERIFY2(script.run([&] { closed = frame().close(); }), qPrintable(script.failures()));
        QVERIFY(!closed);
        QCOMPARE(windowCount(), 1);
        QVERIFY(frame().isVisible());

        ModalScript again;
        again.on<QMessageBox>([](QMessageBox* box) {
            ExpectQuestion(box, "b.csv の変更を保存しますか？", kYesNoCancel, QMessageBox::No);
        });
        QVERIFY2(again.run([&] { closed = frame().close(); }), qPrintable(again.failures()));
        QVERIFY(closed);
    }

    void eucFileOpensThroughAConvertedCopy() {
        const QString euc = file(QStringLiteral("euc.txt"), "\xA4\xA2,\x8E\xB1\n");
        const QString copy = m_folder.filePath(ToQ("変換.csv"));
        ModalScript script;
        script
            .on<COpenFileDlg>([&](COpenFileDlg* dialog) {
                dialog->findChild<QComboBox*>(QStringLiteral("fileFormat"))->setCurrentIndex(1);
                ChooseInFileDialog(dialog, euc);
            })
            .on<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), ToQ("EUC→SJIS変換ファイル保存"));
                QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
                QCOMPARE(dialog->nameFilters().size(), 4);
                ChooseInFileDialog(dialog, copy);
            })
            .on<CFileOpenDlg>([&](CFileOpenDlg* dialog) {
                QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileName"))->text(), copy);
                dialog->accept();
            });
        QVERIFY2(script.run([&] { trigger(CommandId::FileOpen); }), qPrintable(script.failures()));
        DocumentWidget* view = activeView();
        QVERIFY(view);
        QCOMPARE(frame().activeChild()->windowTitle(), ToQ("変換.csv"));
        QCOMPARE(ItemText(*view, 1, 1), ToQ("あ"));
        QCOMPARE(ItemText(*view, 1, 2), ToQ("ｱ"));
        QCOMPARE(ReadFile(copy), QByteArray("\x82\xA0,\xB1\r\n"));
        QCOMPARE(ReadFile(euc), QByteArray("\xA4\xA2,\x8E\xB1\n"));
    }

    void utf8FileOpensConvertedAndSaveAsOffersTheEncoding() {
        const QString utf8 = file(QStringLiteral("u.csv"), "\xEF\xBB\xBF\xE3\x81\x82,\xF0\x9F\x98\x80\r\n");
        ModalScript script;
        script
            .on<COpenFileDlg>([&](COpenFileDlg* dialog) {
                dialog->findChild<QComboBox*>(QStringLiteral("fileFormat"))->setCurrentIndex(2);
                ChooseInFileDialog(dialog, utf8);
            })
            .on<CFileOpenDlg>([&](CFileOpenDlg* dialog) { dialog->accept(); })
            .on<QMessageBox>([](QMessageBox* box) {
                QCOMPARE(box->text(), ToQ("S-JISに無い文字が1文字有った為、「?」（似た文字が有る場合はその文字）に置き換えました。\n"
                                          "最初の文字は1行目の3文字目です。"));
                QCOMPARE(box->icon(), QMessageBox::Information);
                box->accept();
            });
        QVERIFY2(script.run([&] { trigger(CommandId::FileOpen); }), qPrintable(script.failures()));
        DocumentWidget* view = activeView();
        QVERIFY(view);
        QCOMPARE(ItemText(*view, 1, 1), ToQ("あ"));
        QCOMPARE(ItemText(*view, 1, 2), QStringLiteral("?"));

        const QString out = m_folder.filePath(QStringLiteral("out.csv"));
        ModalScript save;
        save.on<QFileDialog>([&](QFileDialog* dialog) {
            auto* encoding = dialog->findChild<QComboBox*>(QStringLiteral("fileDialogChoice0"));
            QVERIFY(encoding);
            QCOMPARE(encoding->count(), 3);
            QCOMPARE(encoding->itemText(2), ToQ("UTF-8（BOM付き）"));
            QCOMPARE(encoding->currentIndex(), 2);  // as the file came
            encoding->setCurrentIndex(1);
            ChooseInFileDialog(dialog, out);
        });
        QVERIFY2(save.run([&] { trigger(CommandId::FileSaveAs); }), qPrintable(save.failures()));
        QCOMPARE(ReadFile(out), QByteArray("\xE3\x81\x82,?\r\n"));
        QCOMPARE(ReadFile(utf8), QByteArray("\xEF\xBB\xBF\xE3\x81\x82,\xF0\x9F\x98\x80\r\n"));
    }

    void insertFileAsksAboutUnevenLines() {
        m_desktop->app().settings().OpenDlg = 0;
        QVERIFY(frame().openFile(FromQLossy(file(QStringLiteral("doc.csv"), "a,b,c\r\nd,e,f\r\n"))));
        const QString insert = file(ToQ("挿入.csv"), "1,2\n3,4,5\n");
        DocumentWidget* view = activeView();

        ModalScript noLine;
        noLine.on<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->text(), ToQ("行を１行選択して下さい。"));
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->accept();
        });
        view->grid().clearSelection();
        QVERIFY2(noLine.run([&] { trigger(CommandId::FileInsert); }), qPrintable(noLine.failures()));

        const char* question = "項目数が異なります（最小：2,最大：3）読み込みますか？\n";
        SelectRow(*view, 1);
        ModalScript refused;
        refused
            .on<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), ToQ("ファイル選択"));
                QCOMPARE(dialog->nameFilters().size(), 2);
                ChooseInFileDialog(dialog, insert);
            })
            .on<QMessageBox>([&](QMessageBox* box) { ExpectQuestion(box, question, kYesNo, QMessageBox::No); });
        QVERIFY2(refused.run([&] { trigger(CommandId::FileInsert); }), qPrintable(refused.failures()));
        QCOMPARE(LineCount(*view), std::size_t{2});
        QCOMPARE(frame().paneText(StatusPane::Changed), QString());

        SelectRow(*view, 1);
        ModalScript accepted;
        accepted.on<QFileDialog>([&](QFileDialog* dialog) { ChooseInFileDialog(dialog, insert); })
            .on<QMessageBox>([&](QMessageBox* box) { ExpectQuestion(box, question, kYesNo, QMessageBox::Yes); });
        QVERIFY2(accepted.run([&] { trigger(CommandId::FileInsert); }), qPrintable(accepted.failures()));
        QCOMPARE(LineCount(*view), std::size_t{4});
        QCOMPARE(ItemText(*view, 2, 1), QStringLiteral("1"));
        QCOMPARE(ItemText(*view, 2, 3), QString());
        QCOMPARE(ItemText(*view, 3, 3), QStringLiteral("5"));
        QCOMPARE(ItemText(*view, 4, 1), QStringLiteral("d"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
        QCOMPARE(frame().paneText(StatusPane::Size), ToQ("4行3列"));
    }

    void failedSaveKeepsTheDocumentOpenAndChanged() {
        const QString path = file(QStringLiteral("doc.csv"), "a\r\n");
        openChanged(path, file(QStringLiteral("ins.csv"), "1\r\n"));
        const QString readOnly = file(QStringLiteral("locked.csv"), "old\r\n");
        QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const std::string message = FromQLossy(readOnly) + " に保存できませんでした。\nアクセスが拒否されました。";

        ModalScript script;
        script.on<QFileDialog>([&](QFileDialog* dialog) { ChooseInFileDialog(dialog, readOnly, 1); })
            .on<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); })  // replace it?
            .on<QMessageBox>([&](QMessageBox* box) {
                QCOMPARE(box->text(), ToQ(message));
                QCOMPARE(box->icon(), QMessageBox::Critical);
                box->accept();
            });
        QVERIFY2(script.run([&] { trigger(CommandId::FileSaveAs); }), qPrintable(script.failures()));
        QCOMPARE(windowCount(), 1);
        QCOMPARE(frame().activeChild()->windowTitle(), QStringLiteral("doc.csv"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
        QCOMPARE(ReadFile(readOnly), QByteArray("old\r\n"));
    }

    void droppedFilesOpenAndJoinTheRecentList() {
        m_desktop->app().settings().OpenDlg = 0;
        const QString path = file(ToQ("受注.csv"), "a,b\r\n");
        frame().openDroppedFiles({QUrl::fromLocalFile(path)});
        QCOMPARE(windowCount(), 1);
        QCOMPARE(frame().activeChild()->windowTitle(), ToQ("受注.csv"));
        QCOMPARE(m_desktop->app().recentFiles().files().front(), FromQLossy(path));
    }

    void menuModeAndSaveStateComeFromTheDocument() {
        AppContext context{m_desktop->app().settings(), m_desktop->ui(), "", ""};
        auto doc = std::make_unique<CTabrixDoc>(context);
        doc->setDataFileName("/data/book.xlsx");
        doc->m_CtrlFile.m_nMenuMode = MenuMode::Custum1;
        auto* view = new DocumentWidget(std::move(doc), context);
        frame().addDocumentWindow(view, view);
        QCOMPARE(frame().menuMode(), MenuMode::Custum1);
        QVERIFY(!frame().commandAction(CommandId::FileSave)->isEnabled());
        QVERIFY(frame().commandAction(CommandId::FileSaveAs)->isEnabled());
        m_desktop.reset();  // before the context goes
    }

    void controlFileThatCannotBeReadOpensNothing() {
        const QString ctrl = file(QStringLiteral("orders.ctrl"), "[FILE]\r\nDELIM=XYZ\r\n");
        ModalScript script;
        QStringList texts;
        auto record = [&](QMessageBox* box) {
            texts << box->text();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->accept();
        };
        script.on<QMessageBox>(record);
        script.on<QMessageBox>(record);
        bool opened = true;
        QVERIFY2(script.run([&] { opened = frame().openFile(FromQLossy(ctrl)); }), qPrintable(script.failures()));
        QVERIFY(!opened);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[0], ToQ("デリミッタ指定が不正です（1:DELIM=XYZ）"));
        QCOMPARE(texts[1], ToQ("制御ファイル（" + FromQLossy(ctrl) + "）にエラーが有りました。"));
        QCOMPARE(windowCount(), 0);
        QVERIFY(m_desktop->app().recentFiles().files().empty());
    }

private:
    CMainFrame& frame() { return m_desktop->mainFrame(); }
    void trigger(CommandId id) { frame().commandAction(id)->trigger(); }
    int windowCount() { return test::DocumentWindowCount(frame()); }
    DocumentWidget* activeView() { return test::ActiveDocument(frame()); }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = m_folder.filePath(name);
        if (!test::WriteFile(path, bytes)) qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // Opens a file without the file-read dialog and inserts a file after its
    // first line, which leaves it changed.
    void openChanged(const QString& path, const QString& insert) {
        m_desktop->app().settings().OpenDlg = 0;
        QVERIFY(frame().openFile(FromQLossy(path)));
        SelectRow(*activeView(), 1);
        ModalScript script;
        script.on<QFileDialog>([&](QFileDialog* dialog) { ChooseInFileDialog(dialog, insert); });
        QVERIFY2(script.run([&] { trigger(CommandId::FileInsert); }), qPrintable(script.failures()));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
    }

    QTemporaryDir m_folder;
    std::unique_ptr<DesktopApp> m_desktop;
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::DocumentWindowTest)
#include "DocumentWindowTest.moc"
