// A sheet of text cells written as a new workbook: the workbook writer's part
// of the aggregation result's file output.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tabrix {

class IUserInterface;

// The text (code page 932) of the cell in a row and a column, both 0-based.
using SheetCell = std::function<std::string_view(std::size_t row, int col)>;

// Writes rows x cols cells as worksheet rows 1, 2, ... of a new workbook
// saved as path. The number of rows written, or -1 when nothing was written
// (the writer told the user why).
long long WriteWorkbookSheet(const std::string& path, std::size_t rows, int cols, const SheetCell& cell,
                             IUserInterface& ui);

}  // namespace tabrix
