// Which channel of an image a row of a list names.
#pragma once

#include "ChannelRows.h"

#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class CChannelDatabase;

namespace ChannelRows {

// For every row, the slot of the channel of its list that it names, or -1.
// A channel is named by one row at most. The rows first take, in their
// order, the channels with their satellite name, frequency, polarization and
// PIDs, the earliest slot first; the rows left then take the channels of
// their name on their transponder (satellite name, frequency, polarization),
// for a channel whose PIDs changed.
std::vector<int> MatchRows(const CChannelDatabase& db, std::span<const Row> rows);
// The same against the rows of the channels (every TV channel, then every
// radio channel, as ExportRows gives them). With `anyTransponder`, the rows
// left last take the channels of their name and PIDs on any transponder, for
// a channel that moved to another one.
std::vector<int> MatchRows(std::span<const Row> channels, std::span<const Row> rows, bool anyTransponder);

// The first transponder (in table order) with a row's satellite name,
// frequency and polarization.
class TransponderFinder {
public:
    explicit TransponderFinder(const CChannelDatabase& db);
    // -1 when there is none, or when the row names no transponder.
    int Find(const Row& row) const;

private:
    std::unordered_map<std::string, int> m_first;
};

}  // namespace ChannelRows
