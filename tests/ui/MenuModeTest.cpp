#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <set>

#include "UiTestSupport.h"
#include "ui/ChildFrame.h"
#include "ui/MainFrame.h"
#include "ui/MenuBuilder.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

constexpr MenuMode kModes[] = {MenuMode::Normal, MenuMode::Custum1, MenuMode::Custum2, MenuMode::Custum3};

// Commands whose actions sit somewhere in the menu bar.
std::set<CommandId> CommandsInMenus(const CMainFrame& frame) {
    std::set<CommandId> found;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (action->menu()) walk(action->menu()->actions());
            for (const CommandInfo& info : AllCommands())
                if (frame.commandAction(info.id) == action) found.insert(info.id);
        }
    };
    walk(frame.menuBar()->actions());
    return found;
}

}  // namespace

class MenuModeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_desktop = test::StartOnEmptySettings(); }
    void cleanup() { m_desktop.reset(); }

    void splitOnlyMenuHasSplitSaveButNoSaving() {
        CMainFrame& frame = m_desktop->mainFrame();
        frame.setMenuMode(MenuMode::Custum3);
        const QStringList captions = test::MenuCaptions(*frame.menuBar());
        QVERIFY(captions.contains(ToQ("ﾌｧｲﾙ分割保存")));
        QVERIFY(!captions.contains(ToQ("上書き保存")));
        QVERIFY(!captions.contains(ToQ("名前を付けて保存...")));
    }

    void eachModeLacksExactlyItsCommands() {
        CMainFrame& frame = m_desktop->mainFrame();
        for (MenuMode mode : kModes) {
            frame.setMenuMode(mode);
            const std::set<CommandId> shown = CommandsInMenus(frame);
            const std::vector<CommandId> lacking = CommandsLackingIn(mode);
            for (const CommandInfo& info : AllCommands()) {
                const bool lacks = std::find(lacking.begin(), lacking.end(), info.id) != lacking.end();
                QVERIFY2(shown.count(info.id) == (lacks ? 0u : 1u),
                         qPrintable(ToQ(info.caption) + QStringLiteral(" in mode %1").arg(int(mode))));
            }
        }
    }

    void whollyLackingMenusAreGoneAndTheMenuBarRecovers() {
        CMainFrame& frame = m_desktop->mainFrame();
        auto topCaptions = [&frame] {
            QStringList captions;
            for (QAction* action : frame.menuBar()->actions()) captions << action->text();
            return captions;
        };
        const QStringList normal = topCaptions();
        QCOMPARE(normal.size(), 9);
        frame.setMenuMode(MenuMode::Custum1);
        QVERIFY(!topCaptions().contains(ToQ("列操作(&C)")));
        QVERIFY(topCaptions().contains(ToQ("変換(&S)")));
        frame.setMenuMode(MenuMode::Custum2);
        QVERIFY(!topCaptions().contains(ToQ("変換(&S)")));
        QVERIFY(frame.convertToolBar()->isHidden());
        frame.setMenuMode(MenuMode::Normal);
        QCOMPARE(topCaptions(), normal);
    }

    void toolbarFollowsTheMode() {
        CMainFrame& frame = m_desktop->mainFrame();
        frame.setMenuMode(MenuMode::Custum3);
        const QList<QAction*> buttons = frame.mainToolBar()->actions();
        QVERIFY(!buttons.contains(frame.commandAction(CommandId::FileSave)));
        QVERIFY(!buttons.contains(frame.commandAction(CommandId::FileNew)));
        QVERIFY(buttons.contains(frame.commandAction(CommandId::Filter)));
        frame.setMenuMode(MenuMode::Normal);
        QVERIFY(frame.mainToolBar()->actions().contains(frame.commandAction(CommandId::FileSave)));
    }

    void activeDocumentChoosesTheMenu() {
        CMainFrame& frame = m_desktop->mainFrame();
        test::StubDocument split;
        split.m_mode = MenuMode::Custum3;
        test::StubDocument plain;
        frame.addDocumentWindow(new QLabel, &plain);
        QCOMPARE(frame.menuMode(), MenuMode::Normal);
        CChildFrame* splitWindow = frame.addDocumentWindow(new QLabel, &split);
        QCOMPARE(frame.menuMode(), MenuMode::Custum3);
        QVERIFY(!test::MenuCaptions(*frame.menuBar()).contains(ToQ("上書き保存")));
        frame.mdiArea()->activatePreviousSubWindow();
        QCOMPARE(frame.menuMode(), MenuMode::Normal);
        frame.mdiArea()->setActiveSubWindow(splitWindow);
        QCOMPARE(frame.menuMode(), MenuMode::Custum3);
        frame.mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCOMPARE(frame.menuMode(), MenuMode::Normal);
    }

    void contextMenuReusesTheSubmenus() {
        CMainFrame& frame = m_desktop->mainFrame();
        QMenu context;
        FillMenu(context, GridContextMenu(), MenuMode::Normal, frame.commandActions());
        QStringList top;
        for (QAction* action : context.actions())
            if (!action->isSeparator()) top << action->text();
        QCOMPARE(top, (QStringList{ToQ("元に戻す"), ToQ("やり直し"), ToQ("ﾃﾞｰﾀ整合性ﾁｪｯｸ"), ToQ("行操作"), ToQ("列操作"), ToQ("変換"),
                                   ToQ("列非表示(*)"), ToQ("列の幅(*)")}));
        QMenu* rows = context.actions().at(5)->menu();
        QVERIFY(rows && rows->actions().contains(frame.commandAction(CommandId::Filter)));
    }

    void shortcutsAndPromptsComeFromTheTable() {
        CMainFrame& frame = m_desktop->mainFrame();
        QCOMPARE(frame.commandAction(CommandId::FileSave)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(frame.commandAction(CommandId::PageNext)->shortcut(), QKeySequence(QStringLiteral("Alt+N")));
        QCOMPARE(frame.commandAction(CommandId::ConvUpper)->statusTip(), ToQ("大文字に変換します"));
        QCOMPARE(frame.commandAction(CommandId::FileNew)->toolTip(), ToQ("新規作成"));
    }

private:
    std::unique_ptr<DesktopApp> m_desktop;
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::MenuModeTest)
#include "MenuModeTest.moc"
