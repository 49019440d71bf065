// The row filter as the view sees it: the test of a record, the working lists
// emptied before every pass over the store, the colours of the titles of the
// columns it looks at, and whether the count of passing rows is shown. The
// view asks it only while its filter flag is on.
#pragma once

#include <string>
#include <vector>

#include "app/Settings.h"
#include "view/GridCtrl.h"

namespace tabrix {

class IRowFilter {
public:
    virtual ~IRowFilter() = default;
    // The record's fields, split at the column count.
    virtual bool rowPasses(const std::vector<std::string>& fields) = 0;
    virtual void resetWorkLists() {}
    virtual GridColor titleColor(int col) const {
        (void)col;
        return kDefaultTextColor;
    }
    // "絞件数の表示": the status bar shows how many rows pass.
    virtual bool showsCount() const { return true; }
};

}  // namespace tabrix
