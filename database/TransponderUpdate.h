// Updating the transponders of one of our satellites from a satellite of a
// public list: the plan, computed from the image without changing it, one
// row per transponder; then the rows a person chose, applied as one change.
//
// A transponder of ours matches the list's nearest transponder of the same
// polarization within 2 MHz, and each of either side matches at most once
// (the closest pairs first). Circular polarizations are stored as a circular
// LNB is driven: left as horizontal, right as vertical.
#pragma once

#include "ImageFormat.h"
#include "PlaceholderText.h"
#include "TransponderList.h"

#include <optional>
#include <string>
#include <vector>

class CChannelDatabase;

namespace TransponderUpdate {

enum class Outcome {
    Added,  // in the list, not ours: added as Transponder Add would
    Updated,  // ours, and its symbol rate (kS/s) or whole MHz differ: it takes the list's
    Unchanged,
    NotInList,  // ours, unmatched: kept, or deleted with its channels when chosen
    // In the list, but the receiver's record cannot carry it: DVB-S2 unless
    // asked for, or a symbol rate outside 1 to 65535 kS/s. Ours that it
    // matches is left as it is.
    Skipped,
};

struct Channel {
    ChannelKind kind = kTv;
    std::string name;  // the receiver's bytes
};

struct Row {
    Outcome outcome = Outcome::Unchanged;
    int ours = -1;  // our transponder's index, -1 for none
    int source = -1;  // the list transponder's index in its satellite, -1 for none
    TransponderRecord before{};  // ours now (all zero without ours)
    TransponderRecord after{};  // what the row makes of it, or adds
    std::vector<Channel> channels;  // a transponder not in the list: the channels it carries
    // Whether applying the plan adds, updates or deletes it; read for those
    // three outcomes only.
    bool chosen = false;
};

struct Options {
    bool removeMissing = false;  // "not in list" rows start chosen
    bool includeS2 = false;
};

// For a satellite the update creates first.
inline constexpr int kNewSatellite = -1;

struct Plan {
    int satellite = kNewSatellite;
    std::string newSatelliteName;  // the receiver's bytes, for kNewSatellite
    // Ordered by frequency, then horizontal first.
    std::vector<Row> rows;
};

// The plan for our satellite `satellite` (or kNewSatellite) against `source`.
// Added and updated rows start chosen, and "not in list" rows as the options
// say.
Plan MakePlan(const CChannelDatabase& db, int satellite, const TransponderList::Satellite& source,
              const Options& options);

// Why applying the chosen rows would be refused, or nothing: a new satellite
// when the satellite table is full, or more additions than the transponder
// table has room for after the chosen deletions.
std::optional<PlaceholderText> UpdateRefusal(const CChannelDatabase& db, const Plan& plan);
// Applies the chosen rows of a plan made from the image as it is: updates
// in place, deletes as Delete Transponder does (the channels with their
// transponder, then the upkeep), and adds in the rows' order. A refusal
// changes nothing, and so does a plan for a satellite that does not exist.
std::optional<PlaceholderText> Apply(CChannelDatabase& db, const Plan& plan);

struct Summary {
    int added = 0;  // chosen
    int updated = 0;  // chosen
    int unchanged = 0;
    int notInList = 0;  // all, kept or removed
    int removed = 0;  // chosen
    int skipped = 0;
    std::vector<Channel> removedChannels;
};
Summary Summarize(const Plan& plan);

// --- Choosing our satellite --------------------------------------------------------
// The name of a satellite made from the source: its name, then its position
// when the name does not give it, cut to 15 characters so that the position
// stays; Latin-1 bytes, '?' for a character beyond them.
std::string NewSatelliteName(const TransponderList::Satellite& source);
// Adds a satellite with that name and Satellite Add's defaults; its index,
// or -1 when the table is full.
int AddNewSatellite(CChannelDatabase& db, const std::string& name);
// The first of our satellites whose name gives the source's position, or -1.
int SatelliteAtPosition(const CChannelDatabase& db, const TransponderList::Satellite& source);

// --- Export ------------------------------------------------------------------------
// Our satellites whose names give their position, with their transponders in
// table order (circular ones cannot be told apart, so H and V); the names of
// the others go to `leftOut`, as UTF-8.
std::vector<TransponderList::Satellite> ExportSatellites(const CChannelDatabase& db,
                                                         std::vector<std::string>& leftOut);

}  // namespace TransponderUpdate
