// TEMPORARY: the content of a document window until the grid view exists.
// It shows the first lines of the store read-only, lets the user pick one
// line (for "ファイルを挿入"), keeps the changed flag, reports the status panes
// and runs the document's own file commands. No editing, paging or grid
// features belong here; the grid view replaces this class as a whole.
#pragma once

#include <QTableWidget>

#include <cstddef>
#include <memory>

#include "app/DocumentWindow.h"
#include "document/DocView.h"
#include "document/TabrixDoc.h"

namespace tabrix {

class PlainDocumentView : public QTableWidget, public DocumentWindowContent, public IDocView {
    Q_OBJECT
public:
    static constexpr int kShownLines = 1000;

    // Takes the opened or created document and shows it.
    explicit PlainDocumentView(std::unique_ptr<CTabrixDoc> doc, QWidget* parent = nullptr);
    ~PlainDocumentView() override;

    CTabrixDoc& document() { return *m_doc; }

    // DocumentWindowContent
    std::string title() const override { return m_doc->title(); }
    MenuMode menuMode() const override { return m_doc->m_CtrlFile.m_nMenuMode; }
    StatusPanes statusPanes() const override;
    bool commandState(CommandId id, CommandState& state) const override;
    bool runCommand(CommandId id) override;
    bool queryClose() override;

    // IDocView
    void endCellEdit() override {}
    bool isModified() const override { return m_bChanged; }
    void clearModified() override;

    // Index in the store of the one selected line; false after telling the
    // user when not exactly one line is selected.
    bool selectedLine(std::size_t& line);

private:
    void showLines();
    std::size_t firstShownLine() const;
    void insertFile();

    std::unique_ptr<CTabrixDoc> m_doc;
    bool m_bChanged = false;
};

}  // namespace tabrix
