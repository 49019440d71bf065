// The changes one action made to a line store, each kept as the references
// that take it back. Undoing and redoing swap the references between the
// store and the step, so every step can go back and forth any number of
// times and no row's bytes are copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "document/LineStore.h"

namespace tabrix {

class CStoreSteps {
public:
    CStoreSteps() = default;
    CStoreSteps(CStoreSteps&&) noexcept = default;
    CStoreSteps& operator=(CStoreSteps&&) noexcept = default;
    ~CStoreSteps();

    // Recorded by the store just before it makes the change.
    void recordSet(std::size_t line, LineRef old);
    void recordInsert(std::size_t pos, std::size_t count);
    void recordErase(std::size_t pos, const LineRef* first, std::size_t count);
    void recordEraseAt(const std::vector<std::size_t>& ascending, std::vector<LineRef> removed);
    void recordReorder(std::size_t first, const std::vector<std::uint32_t>& order);
    // The store took over other rows; old is what it held before.
    void recordSwap(std::unique_ptr<CLineStore> old);

    bool empty() const { return m_steps.empty(); }
    void undo(CLineStore& lines);
    void redo(CLineStore& lines);
    // Memory the steps hold: references, and the bytes of rows no longer in the store.
    std::size_t bytes() const { return m_bytes; }
    // Every row reference the steps hold (not those inside a swapped store).
    void forEachRowRef(const std::function<void(LineRef&)>& visit);

private:
    enum class Kind : std::uint8_t { Set, Insert, Erase, EraseAt, Reorder, Swap };
    struct SetEntry {
        std::size_t line;
        LineRef other;  // the row the line does not hold now
    };
    struct Step {
        Kind kind = Kind::Set;
        std::size_t pos = 0;
        std::size_t count = 0;
        std::vector<SetEntry> sets;           // Set: in the order made
        std::vector<LineRef> refs;            // rows out of the store (Erase, EraseAt; Insert while undone)
        std::vector<std::size_t> at;          // EraseAt
        std::vector<std::uint32_t> order;     // Reorder
        std::unique_ptr<CLineStore> store;    // Swap: the rows the store does not hold now
    };
    Step& add(Kind kind);
    void apply(Step& step, CLineStore& lines, bool undo);
    std::size_t weigh(const Step& step) const;

    std::vector<Step> m_steps;
    std::size_t m_bytes = 0;
};

}  // namespace tabrix
