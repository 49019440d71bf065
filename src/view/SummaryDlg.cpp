#include "view/SummaryDlg.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <numeric>

#include "document/FileWriter.h"
#include "document/TabrixDoc.h"
#include "document/WorkbookSheet.h"
#include "text/LeadingNumber.h"
#include "text/Record.h"
#include "view/GridOps.h"

namespace tabrix {

void CSummaryTable::addColumn(std::string title, bool numeric) {
    m_titles.push_back(std::move(title));
    m_numeric.push_back(numeric ? 1 : 0);
}

void CSummaryTable::startRow() { m_rows.push_back({m_text.size(), m_cellEnds.size()}); }

void CSummaryTable::appendCell(std::string_view text) {
    // A row holds at most 4 GB of text; a cell past that is cut.
    const std::size_t start = m_rows.back().text;
    const std::size_t room = std::numeric_limits<std::uint32_t>::max() - (m_text.size() - start);
    m_text.append(text.substr(0, std::min(text.size(), room)));
    m_cellEnds.push_back(static_cast<std::uint32_t>(m_text.size() - start));
}

void CSummaryTable::reserve(std::size_t rows, std::size_t cells, std::size_t bytes) {
    m_rows.reserve(rows);
    m_cellEnds.reserve(cells);
    m_text.reserve(bytes);
}

std::string_view CSummaryTable::cell(std::size_t row, int col) const {
    const Row& r = m_rows[row];
    const std::size_t end = row + 1 < m_rows.size() ? m_rows[row + 1].firstCell : m_cellEnds.size();
    const std::size_t index = r.firstCell + static_cast<std::size_t>(col);
    if (col < 0 || index >= end) return {};
    const std::size_t begin = index == r.firstCell ? 0 : m_cellEnds[index - 1];
    return std::string_view(m_text).substr(r.text + begin, m_cellEnds[index] - begin);
}

std::string_view CSummaryDlg::text(std::size_t row, int col) const {
    const std::size_t stored = row < m_order.size() ? m_order[row] : row;
    return m_table.cell(stored, col);
}

void CSummaryDlg::resetOrder() {
    m_order.resize(m_table.rowCount());
    std::iota(m_order.begin(), m_order.end(), 0u);
    m_nSortCol = -1;
    m_bDescending = false;
}

bool CSummaryDlg::confirmSize(IUserInterface& ui) const {
    const long long rows = static_cast<long long>(rowCount()) + 1;
    const long long cols = columnCount();
    if (rows * cols < kLargeCells) return true;
    char text[160];
    std::snprintf(text, sizeof text, kTooLarge, static_cast<int>(std::min<long long>(rows, INT32_MAX)),
                  static_cast<int>(cols));
    return ui.messageBox(text, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
}

void CSummaryDlg::sortByColumn(int col) {
    if (col < 0 || col >= columnCount()) return;
    if (m_order.size() != rowCount()) resetOrder();
    m_bDescending = col == m_nSortCol ? !m_bDescending : false;
    m_nSortCol = col;
    const auto last = m_order.end() - (m_bTotalRow && !m_order.empty() ? 1 : 0);
    if (m_table.isNumeric(col)) {
        std::vector<double> values(m_table.rowCount());
        for (auto it = m_order.begin(); it != last; ++it) values[*it] = LeadingDecimal(m_table.cell(*it, col));
        std::stable_sort(m_order.begin(), last, [&](std::uint32_t a, std::uint32_t b) {
            return m_bDescending ? values[b] < values[a] : values[a] < values[b];
        });
    } else {
        std::stable_sort(m_order.begin(), last, [&](std::uint32_t a, std::uint32_t b) {
            const int order = CompareSjis(m_table.cell(a, col), m_table.cell(b, col));
            return m_bDescending ? order > 0 : order < 0;
        });
    }
}

std::string CSummaryDlg::copyText(const GridRange& range,
                                  const std::function<bool(std::size_t row, int col)>& selected) const {
    std::string out;
    if (!range.isValid()) return out;
    for (int row = range.minRow; row <= range.maxRow && static_cast<std::size_t>(row) < rowCount(); ++row) {
        if (row > range.minRow) out += "\r\n";
        for (int col = range.minCol; col <= range.maxCol && col < columnCount(); ++col) {
            if (col > range.minCol) out += '\t';
            if (selected(static_cast<std::size_t>(row), col)) out += text(static_cast<std::size_t>(row), col);
        }
    }
    return out;
}

bool CSummaryDlg::writeText(char delimiter, const std::function<bool(std::string_view)>& sink) const {
    std::string out;
    auto line = [&](auto cellOf) {
        for (int col = 0; col < columnCount(); ++col) {
            if (col > 0) out += delimiter;
            AppendOutputField(out, cellOf(col), delimiter);
        }
        out += "\r\n";
    };
    line([&](int col) { return std::string_view(m_table.title(col)); });
    for (std::size_t row = 0; row < rowCount(); ++row) {
        line([&](int col) { return text(row, col); });
        if (out.size() >= (1u << 20)) {
            if (!sink(out)) return false;
            out.clear();
        }
    }
    return sink(out);
}

bool CSummaryDlg::OnFileOutput(IUserInterface& ui) const {
    FileDialogRequest request;
    request.title = kOutputTitle;
    request.filter = kOutputFilter;
    request.overwritePrompt = true;
    request.choices.push_back({kFormatLabel, {kFormats[Csv], kFormats[Tab], kFormats[Excel]}, Csv});
    if (!ui.getSaveFileName(request)) return false;
    std::string path = request.fileName;
    // A name without an extension gets the first one of the filter in use.
    if (ExtensionOf(path).empty() && request.filterIndex < 2) path += request.filterIndex == 1 ? ".xls" : ".txt";
    return WriteFile(path, request.choices.front().selected, ui);
}

bool CSummaryDlg::WriteFile(const std::string& path, int format, IUserInterface& ui) const {
    if (format == Excel) return writeWorkbook(path, ui);
    auto say = [&](const char* message, std::size_t count) {
        std::vector<char> text(path.size() + 160);
        std::snprintf(text.data(), text.size(), message, path.c_str(), static_cast<int>(count));
        return std::string(text.data());
    };
    CFileWriter writer;
    const bool written = writer.open(path) &&
                         writeText(format == Tab ? '\t' : ',', [&](std::string_view bytes) {
                             writer.write(bytes);
                             return true;
                         }) &&
                         writer.commit();
    if (!written) {
        ui.messageBox(say(kCannotWrite, 0), MsgIcon::Stop);
        return false;
    }
    ui.messageBox(say(format == Tab ? kTabSaved : kCsvSaved, rowCount()), MsgIcon::Information);
    return true;
}

bool CSummaryDlg::writeWorkbook(const std::string& path, IUserInterface& ui) const {
    const std::string extension = ExtensionOf(path);
    if (extension != ".xls" && extension != ".xlsx") {
        ui.messageBox(kExcelExtension, MsgIcon::Stop);
        return false;
    }
    int cols = columnCount();
    if (cols > kExcelMaxColumns) {
        if (ui.messageBox(kExcelColumns, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return false;
        cols = kExcelMaxColumns;
    }
    const SheetCell cell = [this](std::size_t row, int col) {
        return row == 0 ? std::string_view(m_table.title(col)) : text(row - 1, col);
    };
    const long long rows = WriteWorkbookSheet(path, rowCount() + 1, cols, cell, ui);
    if (rows < 0) return false;
    // The rows the writer wrote, the title row not counted.
    std::vector<char> text(path.size() + 160);
    std::snprintf(text.data(), text.size(), kExcelSaved, path.c_str(), static_cast<int>(std::max(0LL, rows - 1)));
    ui.messageBox(text.data(), MsgIcon::Information);
    return true;
}

}  // namespace tabrix
