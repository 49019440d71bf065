// Rewriting the fields of rows in one pass over the store, as the calculation,
// autofill and conversion commands do. The rows are written into a fresh
// store that takes the old one's place, giving the old rows back as it goes,
// so a pass that widens every row costs little more than the new rows and
// leaves no garbage behind.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CTabrixDoc;

// The lines a pass may change, by store index: the lines the row filter
// shows, decided before the pass (and before a result column is inserted,
// so that the new field cannot change the verdict). Empty: every line.
using LineMask = std::vector<bool>;

// One row being rewritten: its fields, as views of the old row until a pass
// replaces them. A row is split at the column count, or at its own width
// when it is wider, so no field is ever dropped.
class RowFields {
public:
    void split(std::string_view row, int width);
    int count() const { return static_cast<int>(m_views.size()); }
    // Field col (1-based).
    std::string_view operator[](int col) const {
        const auto i = static_cast<std::size_t>(col - 1);
        return m_replaced[i] ? std::string_view(m_owned[i]) : m_views[i];
    }
    // The new text of field col: the string to write it into, empty.
    std::string& replace(int col);
    bool changed() const { return !m_changed.empty(); }
    void join(std::string& out) const;

private:
    std::vector<std::string_view> m_views;
    std::vector<std::string> m_owned;
    std::vector<char> m_replaced;
    std::vector<int> m_changed;
};

// Runs edit(line, row) over the lines from first on that the mask lets
// through; a row that edit replaced fields of is joined again, every other
// line is kept as it was. Returns the number of rows edit changed.
using RowEdit = std::function<void(std::size_t line, RowFields& row)>;
std::size_t RewriteRows(CTabrixDoc& doc, std::size_t first, const LineMask& mask, ProgressScope& progress,
                        const RowEdit& edit);

}  // namespace tabrix
