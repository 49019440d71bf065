// Helpers of the desktop tests: a private settings folder per test program,
// a stand-in document, and readers of the menu bar.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "app/DocumentWindow.h"
#include "ui/DesktopApp.h"

class QMenuBar;

namespace tabrix::test {

// Points the per-user settings at a fresh temporary folder; call before the
// QApplication exists, since QSettings fixes its folder at first use.
void IsolateSettings();
// Empties the program's settings.
void ClearSettings();
// A desktop started on empty settings, its main window created but not shown.
std::unique_ptr<DesktopApp> StartOnEmptySettings();

// Every caption of the menu bar, menus and submenus included, in order.
QStringList MenuCaptions(const QMenuBar& bar);

// A document window's content for tests: fixed texts and a record of what the
// main window asked of it.
class StubDocument : public DocumentWindowContent {
public:
    std::string title() const override { return m_title; }
    MenuMode menuMode() const override { return m_mode; }
    StatusPanes statusPanes() const override { return m_panes; }
    int pageCount() const override { return m_pages; }
    int currentPage() const override { return m_page; }
    void selectPage(int page) override { m_page = page; }
    bool commandState(CommandId id, CommandState& state) const override;
    bool runCommand(CommandId id) override;
    bool queryClose() override { return m_mayClose; }
    void changed() { notifyChanged(); }

    std::string m_title = "受注.csv";
    MenuMode m_mode = MenuMode::Normal;
    StatusPanes m_panes;
    int m_pages = 0;
    int m_page = 0;
    bool m_mayClose = true;
    std::vector<CommandId> m_enabled;  // commands it enables
    std::vector<CommandId> m_ran;
};

}  // namespace tabrix::test

#define TABRIX_UI_TEST_MAIN(TestClass)                  \
    int main(int argc, char** argv) {                   \
        tabrix::test::IsolateSettings();                \
        QApplication qapp(argc, argv);                  \
        tabrix::PrepareApplication(qapp);               \
        TestClass test;                                 \
        return QTest::qExec(&test, argc, argv);         \
    }
