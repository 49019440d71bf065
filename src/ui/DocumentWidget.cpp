#include "ui/DocumentWidget.h"

#include <QVBoxLayout>

#include <string>

#include "document/TabrixDoc.h"
#include "ui/ErrMsgDlg.h"
#include "ui/GridCtrl.h"
#include "ui/ImeHints.h"
#include "ui/TimingLog.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

bool IsPageCommand(CommandId id) {
    return id == CommandId::PageFirst || id == CommandId::PagePrev || id == CommandId::PageNext ||
           id == CommandId::PageLast;
}

}  // namespace

DocumentWidget::DocumentWidget(std::unique_ptr<CTabrixDoc> doc, AppContext& app, QWidget* parent)
    : QWidget(parent), m_doc(std::move(doc)), m_grid(new CGridCtrl(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);
    m_view = std::make_unique<CTabrixView>(*m_doc, app, *m_grid);
    m_view->setChangeListener([this] { notifyChanged(); });
    m_view->setImeHook([this](ImeRequest request) {
        EditorInputMethod state;
        if (InputMethodOf(request, state)) m_grid->setEditorInputMethod(state);
    });
    m_view->setErrorListWindowFactory(ErrMsgWindowFactory(*m_view, this));
}

DocumentWidget::~DocumentWidget() = default;

void DocumentWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    m_view->OnInitialUpdate();
    if (TimingEnabled() && m_openClock.isValid()) {
        ReportTiming("open to first page filled", m_openClock);
        m_grid->repaint();
        ReportTiming("open to first page drawn", m_openClock);
    }
}

CErrMsgDlg* DocumentWidget::errorListWindow() const {
    for (CErrMsgDlg* window : findChildren<CErrMsgDlg*>(Qt::FindDirectChildrenOnly))
        if (!window->isHidden()) return window;
    return nullptr;
}

void DocumentWidget::reportPageTiming(const char* what, const QElapsedTimer& clock) {
    if (!TimingEnabled()) return;
    ReportTiming((std::string(what) + " filled").c_str(), clock);
    m_grid->repaint();
    ReportTiming((std::string(what) + " drawn").c_str(), clock);
}

std::string DocumentWidget::title() const { return m_view->title(); }
MenuMode DocumentWidget::menuMode() const { return m_view->menuMode(); }
StatusPanes DocumentWidget::statusPanes() const { return m_view->statusPanes(); }
int DocumentWidget::pageCount() const { return m_view->pageCount(); }
int DocumentWidget::currentPage() const { return m_view->currentPage(); }

void DocumentWidget::selectPage(int page) {
    QElapsedTimer clock;
    clock.start();
    m_view->selectPage(page);
    reportPageTiming("page selected", clock);
}

bool DocumentWidget::commandState(CommandId id, CommandState& state) const { return m_view->commandState(id, state); }

bool DocumentWidget::runCommand(CommandId id) {
    QElapsedTimer clock;
    clock.start();
    const bool ran = m_view->runCommand(id);
    if (IsPageCommand(id)) reportPageTiming("page command", clock);
    return ran;
}

bool DocumentWidget::queryClose() { return m_view->queryClose(); }

}  // namespace tabrix
