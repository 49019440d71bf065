// What --lines and --cols select: the page of the in-memory grid that holds
// the lines, and the cells, as sets (each row's cells of each listed column
// range, as Ctrl+click adds them).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabrix {

class IGridCtrl;
class MemoryGrid;

// "N", "A-B", or a comma list of these; numbers from 1. Ranges in the order
// given; false on anything else.
bool ParseNumberList(std::string_view text, std::vector<std::pair<int, int>>& ranges);

struct EditPage {
    int size = 1;    // data rows per page
    int number = 1;  // the page to show
};
// The smallest page that holds all the data rows (1-based); page 1 of one
// row when there are none.
EditPage PageHolding(const std::vector<long long>& dataRows);

// Selects the cells of the named lines (1-based line numbers as the
// row-number cells read them) or, without lines, of every row of the page; of
// the listed column ranges, or of whole rows without them. A line no row
// shows selects a blank row (one is added to the grid when the page has none).
void SelectCells(MemoryGrid& grid, const std::vector<long long>& lineNumbers, bool linesGiven,
                 const std::vector<std::pair<int, int>>& colRanges, int pageRows);

}  // namespace tabrix
