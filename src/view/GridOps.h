// Grid behaviour that every grid control shares, written once against the
// grid interface: the copy text, the order of the page-only sort on a title
// click, and cut and paste through the begin/end-edit pair.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "view/GridCtrl.h"

namespace tabrix {

// The selected rectangle as text: rows joined by "\r\n", columns by "\t";
// rows of height 0 and columns of width 0 are skipped, and an unselected cell
// inside the rectangle contributes an empty text.
std::string FormatGridCopy(const IGridCtrl& grid);

// The order of the data rows (fixed rows excluded) sorted by the texts of one
// column, character by character (a double-byte character compares by its
// code), stable; descending reverses it. Rows with an empty text come last
// in both directions.
std::vector<int> SortedRowOrder(const IGridCtrl& grid, int col, bool descending);

// Compares two code page 932 texts character by character.
int CompareSjis(std::string_view a, std::string_view b);

// Empties every selected data cell through the edit pair; a veto or a
// rejection leaves that cell as it was.
void CutSelectedCells(IGridCtrl& grid, IGridNotify& notify);
// Writes clipboard text (rows by "\r\n" or "\n", cells by "\t") into the cells
// from the top-left of the selection (or the focus cell), through the edit pair.
void PasteIntoCells(IGridCtrl& grid, IGridNotify& notify, std::string_view text);

}  // namespace tabrix
