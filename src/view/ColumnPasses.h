// The store passes of the column commands: each works on the document's
// lines (and, for layout changes, its column records) and knows nothing of
// the grid. Columns are 1-based. A row is split at the column count, or at
// its own width when it is wider, so no pass ever drops a field it did not
// mean to. Layout passes leave every row at the new column count.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CLineStore;
class CTabrixDoc;

// The row filter as a pass sees it; an empty function lets every line pass.
using LinePasses = std::function<bool(const std::vector<std::string>& fields)>;

// Content passes: fields change, the column count and the schema stay.
// Each returns the number of lines whose bytes changed.
// Field dest becomes field source, in every line from first that passes.
std::size_t CopyColumn(CTabrixDoc& doc, int source, int dest, std::size_t first, const LinePasses& passes,
                       ProgressScope& progress);
// Empties the columns in every line from first that passes.
std::size_t ClearColumns(CTabrixDoc& doc, const std::vector<int>& cols, std::size_t first,
                         const LinePasses& passes, ProgressScope& progress);

// How "置換(*)" treats one field.
struct ReplaceRule {
    std::string find;     // the search text
    std::string with;     // the replacement
    bool unconditional = false;
    bool nonEmptyOnly = false;
    // The new value of a field; false when it stays as it is.
    bool apply(std::string& value) const;
};
std::size_t ReplaceInColumns(CTabrixDoc& doc, const std::vector<int>& cols, const ReplaceRule& rule, std::size_t first,
                             const LinePasses& passes, ProgressScope& progress);

// The field operations under the layout passes: every line of a store that
// is width columns wide is rebuilt; nothing else changes. Inserts count
// fields after column after, each title in the title line (when titleLine)
// and value elsewhere; deletes the columns cols (ascending, each once).
void InsertFields(CLineStore& lines, int width, bool titleLine, int after, int count, const std::string& title,
                  const std::string& value, ProgressScope& progress);
void DeleteFields(CLineStore& lines, int width, const std::vector<int>& cols, ProgressScope& progress);

// Layout passes: every line is rebuilt and the column records follow.
// Inserts count columns after column after (0: before the first); each new
// field is title in the title line (when there is one) and value elsewhere.
void InsertColumns(CTabrixDoc& doc, int after, int count, const std::string& title, const std::string& value,
                   ProgressScope& progress);
// Removes the columns (ascending, each once).
void DeleteColumns(CTabrixDoc& doc, const std::vector<int>& cols, ProgressScope& progress);
// Merges columns first .. last into first, joined by separator in column
// order, or from the last to the first with rightToLeft ("左→右").
void MergeColumns(CTabrixDoc& doc, int first, int last, const std::string& separator, bool rightToLeft,
                  ProgressScope& progress);

// How "分割" cuts a field: at the first separator (which is dropped), or
// after the whole characters that fit into a byte count.
struct SplitRule {
    std::string separator;  // empty: cut by bytes
    int bytes = 1;
    // Cuts text into its first part text[0, firstLength) and the rest
    // text[restStart, end). False when the cut ends a repetition: no
    // separator was found, nothing is left, or no character could be taken.
    bool cut(std::string_view text, std::size_t& firstLength, std::size_t& restStart) const;
};
// How many columns the split of column col adds: 1, or with repeat the
// number of passes until one of them ends the repetition in some line.
int SplitPassCount(const CTabrixDoc& doc, int col, const SplitRule& rule, bool repeat);
// Splits column col passes times: each pass cuts the newest column.
void SplitColumn(CTabrixDoc& doc, int col, const SplitRule& rule, int passes, ProgressScope& progress);

// Every line becomes the fields order[0], order[1], ... (column numbers
// naming every column once); the column records follow.
void ReorderColumns(CTabrixDoc& doc, const std::vector<int>& order, ProgressScope& progress);

// Places the title text into field col of the title line.
void SetTitleField(CTabrixDoc& doc, int col, const std::string& title);

}  // namespace tabrix
