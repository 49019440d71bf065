// A document window inside the main window: hosts the one view widget it is
// given and shows the document's title. The main window reaches the document
// only through its DocumentWindowContent.
#pragma once

#include <QMdiSubWindow>

#include "app/DocumentWindow.h"

namespace tabrix {

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // content is not owned: it is the view itself or an object the view owns.
    CChildFrame(QWidget* view, DocumentWindowContent* content, QWidget* parent = nullptr);

    DocumentWindowContent* content() const { return m_content; }
    QWidget* view() const { return widget(); }

    // Takes the title from the document again.
    void refreshTitle();

signals:
    // The document's title, mode, panes or pages changed.
    void contentChanged(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DocumentWindowContent* m_content;
};

}  // namespace tabrix
