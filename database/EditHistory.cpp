#include "EditHistory.h"

#include "ChannelDatabase.h"

void CEditHistory::Begin(const CChannelDatabase& db)
{
    CChangeRecord::TakeSnapshot(db, m_before);
}

bool CEditHistory::Commit(const CChannelDatabase& db, std::string label, std::any context)
{
    CChangeRecord change = CChangeRecord::Between(m_before, db);
    if (change.Empty())
        return false;
    m_steps.resize(m_nDone);
    if (m_nClean > std::ptrdiff_t(m_nDone))
        m_nClean = -1;
    m_steps.push_back({std::move(label), std::move(change), std::move(context)});
    ++m_nDone;
    if (m_steps.size() > kDepth) {
        m_steps.pop_front();
        --m_nDone;
        m_nClean = m_nClean > 0 ? m_nClean - 1 : -1;
    }
    return true;
}

std::string CEditHistory::UndoLabel() const
{
    return CanUndo() ? m_steps[m_nDone - 1].label : std::string();
}

std::string CEditHistory::RedoLabel() const
{
    return CanRedo() ? m_steps[m_nDone].label : std::string();
}

std::any CEditHistory::Undo(CChannelDatabase& db, std::any context)
{
    if (!CanUndo())
        return context;
    Step& step = m_steps[--m_nDone];
    step.change.Exchange(db);
    std::swap(step.context, context);
    return context;
}

std::any CEditHistory::Redo(CChannelDatabase& db, std::any context)
{
    if (!CanRedo())
        return context;
    Step& step = m_steps[m_nDone++];
    step.change.Exchange(db);
    std::swap(step.context, context);
    return context;
}

void CEditHistory::Clear()
{
    m_steps.clear();
    m_nDone = 0;
    m_nClean = 0;
}

std::size_t CEditHistory::Memory() const
{
    std::size_t bytes = 0;
    for (const Step& step : m_steps)
        bytes += sizeof(Step) + step.label.capacity() + step.change.Memory();
    return bytes;
}
