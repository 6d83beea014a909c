// Importing a channel list: each row names a channel (ChannelRows::MatchRows)
// that takes the row's position, name, bouquet, flags and groups; the
// channels no row names follow in their order.
#pragma once

#include "ChannelChange.h"
#include "ChannelRows.h"
#include "RecordRules.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

class CChannelDatabase;

namespace ChannelRows {

struct UnmatchedRow {
    int line = 0;
    std::string text;  // the row's CSV record
    // Why an addition failed, a constant of namespace Text; empty when none was
    // asked for.
    std::string why;
};

struct ImportReport {
    int matched = 0;
    int moved = 0;  // matched channels that leave their slot
    int renamed = 0;
    int added = 0;
    std::vector<UnmatchedRow> unmatched;

    // "matched: N", "moved: N", "renamed: N", "unmatched: N" with a line for
    // each row, "added: N".
    std::vector<std::string> Lines() const;
};

struct ImportPlan {
    ChannelChange change;
    ImportReport report;
};

// What Channel Add is given for a row's channel: its name, bouquet, PIDs and
// flags (free to air and stereo where the row names none).
Rules::ChannelChoices AddedChannelChoices(const Row& row);

// With `addUnmatched`, a row that names no channel is added to its list when
// its transponder exists and the list has room. Refused, with the row's line:
// a group the image does not have, and a name or bouquet the receiver cannot
// store with its NUL (a name the channel already has may fill its field).
std::optional<Refusal> PlanImport(const CChannelDatabase& db, std::span<const Row> rows, bool addUnmatched,
                                  ImportPlan& plan);

}  // namespace ChannelRows
