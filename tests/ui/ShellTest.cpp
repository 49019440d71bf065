#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

#include "UiTestSupport.h"
#include "support/ScriptedUi.h"
#include "app/SettingsStore.h"
#include "ui/AboutDlg.h"
#include "ui/ChildFrame.h"
#include "ui/MainFrame.h"
#include "ui/ProgDlg.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_desktop = test::StartOnEmptySettings();
        m_desktop->showMainWindow();
    }
    void cleanup() { m_desktop.reset(); }

    void documentWindowShowsTitlePanesAndPages() {
        CMainFrame& frame = m_desktop->mainFrame();
        test::StubDocument doc;
        doc.m_panes = {"", "変更", "絞込 12行", "12,345行8列", "Col.000042.3 (5 byte)"};
        doc.m_pages = 3;
        doc.m_page = 2;
        CChildFrame* child = frame.addDocumentWindow(new QLabel(QStringLiteral("view")), &doc);
        QVERIFY(child->isMaximized());
        QCOMPARE(child->windowTitle(), ToQ("受注.csv"));
        QCOMPARE(frame.windowTitle(), ToQ("Tabrix - 受注.csv"));
        QCOMPARE(frame.paneText(StatusPane::Changed), ToQ("変更"));
        QCOMPARE(frame.paneText(StatusPane::Filter), ToQ("絞込 12行"));
        QCOMPARE(frame.paneText(StatusPane::Size), ToQ("12,345行8列"));
        QCOMPARE(frame.paneText(StatusPane::Position), QStringLiteral("Col.000042.3 (5 byte)"));
        QComboBox* pages = frame.pageSelector();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->itemText(0), QStringLiteral("P. 1"));
        QCOMPARE(pages->currentIndex(), 1);
        QVERIFY(pages->isEnabled());
        pages->activated(2);
        QCOMPARE(doc.m_page, 3);

        doc.m_title = "新規";
        doc.m_panes.changed.clear();
        doc.changed();
        QCOMPARE(child->windowTitle(), ToQ("新規"));
        QCOMPARE(frame.paneText(StatusPane::Changed), QString());
        QVERIFY(frame.commandAction(CommandId::FileClose)->isEnabled());
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCOMPARE(frame.paneText(StatusPane::Size), ToQ("0行"));
        QCOMPARE(pages->count(), 0);
        QVERIFY(!pages->isEnabled());
    }

    void commandsGoToTheDocumentThatEnablesThem() {
        CMainFrame& frame = m_desktop->mainFrame();
        QAction* save = frame.commandAction(CommandId::FileSave);
        QVERIFY(!save->isEnabled());
        test::StubDocument doc;
        doc.m_enabled = {CommandId::FileSave, CommandId::PageNext};
        frame.addDocumentWindow(new QLabel, &doc);
        QVERIFY(save->isEnabled());
        save->trigger();
        frame.commandAction(CommandId::PageNext)->trigger();
        frame.commandAction(CommandId::PagePrev)->trigger();  // disabled: nobody runs it
        QCOMPARE(doc.m_ran, (std::vector<CommandId>{CommandId::FileSave, CommandId::PageNext}));
        bool ran = false;
        frame.setCommandHandler(CommandId::FileNew, {[&ran] { ran = true; }, {}, {}});
        QVERIFY(frame.commandAction(CommandId::FileNew)->isEnabled());
        frame.commandAction(CommandId::FileNew)->trigger();
        QVERIFY(ran);
        frame.mdiArea()->closeAllSubWindows();
    }

    void aDocumentThatRefusesToCloseKeepsTheProgramOpen() {
        CMainFrame& frame = m_desktop->mainFrame();
        test::StubDocument doc;
        doc.m_mayClose = false;
        frame.addDocumentWindow(new QLabel, &doc);
        QVERIFY(!frame.close());
        QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
        doc.m_mayClose = true;
        QVERIFY(frame.close());
    }

    void tabBarFollowsTheSettings() {
        CMainFrame& frame = m_desktop->mainFrame();
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::TabbedView);
        QCOMPARE(frame.mdiArea()->tabPosition(), QTabWidget::South);
        m_desktop->app().settings().WindBarPos = 0;
        frame.applyWindowBarSettings();
        QCOMPARE(frame.mdiArea()->tabPosition(), QTabWidget::North);
        m_desktop->app().settings().WindBar = 0;
        frame.applyWindowBarSettings();
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::SubWindowView);
        test::StubDocument doc;
        CChildFrame* child = frame.addDocumentWindow(new QLabel, &doc);
        QVERIFY(child->isMaximized());
        frame.mdiArea()->closeAllSubWindows();
    }

    void conversionBarToggles() {
        CMainFrame& frame = m_desktop->mainFrame();
        QAction* toggle = frame.commandAction(CommandId::ViewConvertBar);
        QVERIFY(toggle->isEnabled());
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(!frame.convertToolBar()->isHidden());
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(frame.convertToolBar()->isHidden());
    }

    void droppedFilesGoToTheOpenHook() {
        CMainFrame& frame = m_desktop->mainFrame();
        std::vector<std::string> opened;
        frame.setOpenFileHook([&opened](const std::string& path) {
            opened.push_back(path);
            return true;
        });
        QVERIFY(frame.acceptDrops());
        frame.openDroppedFiles({QUrl::fromLocalFile(QStringLiteral(u"/data/表.csv")),
                                QUrl(QStringLiteral("https://example.invalid/x.csv")),
                                QUrl::fromLocalFile(QStringLiteral("/data/b.txt"))});
        QCOMPARE(opened, (std::vector<std::string>{"/data/表.csv", "/data/b.txt"}));
    }

    void progressWindowCentresAndFollows() {
        CMainFrame& frame = m_desktop->mainFrame();
        CProgDlg progress(&frame);
        progress.create("データ読込");
        QVERIFY(progress.isVisible());
        QCOMPARE(progress.text(), ToQ("データ読込"));
        QVERIFY((progress.frameGeometry().center() - frame.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(progress.windowFlags() & Qt::FramelessWindowHint);
        progress.setRange(10'000'000'000LL);
        progress.setPos(5'000'000'000LL);
        QCOMPARE(progress.barValue(), progress.barMaximum() / 2);
        progress.setRange(200);
        progress.setPos(50);
        QCOMPARE(progress.barValue(), 50);
        QCOMPARE(progress.barMaximum(), 200);
        progress.setText("データ保存");
        QCOMPARE(progress.text(), ToQ("データ保存"));
        progress.destroy();
        QVERIFY(!progress.isVisible());
    }

    void aboutBoxReportsAReadmeThatDoesNotOpen() {
        QTemporaryDir folder;
        QFile readme(folder.filePath(QStringLiteral("Readme.txt")));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        readme.close();
        MemorySettingsStore store;
        CTabrixApp app;
        const std::string dir = FromQLossy(folder.path());
        app.initInstance(store, dir, dir);
        app.setShellOpen([](const std::filesystem::path&) { return 8; });
        test::ScriptedUi ui;
        CAboutDlg about(app, ui, &m_desktop->mainFrame());
        QVERIFY(about.findChild<QLabel*>(QStringLiteral("systemInfo")));
        about.findChild<QPushButton*>(QStringLiteral("readmeButton"))->click();
        QCOMPARE(ui.lastMessage(), "表示ファイル<" + dir + "/Readme.txt>が起動出来ませんでした。(8)");
        QCOMPARE(ui.messages.back().icon, MsgIcon::Stop);
    }

    void messageBoxesAnswerWithTheButtonPressed() {
        QtUserInterface ui(&m_desktop->mainFrame());
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->text(), ToQ("保存しますか？"));
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(ui.messageBox("保存しますか？", MsgIcon::Question, MsgButtons::YesNoCancel), MsgResult::No);
    }

    void saveDialogReportsPathAndFilter() {
        QTemporaryDir folder;
        QtUserInterface ui(&m_desktop->mainFrame());
        FileDialogRequest request;
        request.title = "名前を付けて保存";
        request.filter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|CSVﾌｧｲﾙ(*.csv)|*.csv|全てのﾌｧｲﾙ(*.*)|*.*||";
        request.initialDir = FromQLossy(folder.path());
        request.overwritePrompt = true;
        const QString chosen = folder.filePath(QStringLiteral(u"受注"));
        QTimer::singleShot(0, [chosen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), ToQ("名前を付けて保存"));
            QCOMPARE(dialog->nameFilters().size(), 3);
            dialog->selectNameFilter(dialog->nameFilters().at(1));
            dialog->selectFile(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QVERIFY(ui.getSaveFileName(request));
        QCOMPARE(request.fileName, FromQLossy(chosen));
        QCOMPARE(request.filterIndex, 1);
    }

private:
    std::unique_ptr<DesktopApp> m_desktop;
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::ShellTest)
#include "ShellTest.moc"
