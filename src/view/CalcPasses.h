// The store passes of the numeric column commands: "計算(*)", "数値オートフィル"
// and the column sort "ソート". Each works on the document's lines and knows
// nothing of the grid; columns are 1-based.
//
// Integer arithmetic is 64-bit and saturates instead of wrapping, so every
// result that fits in 32 bits is what 32-bit arithmetic gave, and nothing
// crashes. Numbers are read from the numeric text with its quotes, yen sign
// and thousands commas taken away, and written without the locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "view/RowRewrite.h"

namespace tabrix {

// How "計算(*)" combines the operands of one record.
struct CalcRule {
    // The operator codes; kAbsolute marks the absolute-value conversion.
    enum Op { Add = 0, Subtract = 2, Multiply = 4, Divide = 8 };
    static constexpr int kAbsolute = 0x1000;
    static constexpr int kMaxDecimals = 15;

    int op = Add;
    bool absolute = false;
    bool decimal = false;  // "少数計算": double precision, written with decimals places
    int decimals = 1;

    // The result of the operand fields in column order: fields that are
    // empty or not numeric are skipped; none usable gives 0.
    std::string calculate(const std::vector<std::string_view>& operands) const;
};

// Writes the result of the operand columns into column result, in every
// line from first on that the mask lets through.
std::size_t CalculateColumns(CTabrixDoc& doc, const std::vector<int>& operands, int result, const CalcRule& rule,
                             std::size_t first, const LineMask& mask, ProgressScope& progress);

// How "数値オートフィル" treats the field of the k-th filled line.
struct AutoFillRule {
    enum Mode { Clear = 0, Add = 1, Front = 2, Back = 3 };  // the order of "既存データ"

    int mode = Clear;
    std::int64_t base = 0;  // "基準値"
    std::int64_t step = 1;  // "増分"
    int digits = 0;         // "桁揃えする": at least this many digits, zero-padded; 0 for none

    std::int64_t number(std::int64_t k) const { return base + k * step; }
    // The number as the fill writes it.
    std::string format(std::int64_t n) const;
    // The new text of value for number n; false when it stays (add mode on a
    // value that is not numeric or cannot take n without losing a digit).
    bool apply(std::string_view value, std::int64_t n, std::string& out) const;
};

// Numbers the lines from first on that the mask lets through 1, 2, 3, ...
// and fills column col by the rule; a line left unchanged still uses its number.
std::size_t AutoFillColumn(CTabrixDoc& doc, int col, const AutoFillRule& rule, std::size_t first,
                           const LineMask& mask, ProgressScope& progress);

// The column sort: the values of the sort columns in the lines from first on
// are rearranged in the order of the key column's values (the character
// comparison of the row sort; equal keys keep their order), while every other
// column stays where it is. The key column moves only when it is also a sort
// column. Sets the progress texts "ソート中" and "データ変更中".
void SortColumnValues(CTabrixDoc& doc, int key, const std::vector<int>& sortCols, bool descending,
                      std::size_t first, ProgressScope& progress);

}  // namespace tabrix
