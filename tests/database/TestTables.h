// Small, readable databases for the tests: satellites "S0", "S1", ...,
// transponders whose frequency is 1000 kHz times one more than their index
// when they are made, channels named and bouquet-named after their slot.
#pragma once

#include "ChannelDatabase.h"
#include "ChannelViews.h"

#include <string>
#include <vector>

struct TableLayout {
    int satellites = 0;
    std::vector<int> transponderSatellites;  // per transponder, its satellite
    std::vector<int> tvTransponders;  // per TV channel, its transponder
    std::vector<int> radioTransponders;  // per radio channel, its transponder
};

// One satellite with one transponder carrying `tv` TV channels.
TableLayout ChannelsOnOneTransponder(int tv);

// Replaces the database's content by a blank image holding these tables.
void BuildTables(CChannelDatabase& db, const TableLayout& layout);

// "TV3", "R0": the name a channel was made with; its bouquet is "B" + name.
std::string MadeName(int slot, ChannelKind kind);
std::string MadeBouquet(const std::string& channelName);

std::string ChannelName(const CChannelDatabase& db, int slot, ChannelKind kind);
std::string BouquetName(const CChannelDatabase& db, int slot, ChannelKind kind);
std::vector<std::string> ChannelNames(const CChannelDatabase& db, ChannelKind kind);
std::vector<int> TransponderIndexes(const CChannelDatabase& db, ChannelKind kind);
std::vector<int> SatelliteIndexes(const CChannelDatabase& db);
// The transponders the transponder view lists, in its order.
std::vector<int> TransponderViewRows(const CChannelViews& views);

// The whole large image the tables make now.
std::vector<std::uint8_t> ImageBytes(CChannelDatabase& db);
