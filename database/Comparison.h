// What differs between our image and the other side (OtherSide.h), table by
// table, as differences a person can take one by one (TakePlan.h).
//
// Satellites are matched by name (without leading and trailing blanks, A-Z
// taken as a-z); transponders by their satellite's match, frequency and
// polarization; channels of each list as an import matches its rows (on the
// matched transponder by PIDs, then by name), then by name and PIDs on any
// transponder; favourite groups slot by slot; the system settings field by
// field. Records that share a key are matched in table order.
#pragma once

#include "OtherSide.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class CChannelDatabase;

namespace Diff {

enum class Table { Satellites, Transponders, Tv, Radio, Groups, System };
enum class Change { Added, Removed, Moved, Renamed, Retuned, Changed };

// A value as the lists, the dialogs and the channel list files show it: a
// number, or a text (the receiver's bytes for names, else the lists' words
// such as "ON", "STEREO" or "13V").
using Value = std::variant<std::int64_t, std::string>;

struct Field {
    const char* name;  // "lnbHigh", "symbol_rate", "lock", "menuLanguage", ...
    Value ours;
    Value theirs;
};

// A transponder as the lists name it; for a channel, its transponder's.
struct Place {
    bool onTransponder = false;  // false: a channel without a transponder
    std::string satellite;  // empty when the transponder has no satellite
    std::uint32_t frequencyKhz = 0;
    bool horizontal = false;
    std::uint16_t symbolRate = 0;
};

struct Difference {
    Table table = Table::System;
    Change change = Change::Changed;
    // The record on each side: the satellite or transponder index, the
    // channel's place in its list (from 0), the group slot; -1 on the side
    // that lacks it, and on both for a system setting.
    int ours = -1;
    int theirs = -1;
    // The satellite's or channel's name, ours unless only the other side has
    // it; a group's name in our slot.
    std::string name;
    std::string otherName;  // renamed channels and groups: the other side's
    Place place;  // transponders and channels, ours unless only the other side has it
    Place otherPlace;  // retuned channels: the transponder on the other side
    std::vector<Field> fields;  // changed records; one for a system setting
};

struct Comparison {
    // By table, then by change in the order of Change, then by place in our
    // table (by place in theirs for additions).
    std::vector<Difference> differences;

    bool Same() const { return differences.empty(); }

    // Who is whom: for every satellite, transponder and channel (in list
    // order) of the other side, its match in our image, or -1.
    std::vector<int> satellites;
    std::vector<int> transponders;
    std::array<std::vector<int>, 2> channels;
};

Comparison Compare(const CChannelDatabase& ours, const OtherSide& theirs);

}  // namespace Diff
