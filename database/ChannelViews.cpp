#include "ChannelViews.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <cstdint>

namespace {

// A record index as the database's operations take it: an unsigned 16-bit
// value.
unsigned Slot(int index)
{
    return std::uint16_t(index);
}

}  // namespace

CChannelViews::CChannelViews(const CChannelDatabase& db) : m_db(db)
{
    ClearTransponderView();
    ClearChannelView(kTv);
    ClearChannelView(kRadio);
    ClearGroupView();
}

// --- Transponders ------------------------------------------------------------

void CChannelViews::ClearTransponderView()
{
    m_transponderView.fill(-1);
}

int CChannelViews::ShowAllTransponders()
{
    ClearTransponderView();
    const int count = m_db.GetTransponderCount();
    for (int i = 0; i < count; ++i)
        m_transponderView[std::size_t(i)] = i;
    return count;
}

void CChannelViews::ShowTranspondersOf(int sat)
{
    ClearTransponderView();
    // A satellite that does not exist owns no transponder, whatever they hold.
    if (Slot(sat) >= unsigned(m_db.GetSatelliteCount()))
        return;
    const int count = m_db.GetTransponderCount();
    std::size_t n = 0;
    TransponderRecord transponder;
    for (int i = 0; i < count; ++i) {
        m_db.GetTransponder(transponder, i);
        if (transponder.satelliteIndex == Slot(sat))
            m_transponderView[n++] = i;
    }
}

int CChannelViews::GetTransponderViewEntry(int row) const
{
    if (row < 0 || std::size_t(row) >= m_transponderView.size())
        return -1;
    return m_transponderView[std::size_t(row)];
}

int CChannelViews::GetTransponderViewLength() const
{
    const auto end = std::find(m_transponderView.begin(), m_transponderView.end(), -1);
    return int(end - m_transponderView.begin());
}

// --- Channels ----------------------------------------------------------------

CChannelViews::ChannelSlots& CChannelViews::ChannelView(ChannelKind kind)
{
    return kind == kRadio ? m_radioView : m_tvView;
}

const CChannelViews::ChannelSlots& CChannelViews::ChannelView(ChannelKind kind) const
{
    return kind == kRadio ? m_radioView : m_tvView;
}

void CChannelViews::ClearChannelView(ChannelKind kind)
{
    ChannelView(kind).fill(-1);
}

int CChannelViews::ShowAllChannels(ChannelKind kind)
{
    ClearChannelView(kind);
    auto& view = ChannelView(kind);
    const int count = m_db.GetChannelCount(kind);
    for (int i = 0; i < count; ++i)
        view[std::size_t(i)] = i;
    return count;
}

void CChannelViews::ShowChannelsOfTransponder(int tp, ChannelKind kind)
{
    ClearChannelView(kind);
    // A transponder that does not exist owns no channel, whatever they hold.
    if (Slot(tp) >= unsigned(m_db.GetTransponderCount()))
        return;
    auto& view = ChannelView(kind);
    const int count = m_db.GetChannelCount(kind);
    std::size_t n = 0;
    ChannelRecord channel;
    for (int i = 0; i < count; ++i) {
        m_db.GetChannel(channel, i, kind);
        if (channel.transponderIndex == Slot(tp))
            view[n++] = i;
    }
}

void CChannelViews::ShowChannelsOfSatellite(int sat, ChannelKind kind)
{
    ClearChannelView(kind);
    auto& view = ChannelView(kind);
    const int transponders = m_db.GetTransponderCount();
    const int satellites = m_db.GetSatelliteCount();
    const int count = m_db.GetChannelCount(kind);
    std::size_t n = 0;
    ChannelRecord channel;
    for (int i = 0; i < count; ++i) {
        m_db.GetChannel(channel, i, kind);
        const int owner = m_db.SatelliteOfChannel(channel, transponders, satellites);
        if (owner >= 0 && unsigned(owner) == Slot(sat))
            view[n++] = i;
    }
}

void CChannelViews::ShowChannelSlots(std::span<const int> slots, ChannelKind kind)
{
    ClearChannelView(kind);
    auto& view = ChannelView(kind);
    const int count = m_db.GetChannelCount(kind);
    std::size_t n = 0;
    for (int slot : slots) {
        if (slot >= 0 && slot < count && n < std::size_t(ChannelCapacity(kind)))
            view[n++] = slot;
    }
}

int CChannelViews::GetChannelViewLength(ChannelKind kind) const
{
    const auto& view = ChannelView(kind);
    const auto end = std::find(view.begin(), view.end(), -1);
    return int(end - view.begin());
}

std::vector<int> CChannelViews::GetChannelViewSlots(ChannelKind kind) const
{
    const auto& view = ChannelView(kind);
    return std::vector<int>(view.begin(), std::find(view.begin(), view.end(), -1));
}

int CChannelViews::GetChannelViewEntry(int row, ChannelKind kind) const
{
    if (row < 0 || row > ChannelCapacity(kind))
        return -1;
    return ChannelView(kind)[std::size_t(row)];
}

// --- Favourite groups --------------------------------------------------------

void CChannelViews::ClearGroupView()
{
    m_groupView.fill(-1);
}

void CChannelViews::ShowGroupsInUse()
{
    SystemInfo info;
    m_db.GetSystemInfo(info);
    std::size_t n = 0;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        if (info.groupsInUse & GroupBit(g))
            m_groupView[n++] = g;
    }
}

int CChannelViews::GetGroupViewEntry(int i) const
{
    if (i < 0 || std::size_t(i) >= m_groupView.size())
        return -1;
    return m_groupView[std::size_t(i)];
}
