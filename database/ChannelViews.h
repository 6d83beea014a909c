// The index lists behind the lists a person looks at: which transponders the
// transponder list shows, which slots each channel list shows and in which
// order, and which group slots are in use. The views read the database and
// never change it; whoever shows the lists owns them.
//
// A view lists record indexes up to its first -1.
#pragma once

#include "ImageFormat.h"

#include <array>
#include <span>
#include <vector>

class CChannelDatabase;

class CChannelViews {
public:
    // Every view starts empty. The database must outlive the views.
    explicit CChannelViews(const CChannelDatabase& db);

    // --- Transponders ------------------------------------------------------
    void ClearTransponderView();
    // Returns how many it shows.
    int ShowAllTransponders();
    void ShowTranspondersOf(int sat);
    int GetTransponderViewEntry(int row) const;
    int GetTransponderViewLength() const;

    // --- Channels ----------------------------------------------------------
    void ClearChannelView(ChannelKind kind);
    // Returns how many it shows.
    int ShowAllChannels(ChannelKind kind);
    void ShowChannelsOfTransponder(int tp, ChannelKind kind);
    // Shows exactly `slots`, in their order (a search's finds); slots past
    // the table's end are left out.
    void ShowChannelSlots(std::span<const int> slots, ChannelKind kind);
    void ShowChannelsOfSatellite(int sat, ChannelKind kind);
    int GetChannelViewLength(ChannelKind kind) const;
    int GetChannelViewEntry(int row, ChannelKind kind) const;
    // The view's entries before its first -1: the slots the list shows.
    std::vector<int> GetChannelViewSlots(ChannelKind kind) const;

    // --- Favourite groups --------------------------------------------------
    void ClearGroupView();
    // Writes the slots of the groups in use from the view's start; entries
    // after them keep what they held.
    void ShowGroupsInUse();
    int GetGroupViewEntry(int i) const;

private:
    using ChannelSlots = std::array<int, Image::kMaxTvChannels + 1>;
    ChannelSlots& ChannelView(ChannelKind kind);
    const ChannelSlots& ChannelView(ChannelKind kind) const;

    const CChannelDatabase& m_db;
    std::array<int, Image::kMaxTransponders + 1> m_transponderView;
    // Both channel views have the TV view's room so one accessor serves both;
    // the radio view only ever uses its first 1490 entries.
    ChannelSlots m_tvView;
    ChannelSlots m_radioView;
    std::array<int, Image::kGroupCount + 1> m_groupView;
};
