#include "document/StoreSteps.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tabrix {

namespace {

std::size_t RowBytes(const std::vector<LineRef>& refs) {
    std::size_t bytes = refs.size() * sizeof(LineRef);
    for (const LineRef& ref : refs) bytes += ref.size;
    return bytes;
}

// A whole store kept for a swap, weighed as the document is: by its rows, not
// by the chunk space a small store reserves and never touches.
std::size_t StoreBytes(const CLineStore& store) { return store.liveBytes() + store.size() * sizeof(LineRef); }

}  // namespace

CStoreSteps::~CStoreSteps() = default;

CStoreSteps::Step& CStoreSteps::add(Kind kind) {
    m_steps.emplace_back();
    m_steps.back().kind = kind;
    return m_steps.back();
}

void CStoreSteps::recordSet(std::size_t line, LineRef old) {
    if (m_steps.empty() || m_steps.back().kind != Kind::Set) add(Kind::Set);
    m_steps.back().sets.push_back({line, old});
    m_bytes += sizeof(SetEntry) + old.size;
}

bool CStoreSteps::recordPatch(std::size_t line, std::string_view before, std::string_view after) {
    const std::size_t head =
        static_cast<std::size_t>(std::mismatch(after.begin(), after.end(), before.begin()).first - after.begin());
    std::size_t tail = 0;
    while (tail < after.size() - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    const std::size_t oldMiddle = before.size() - head - tail;
    const std::size_t newMiddle = after.size() - head - tail;
    if (oldMiddle + newMiddle > before.size()) return false;
    if (m_steps.empty() || m_steps.back().kind != Kind::Patch) add(Kind::Patch);
    Step& step = m_steps.back();
    step.patches.push_back({line, step.patchBytes.size(), static_cast<std::uint32_t>(head),
                            static_cast<std::uint32_t>(oldMiddle), static_cast<std::uint32_t>(newMiddle)});
    step.patchBytes.insert(step.patchBytes.end(), before.begin() + static_cast<std::ptrdiff_t>(head),
                           before.begin() + static_cast<std::ptrdiff_t>(head + oldMiddle));
    step.patchBytes.insert(step.patchBytes.end(), after.begin() + static_cast<std::ptrdiff_t>(head),
                           after.begin() + static_cast<std::ptrdiff_t>(head + newMiddle));
    m_bytes += sizeof(PatchEntry) + oldMiddle + newMiddle;
    return true;
}

bool CStoreSteps::holdsPatches() const {
    return std::any_of(m_steps.begin(), m_steps.end(), [](const Step& step) { return step.kind == Kind::Patch; });
}

void CStoreSteps::recordInsert(std::size_t pos, std::size_t count) {
    // Lines appended one after another are one step.
    if (!m_steps.empty() && m_steps.back().kind == Kind::Insert && m_steps.back().pos + m_steps.back().count == pos) {
        m_steps.back().count += count;
        return;
    }
    Step& step = add(Kind::Insert);
    step.pos = pos;
    step.count = count;
}

void CStoreSteps::recordErase(std::size_t pos, const LineRef* first, std::size_t count) {
    Step& step = add(Kind::Erase);
    step.pos = pos;
    step.count = count;
    step.refs.assign(first, first + count);
    m_bytes += RowBytes(step.refs);
}

void CStoreSteps::recordEraseAt(const std::vector<std::size_t>& ascending, std::vector<LineRef> removed) {
    Step& step = add(Kind::EraseAt);
    step.at = ascending;
    step.refs = std::move(removed);
    m_bytes += RowBytes(step.refs) + step.at.size() * sizeof(std::size_t);
}

void CStoreSteps::recordReorder(std::size_t first, const std::vector<std::uint32_t>& order) {
    Step& step = add(Kind::Reorder);
    step.pos = first;
    step.order = order;
    m_bytes += order.size() * sizeof(std::uint32_t);
}

void CStoreSteps::recordSwap(std::unique_ptr<CLineStore> old) {
    Step& step = add(Kind::Swap);
    m_bytes += StoreBytes(*old);
    step.store = std::move(old);
}

void CStoreSteps::undo(CLineStore& lines) {
    for (auto it = m_steps.rbegin(); it != m_steps.rend(); ++it) apply(*it, lines, true);
}

void CStoreSteps::redo(CLineStore& lines) {
    for (Step& step : m_steps) apply(step, lines, false);
}

void CStoreSteps::apply(Step& step, CLineStore& lines, bool undo) {
    auto& refs = lines.m_refs;
    const auto pos = static_cast<std::ptrdiff_t>(step.pos);
    switch (step.kind) {
        case Kind::Set: {
            auto swapOne = [&](SetEntry& entry) {
                LineRef& live = refs[entry.line];
                lines.m_liveBytes += entry.other.size;
                lines.m_liveBytes -= live.size;
                m_bytes += live.size;
                m_bytes -= entry.other.size;
                std::swap(live, entry.other);
            };
            if (undo)
                std::for_each(step.sets.rbegin(), step.sets.rend(), swapOne);
            else
                std::for_each(step.sets.begin(), step.sets.end(), swapOne);
            break;
        }
        case Kind::Patch: {
            // The slot of each line is as long as the longest row it held, so
            // either middle fits in place; the trailing bytes move behind it.
            auto put = [&](const PatchEntry& entry) {
                LineRef& live = refs[entry.line];
                char* row = const_cast<char*>(live.data) + entry.offset;
                const std::uint32_t now = undo ? entry.after : entry.before;
                const std::uint32_t then = undo ? entry.before : entry.after;
                const char* middle = step.patchBytes.data() + entry.at + (undo ? 0 : entry.before);
                const std::size_t trailing = live.size - entry.offset - now;
                std::memmove(row + then, row + now, trailing);
                std::memcpy(row, middle, then);
                live.size = static_cast<std::uint32_t>(entry.offset + then + trailing);
                lines.m_liveBytes += then;
                lines.m_liveBytes -= now;
            };
            if (undo)
                std::for_each(step.patches.rbegin(), step.patches.rend(), put);
            else
                std::for_each(step.patches.begin(), step.patches.end(), put);
            break;
        }
        case Kind::Insert:
        case Kind::Erase: {
            // Taking the lines out of the store undoes an insert and redoes an erase.
            const bool takeOut = (step.kind == Kind::Insert) == undo;
            if (takeOut) {
                step.refs.assign(refs.begin() + pos, refs.begin() + pos + static_cast<std::ptrdiff_t>(step.count));
                refs.erase(refs.begin() + pos, refs.begin() + pos + static_cast<std::ptrdiff_t>(step.count));
                const std::size_t held = RowBytes(step.refs);
                lines.m_liveBytes -= held - step.refs.size() * sizeof(LineRef);
                m_bytes += held;
            } else {
                const std::size_t held = RowBytes(step.refs);
                refs.insert(refs.begin() + pos, step.refs.begin(), step.refs.end());
                lines.m_liveBytes += held - step.refs.size() * sizeof(LineRef);
                m_bytes -= held;
                step.refs.clear();
                step.refs.shrink_to_fit();
            }
            break;
        }
        case Kind::EraseAt: {
            if (undo) {
                std::remove_reference_t<decltype(refs)> merged;
                merged.reserve(refs.size() + step.at.size());
                std::size_t next = 0;
                std::size_t kept = 0;
                while (kept < refs.size() || next < step.at.size()) {
                    if (next < step.at.size() && step.at[next] == merged.size())
                        merged.push_back(step.refs[next++]);
                    else
                        merged.push_back(refs[kept++]);
                }
                refs = std::move(merged);
                const std::size_t held = RowBytes(step.refs);
                lines.m_liveBytes += held - step.refs.size() * sizeof(LineRef);
                m_bytes -= held;
                step.refs.clear();
                step.refs.shrink_to_fit();
            } else {
                std::size_t out = step.at.front();
                std::size_t next = 0;
                for (std::size_t in = step.at.front(); in < refs.size(); ++in) {
                    if (next < step.at.size() && step.at[next] == in) {
                        step.refs.push_back(refs[in]);
                        ++next;
                        continue;
                    }
                    refs[out++] = refs[in];
                }
                refs.resize(out);
                const std::size_t held = RowBytes(step.refs);
                lines.m_liveBytes -= held - step.refs.size() * sizeof(LineRef);
                m_bytes += held;
            }
            break;
        }
        case Kind::Reorder: {
            // Line pos+i holds, once reordered, the line that stood at pos+order[i].
            std::vector<LineRef> moved(step.order.size());
            for (std::size_t i = 0; i < step.order.size(); ++i) {
                if (undo)
                    moved[step.order[i]] = refs[step.pos + i];
                else
                    moved[i] = refs[step.pos + step.order[i]];
            }
            std::copy(moved.begin(), moved.end(), refs.begin() + pos);
            break;
        }
        case Kind::Swap: {
            m_bytes -= StoreBytes(*step.store);
            CLineStore held(std::move(lines));
            lines.takeRows(*step.store);
            step.store->takeRows(held);
            m_bytes += StoreBytes(*step.store);
            break;
        }
    }
}

void CStoreSteps::forEachRowRef(const std::function<void(LineRef&)>& visit) {
    for (Step& step : m_steps) {
        for (SetEntry& entry : step.sets) visit(entry.other);
        for (LineRef& ref : step.refs) visit(ref);
    }
}

}  // namespace tabrix
