// What the check and the repair share: how records are named in findings,
// and which channels are duplicates or members of groups that do not exist.
#pragma once

#include "ImageCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CChannelDatabase;

namespace ImageCheck::Detail {

// Whether the n bytes at p (a record, at most 64 bytes) all hold the value.
bool AllBytes(const void* p, std::size_t n, std::uint8_t value);

// Text::kTvChannelRecord or Text::kRadioChannelRecord.
const char* ChannelTable(ChannelKind kind);
// `table` is a record constant of namespace Text.
PlaceholderText Record(const char* table, int index);

// Channels below the count whose transponder and PIDs an earlier channel of
// the same table already has: (later slot, earliest slot), ascending.
std::vector<std::pair<int, int>> LaterDuplicates(const CChannelDatabase& db, ChannelKind kind);

// The bits of the groups that have a name.
std::uint8_t NamedGroups(const CChannelDatabase& db);

// The figures the upkeep would compute differently, one finding per field.
void AddFigureFindings(const CChannelDatabase& db, std::vector<Finding>& findings);

}  // namespace ImageCheck::Detail
