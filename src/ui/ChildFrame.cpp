#include "ui/ChildFrame.h"

#include <QCloseEvent>

#include "ui/QtText.h"

namespace tabrix {

CChildFrame::CChildFrame(QWidget* view, DocumentWindowContent* content, QWidget* parent)
    : QMdiSubWindow(parent), m_content(content) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    refreshTitle();
    if (m_content) {
        m_content->setChangeListener([this] {
            refreshTitle();
            emit contentChanged(this);
        });
    }
}

void CChildFrame::refreshTitle() {
    if (m_content) setWindowTitle(ToQ(m_content->title()));
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_content && !m_content->queryClose()) {
        event->ignore();
        return;
    }
    if (m_content) m_content->setChangeListener({});
    QMdiSubWindow::closeEvent(event);
}

}  // namespace tabrix
