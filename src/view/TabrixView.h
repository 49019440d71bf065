// The grid view of a document: it owns no data, and shows one page of the
// document's line store at a time in a grid control, with the column titles
// in row 0 and the line numbers in column 0. Every command that changes the
// store ends in ShowPage, the one routine that rebuilds the grid.
//
// The row-number cells are the link between grid rows and store lines: they
// hold the 1-based line number (the title line counts), so a row still names
// its line after the grid sorted the page on a title click.
//
// The view drives an abstract grid and an abstract user interface; the
// desktop gives it the Qt grid, tests and tabrix-cli a MemoryGrid.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/DocumentWindow.h"
#include "document/DocView.h"
#include "document/TabrixDoc.h"
#include "schema/ColImeMode.h"
#include "schema/CtrlEditSession.h"
#include "text/Clock.h"
#include "view/AggregateDlgs.h"
#include "view/ColSelDlg.h"
#include "view/ColumnPasses.h"
#include "view/CommandRules.h"
#include "view/ConditionFilter.h"
#include "view/ErrMsgList.h"
#include "view/SaveDialogs.h"
#include "view/GridCtrl.h"
#include "view/SummaryDlg.h"
#include "view/UndoAction.h"
#include "view/RowFilter.h"
#include "view/RowRewrite.h"
#include "view/TranslatePass.h"

namespace tabrix {

struct DataLines;

class CTabrixView : public IGridNotify, public IDocView, public DocumentWindowContent {
public:
    static constexpr const char* kSelectOneRow = "行を１行選択して下さい。";
    static constexpr const char* kSelectDataRow = "データのある行を１行選択して下さい。";
    static constexpr const char* kNoJumpWhileFiltering = "絞込表示中は行ジャンプは出来ません。";
    static constexpr const char* kNoCommaInCsv = "ＣＳＶファイル時は、カンマは入力出来ません。";
    static constexpr const char* kLayoutCancelsFilter = "列が変更された為、絞込表示を解除します。";
    static constexpr const char* kCheckProgress = "ﾃﾞｰﾀﾁｪｯｸ中";
    static constexpr const char* kGridOutOfMemory =
        "メモリが不足している為、１ページ分の表を作成出来ません。\nオプションの「入力画面の１ﾍﾟｰｼﾞ行数」を減らして下さい。";
    static constexpr const char* kSelectOneColumn = "列を１列選択して下さい。";
    static constexpr const char* kSelectColumns = "列を１列以上選択して下さい。";
    static constexpr const char* kSelectSortKeys = "ソート基準の列を１列以上選択して下さい。";
    static constexpr const char* kSelectAdjacent = "隣接する列を２列以上選択して下さい。";
    static constexpr const char* kNoTransposeWithCtrl = "制御ファイル使用時は、行列の入替は出来ません。";
    static constexpr const char* kConvertProgress = "データ変換";
    static constexpr const char* kColumnsProgress = "列数変換中";
    static constexpr int kMaxColumns = 65535;
    static constexpr const char* kCellEditCaption = "入力";

    CTabrixView(CTabrixDoc& doc, AppContext& app, IGridCtrl& grid);
    ~CTabrixView() override;
    CTabrixView(const CTabrixView&) = delete;
    CTabrixView& operator=(const CTabrixView&) = delete;

    // View state.
    int m_nFixedCols = 1;   // column 0 holds the row numbers
    int m_nFixedRows = 1;   // row 0 holds the column titles
    int m_nPageSize = 100;  // data rows per page; Psize from the first display on
    int m_nPage = 1;        // current page, 1-based
    int m_nPageCount = 1;   // pages of the whole store
    bool m_bFilter = false;     // the row filter display is on
    int m_nShownCount = 0;      // the count of the last ShowPage
    bool m_bColHidden = false;  // a column was hidden since the last "全て表示"
    bool m_bChanged = false;    // changed since loaded or saved

    CTabrixDoc& document() const { return m_doc; }
    AppContext& app() const { return m_app; }
    IGridCtrl& grid() const { return m_grid; }

    // The first display: grid behaviour, colours and font from the settings,
    // one page of Psize rows, the first page shown and sized, nothing modified.
    void OnInitialUpdate();
    // The same with pages of pageRows rows: a run that shows no page (the
    // command line) takes the smallest grid.
    void OnInitialUpdate(int pageRows);
    // Shapes the grid to the column count and one page; false, after saying
    // so, when the grid could not allocate it.
    bool ResizeGrid();
    // Recounts the pages of the store and brings the current page into range.
    void RefreshPageList();
    // Rebuilds the grid for the current page, or for the page of data row
    // jumpRow (1-based, 0 for none) with the cell (jumpRow's grid row,
    // jumpCol) selected. With countAll the scan goes on past the page to
    // count every row that passes the filter. Returns m_nShownCount.
    int ShowPage(bool countAll = false, int jumpRow = 0, int jumpCol = 0);
    // Store index of the line of the one selected grid row; -1 when the
    // selection spans other than one row (silently) or the row holds no line
    // ("データのある行を１行選択して下さい。").
    int GetSelectedLine();
    // As GetSelectedLine, but says "行を１行選択して下さい。" when not exactly one row is selected.
    int GetSelectedLineForCommand();
    // Grid columns holding a selected cell, ascending.
    std::vector<int> GetSelectedColumns() const;

    // The redisplay after a command changed the store: the page list when
    // the line or column count changed, the grid reshaped (with the filter
    // switched off) when the column layout changed, the page shown again,
    // and the document marked changed.
    void Redisplay(bool countsChanged, bool layoutChanged = false);
    // Marks the grid and the view changed.
    void SetChanged();

    // The row filter: every record passes while the filter is off.
    bool RowPasses(const std::vector<std::string>& fields);
    void setRowFilter(IRowFilter* filter) { m_pFilter = filter; }
    // Title text colour of a column: the filter's while it is on.
    GridColor TitleColor(int col) const;

    // Cell editing (the grid's begin/end-edit notifications).
    bool BeginCellEdit(int row, int col);
    bool EndCellEdit(int row, int col, const std::string& text);
    // The input method state the last edit asked for, and who is told.
    ImeRequest lastImeRequest() const { return m_lastIme; }
    void setImeHook(std::function<void(ImeRequest)> hook) { m_imeHook = std::move(hook); }

    // "ﾃﾞｰﾀ整合性ﾁｪｯｸ": checks every shown line, fills the error list and
    // opens its window (when the desktop gave a way to make one).
    void RunDataCheck();
    CErrMsgList& errorList() { return m_errors; }
    void setErrorListWindowFactory(ErrorListWindowFactory factory) { m_errorWindowFactory = std::move(factory); }
    bool errorListWindowOpen() const { return m_pErrDlg != nullptr; }
    // The error list window is closed: it is destroyed and the records deleted.
    void closeErrorList();
    // Shows a line of the store with the cell of a column selected; false
    // when the line is not a data line that the filter shows.
    bool ShowLine(std::size_t line, int col);

    // The row and column commands, and what later commands share with them.
    // Where a computed column goes: mode 0 the first selected column, 1 the
    // last, 2 a new column before the first, 3 a new column after the last
    // (its title line field gets title). Returns the column number, 0 when
    // none is selected or no column can be added; the caller resizes the
    // grid and redisplays.
    int PlaceResultColumn(int mode, const std::string& title);
    // The column chooser over the document's data, column current preselected.
    CColSelDlg ColumnChooser(int current) const;
    // The row filter as a store pass takes it; empty while the filter is off.
    LinePasses LineFilter();
    // The one column a command needs: the selection's first column when its
    // first and last are the same, else 0 after "列を１列選択して下さい。".
    int GetSelectedColumnForCommand();

    // The row filter ("絞込表示"): its conditions live as long as the view.
    CSampleDlg& filterConditions() { return m_filterDlg; }
    void OnFilter();
    // After the conditions were confirmed: the filter is on when one is
    // enabled, else off with every condition cleared; page 1 is shown.
    void ApplyFilter();
    // Empties the filter's working lists before a pass over the store.
    void ResetFilterWorkLists() {
        if (m_pFilter) m_pFilter->resetWorkLists();
    }
    // A record's fields as the grid shows them: dates and times in their display notation.
    void ToDisplayFields(std::vector<std::string>& fields) const;
    // Disables every condition and switches the filter off.
    void ClearFilterConditions();

    // "ﾌｧｲﾙ分割保存" and "条件付き保存": the dialog, then the files.
    void OnSplitSave();
    bool RunSplitSave(const CDivOptDlg& dlg);
    CSaveOpt& saveOptions() { return m_saveOpt; }
    void OnConditionalSave();
    // After the options were confirmed; the number of lines written, or -1.
    long long RunConditionalSave(CSaveOpt& opt);

    // "制御ファイル設定": the control file editor; after OK the virtual
    // columns it added or removed are replayed on the line store (width is
    // the column count before the first) and the document is shown anew.
    void OnCtrlFileEdit();
    void ReplayColumnEdits(const std::vector<ColumnEdit>& edits, int width);

    // "集計": the parameters, kept for the life of the window, then the
    // aggregation by key in the result window, or the column total.
    CSumParamDlg& sumParams() { return m_sumParamDlg; }
    void OnAggregate();
    // "列集計" of confirmed parameters over the lines the filter shows.
    CSummaryDlg RunAggregation(const CSumParamDlg& params);
    // "列総合計" of a column (1-based) over the lines the filter shows:
    // computed, and shown in its dialog.
    CColTotalDlg ComputeColumnTotal(int col);
    void ShowColumnTotal(int col);

    // The clock for the date macros of initial values.
    void setClock(const Clock& clock) { m_pClock = &clock; }

    // "元に戻す" and "やり直し" over the document's undo journal; the menu
    // caption names the action ("元に戻す(列削除)"), empty when there is none.
    void OnUndo();
    void OnRedo();
    std::string UndoMenuCaption(CommandId id) const;
    // "CD翻訳": the codes of the one selected column translated from a file.
    void OnCodeTranslate();
    // What the last "CD翻訳" found and missed.
    const TranslateCounts& lastTranslation() const { return m_lastTranslation; }
    // F4 on a cell: the translation screen of a translated column, the
    // calendar of a date column or the time dialog of a time column; the
    // value picked ends the cell's edit as if it had been typed.
    void OnInputKey(int row, int col);

    // What the rules of the commands and the context menu look at.
    ViewFacts facts() const;
    // The right-click menu: its entries (the state of each command is
    // commandState's), shown by the hook the desktop sets, at the cursor.
    std::vector<MenuItem> contextMenu() const { return ContextMenuItems(facts()); }
    using ContextMenuHook = std::function<void(int row, int col, const std::vector<MenuItem>& items)>;
    void setContextMenuHook(ContextMenuHook hook) { m_contextMenuHook = std::move(hook); }

    // IGridNotify
    void onSelectionChanged() override { notifyChanged(); }
    bool onBeginEdit(int row, int col) override { return BeginCellEdit(row, col); }
    bool onEndEdit(int row, int col, const std::string& text) override { return EndCellEdit(row, col, text); }
    void onRightClick(int row, int col) override;
    void onEditGroupBegin(const char* caption) override { m_doc.undoJournal().begin(caption); }
    void onEditGroupEnd() override {
        m_doc.undoJournal().end();
        notifyChanged();
    }
    void onInputKey(int row, int col) override { OnInputKey(row, col); }

    // IDocView
    void endCellEdit() override { m_grid.endEditing(); }
    bool isModified() const override { return m_bChanged; }
    void clearModified() override;

    // DocumentWindowContent
    std::string title() const override { return m_doc.title(); }
    MenuMode menuMode() const override { return m_doc.m_CtrlFile.m_nMenuMode; }
    StatusPanes statusPanes() const override;
    int pageCount() const override { return m_nPageCount; }
    int currentPage() const override { return m_nPageCount > 0 ? m_nPage : 0; }
    void selectPage(int page) override;
    bool commandState(CommandId id, CommandState& state) const override;
    bool runCommand(CommandId id) override;
    bool queryClose() override;

private:
    struct ColumnLook;

    // Offset of the first data line: 1 when the title line is in the store.
    std::size_t titleOffset() const;
    // Store index of the line a grid row shows, or -1.
    long long lineOfRow(int row) const;
    void goToPage(int page);
    void jumpToRow();
    void chooseFont();
    void insertFile();
    void save(bool saveAs);
    void toggleTitleLine();
    void StepUndoJournal(bool undo);

    // Row and column commands.
    void OnRowInsert(bool copy);
    void OnRowDelete();
    void OnRowSort();
    void OnTranspose();
    void OnColTitleEdit();
    void OnColCopy();
    void OnColReplace();
    void OnColClear();
    void OnColAlign();
    void OnColInsert();
    void OnColDelete();
    void OnColMerge();
    void OnColSplit();
    void OnColReorder();
    void OnColumnHide();
    void OnColumnShowAll();
    void OnColumnWidth();
    // Calculation, autofill, the column sort and the conversion commands.
    void OnColCalc();
    void OnColAutoFill();
    void OnColSort();
    void OnConvertColumns(CommandId id);
    void OnFormatConvert(bool date);
    // The lines the filter shows, decided before a pass changes the store; empty while the filter is off.
    LineMask PassingLines();
    // The redisplay after a result was written; an added column switches the filter off and clears it.
    void EndResultColumn(bool added);
    // The message when deleting columns would lose what the schema refers to; empty when none.
    std::string columnDeletionRefusal(const std::vector<int>& cols) const;
    // Refuses (with the message) a layout that would pass the column limit.
    bool refuseColumnLimit(long long columns);
    void setIme(ImeRequest request);
    // The data lines of a pass over the store, with the filter's test while it is on.
    DataLines passLines();
    // Position of a line among the rows ShowPage shows (1-based), or 0.
    int dataRowOfLine(std::size_t line);
    // The begin-edit checks: the row shows a line and the column's record
    // allows editing; the record (null without one) is given back.
    bool cellEditable(int row, int col, CColCtrl*& rec) const;
    // The pickers of F4; true with the text to end the edit with.
    bool pickCode(int col, const CColCtrl& rec, const std::string& value, std::string& result);
    bool pickDate(const CColCtrl& rec, const std::string& value, const LocalDateTime& now, std::string& result);
    bool pickTime(const CColCtrl& rec, const std::string& value, const LocalDateTime& now, std::string& result);

    void resetCells(const std::vector<ColumnLook>& looks);
    void showTitles(const std::vector<ColumnLook>& looks);
    std::vector<ColumnLook> columnLooks() const;

    CTabrixDoc& m_doc;
    AppContext& m_app;
    IGridCtrl& m_grid;
    CSampleDlg m_filterDlg;
    CSaveOpt m_saveOpt;
    CSumParamDlg m_sumParamDlg;
    CConditionFilter m_conditionFilter{m_doc, m_filterDlg};
    IRowFilter* m_pFilter = &m_conditionFilter;
    const Clock* m_pClock = &SystemClock();
    ImeRequest m_lastIme = ImeRequest::LeaveAlone;
    std::function<void(ImeRequest)> m_imeHook;
    ContextMenuHook m_contextMenuHook;
    std::string m_strEditBefore;  // the cell's text before the edit began
    TranslateCounts m_lastTranslation;
    CErrMsgList m_errors{*this};
    ErrorListWindowFactory m_errorWindowFactory;
    std::unique_ptr<IErrorListWindow> m_pErrDlg;
};

}  // namespace tabrix
