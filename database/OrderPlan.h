// Applying the order of a reference list: each channel a reference row names
// (ChannelRows::MatchRows) takes the row's place, favourite groups, lock and
// skip; the channels no row names follow in their order.
#pragma once

#include "ChannelChange.h"
#include "ChannelRows.h"
#include "ImportPlan.h"
#include "PlaceholderText.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

class CChannelDatabase;

namespace ChannelRows {

struct OrderReport {
    int matched = 0;
    int moved = 0;  // matched channels that leave their slot
    std::vector<std::string> createdGroups;
    std::vector<std::string> groupsWithoutSlot;  // their memberships are left out
    std::vector<UnmatchedRow> unmatchedRows;  // reference rows that name no channel
    std::vector<PlaceholderText> unmatchedChannels;  // "tv '%1'" with the name: channels no row names

    // The counts, each followed by a line per name or row.
    std::vector<std::string> Lines() const;
};

struct OrderPlan {
    ChannelChange change;
    OrderReport report;
};

// Groups are matched by name; a name the image lacks is created in a free
// group slot. Refused, with the row's line: a group name to create that the
// receiver cannot store with its NUL.
std::optional<Refusal> PlanOrder(const CChannelDatabase& db, std::span<const Row> reference, OrderPlan& plan);

}  // namespace ChannelRows
