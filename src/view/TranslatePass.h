// The store pass of "CD翻訳": the codes of one column are looked up in a
// translation table and the names found replace the codes or fill new
// columns. It works on the document's lines and column records and knows
// nothing of the grid.
#pragma once

#include <cstddef>

#include "app/UserInterface.h"
#include "view/ColumnPasses.h"

namespace tabrix {

class CTabrixDoc;
class CTranCtrl;

struct TranslateCounts {
    std::size_t found = 0;    // lines whose code is in the table
    std::size_t missing = 0;  // lines whose code is not: their names are emptied
};

// Where the names go: over the code column itself, or into one new column
// per name position inserted after data column insertAfter (0: in front).
struct TranslatePlacement {
    int keyCol = 1;          // 1-based column of the codes, before any insertion
    bool addColumns = false;
    int insertAfter = 0;
};

// Translates the lines from first on that pass; the lines before first (the
// title line) and the lines the filter hides keep their codes and get empty
// new fields. The filter sees each line as it stood before the new columns
// existed, since its conditions name the old column numbers. Codes are
// looked up with the space marks turned back into spaces, and names are
// stored with spaces turned into marks, as a cell edit stores them. Every
// line is rebuilt into a fresh store, which then replaces the old one.
TranslateCounts TranslateColumn(CTabrixDoc& doc, CTranCtrl& tran, const TranslatePlacement& where, std::size_t first,
                                const LinePasses& passes, ProgressScope& progress);

}  // namespace tabrix
