// Taking differences from the other side: what they do to our image is
// planned without changing it, so a refusal is known first, and then applied
// as one change (the editor runs ApplyTake inside one undo step).
//
// An added channel is copied with its transponder and satellite, which are
// created when ours lack them, as Add creates them; a removed record is
// deleted with what depends on it, as Delete does; a moved channel goes after
// the channel it follows on the other side that stays where it is (or to the
// front); renamed, retuned and changed fields, group names and system
// settings are set. A group that gets or loses its name starts without
// channels. Taking every difference makes the comparison of the result with
// the other side empty.
#pragma once

#include "ChannelChange.h"
#include "Comparison.h"
#include "PlaceholderText.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CChannelDatabase;

namespace Diff {

struct TakePlan {
    // A whole new table, when the take changes it.
    std::optional<std::vector<SatelliteRecord>> satellites;
    std::optional<std::vector<TransponderRecord>> transponders;
    ChannelRows::ChannelChange channels;
    std::array<std::optional<std::string>, Image::kGroupCount> groupNames;  // new names
    std::optional<std::uint8_t> menuLanguage, displayColor, textColor;

    bool Empty() const;
};

// Plans taking the differences `chosen` (indexes into comparison.differences;
// others are ignored). The comparison must have been made of `ours` as it is
// and of `theirs`: of any other, nothing is taken. Refused,
// with the system's message and nothing planned: a table that would hold more
// than the receiver's limit, a name the receiver cannot store with its NUL,
// and a channel or transponder to add whose transponder or satellite the
// other side does not have.
std::optional<PlaceholderText> PlanTake(const CChannelDatabase& ours, const OtherSide& theirs,
                                        const Comparison& comparison, std::span<const std::size_t> chosen,
                                        TakePlan& plan);

// Changes the tables as planned and runs the upkeep when channels, groups,
// transponders or satellites changed.
void ApplyTake(CChannelDatabase& ours, const TakePlan& plan);

// Every difference of the comparison: Take All.
std::vector<std::size_t> Everything(const Comparison& comparison);

}  // namespace Diff
