// The databases the tests build, and the readers they check them with. Every
// builder but the random one makes the same bytes every time, so tests may
// compare whole images.
#pragma once

#include "ChannelDatabase.h"
#include "ChannelViews.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Records made as the Add dialogs make them, from their defaults; a channel
// then gets the flags, CA id and group mask that the dialog would not set.
void AddSatellite(CChannelDatabase& db, const char* name);
void AddTransponder(CChannelDatabase& db, int sat, std::uint32_t mhz, std::uint32_t symbolRate, int pol);
void AddChannel(CChannelDatabase& db, ChannelKind kind, int tp, const char* name, std::uint8_t flags = 0,
                std::uint16_t caId = 0xFFFF, std::uint8_t mask = 0);

// Satellite "Astra" with transponders 0 (11778 MHz) and 1 (12000 MHz).
void AddSatelliteWithTwoTransponders(CChannelDatabase& db);

// Names group slot `slot` and marks it in use.
void AddGroup(CChannelDatabase& db, int slot, const char* name);
// The favourite mask of one channel.
std::uint8_t MaskOf(const CChannelDatabase& db, int index, ChannelKind kind);
void SetMask(CChannelDatabase& db, int index, ChannelKind kind, std::uint8_t mask);

// Satellites "Astra 19.2E" (transponders 0 and 2) and "Hotbird 13E"
// (transponder 1); TV channels 0, 3, 4 on transponder 0, 1 on 1, 2 on 2;
// one radio channel on transponder 1; groups "News", "Sport", "Kids" in
// slots 0, 2 and 7. Added to what the database holds.
void BuildKnownImage(CChannelDatabase& db);

// Every table empty, system block marked, no group in use.
void MakeEmptyTables(CChannelDatabase& db);

// Empties the tables, then: satellites "SAT_1"...; transponder t on satellite
// t % satellites with frequency 10700 + t MHz; channel i of a kind on
// transponder i % transponders, named "TV i" or "R i", bouquet "B i", every
// third one scrambled (Irdeto).
void FillSample(CChannelDatabase& db, int satellites, int transponders, int tv, int radio);

// Small, readable tables: satellites "S0", "S1", ..., transponders whose
// frequency is 1000 kHz times one more than their index when they are made,
// channels named and bouquet-named after their slot.
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

struct RandomSizes {
    int satellites;
    int transponders;
    int tv;
    int radio;
};

// Table sizes, mostly small, now and then at or near a table's limit.
RandomSizes RandomTableSizes(std::mt19937& rng);

// Replaces the database's content by a valid image of these sizes (a table
// without parents is left empty) with random records, bouquet names, groups
// and system settings: every invariant holds, every other byte is random.
void FillRandomDatabase(CChannelDatabase& db, std::mt19937& rng, const RandomSizes& sizes);

std::string ChannelName(const CChannelDatabase& db, int slot, ChannelKind kind);
std::string BouquetName(const CChannelDatabase& db, int slot, ChannelKind kind);
std::vector<std::string> ChannelNames(const CChannelDatabase& db, ChannelKind kind);
std::vector<int> TransponderIndexes(const CChannelDatabase& db, ChannelKind kind);
std::vector<int> SatelliteIndexes(const CChannelDatabase& db);
// The transponders the transponder view lists, in its order.
std::vector<int> TransponderViewRows(const CChannelViews& views);

// The whole large image the tables make now.
std::vector<std::uint8_t> ImageBytes(CChannelDatabase& db);
