// The content of a document window: the document, the grid control filling
// the window, and the grid view that shows the document in it. The view does
// the work; this widget gives it its first display when the window is first
// shown, turns its input method requests into the editors' input method, and
// answers the main window on its behalf.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <memory>

#include "app/AppContext.h"
#include "app/DocumentWindow.h"

namespace tabrix {

class CErrMsgDlg;
class CGridCtrl;
class CTabrixDoc;
class CTabrixView;

class DocumentWidget : public QWidget, public DocumentWindowContent {
    Q_OBJECT
public:
    DocumentWidget(std::unique_ptr<CTabrixDoc> doc, AppContext& app, QWidget* parent = nullptr);
    ~DocumentWidget() override;

    CTabrixDoc& document() const { return *m_doc; }
    CTabrixView& view() const { return *m_view; }
    CGridCtrl& grid() const { return *m_grid; }
    // The error list window of the last data check while it is open, or null.
    CErrMsgDlg* errorListWindow() const;
    // When the file began to open, for the timing log.
    void setOpenClock(const QElapsedTimer& clock) { m_openClock = clock; }

    // DocumentWindowContent: the view's answers.
    std::string title() const override;
    MenuMode menuMode() const override;
    StatusPanes statusPanes() const override;
    int pageCount() const override;
    int currentPage() const override;
    void selectPage(int page) override;
    bool commandState(CommandId id, CommandState& state) const override;
    bool runCommand(CommandId id) override;
    bool queryClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reports how long a page change took to fill the grid and to draw it.
    void reportPageTiming(const char* what, const QElapsedTimer& clock);

    // Destroyed in reverse order: the view before the document; the grid,
    // a child widget, after both.
    std::unique_ptr<CTabrixDoc> m_doc;
    CGridCtrl* m_grid;
    std::unique_ptr<CTabrixView> m_view;
    bool m_shown = false;
    QElapsedTimer m_openClock;
};

}  // namespace tabrix
