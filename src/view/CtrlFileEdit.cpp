// "制御ファイル設定": the control file editor over the document's schema, and
// the virtual columns it added or removed replayed on the line store.
#include "schema/MakeCtrlDlg.h"
#include "view/TabrixView.h"

namespace tabrix {

void CTabrixView::OnCtrlFileEdit() {
    CMakeCtrlDlg dlg(m_doc, m_app);
    dlg.open(m_app.ui);
    if (!m_app.ui.runModal(dlg)) {
        dlg.onCancel();
        ShowPage();
        return;
    }
    const CCtrlEditSession& session = dlg.session();
    if (!session.columnsChanged()) {
        ShowPage();
        return;
    }
    ReplayColumnEdits(session.edits(), session.originalColumnCount());
    // The columns are new: the document is shown again as it was first shown.
    m_nPage = 1;
    Redisplay(true, true);
    m_grid.autoSize();
}

void CTabrixView::ReplayColumnEdits(const std::vector<ColumnEdit>& edits, int width) {
    if (edits.empty()) return;
    WaitCursorScope wait(m_app.ui);
    ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
    for (const ColumnEdit& edit : edits) {
        if (edit.kind == ColumnEdit::Insert) {
            InsertFields(m_doc.lines(), width, m_doc.m_bTitleLine, edit.position - 1, 1, std::string(), std::string(),
                         progress);
            ++width;
        } else {
            DeleteFields(m_doc.lines(), width, {edit.position}, progress);
            --width;
        }
    }
}

}  // namespace tabrix
