#include "document/UndoJournal.h"

#include <algorithm>
#include <utility>

#include "document/TabrixDoc.h"

namespace tabrix {

namespace {
const std::string kNoCaption;
}

std::size_t CUndoJournal::Action::bytes() const {
    std::size_t total = sizeof(Action) + caption.size() + steps.bytes();
    if (schema) total += schema->before.bytes() + schema->after.bytes();
    return total;
}

CUndoJournal::CUndoJournal(CTabrixDoc& doc) : m_doc(doc) {}

CUndoJournal::~CUndoJournal() = default;

bool CUndoJournal::begin(std::string caption) {
    if (m_depth++ > 0) return false;
    m_open = std::make_unique<Action>();
    m_open->caption = std::move(caption);
    m_open->schemaBefore = SchemaState::Of(m_doc);
    m_open->stateBefore = m_state;
    return true;
}

void CUndoJournal::end() {
    if (m_depth == 0 || --m_depth > 0) return;
    std::unique_ptr<Action> action = std::move(m_open);
    SchemaChange change{std::move(*action->schemaBefore), SchemaState::Of(m_doc)};
    action->schemaBefore.reset();
    if (change.any()) action->schema = std::move(change);
    if (action->steps.empty() && !action->schema) return;  // nothing changed
    m_redo.clear();
    action->stateAfter = m_state = m_nextState++;
    m_undo.push_back(std::move(action));
    trim();
}

CStoreSteps* CUndoJournal::recordingSteps() {
    if (m_open) return &m_open->steps;
    if (!m_undo.empty() || !m_redo.empty()) clear();
    return nullptr;
}

void CUndoJournal::clear() {
    m_undo.clear();
    m_redo.clear();
    // The state the journal cannot lead back to is a state of its own.
    m_state = m_nextState++;
}

const std::string& CUndoJournal::undoCaption() const { return m_undo.empty() ? kNoCaption : m_undo.back()->caption; }
const std::string& CUndoJournal::redoCaption() const { return m_redo.empty() ? kNoCaption : m_redo.back()->caption; }

UndoOutcome CUndoJournal::undo() { return step(true); }
UndoOutcome CUndoJournal::redo() { return step(false); }

UndoOutcome CUndoJournal::step(bool undo) {
    UndoOutcome outcome;
    auto& from = undo ? m_undo : m_redo;
    auto& to = undo ? m_redo : m_undo;
    if (from.empty() || m_open) return outcome;
    std::unique_ptr<Action> action = std::move(from.back());
    from.pop_back();
    CLineStore& lines = m_doc.lines();
    const std::size_t linesBefore = lines.size();
    if (undo)
        action->steps.undo(lines);
    else
        action->steps.redo(lines);
    if (action->schema) {
        action->schema->restore(m_doc, undo);
        outcome.layoutChanged = action->schema->countChanged() || action->schema->ctrlChanged();
        outcome.countsChanged = action->schema->titleChanged();
    }
    outcome.countsChanged = outcome.countsChanged || outcome.layoutChanged || lines.size() != linesBefore;
    m_state = undo ? action->stateBefore : action->stateAfter;
    to.push_back(std::move(action));
    outcome.done = true;
    return outcome;
}

std::size_t CUndoJournal::bytes() const {
    std::size_t total = 0;
    for (const auto& action : m_undo) total += action->bytes();
    for (const auto& action : m_redo) total += action->bytes();
    return total;
}

std::size_t CUndoJournal::bound() const {
    const long long percent = std::max(0, m_doc.app().settings.UndoMemory);
    return static_cast<std::size_t>(static_cast<long double>(m_doc.lines().liveBytes()) * percent / 100);
}

void CUndoJournal::trim() {
    const std::size_t limit = bound();
    std::size_t held = bytes();
    // The newest action always stays.
    while (m_undo.size() > 1 && held > limit) {
        held -= m_undo.front()->bytes();
        m_undo.pop_front();
    }
}

bool CUndoJournal::holdsPatches() const {
    const auto patches = [](const std::unique_ptr<Action>& action) { return action->steps.holdsPatches(); };
    return std::any_of(m_undo.begin(), m_undo.end(), patches) || std::any_of(m_redo.begin(), m_redo.end(), patches) ||
           (m_open && m_open->steps.holdsPatches());
}

void CUndoJournal::forEachRowRef(const std::function<void(LineRef&)>& visit) {
    for (auto& action : m_undo) action->steps.forEachRowRef(visit);
    for (auto& action : m_redo) action->steps.forEachRowRef(visit);
    if (m_open) m_open->steps.forEachRowRef(visit);
}

}  // namespace tabrix
