#include "ui/DocumentHooks.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QObject>

#include <memory>
#include <optional>

#include "app/AppContext.h"
#include "app/TabrixApp.h"
#include "document/OpenCommand.h"
#include "document/TabrixDoc.h"
#include "ui/DocumentWidget.h"
#include "ui/GridCtrl.h"
#include "ui/MainFrame.h"
#include "ui/OpenFileDlg.h"
#include "ui/QtUserInterface.h"
#include "ui/TimingLog.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

// Creates documents and shows each in a window of its own. Lives as long as
// the main window, and with it the context every document reads.
class DocumentLayer : public QObject {
public:
    DocumentLayer(CMainFrame& frame, CTabrixApp& app, QtUserInterface& ui)
        : QObject(&frame),
          m_frame(frame),
          m_context{app.settings(), ui, app.programDir(), app.startupDir()} {}

    // A file named on the command line, dropped, chosen from the recent list
    // or by the open command.
    bool open(const std::string& path) {
        QElapsedTimer clock;
        clock.start();
        auto doc = std::make_unique<CTabrixDoc>(m_context);
        // The open command chose the encoding; any other way in asks when
        // the file looks like UTF-8.
        doc->m_nEncoding = m_chosenEncoding ? *m_chosenEncoding : EncodingToOpen(m_context.ui, path, OpenFormat::Sjis);
        if (!doc->OnOpenDocument(path)) return false;
        ReportTiming("open to document loaded", clock);
        show(std::move(doc), clock);
        return true;
    }

    // "開く...": a file and its character set; EUC files open through a copy.
    void openCommand() {
        std::string chosen;
        OpenFormat format = OpenFormat::Sjis;
        if (!ChooseFileToOpen(&m_frame, m_context.ui, m_context.settings.DefDir, chosen, format)) return;
        std::string path;
        if (!FileToOpen(m_context.ui, chosen, format, path)) return;
        m_chosenEncoding = EncodingToOpen(m_context.ui, path, format);
        m_frame.openFile(path);
        m_chosenEncoding.reset();
    }

    // "新規作成(&N)".
    void newDocument() {
        auto doc = std::make_unique<CTabrixDoc>(m_context);
        if (doc->OnNewDocument()) show(std::move(doc));
    }

private:
    void show(std::unique_ptr<CTabrixDoc> doc, const QElapsedTimer& clock = {}) {
        auto* window = new DocumentWidget(std::move(doc), m_context);
        window->setOpenClock(clock);
        window->grid().setPrinter(&m_frame.printer());
        CMainFrame* frame = &m_frame;
        window->view().setContextMenuHook([frame](int, int, const std::vector<MenuItem>& items) {
            frame->popupMenu(items, QCursor::pos());
        });
        m_frame.addDocumentWindow(window, window);
    }

    CMainFrame& m_frame;
    AppContext m_context;
    std::optional<FileEncoding> m_chosenEncoding;  // while the open command opens its file
};

}  // namespace

void InstallDocumentLayer(CMainFrame& frame, CTabrixApp& app, QtUserInterface& ui) {
    auto* layer = new DocumentLayer(frame, app, ui);
    frame.setOpenFileHook([layer](const std::string& path) { return layer->open(path); });
    frame.setCommandHandler(CommandId::FileOpen, {[layer] { layer->openCommand(); }, {}, {}});
    frame.setCommandHandler(CommandId::FileNew, {[layer] { layer->newDocument(); }, {}, {}});
}

}  // namespace tabrix
