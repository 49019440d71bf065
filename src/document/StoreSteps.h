// The changes one action made to a line store, each kept as the references
// that take it back. Undoing and redoing swap the references between the
// store and the step, so every step can go back and forth any number of
// times and no row's bytes are copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
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
    // A line about to be written over its own bytes (after is no longer than
    // before): only the part of the row that differs is kept, old and new.
    // False, recording nothing, when that part is most of the row: keeping
    // the old row (recordSet) then costs less.
    bool recordPatch(std::size_t line, std::string_view before, std::string_view after);
    void recordInsert(std::size_t pos, std::size_t count);
    void recordErase(std::size_t pos, const LineRef* first, std::size_t count);
    void recordEraseAt(const std::vector<std::size_t>& ascending, std::vector<LineRef> removed);
    void recordReorder(std::size_t first, const std::vector<std::uint32_t>& order);
    // The store took over other rows; old is what it held before.
    void recordSwap(std::unique_ptr<CLineStore> old);

    bool empty() const { return m_steps.empty(); }
    // Lines were written over their own bytes: their slots must keep their size.
    bool holdsPatches() const;
    void undo(CLineStore& lines);
    void redo(CLineStore& lines);
    // Memory the steps hold: references, and the bytes of rows no longer in the store.
    std::size_t bytes() const { return m_bytes; }
    // Every row reference the steps hold (not those inside a swapped store).
    void forEachRowRef(const std::function<void(LineRef&)>& visit);

private:
    enum class Kind : std::uint8_t { Set, Patch, Insert, Erase, EraseAt, Reorder, Swap };
    struct SetEntry {
        std::size_t line;
        LineRef other;  // the row the line does not hold now
    };
    // The two rows share offset leading and some trailing bytes; the middles
    // differ: the old one (before bytes) at the step's patch bytes from at,
    // the new one (after bytes) right behind it.
    struct PatchEntry {
        std::size_t line;
        std::size_t at;
        std::uint32_t offset;
        std::uint32_t before;
        std::uint32_t after;
    };
    struct Step {
        Kind kind = Kind::Set;
        std::size_t pos = 0;
        std::size_t count = 0;
        std::vector<SetEntry> sets;           // Set: in the order made
        // Patch: in the order made, and the middles of the rows. A pass over
        // every line makes these large; block memory keeps their growth cheap.
        std::vector<PatchEntry, BlockAllocator<PatchEntry>> patches;
        std::vector<char, BlockAllocator<char>> patchBytes;
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
