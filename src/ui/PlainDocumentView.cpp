#include "ui/PlainDocumentView.h"

#include <QHeaderView>

#include <algorithm>
#include <vector>

#include "text/NumberText.h"
#include "text/Record.h"
#include "ui/QtText.h"

namespace tabrix {

PlainDocumentView::PlainDocumentView(std::unique_ptr<CTabrixDoc> doc, QWidget* parent)
    : QTableWidget(parent), m_doc(std::move(doc)) {
    m_doc->m_pView = this;
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    showLines();
}

PlainDocumentView::~PlainDocumentView() { m_doc->m_pView = nullptr; }

std::size_t PlainDocumentView::firstShownLine() const {
    // The title line heads the columns instead of being a row.
    return m_doc->m_bTitleLine && !m_doc->lines().empty() ? 1 : 0;
}

void PlainDocumentView::showLines() {
    const CLineStore& lines = m_doc->lines();
    const int columns = m_doc->columnCount();
    const std::size_t first = firstShownLine();
    const std::size_t shown = std::min<std::size_t>(lines.size() - first, kShownLines);
    clear();
    setColumnCount(columns);
    setRowCount(static_cast<int>(shown));
    std::vector<std::string> fields;
    auto split = [&](std::string_view row) { SplitFields(row, fields, std::max(columns, RowFieldCount(row))); };
    if (first == 1) {
        split(lines[0]);
        QStringList titles;
        for (int c = 0; c < columns; ++c) titles << ToQ(fields[static_cast<std::size_t>(c)]);
        setHorizontalHeaderLabels(titles);
    }
    QStringList numbers;
    for (std::size_t r = 0; r < shown; ++r) {
        numbers << QString::number(r + first + 1);
        split(lines[r + first]);
        for (int c = 0; c < columns; ++c) {
            const std::string& field = fields[static_cast<std::size_t>(c)];
            if (!field.empty()) setItem(static_cast<int>(r), c, new QTableWidgetItem(ToQ(field)));
        }
    }
    setVerticalHeaderLabels(numbers);
}

StatusPanes PlainDocumentView::statusPanes() const {
    StatusPanes panes;
    panes.changed = m_bChanged ? "変更" : "";
    panes.size = FormatCount(static_cast<long long>(m_doc->lines().size())) + "行" +
                 FormatCount(m_doc->columnCount()) + "列";
    panes.position = "  ";
    return panes;
}

bool PlainDocumentView::commandState(CommandId id, CommandState& state) const {
    switch (id) {
        case CommandId::FileSave: state.enabled = m_doc->CanSave(); return true;
        case CommandId::FileSaveAs:
        case CommandId::FileInsert: state.enabled = true; return true;
        default: return false;
    }
}

bool PlainDocumentView::runCommand(CommandId id) {
    switch (id) {
        case CommandId::FileSave: m_doc->DoSave(); break;
        case CommandId::FileSaveAs: m_doc->DoSaveAs(); break;
        case CommandId::FileInsert: insertFile(); break;
        default: return false;
    }
    notifyChanged();  // a save may have named the document anew
    return true;
}

void PlainDocumentView::insertFile() {
    std::size_t line = 0;
    if (!selectedLine(line) || !m_doc->OnInsertFile(line)) return;
    showLines();
    m_bChanged = true;
}

bool PlainDocumentView::selectedLine(std::size_t& line) {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.size() != 1) {
        m_doc->app().ui.messageBox("行を１行選択して下さい。", MsgIcon::Stop);
        return false;
    }
    line = static_cast<std::size_t>(rows.front().row()) + firstShownLine();
    return true;
}

bool PlainDocumentView::queryClose() { return m_doc->SaveModified() && m_doc->OnCloseDocument(); }

void PlainDocumentView::clearModified() {
    m_bChanged = false;
    notifyChanged();
}

}  // namespace tabrix
