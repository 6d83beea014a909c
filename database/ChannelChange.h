// What one import or one applied order does to an image: computed from the
// image without changing it, then applied as one step.
#pragma once

#include "ImageFormat.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CChannelDatabase;

namespace ChannelRows {

struct ChannelChange {
    // Every channel of each table in its new order: whole slots, and the
    // bouquet entries that go with them.
    std::array<std::vector<ChannelRecord>, 2> channels;
    std::array<std::vector<BouquetEntry>, 2> bouquets;
    // Favourite groups to create: slot and name.
    std::vector<std::pair<int, std::string>> newGroups;
    // False when applying it would leave every byte as it is.
    bool changed = false;
};

// A channel's place in its new table.
struct Placed {
    std::uint32_t position;  // from its row; equal positions keep the rows' order
    int source;  // its slot now, -1 for a channel the change adds
    ChannelRecord record;
    BouquetEntry bouquet;
};

// Fills the change's table of `kind`: the placed channels by position, then
// every channel no placed one came from, in its order. Returns how many
// placed channels leave their slot.
int Arrange(const CChannelDatabase& db, ChannelKind kind, std::vector<Placed> placed, ChannelChange& change);

// Sets `changed` by comparing the change with the image.
void NoteWhetherChanged(const CChannelDatabase& db, ChannelChange& change);

// Writes the tables and creates the groups, then runs the upkeep, as every
// change of channels does. A change that changes nothing is not applied.
void ApplyChannelChange(CChannelDatabase& db, const ChannelChange& change);
// The same without the upkeep, for a caller that changes more before it. A
// table that gets shorter is closed as a deletion closes it.
void WriteChannelChange(CChannelDatabase& db, const ChannelChange& change);

}  // namespace ChannelRows
