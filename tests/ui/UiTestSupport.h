// Helpers of the desktop tests: a private settings folder per test program,
// a stand-in document, and readers of the menu bar.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentWindow.h"
#include "ui/DesktopApp.h"

class QFileDialog;
class QMenuBar;

namespace tabrix {
class CMainFrame;
class DocumentWidget;
}  // namespace tabrix

namespace tabrix::test {

// Points the per-user settings at a fresh temporary folder; call before the
// QApplication exists, since QSettings fixes its folder at first use.
void IsolateSettings();
// Empties the program's settings.
void ClearSettings();
// A desktop started on empty settings, its main window created but not shown.
std::unique_ptr<DesktopApp> StartOnEmptySettings();

// As StartOnEmptySettings, with the document layer installed and the main window shown.
std::unique_ptr<DesktopApp> StartWithDocuments();

// The document window that is active, and how many are open once closed
// windows are gone.
DocumentWidget* ActiveDocument(const CMainFrame& frame);
int DocumentWindowCount(const CMainFrame& frame);

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
// Chooses a file in a common file dialog, with the filter entry given, and accepts it.
void ChooseInFileDialog(QFileDialog* dialog, const QString& path, int filter = -1);

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

// Answers the modal windows a command opens, one step per window, in the
// order they appear, while run() runs the command. Each step runs from the event loop, so it may accept a
// dialog that opens further windows. A window nobody expects, or a step that
// finds the wrong window or fails a check, is rejected so that the command
// ends; done() then reports false and failures() says why.
//
// A window takes a step only if it is still the modal window in front when the
// step is due. A dialog is in front for a moment while a window it opened
// closes and before it closes itself (a file dialog after its overwrite
// question); such a glimpse must not use up the step of the next window.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript();

    // A step for the next window, which must be a W.
    template <typename W>
    ModalScript& on(std::function<void(W*)> act) {
        m_steps.push_back([act](QWidget* window) {
            auto* typed = qobject_cast<W*>(window);
            if (!typed) QFAIL(qPrintable(QStringLiteral("unexpected window ") +
                                         QString::fromLatin1(window->metaObject()->className())));
            act(typed);
        });
        return *this;
    }

    // Runs the command; true when every step ran and every check passed.
    bool run(const std::function<void()>& command);
    QString failures() const { return m_failures.join(QStringLiteral("; ")); }

private:
    void poll();
    void handle(QWidget* window);

    QTimer m_timer;
    std::deque<Step> m_steps;
    QPointer<QWidget> m_handled;
    QPointer<QWidget> m_pending;  // seen in front, its step not yet due
    QStringList m_failures;
    bool m_aborted = false;
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
