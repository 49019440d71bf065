#include "ui/ErrMsgDlg.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

#include "ui/QtText.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

// Set on a window hidden because another document became active.
constexpr const char* kHiddenWithDocument = "hiddenWithDocument";

}  // namespace

CErrMsgDlg::CErrMsgDlg(CErrMsgList& list, std::function<void()> onClose, QWidget* parent)
    : QWidget(parent, Qt::Window), m_errors(list), m_onClose(std::move(onClose)), m_list(new QTreeWidget(this)) {
    setWindowTitle(ToQ(CErrMsgList::kWindowTitle));
    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(ToQ(CErrMsgList::kFileMenuCaption));
    QAction* write = file->addAction(ToQ(CErrMsgList::kWriteCaption));
    connect(write, &QAction::triggered, this, &CErrMsgDlg::writeErrorFile);
    QAction* close = menuBar->addAction(ToQ(CErrMsgList::kCloseCaption));
    connect(close, &QAction::triggered, this, &QWidget::close);

    QStringList captions;
    for (const char* caption : CErrMsgList::kColumnCaptions) captions << ToQ(caption);
    m_list->setHeaderLabels(captions);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { activateRow(m_list->indexOfTopLevelItem(item)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_list);
    fill();
    resize(640, 300);
}

void CErrMsgDlg::fill() {
    QList<QTreeWidgetItem*> items;
    items.reserve(m_errors.rowCount());
    for (int row = 0; row < m_errors.rowCount(); ++row) {
        QStringList texts;
        for (const std::string& text : m_errors.rowTexts(row)) texts << ToQ(text);
        items << new QTreeWidgetItem(texts);
    }
    m_list->addTopLevelItems(items);
    for (int col = 0; col < m_list->columnCount() - 1; ++col) m_list->resizeColumnToContents(col);
    if (!items.isEmpty()) m_list->setCurrentItem(items.front());
}

void CErrMsgDlg::activateRow(int row) {
    m_errors.activate(row);
}

void CErrMsgDlg::deleteRow(int row) {
    // List rows and the list's rows stay in step: both lose the same row.
    if (!m_errors.deleteRow(row)) return;
    delete m_list->takeTopLevelItem(row);
}

void CErrMsgDlg::writeErrorFile() {
    m_errors.WriteErrorFile();
}

bool CErrMsgDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: activateRow(row); return true;
            case Qt::Key_Delete: deleteRow(row); return true;
            default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CErrMsgDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    if (const auto onClose = std::exchange(m_onClose, nullptr)) onClose();
}

void CErrMsgDlg::release() {
    m_onClose = nullptr;
    setProperty(kHiddenWithDocument, false);
    hide();
    deleteLater();
}

ErrMsgWindowHandle::~ErrMsgWindowHandle() {
    if (m_window) m_window->release();
}

void FollowDocumentActivation(QWidget* documentWindow, bool active) {
    for (CErrMsgDlg* window : documentWindow->findChildren<CErrMsgDlg*>()) {
        if (active && window->property(kHiddenWithDocument).toBool()) {
            window->setProperty(kHiddenWithDocument, false);
            window->show();
        } else if (!active && !window->isHidden()) {
            window->setProperty(kHiddenWithDocument, true);
            window->hide();
        }
    }
}

ErrorListWindowFactory ErrMsgWindowFactory(CTabrixView& view, QWidget* parent) {
    return [&view, parent](CErrMsgList& list) -> std::unique_ptr<IErrorListWindow> {
        auto* window = new CErrMsgDlg(list, [&view] { view.closeErrorList(); }, parent);
        // Over the lower part of the main window, where it hides the least of the grid.
        const QRect main = parent->window()->frameGeometry();
        window->move(main.center().x() - window->width() / 2, main.bottom() - window->height() - main.height() / 8);
        window->show();
        return std::make_unique<ErrMsgWindowHandle>(window);
    };
}

}  // namespace tabrix
