// The error list window of the data check: a modeless window over the
// findings of one check, one list row per finding. Enter or a double click
// shows the finding's cell in the grid; Delete takes a row off the list only;
// "エラーデータ出力(&O)" writes every finding to a file. Closing it tells the
// view, which then destroys the window's handle.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "view/ErrMsgList.h"

class QTreeWidget;

namespace tabrix {

class CErrMsgDlg : public QWidget {
    Q_OBJECT
public:
    // onClose runs when the user closes the window.
    CErrMsgDlg(CErrMsgList& list, std::function<void()> onClose, QWidget* parent);

    QTreeWidget* list() const { return m_list; }
    // The commands of the window.
    void activateRow(int row);
    void deleteRow(int row);
    void writeErrorFile();
    // The view let go of the window: it no longer reports its closing, hides
    // and is deleted once control is back in the event loop.
    void release();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();

    CErrMsgList& m_errors;
    std::function<void()> m_onClose;
    QTreeWidget* m_list;
};

// What the view holds while the window is open. Destroying it takes the
// window away; the widget is released later, since the view may destroy this
// handle from within the window's own close handler.
class ErrMsgWindowHandle : public IErrorListWindow {
public:
    explicit ErrMsgWindowHandle(CErrMsgDlg* window) : m_window(window) {}
    ~ErrMsgWindowHandle() override;
    ErrMsgWindowHandle(const ErrMsgWindowHandle&) = delete;
    ErrMsgWindowHandle& operator=(const ErrMsgWindowHandle&) = delete;

private:
    QPointer<CErrMsgDlg> m_window;
};

// An error list window belongs to its document: hidden while another
// document's window is active, shown again when its own comes back.
void FollowDocumentActivation(QWidget* documentWindow, bool active);

// The factory the view makes its error list windows with: each window is
// shown over parent and closes through closeErrorList.
ErrorListWindowFactory ErrMsgWindowFactory(CTabrixView& view, QWidget* parent);

}  // namespace tabrix
