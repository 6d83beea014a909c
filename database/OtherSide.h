// The other side of a comparison: another image, or a channel list, which
// holds channels only. It keeps copies of what it was made from, so it can be
// compared with our image and taken from after its source is gone.
#pragma once

#include "ChannelRows.h"
#include "ImageFormat.h"

#include <array>
#include <span>
#include <string>
#include <vector>

class CChannelDatabase;

namespace Diff {

struct OtherSatellite {
    std::string name;  // its bytes; a list's may fill the whole field
    SatelliteRecord record;  // a list's: what Satellite Add makes of the name
};

struct OtherTransponder {
    int satellite;  // in OtherSide::satellites; -1 when it has none
    TransponderRecord record;  // a list's: its row's frequency, symbol rate and polarization
};

struct OtherChannel {
    ChannelRows::Row row;  // as the lists show it; position counts from 1
    int transponder;  // in OtherSide::transponders; -1 when it has none
    ChannelRecord record;  // a list's: what an import adds for the row, with its video PID
    BouquetEntry bouquet;
};

struct OtherSide {
    // A channel list names no satellite or transponder settings, group slots
    // or system settings; those are not compared.
    bool channelsOnly = false;
    std::vector<OtherSatellite> satellites;
    std::vector<OtherTransponder> transponders;
    // Each list in its order: an image's by slot, a channel list's by its
    // rows' positions (rows of one position in their order).
    std::array<std::vector<OtherChannel>, 2> channels;
    std::array<std::string, Image::kGroupCount> groups;  // empty: a free slot
    SystemInfo system{};
};

OtherSide FromImage(const CChannelDatabase& db);
// A list's satellites are its satellite names and its transponders the
// satellite, frequency and polarization of its rows, each the first time a
// row names it (the symbol rate is that row's).
OtherSide FromRows(std::span<const ChannelRows::Row> rows);

}  // namespace Diff
