// The passes of "集計" over the line store. Neither changes the store or
// knows of the grid; the view gives them the row filter's test.
#pragma once

#include <cstddef>

#include "app/UserInterface.h"
#include "view/ColumnPasses.h"
#include "text/Clock.h"
#include "view/AggregateDlgs.h"
#include "view/SummaryDlg.h"

namespace tabrix {

class CLineStore;

// The data lines of a pass: the store from its first data line, and the test
// of the row filter (empty when the filter is off: every line passes). The
// test gets the fields split at the column count, or at the row's own width
// when that is greater.
struct DataLines {
    const CLineStore& lines;
    std::size_t first = 0;
    int width = 0;
    LinePasses rowPasses;
};

// "%02d:%02d:%02d" of a moment.
std::string TimeOfDay(const LocalDateTime& moment);

// "列集計": the data lines grouped by their key columns, laid out as the
// window "集計結果" shows them.
//
// One pass looks each line's exact combined key up in a hash table that
// holds the group's sums, maxima and minima (for "データ", the lines stay
// listed instead). The distinct keys are then sorted byte for byte and
// neighbours equal but for the case of ASCII letters merged into the group
// of the first. That gives the groups, their keys and their results that
// sorting every record and walking the runs gives, without keeping anything
// per line; the values of a group keep store order.
CSummaryDlg AggregateLines(const DataLines& data, const CSumParamDlg& params, IProgress& progress, const Clock& clock);

// The column total: the numeric text values of a column summed.
struct ColumnTotal {
    long long count = 0;  // values that are numeric text
    double sum = 0;
};
ColumnTotal TotalColumn(const DataLines& data, int col, IProgress& progress);

}  // namespace tabrix
