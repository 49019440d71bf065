// The commands that belong to the view itself: pages, the row jump, the title
// line, the font, the display sort, the clipboard and printing (the grid's),
// file insertion and saving; their enabling; and the status-bar panes.
#include <cstdio>
#include <cstdlib>

#include "schema/DescribeColumn.h"
#include "text/NumberText.h"
#include "view/TabrixView.h"
#include "view/ViewDialogs.h"

namespace tabrix {

ViewFacts CTabrixView::facts() const {
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    ViewFacts f;
    f.hasLines = !m_doc.lines().empty();
    f.page = m_nPage;
    f.pageCount = m_nPageCount;
    f.ctrlLoaded = cf.m_bLoaded;
    f.lineChange = cf.m_bLineChange;
    f.colChange = cf.m_bColChange;
    f.convUse = cf.m_bConvUse;
    f.titleLine = m_doc.m_bTitleLine;
    f.canSave = m_doc.CanSave();
    f.sortDisplay = m_grid.sortOnTitleClick();
    f.filter = m_bFilter;
    f.colHidden = m_bColHidden;
    f.canUndo = m_doc.undoJournal().canUndo();
    f.canRedo = m_doc.undoJournal().canRedo();
    return f;
}

bool CTabrixView::commandState(CommandId id, CommandState& state) const {
    if (RuleOf(id).owner != CommandOwner::View) return false;
    state = EvaluateCommand(id, facts());
    state.caption = UndoMenuCaption(id);
    return true;
}

bool CTabrixView::runCommand(CommandId id) {
    if (RuleOf(id).owner != CommandOwner::View) return false;
    if (!EvaluateCommand(id, facts()).enabled) return true;
    const bool fitColumns = m_app.settings.PrnmMde != 0;
    UndoAction action(m_doc.undoJournal(), id);
    switch (id) {
        case CommandId::FileSave: save(false); break;
        case CommandId::FileSaveAs: save(true); break;
        case CommandId::FileInsert: insertFile(); break;
        case CommandId::FilePrint: m_grid.print(fitColumns); break;
        case CommandId::FilePrintPreview: m_grid.printPreview(fitColumns); break;
        case CommandId::EditCut: m_grid.cutToClipboard(); break;
        case CommandId::EditCopy: m_grid.copyToClipboard(); break;
        case CommandId::EditPaste: m_grid.pasteFromClipboard(); break;
        case CommandId::EditSelectAll: m_grid.selectAllCells(); break;
        case CommandId::EditUndo: OnUndo(); break;
        case CommandId::EditRedo: OnRedo(); break;
        case CommandId::PageFirst: goToPage(1); break;
        case CommandId::PagePrev: goToPage(m_nPage - 1); break;
        case CommandId::PageNext: goToPage(m_nPage + 1); break;
        case CommandId::PageLast: goToPage(m_nPageCount); break;
        case CommandId::JumpToRow: jumpToRow(); break;
        case CommandId::TitleLine: toggleTitleLine(); break;
        case CommandId::SortDisplay: m_grid.setSortOnTitleClick(!m_grid.sortOnTitleClick()); break;
        case CommandId::Font: chooseFont(); break;
        case CommandId::DataCheck: RunDataCheck(); break;
        case CommandId::RowInsert: OnRowInsert(false); break;
        case CommandId::RowCopy: OnRowInsert(true); break;
        case CommandId::RowDelete: OnRowDelete(); break;
        case CommandId::RowSort: OnRowSort(); break;
        case CommandId::Transpose: OnTranspose(); break;
        case CommandId::ColTitleEdit: OnColTitleEdit(); break;
        case CommandId::ColCopy: OnColCopy(); break;
        case CommandId::ColReplace: OnColReplace(); break;
        case CommandId::ColClear: OnColClear(); break;
        case CommandId::ColAlign: OnColAlign(); break;
        case CommandId::ColInsert: OnColInsert(); break;
        case CommandId::ColDelete: OnColDelete(); break;
        case CommandId::ColMerge: OnColMerge(); break;
        case CommandId::ColSplit: OnColSplit(); break;
        case CommandId::ColReorder: OnColReorder(); break;
        case CommandId::ColumnHide: OnColumnHide(); break;
        case CommandId::ColumnShowAll: OnColumnShowAll(); break;
        case CommandId::ColumnWidth: OnColumnWidth(); break;
        case CommandId::ColumnAutoSize: m_grid.autoSize(); break;
        case CommandId::Filter: OnFilter(); break;
        case CommandId::FileSplitSave: OnSplitSave(); break;
        case CommandId::FileConditionalSave: OnConditionalSave(); break;
        case CommandId::ColCalc: OnColCalc(); break;
        case CommandId::ColAutoFill: OnColAutoFill(); break;
        case CommandId::ColSort: OnColSort(); break;
        case CommandId::ConvAddText: case CommandId::ConvDeleteText: case CommandId::ConvUpper:
        case CommandId::ConvLower: case CommandId::ConvHalfKanaToFull: case CommandId::ConvHalfToFull:
        case CommandId::ConvFullToHalf: case CommandId::ConvHiraganaToKatakana:
        case CommandId::ConvKatakanaToHiragana: case CommandId::ConvFullUpperToLower:
        case CommandId::ConvFullLowerToUpper: case CommandId::ConvSmallKanaToPlain:
        case CommandId::ConvPlainToSmallKana: case CommandId::ConvQuote: case CommandId::ConvUnquote:
            OnConvertColumns(id);
            break;
        case CommandId::ConvDateFormat: OnFormatConvert(true); break;
        case CommandId::ConvNumberFormat: OnFormatConvert(false); break;
        case CommandId::CtrlFileEdit: OnCtrlFileEdit(); break;
        case CommandId::Aggregate: OnAggregate(); break;
        case CommandId::CodeTranslate: OnCodeTranslate(); break;
        default: break;
    }
    action.end();
    notifyChanged();
    return true;
}

void CTabrixView::selectPage(int page) {
    if (m_doc.lines().empty() || page < 1 || page > m_nPageCount) return;
    goToPage(page);
}

void CTabrixView::goToPage(int page) {
    m_nPage = page;
    ShowPage();
    notifyChanged();
}

void CTabrixView::jumpToRow() {
    if (m_bFilter) {
        m_app.ui.messageBox(kNoJumpWhileFiltering, MsgIcon::Stop);
        return;
    }
    CJumpDlg dlg;
    dlg.m_nMaxLine = static_cast<int>(std::max<std::size_t>(1, m_doc.lines().size()));
    const GridRange range = m_grid.selectedRange();
    if (range.isValid()) {
        const long shown = std::strtol(m_grid.itemText(range.minRow, 0).c_str(), nullptr, 10);
        if (shown > 0) dlg.m_nLine = static_cast<int>(std::min<long>(shown, dlg.m_nMaxLine));
    }
    if (!m_app.ui.runModal(dlg)) return;
    dlg.clampToRange();
    // The number is a line number as the row-number column shows it; the
    // title line has one but is not a row of the grid.
    const int dataRow = std::max(1, dlg.m_nLine - static_cast<int>(titleOffset()));
    ShowPage(false, dataRow, m_nFixedCols);
}

void CTabrixView::toggleTitleLine() {
    m_doc.m_bTitleLine = !m_doc.m_bTitleLine;
    RefreshPageList();
    ShowPage();
}

void CTabrixView::chooseFont() {
    CFontDlg dlg;
    dlg.m_font = m_grid.gridFont();
    dlg.m_color = m_grid.defaultTextColor();
    if (!m_app.ui.runModal(dlg)) return;
    m_grid.setGridFont(dlg.m_font);
    m_grid.setDefaultTextColor(dlg.m_color);
    for (int col = 0; col < m_grid.columnCount(); ++col) m_grid.autoSizeColumn(col);
}

void CTabrixView::insertFile() {
    const int line = GetSelectedLineForCommand();
    if (line < 0) return;
    if (!m_doc.OnInsertFile(static_cast<std::size_t>(line))) return;
    RefreshPageList();
    ResizeGrid();
    ShowPage();
    SetChanged();
}

void CTabrixView::save(bool saveAs) {
    m_grid.endEditing();
    const bool saved = saveAs ? m_doc.DoSaveAs() : m_doc.DoSave();
    if (saved) clearModified();
}

bool CTabrixView::queryClose() { return m_doc.SaveModified() && m_doc.OnCloseDocument(); }

StatusPanes CTabrixView::statusPanes() const {
    StatusPanes panes;
    int row = -1;
    int col = -1;
    const bool focused = m_grid.focusCell(row, col);
    if (focused && m_doc.m_CtrlFile.m_bHelpMsg) {
        if (const CColCtrl* rec = m_doc.m_CtrlFile.FindCol(col - m_nFixedCols + 1)) DescribeColumn(*rec, panes.message);
    }
    panes.changed = m_bChanged ? "変更" : "";
    if (m_bFilter) {
        const bool showCount = !m_pFilter || m_pFilter->showsCount();
        panes.filter = showCount ? "絞込 " + std::to_string(m_nShownCount) + "行" : std::string("絞込");
    }
    panes.size = FormatCount(static_cast<long long>(m_doc.lines().size())) + "行" +
                 FormatCount(m_doc.columnCount()) + "列";
    if (focused) {
        char text[80];
        const long number = std::strtol(m_grid.itemText(row, 0).c_str(), nullptr, 10);
        std::snprintf(text, sizeof text, "Col.%ld.%d (%zu byte)", number, col, m_grid.itemText(row, col).size());
        panes.position = text;
    } else {
        panes.position = "  ";
    }
    return panes;
}

}  // namespace tabrix
