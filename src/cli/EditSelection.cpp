#include "cli/EditSelection.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <unordered_map>

#include "view/MemoryGrid.h"

namespace tabrix {

namespace {

bool ParseNumber(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 1;
}

long long RowNumber(const IGridCtrl& grid, int row) {
    const std::string text = grid.itemText(row, 0);
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    return end == text.c_str() ? 0 : number;
}

}  // namespace

bool ParseNumberList(std::string_view text, std::vector<std::pair<int, int>>& ranges) {
    ranges.clear();
    if (text.empty()) return false;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view piece = text.substr(start, comma - start);
        const std::size_t dash = piece.find('-');
        int low = 0;
        int high = 0;
        if (dash == std::string_view::npos) {
            if (!ParseNumber(piece, low)) return false;
            high = low;
        } else if (!ParseNumber(piece.substr(0, dash), low) || !ParseNumber(piece.substr(dash + 1), high) || high < low) {
            return false;
        }
        ranges.emplace_back(low, high);
        start = comma + 1;
    }
    return true;
}

EditPage PageHolding(const std::vector<long long>& dataRows) {
    if (dataRows.empty()) return {};
    const auto [lowest, highest] = std::minmax_element(dataRows.begin(), dataRows.end());
    const long long first = *lowest;
    const long long last = *highest;
    // Pages start after multiples of the page size: take the smallest size
    // from the span up that puts no page start between first and last.
    long long size = last - first + 1;
    while ((first - 1) / size != (last - 1) / size) ++size;
    return {static_cast<int>(size), static_cast<int>((first - 1) / size + 1)};
}

void SelectCells(MemoryGrid& grid, const std::vector<long long>& lineNumbers, bool linesGiven,
                 const std::vector<std::pair<int, int>>& colRanges, int pageRows) {
    const int fixedRows = grid.fixedRowCount();
    const int lastCol = grid.columnCount() - 1;
    auto selectRows = [&](int top, int bottom) {
        if (colRanges.empty()) {
            grid.addSelectedRange({top, grid.fixedColumnCount(), bottom, lastCol});
            return;
        }
        for (const auto& [low, high] : colRanges) grid.addSelectedRange({top, low, bottom, high});
    };
    if (!linesGiven) {
        selectRows(fixedRows, fixedRows + pageRows - 1);
        return;
    }
    // The rows first, then the selection: growing the grid clears a selection.
    std::unordered_map<long long, int> rowOf;
    int blankRow = -1;
    for (int row = fixedRows; row < grid.rowCount(); ++row) {
        const long long number = RowNumber(grid, row);
        if (number == 0 && blankRow < 0) blankRow = row;
        if (number != 0) rowOf.emplace(number, row);
    }
    std::vector<int> rows;
    for (long long number : lineNumbers) {
        const auto it = rowOf.find(number);
        if (it != rowOf.end()) {
            rows.push_back(it->second);
            continue;
        }
        if (blankRow < 0) {
            // A full page has no blank row: the grid gets one below it.
            blankRow = grid.rowCount();
            grid.setRowCount(blankRow + 1);
            grid.setItemText(blankRow, 0, " ");
        }
        rows.push_back(blankRow);
    }
    for (int row : rows) selectRows(row, row);
}

}  // namespace tabrix
