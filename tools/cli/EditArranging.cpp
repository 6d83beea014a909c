// Sorting a range of channels, and setting flags on many channels at once.
#include "ChannelDatabase.h"
#include "ChannelViews.h"
#include "EditOperations.h"

#include <algorithm>
#include <array>

namespace {

struct Named {
    const char* name;
    int value;
};

// The value `text` names among `choices`, or -1.
template <std::size_t N> int ValueNamed(const std::array<Named, N>& choices, const std::string& text)
{
    for (const Named& choice : choices) {
        if (text == choice.name)
            return choice.value;
    }
    return -1;
}

constexpr std::array<Named, 4> kSortKeys{{
    {"name", int(ChannelSortKey::Name)},
    {"frequency", int(ChannelSortKey::Frequency)},
    {"satellite", int(ChannelSortKey::Satellite)},
    {"fta", int(ChannelSortKey::FreeToAir)},
}};
constexpr std::array<Named, 2> kSwitches{{{"off", 0}, {"on", 1}}};
// Values are Entries::kAudio indexes.
constexpr std::array<Named, 3> kAudioChoices{{{"stereo", 0}, {"right", 1}, {"left", 2}}};

Outcome ParseSwitch(const std::string& flag, const std::string& text, std::optional<bool>& value)
{
    const int named = ValueNamed(kSwitches, text);
    if (named < 0)
        return UsageError(flag + " is on or off, not '" + text + "'");
    value = named == 1;
    return Succeeded();
}

// "none", or group slots, each of a group in use.
Outcome ParseGroups(const CChannelDatabase& db, const std::string& text, ChannelFlagChanges& changes)
{
    std::uint8_t members = 0;
    if (text != "none") {
        std::vector<int> slots;
        if (Outcome parsed = ParseIndexList(text, Image::kGroupCount, "group", slots);
            parsed.status != Exit::kOk)
            return parsed;
        SystemInfo info;
        db.GetSystemInfo(info);
        for (int slot : slots) {
            if (!(info.groupsInUse & GroupBit(slot)))
                return UsageError("group " + std::to_string(slot) + " is not in use");
            members |= GroupBit(slot);
        }
    }
    changes.joinGroups = members;
    changes.leaveGroups = std::uint8_t(~members);
    return Succeeded();
}

Outcome ParseFlag(const CChannelDatabase& db, const std::string& assignment, ChannelFlagChanges& changes)
{
    const std::size_t equals = assignment.find('=');
    const std::string flag = assignment.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : assignment.substr(equals + 1);
    if (flag == "lock" && !changes.lock)
        return ParseSwitch(flag, value, changes.lock);
    if (flag == "skip" && !changes.skip)
        return ParseSwitch(flag, value, changes.skip);
    if (flag == "audio" && !changes.audio) {
        const int audio = ValueNamed(kAudioChoices, value);
        if (audio < 0)
            return UsageError("audio is stereo, left or right, not '" + value + "'");
        changes.audio = audio;
        return Succeeded();
    }
    if (flag == "groups" && !changes.ChangesGroups())
        return ParseGroups(db, value, changes);
    return UsageError("'" + assignment + "' is no flag or names one twice (lock=on|off, skip=on|off, " +
                      "audio=stereo|left|right, groups=G,G,...|none)");
}

}  // namespace

Outcome SortChannels(CChannelDatabase& db, Arguments args)
{
    ChannelKind kind = kTv;
    if (Outcome parsed = ParseChannelKind(args[0], kind); parsed.status != Exit::kOk)
        return parsed;
    const int key = ValueNamed(kSortKeys, args[1]);
    if (key < 0)
        return UsageError("'" + args[1] + "' is no sort key (name, frequency, satellite or fta)");
    bool descending = false;
    std::string satellite, transponder;
    for (std::size_t i = 2; i < args.size(); ++i) {
        std::string* range = args[i] == "--satellite"     ? &satellite
                             : args[i] == "--transponder" ? &transponder
                                                          : nullptr;
        if (args[i] == "--descending" && !descending) {
            descending = true;
        } else if (range && i + 1 < args.size() && satellite.empty() && transponder.empty()) {
            *range = args[++i];
        } else {
            return UsageError(
                "usage: sort-channels tv|radio KEY [--satellite S|--transponder T] [--descending]");
        }
    }
    CChannelViews views(db);
    if (Outcome shown = ShowChannelRange(db, views, kind, satellite, transponder); shown.status != Exit::kOk)
        return shown;
    db.SortChannels(views.GetChannelViewSlots(kind), ChannelSortKey(key), descending, kind);
    return Succeeded();
}

Outcome SetFlags(CChannelDatabase& db, Arguments args)
{
    ChannelKind kind = kTv;
    if (Outcome parsed = ParseChannelKind(args[0], kind); parsed.status != Exit::kOk)
        return parsed;
    std::vector<int> list;
    if (Outcome parsed = ParseIndexList(args[1], db.GetChannelCount(kind), ChannelWord(kind), list);
        parsed.status != Exit::kOk)
        return parsed;
    ChannelFlagChanges changes;
    for (const std::string& assignment : args.subspan(2)) {
        if (Outcome parsed = ParseFlag(db, assignment, changes); parsed.status != Exit::kOk)
            return parsed;
    }
    db.SetChannelFlags(list, changes, kind);
    return Succeeded();
}
