// "CD翻訳": the codes of the one selected column are looked up in a file the
// user names, and the names found replace the codes or fill new columns.
#include <cstdio>

#include "text/NumberText.h"
#include "view/CodeTranslateDlg.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kSelectOnlyOneColumn = "列を１列のみ選択して下さい。";

// After a replacement: a wrong key position would otherwise empty the whole
// column without a word.
std::string CountsMessage(const TranslateCounts& counts) {
    return "翻訳が終了しました。\n翻訳件数：" + FormatCount(static_cast<long long>(counts.found)) +
           "件\n該当なし：" + FormatCount(static_cast<long long>(counts.missing)) + "件";
}

}  // namespace

void CTabrixView::OnCodeTranslate() {
    if (m_doc.lines().empty()) return;
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.minCol != range.maxCol || range.minCol < m_nFixedCols) {
        m_app.ui.messageBox(kSelectOnlyOneColumn, MsgIcon::Stop);
        return;
    }
    CColTransParam dlg;
    dlg.m_nCol = range.minCol - m_nFixedCols + 1;
    dlg.m_nColCount = m_doc.columnCount();
    dlg.m_pApp = &m_app;
    if (!m_app.ui.runModal(dlg)) return;

    const bool addColumns = dlg.m_nPlacement == CColTransParam::AddColumns;
    const auto added = static_cast<long long>(dlg.m_Tran.m_NamePos.size());
    if (addColumns && refuseColumnLimit(m_doc.columnCount() + added)) return;
    const TranslatePlacement where{dlg.m_nCol, addColumns, dlg.m_nInsertAfter};
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        m_lastTranslation = TranslateColumn(m_doc, dlg.m_Tran, where, titleOffset(), LineFilter(), progress);
    }
    if (!addColumns) {
        Redisplay(false);
        m_app.ui.messageBox(CountsMessage(m_lastTranslation), MsgIcon::Information);
        return;
    }
    // The filter's conditions name columns by number: it goes with its conditions.
    if (m_bFilter) {
        ClearFilterConditions();
        m_app.ui.messageBox(kLayoutCancelsFilter, MsgIcon::Information);
    }
    Redisplay(true, true);
}

}  // namespace tabrix
