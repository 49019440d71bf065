// The grid control of the desktop: one page of cells in a scrolling table with
// a fixed title row (row 0) and a fixed row-number column (column 0), which the
// view drives through IGridCtrl. The fixed cells are the table's header
// sections, so they stay in place while the data cells scroll.
//
// Every change a user makes to a data cell, typed, chosen from a drop-down
// list, cut or pasted, goes through the notifier's begin-edit and end-edit
// pair; the grid itself never stores an edit the notifier did not accept.
// Typed text is encoded to code page 932 when the edit ends: a character
// without a code refuses the edit with a message and the cell keeps its text.
// TAB and line breaks cannot enter a cell's text: the editor drops them.
#pragma once

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

#include "ui/ImeHints.h"
#include "ui/QtUserInterface.h"
#include "view/GridCtrl.h"

class QPrinter;
class QTableView;

namespace tabrix {

class GridDelegate;
class GridModel;
class GridView;

// A font as the grid is given it, in Qt's terms (the face through the
// application's substitutions, the height in pixels).
QFont ToQFont(const GridFont& font);

class CGridCtrl : public QWidget, public IGridCtrl {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    void setNotify(IGridNotify* notify) override { m_notify = notify; }

    bool setRowCount(int rows) override;
    bool setColumnCount(int cols) override;
    int rowCount() const override;
    int columnCount() const override;
    void setFixedRowCount(int rows) override;
    void setFixedColumnCount(int cols) override;
    int fixedRowCount() const override;
    int fixedColumnCount() const override;

    void setItemText(int row, int col, std::string_view text) override;
    std::string itemText(int row, int col) const override;
    void setItemTextColor(int row, int col, GridColor color) override;
    void setItemBackColor(int row, int col, GridColor color) override;
    GridColor itemTextColor(int row, int col) const override;
    GridColor itemBackColor(int row, int col) const override;
    bool isCellSelected(int row, int col) const override;
    bool isCellReadOnly(int row, int col) const override;
    void setCellKind(int row, int col, CellKind kind,
                     const std::vector<std::string>& options = {}) override;
    CellKind cellKind(int row, int col) const override;

    void setDefaultTextColor(GridColor color) override;
    void setDefaultBackColor(GridColor color) override;
    GridColor defaultTextColor() const override;
    GridColor defaultBackColor() const override;
    void setGridFont(const GridFont& font) override;
    GridFont gridFont() const override { return m_gridFont; }

    int columnWidth(int col) const override;
    void setColumnWidth(int col, int width) override;
    int rowHeight(int row) const override;
    void autoSizeColumn(int col) override;
    void autoSize() override;

    GridRange selectedRange() const override;
    void setSelectedRange(const GridRange& range) override;
    void clearSelection() override;
    bool focusCell(int& row, int& col) const override;
    void setFocusCell(int row, int col) override;
    void ensureVisible(int row, int col) override;

    void setListMode(bool on) override;
    void setEditable(bool on) override;
    void setRowSelectionByNumberClick(bool on) override;
    void setColumnSelectionByTitleClick(bool on) override;
    void setSortOnTitleClick(bool on) override;
    bool sortOnTitleClick() const override { return m_sortOnTitleClick; }

    void endEditing() override;
    void cutSelection() override;
    void paste(std::string_view text) override;
    std::string copySelection() const override;

    void setModified(bool modified, int row = -1, int col = -1) override;
    bool isModified(int row = -1, int col = -1) const override;

    void setRedraw(bool on) override;

    // The printer that "プリンタの設定..." sets up; without one each print starts afresh.
    void setPrinter(QPrinter* printer) { m_printer = printer; }
    void print(bool fitColumns) override;
    void printPreview(bool fitColumns) override;

    // The clipboard commands of the keyboard and the edit menu.
    void copyToClipboard() override;
    void cutToClipboard() override;
    void pasteFromClipboard() override;
    void selectAllCells() override;

    int pixelsPerInchY() const override { return logicalDpiY(); }

    // Beyond what the view drives.
    void setCellReadOnly(int row, int col, bool readOnly);
    bool isEditing() const { return m_edit.active(); }
    // The input method of the in-place editors: applied to an editor that is
    // open and to every editor opened later, until it is set again.
    void setEditorInputMethod(const EditorInputMethod& state);
    const EditorInputMethod& editorInputMethod() const { return m_inputMethod; }
    // The editor of the edit in progress, or null.
    QWidget* editor() const { return m_edit.editor; }
    // Sorts the page's data rows by a column as a click on its title does.
    void sortByTitle(int col);
    QTableView* table() const;

private:
    friend class GridDelegate;
    friend class GridView;

    // One in-place edit from the begin-edit notice until its editor closes.
    struct EditSession {
        int row = -1;
        int col = -1;
        std::string before;   // the cell's text before the begin-edit notice
        std::string opened;   // the text the editor opened with
        QString openedShown;  // and as the editor showed it
        QPointer<QWidget> editor;
        bool committing = false;
        bool finished = false;
        bool active() const { return row >= 0; }
    };

    // Passes edits on to the view's notifier (or stores them when there is
    // none) and marks accepted cells modified.
    class EditRelay : public IGridNotify {
    public:
        explicit EditRelay(CGridCtrl& grid) : m_grid(grid) {}
        bool onBeginEdit(int row, int col) override;
        bool onEndEdit(int row, int col, const std::string& text) override;
        void onEditGroupBegin(const char* caption) override {
            if (m_grid.m_notify) m_grid.m_notify->onEditGroupBegin(caption);
        }
        void onEditGroupEnd() override {
            if (m_grid.m_notify) m_grid.m_notify->onEditGroupEnd();
        }

    private:
        CGridCtrl& m_grid;
    };

    bool validCell(int row, int col) const;
    void applyColumnWidth(int col);
    void applyAllWidths();
    void applyRowHeight();
    int measureColumn(int col) const;
    void notifySelection();

    // In-place editing, driven by the delegate and the table.
    bool openEdit(int row, int col);
    void editorOpened(QWidget* editor);
    void commitTyped(const QString& typed);
    void commitBytes(std::string text);
    void editorClosed(QWidget* editor);
    void abandonEdit();

    void applyInputMethod(QWidget* editor) const;
    void rightClick(int row, int col);
    // F4: the notifier may open an input dialog for the focus cell.
    void inputKey();
    void printTo(QPrinter& printer, bool fitColumns) const;
    QPrinter* m_printer = nullptr;

    GridModel* m_model;
    GridView* m_view;
    GridDelegate* m_delegate;
    IGridNotify* m_notify = nullptr;
    EditRelay m_relay{*this};
    QtUserInterface m_ui{this};
    EditSession m_edit;
    GridFont m_gridFont;
    EditorInputMethod m_inputMethod;
    std::vector<int> m_widths;  // per grid column; 0 hides it
    bool m_applyingWidths = false;
    bool m_modified = false;
    bool m_sortOnTitleClick = false;
    int m_sortColumn = -1;
    bool m_sortDescending = false;
};

}  // namespace tabrix
