// The steps a person can undo and redo. Each step keeps only the bytes its
// change altered, compressed, and an opaque context of the caller's (what the
// lists showed) that travels with it the same way: a step undone hands back
// the context from before it and keeps the one from after it for its redo.
#pragma once

#include "ChangeRecord.h"

#include <any>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

class CChannelDatabase;

class CEditHistory {
public:
    // The steps kept; older ones are forgotten.
    static constexpr std::size_t kDepth = 100;

    // Call before a change of `db`, then Commit after it.
    void Begin(const CChannelDatabase& db);
    // Records what changed since Begin under `label`, with the caller's
    // context from before the change. False, and nothing recorded, when no
    // byte changed. A recorded step forgets the steps that were undone.
    bool Commit(const CChannelDatabase& db, std::string label, std::any context);

    bool CanUndo() const { return m_nDone > 0; }
    bool CanRedo() const { return m_nDone < m_steps.size(); }
    // The label of the step Undo or Redo would take; empty when none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // Each takes the caller's context now and returns the one to show.
    std::any Undo(CChannelDatabase& db, std::any context);
    std::any Redo(CChannelDatabase& db, std::any context);

    // Forgets every step: the data in hand is the new starting point, and the
    // clean one.
    void Clear();
    // The data in hand is what was last saved.
    void MarkClean() { m_nClean = std::ptrdiff_t(m_nDone); }
    // The data in hand matches nothing saved, and no step leads back to the
    // clean data.
    void MarkUnsaved() { m_nClean = -1; }
    // The data in hand is byte for byte the clean data.
    bool IsClean() const { return m_nClean == std::ptrdiff_t(m_nDone); }

    std::size_t StepCount() const { return m_steps.size(); }
    // Heap memory the steps hold.
    std::size_t Memory() const;

private:
    struct Step {
        std::string label;
        CChangeRecord change;
        std::any context;
    };

    std::deque<Step> m_steps;
    std::size_t m_nDone = 0;  // steps in effect, from the front
    std::ptrdiff_t m_nClean = 0;  // m_nDone at the clean data; -1 when no longer reachable
    std::vector<std::uint8_t> m_before;
};
