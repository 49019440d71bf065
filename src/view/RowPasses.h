// The store passes of the row commands: each works on a line store and knows
// nothing of the grid. Lines are rearranged by their references, so a sort or
// a deletion moves no row bytes, and a scattered deletion is one pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/UserInterface.h"
#include "document/LineStore.h"

namespace tabrix {

// Inserts an empty record of width fields (width - 1 TABs) at index at.
void InsertEmptyLine(CLineStore& lines, std::size_t at, int width);
// Inserts a copy of line index right after it.
void DuplicateLine(CLineStore& lines, std::size_t index);
// Removes the lines at the given indices (any order, repeats allowed).
void EraseLines(CLineStore& lines, std::vector<std::size_t> indices);

// Field col (1-based) of a row string, or empty when the row is shorter.
std::string_view FieldOf(std::string_view row, int col);

// The order of lines first .. end sorted by the key columns (1-based), each
// compared character by character with its own comparison (a key of several
// columns is compared column by column, never glued together). Equal keys
// keep their order in both directions. order[i] is the offset from first of
// the line that comes i-th.
std::vector<std::uint32_t> SortedLineOrder(const CLineStore& lines, std::size_t first,
                                           const std::vector<int>& keyCols, bool descending);
// Sorts the lines from first on by SortedLineOrder.
void SortLines(CLineStore& lines, std::size_t first, const std::vector<int>& keyCols, bool descending);

// Records become columns: line i of the result holds field i of every line,
// in line order, TAB-joined at the line count. width is the column count; a
// line wider than it gives its extra fields too. Returns the new column count
// (the old line count). One pass with a cursor per line.
int TransposeLines(const CLineStore& lines, int width, CLineStore& out, ProgressScope& progress);

}  // namespace tabrix
