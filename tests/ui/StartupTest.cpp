#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QToolBar>

#include "UiTestSupport.h"
#include "ui/MainFrame.h"
#include "ui/OptionDlg.h"
#include "ui/QtSettingsStore.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

std::vector<std::pair<std::string, std::string>> Dump(Settings settings) {
    std::vector<std::pair<std::string, std::string>> values;
    ForEachSetting(settings, [&](std::string_view name, std::int32_t* n, std::uint32_t* c, std::string* t) {
        values.emplace_back(name, n ? std::to_string(*n) : c ? std::to_string(*c) : *t);
    });
    return values;
}

QAction* FindAction(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions) {
        if (action->text() == text) return action;
        if (action->menu())
            if (QAction* found = FindAction(action->menu()->actions(), text)) return found;
    }
    return nullptr;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::ClearSettings(); }

    void firstStartGivesEveryDefaultAndNoDocument() {
        DesktopApp desktop;
        desktop.initInstance();
        QVERIFY(Dump(desktop.app().settings()) == Dump(Settings{}));
        QVERIFY(!desktop.windowRectReplaced());
        QVERIFY(desktop.openCommandLine({}));
        desktop.showMainWindow();
        CMainFrame& frame = desktop.mainFrame();
        QCOMPARE(frame.pos(), QPoint(0, 0));
        QCOMPARE(frame.size(), QSize(750, 530));
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Tabrix"));
        QCOMPARE(frame.paneText(StatusPane::Size), ToQ("0行"));
        QCOMPARE(frame.paneText(StatusPane::Position), QStringLiteral("  "));
        QVERIFY(frame.convertToolBar()->isHidden());
        QVERIFY(!frame.mainToolBar()->isHidden());
        QVERIFY(frame.commandAction(CommandId::Options)->isEnabled());
        QVERIFY(!frame.commandAction(CommandId::FileSave)->isEnabled());
        QVERIFY(!frame.commandAction(CommandId::FileClose)->isEnabled());
        frame.close();
        desktop.exitInstance();
    }

    void aRectangleOffTheScreenIsReplaced() {
        {
            QtSettingsStore store;
            store.writeNumber("", "PosLeft", 5000);
            store.writeNumber("", "PosRigh", 5750);
            store.sync();
        }
        DesktopApp desktop;
        desktop.initInstance();
        QVERIFY(desktop.windowRectReplaced());
        QCOMPARE(desktop.app().windowRect(), kFallbackWindowRect);
    }

    void optionsAndPlacementPersistAcrossTwoRuns() {
        {
            DesktopApp desktop;
            desktop.initInstance();
            desktop.showMainWindow();
            CMainFrame& frame = desktop.mainFrame();
            bool edited = false;
            QTimer::singleShot(0, [&edited] {
                auto* dialog = qobject_cast<COptionDlg*>(QApplication::activeModalWidget());
                if (!dialog) return;
                dialog->findChild<QComboBox*>(QStringLiteral("psizeMode"))->setCurrentIndex(5);
                dialog->findChild<QCheckBox*>(QStringLiteral("hanspDisp"))->setChecked(true);
                dialog->findChild<QLineEdit*>(QStringLiteral("hanspChar"))->setText(QStringLiteral("#"));
                dialog->findChild<QLineEdit*>(QStringLiteral("eraLong3"))->setText(ToQ("令和"));
                dialog->findChild<QCheckBox*>(QStringLiteral("windBar"))->setChecked(false);
                edited = true;
                dialog->accept();
            });
            frame.runCommand(CommandId::Options);
            QVERIFY(edited);
            QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::SubWindowView);
            frame.move(20, 30);
            frame.resize(640, 480);
            QVERIFY(frame.close());
            desktop.exitInstance();
        }
        DesktopApp again;
        again.initInstance();
        const Settings& s = again.app().settings();
        QCOMPARE(s.Psize, 10000);
        QCOMPARE(s.PsizeMode, 5);
        QCOMPARE(s.HanspDisp, 1);
        QCOMPARE(s.HanspChar, std::string("#"));
        QCOMPARE(s.GengoLong[3], std::string("令和"));
        QCOMPARE(s.WindBar, 0);
        QCOMPARE(again.app().windowRect(), (WindowRect{20, 30, 660, 510}));
        QCOMPARE(s.Show, kShowNormal);
    }

    void storeKeepsBytesAndNumbersAsTheyAre() {
        {
            QtSettingsStore store;
            store.writeString("", "ZenspChar", "■");
            store.writeString("", "Odd", "\x82");  // not text: kept byte for byte all the same
            store.writeNumber("", "ForeColor", static_cast<std::int32_t>(0xFF000000u));
            store.writeString("Recent File List", "File1", "/data/受注.csv");
            store.sync();
        }
        QSettings raw(QStringLiteral("velm"), QStringLiteral("Tabrix"));
        QVERIFY(raw.contains(QStringLiteral("Recent File List/File1")));
        QtSettingsStore store;
        std::string text;
        QVERIFY(store.readString("", "ZenspChar", text));
        QCOMPARE(text, std::string("■"));
        QVERIFY(store.readString("", "Odd", text));
        QCOMPARE(text, std::string("\x82"));
        std::int32_t number = 0;
        QVERIFY(store.readNumber("", "ForeColor", number));
        QCOMPARE(static_cast<std::uint32_t>(number), 0xFF000000u);
        QVERIFY(!store.readNumber("", "Missing", number));
        QVERIFY(!store.readString("", "Missing", text));
    }

    void recentFilesOpenThroughTheHookAndFailuresLeaveTheList() {
        {
            QtSettingsStore store;
            store.writeString("Recent File List", "File1", "/data/受注.csv");
            store.writeString("Recent File List", "File2", "/data/gone.csv");
            store.sync();
        }
        DesktopApp desktop;
        desktop.initInstance();
        CMainFrame& frame = desktop.mainFrame();
        std::vector<std::string> asked;
        frame.setOpenFileHook([&asked](const std::string& path) {
            asked.push_back(path);
            return path != "/data/gone.csv";
        });
        QAction* first = FindAction(frame.menuBar()->actions(), ToQ("&1 /data/受注.csv"));
        QAction* second = FindAction(frame.menuBar()->actions(), QStringLiteral("&2 /data/gone.csv"));
        QVERIFY(first && second);
        second->trigger();
        first->trigger();
        QCOMPARE(asked, (std::vector<std::string>{"/data/gone.csv", "/data/受注.csv"}));
        QCOMPARE(desktop.app().recentFiles().files(), std::vector<std::string>{"/data/受注.csv"});
    }

    void commandLineFileGoesToTheOpenHook() {
        DesktopApp desktop;
        desktop.initInstance();
        QVERIFY(!desktop.openCommandLine({QStringLiteral("/tmp/a.csv")}));  // nobody opens it yet
        std::string opened;
        desktop.mainFrame().setOpenFileHook([&opened](const std::string& path) {
            opened = path;
            return true;
        });
        QVERIFY(desktop.openCommandLine({QStringLiteral(u"/tmp/表.csv")}));
        QCOMPARE(opened, std::string("/tmp/表.csv"));
        QCOMPARE(desktop.app().recentFiles().files().front(), std::string("/tmp/表.csv"));
    }

    void documentFromTheCommandLineIsTheActiveOneOnceTheWindowShows() {
        DesktopApp desktop;
        desktop.initInstance();
        CMainFrame& frame = desktop.mainFrame();
        test::StubDocument document;
        document.m_enabled = {CommandId::PageNext};
        frame.setOpenFileHook([&](const std::string&) {
            frame.addDocumentWindow(new QWidget, &document);
            return true;
        });
        QVERIFY(desktop.openCommandLine({QStringLiteral("/tmp/a.csv")}));
        desktop.showMainWindow();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(frame.activeChild());
        QVERIFY(frame.commandAction(CommandId::PageNext)->isEnabled());
        frame.commandAction(CommandId::PageNext)->trigger();
        QCOMPARE(document.m_ran, std::vector<CommandId>{CommandId::PageNext});
        frame.mdiArea()->closeAllSubWindows();
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::StartupTest)
#include "StartupTest.moc"
