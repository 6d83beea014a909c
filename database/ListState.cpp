#include "ListState.h"

#include "ChannelDatabase.h"
#include "ChannelSearch.h"

#include <cstring>

CListState::CListState(const CChannelDatabase& db) : m_db(db), m_views(db)
{
}

int CListState::ChosenTransponder() const
{
    return m_choice.tpRow >= 1 ? m_views.GetTransponderViewEntry(m_choice.tpRow - 1) : -1;
}

// --- What a person does --------------------------------------------------------

void CListState::ShowEverything()
{
    m_choice.filter = ChannelFilter::All;
    m_views.ShowAllTransponders();
    for (ChannelKind kind : kChannelKinds)
        ShowChannelsForFilter(kind);
    m_choice.satRow = 0;
    m_choice.tpRow = 0;
    ForgetChannelRows();
    m_choice.chRow[KindIndex(m_choice.tab)] = 0;
    m_choice.satFirstSel = -1;
}

void CListState::ChooseSatellite(int row, int firstSelectedRow)
{
    m_choice.satFirstSel = firstSelectedRow;
    m_choice.satRow = row;
    if (row == -1)
        return;
    m_choice.filter = row >= 1 ? ChannelFilter::Satellite : ChannelFilter::All;
    ShowTranspondersForChoice();
    for (ChannelKind kind : kChannelKinds)
        ShowChannelsForFilter(kind);
    m_choice.tpRow = 0;
    ForgetChannelRows();
}

void CListState::ChooseTransponder(int row, int firstSelectedRow)
{
    PointAtTransponder(row, firstSelectedRow);
    if (row == -1)
        return;
    if (row >= 1)
        m_choice.filter = ChannelFilter::Transponder;
    else if (m_choice.filter != ChannelFilter::All && m_choice.satRow >= 1)
        m_choice.filter = ChannelFilter::Satellite;
    else
        m_choice.filter = ChannelFilter::All;
    for (ChannelKind kind : kChannelKinds)
        ShowChannelsForFilter(kind);
}

void CListState::PointAtTransponder(int row, int firstSelectedRow)
{
    m_choice.tpFirstSel = firstSelectedRow;
    m_choice.tpRow = row;
}

void CListState::ChooseChannel(ChannelKind kind, int row, int firstSelectedRow)
{
    m_choice.chRow[KindIndex(kind)] = row;
    m_choice.chFirstSel = firstSelectedRow;
}

void CListState::SearchFor(const std::string& text)
{
    m_choice.search = text;
    // The views are narrowed again from what the clicks chose.
    for (ChannelKind kind : kChannelKinds)
        ShowChannelsForFilter(kind);
    m_choice.chFirstSel = -1;
    ForgetChannelRows();
}

void CListState::SwitchTab()
{
    m_choice.tab = m_choice.tab == kRadio ? kTv : kRadio;
    m_choice.chFirstSel = -1;
}

void CListState::LoseTransponder()
{
    m_choice.filter = ChannelFilter::Transponder;
    m_choice.tpRow = -1;
    ForgetChannelRows();
    m_choice.chFirstSel = -1;
    for (ChannelKind kind : kChannelKinds)
        ShowChannelsForFilter(kind);
}

// --- Cut and paste ---------------------------------------------------------------

void CListState::Cut(std::span<const int> rows)
{
    m_cut = CutList();
    if (rows.empty())
        return;
    const ChannelKind kind = m_choice.tab;
    m_cut.choice = m_choice;
    for (int row : rows) {
        const int slot = SlotOfRow(row, kind);
        ChannelRecord record;
        BouquetEntry bouquet{};
        m_db.GetChannel(record, slot, kind);
        m_db.GetBouquet(bouquet.text, slot, kind);
        m_cut.slots.push_back(slot);
        m_cut.records.push_back(record);
        m_cut.bouquets.push_back(bouquet);
    }
}

bool CListState::CutIsCurrent() const
{
    // An add, delete, move, group change or undo since the Cut can leave the
    // slots holding other channels or none; such a list is never pasted.
    const ChannelKind kind = m_cut.choice.tab;
    const int count = m_db.GetChannelCount(kind);
    for (std::size_t k = 0; k < m_cut.slots.size(); ++k) {
        if (m_cut.slots[k] >= count)
            return false;
        ChannelRecord record;
        BouquetEntry bouquet{};
        m_db.GetChannel(record, m_cut.slots[k], kind);
        m_db.GetBouquet(bouquet.text, m_cut.slots[k], kind);
        if (std::memcmp(&record, &m_cut.records[k], sizeof record) != 0 ||
            std::memcmp(&bouquet, &m_cut.bouquets[k], sizeof bouquet) != 0)
            return false;
    }
    return true;
}

bool CListState::CanPaste() const
{
    const Choice& then = m_cut.choice;
    return HasCut() && m_choice.tab == then.tab && m_choice.filter == then.filter &&
           m_choice.satRow == then.satRow && m_choice.tpRow == then.tpRow && m_choice.search == then.search &&
           CutIsCurrent();
}

int CListState::PastePosition() const
{
    const int row = ChannelRow(m_choice.tab);
    return row == -1 ? -1 : SlotOfRow(row, m_choice.tab);
}

void CListState::FinishPaste()
{
    m_cut = CutList();
    m_choice.chRow[KindIndex(m_choice.tab)] = -1;
    m_choice.chFirstSel = -1;
}

// --- Following the data --------------------------------------------------------

void CListState::ShowTranspondersForChoice()
{
    if (m_choice.satRow >= 1)
        m_views.ShowTranspondersOf(m_choice.satRow - 1);
    else
        m_views.ShowAllTransponders();
}

void CListState::ShowChannelsForFilter(ChannelKind kind)
{
    switch (m_choice.filter) {
    case ChannelFilter::Satellite: m_views.ShowChannelsOfSatellite(m_choice.satRow - 1, kind); break;
    case ChannelFilter::Transponder:
        // Without a chosen row the transponder is gone: nothing is shown.
        if (m_choice.tpRow < 1)
            m_views.ClearChannelView(kind);
        else
            m_views.ShowChannelsOfTransponder(ChosenTransponder(), kind);
        break;
    case ChannelFilter::All: m_views.ShowAllChannels(kind); break;
    }
    const std::vector<int> shown = m_views.GetChannelViewSlots(kind);
    m_narrowedCount[KindIndex(kind)] = int(shown.size());
    if (m_choice.search.empty())
        return;
    std::vector<int> found;
    for (int row : ChannelSearch(m_choice.search).MatchingRows(m_db, shown, kind))
        found.push_back(shown[std::size_t(row)]);
    m_views.ShowChannelSlots(found, kind);
}

void CListState::Restore(const Snapshot& snapshot)
{
    m_choice = snapshot.m_choice;
    ShowTranspondersForChoice();
    for (ChannelKind kind : kChannelKinds)
        ShowChannelsForFilter(kind);
}
