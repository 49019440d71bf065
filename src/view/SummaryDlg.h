// The result of "集計" and its window "集計結果": a title row over rows of
// text cells, sorted by a click on a column title, copied, and written to a
// CSV, TAB or workbook file. The window holds the result until it is closed
// and does not follow later changes of the document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/UserInterface.h"
#include "view/GridCtrl.h"

namespace tabrix {

// The cells of a result, stored compactly: a result may hold a million rows.
// Rows are built cell by cell from the left; a cell never appended is empty.
class CSummaryTable {
public:
    void addColumn(std::string title, bool numeric);
    int columnCount() const { return static_cast<int>(m_titles.size()); }
    const std::string& title(int col) const { return m_titles[static_cast<std::size_t>(col)]; }
    // Counts and aggregates sort as numbers, everything else as text.
    bool isNumeric(int col) const { return m_numeric[static_cast<std::size_t>(col)] != 0; }

    void startRow();
    void appendCell(std::string_view text);
    // Room for the coming rows, cells and bytes of text.
    void reserve(std::size_t rows, std::size_t cells, std::size_t bytes);
    std::size_t rowCount() const { return m_rows.size(); }
    std::string_view cell(std::size_t row, int col) const;

private:
    struct Row {
        std::size_t text;       // offset of its first cell's text
        std::size_t firstCell;  // index of its first cell in m_cellEnds
    };
    std::vector<std::string> m_titles;
    std::vector<char> m_numeric;
    std::vector<Row> m_rows;
    std::vector<std::uint32_t> m_cellEnds;  // end of each cell's text, from its row's start
    std::string m_text;
};

class CSummaryDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "集計";
    static constexpr const char* kTitleFormat = "集計結果　【対象：%d行】　%s->%s";
    static constexpr const char* kTotalRowTitle = "★総計★";
    static constexpr const char* kTooLarge = "表示データが（%d行 %d列）有ります。表示しますか？\n";
    static constexpr long long kLargeCells = 100000;
    // The menu.
    static constexpr const char* kFileOutput = "ファイル出力(&O)";
    static constexpr const char* kExit = "終了(&E)";
    static constexpr const char* kCopy = "コピー\tCtrl+&C";
    static constexpr const char* kSelectAll = "全て選択\tCtrl+&A";
    // "ファイル出力".
    static constexpr const char* kOutputTitle = "差異結果ファイル出力";
    static constexpr const char* kOutputFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|EXCELﾌｧｲﾙ(*.xls,*.xlsx)|*.xls;*.xlsx|全てのﾌｧｲﾙ(*.*)|*.*||";
    static constexpr const char* kFormatLabel = "ファイル形式";
    static constexpr const char* kFormats[] = {"CSV形式", "TAB形式", "EXCEL形式"};
    static constexpr const char* kCsvSaved = "%sにＣＳＶ形式で%d件保存しました。";
    static constexpr const char* kTabSaved = "%sにＴＡＢ形式で%d件保存しました。";
    static constexpr const char* kExcelSaved = "%sにＥＸＣＥＬ形式で%d件保存しました。";
    static constexpr const char* kCannotWrite = "%s ファイルに書き込み出来ません。";
    static constexpr const char* kExcelExtension = "EXCEL形式の場合は拡張子を「xls」にして下さい。";
    static constexpr const char* kExcelColumns = "列数がEXCEL上限値(256)以上有ります。256列迄を表示しますか？";
    static constexpr int kExcelMaxColumns = 256;
    enum Format { Csv = 0, Tab = 1, Excel = 2 };

    std::string m_strTitle;  // the window title
    CSummaryTable m_table;
    bool m_bTotalRow = false;  // the last row is "★総計★": it stays last when sorted

    // The result rows (the title row not counted) and columns.
    std::size_t rowCount() const { return m_table.rowCount(); }
    int columnCount() const { return m_table.columnCount(); }
    // A cell of a result row in the order shown.
    std::string_view text(std::size_t row, int col) const;
    // The rows are laid out: they are shown in their stored order.
    void resetOrder();

    // Before the window opens: a grid of 100,000 cells or more (the title
    // row counted) is shown only when the user says Yes.
    bool confirmSize(IUserInterface& ui) const;

    // A click on a column title: ascending, reversed by a second click on the
    // same column; equal cells keep their order, and "★総計★" stays last.
    void sortByColumn(int col);
    int sortColumn() const { return m_nSortCol; }
    bool sortDescending() const { return m_bDescending; }

    // "コピー": the rectangle of result rows and columns, rows joined by
    // "\r\n" and cells by "\t"; a cell that is not selected gives no text.
    std::string copyText(const GridRange& range, const std::function<bool(std::size_t row, int col)>& selected) const;

    // Every row of the grid, the title row first, cells joined by the
    // delimiter and lines ended by CR LF, handed to sink in pieces; a cell
    // holding the delimiter is quoted. False as soon as sink fails.
    bool writeText(char delimiter, const std::function<bool(std::string_view)>& sink) const;

    // "ファイル出力(&O)": the save dialog with its "ファイル形式" choice, then
    // the file. False when nothing was written.
    bool OnFileOutput(IUserInterface& ui) const;
    // The file in a format, with the questions and messages of the output.
    bool WriteFile(const std::string& path, int format, IUserInterface& ui) const;

private:
    bool writeWorkbook(const std::string& path, IUserInterface& ui) const;

    std::vector<std::uint32_t> m_order;  // stored row of each shown row
    int m_nSortCol = -1;
    bool m_bDescending = false;
};

}  // namespace tabrix
