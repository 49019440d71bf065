// What a document asks of the view that shows it: the grid's unsaved state.
#pragma once

namespace tabrix {

class IDocView {
public:
    virtual ~IDocView() = default;
    // Ends a cell edit in progress, storing it as the user would.
    virtual void endCellEdit() = 0;
    // The grid holds unsaved edits or the view's changed flag is set.
    virtual bool isModified() const = 0;
    // Clears the grid's modified state and the view's changed flag.
    virtual void clearModified() = 0;
};

}  // namespace tabrix
