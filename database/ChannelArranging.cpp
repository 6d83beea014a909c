// Sorting a range of channels, and setting flags on many channels at once.
#include "ChannelDatabase.h"
#include "RecordRules.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>

namespace {

// The slots of existing channels among `slots`, ascending, each once.
std::vector<int> ExistingSlots(std::span<const int> slots, int count)
{
    std::vector<int> places;
    places.reserve(slots.size());
    for (int slot : slots) {
        if (slot >= 0 && slot < count)
            places.push_back(slot);
    }
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}

// One channel's sort key: a number, then the upper-cased name. A key that
// does not order by name leaves the name empty, and the other way round.
struct SortKey {
    std::uint64_t number = 0;
    std::array<unsigned char, sizeof ChannelRecord::name> name{};

    bool operator<(const SortKey& other) const
    {
        return std::tie(number, name) < std::tie(other.number, other.name);
    }
};

std::uint64_t FrequencyKey(const TransponderRecord& transponder)
{
    return std::uint64_t(transponder.frequency) << 1 | (transponder.polarization != 0 ? 1u : 0u);
}

SortKey KeyOf(const CChannelDatabase& db, const ChannelRecord& channel, ChannelSortKey key)
{
    SortKey result;
    switch (key) {
    case ChannelSortKey::Name:
        for (std::size_t i = 0; i < FieldTextLength(channel.name); ++i)
            result.name[i] = UpperAZ(static_cast<unsigned char>(channel.name[i]));
        break;
    case ChannelSortKey::FreeToAir: result.number = (channel.flags & ChannelFlag::kScrambled) ? 1 : 0; break;
    case ChannelSortKey::Frequency:
    case ChannelSortKey::Satellite: {
        TransponderRecord transponder;
        db.GetTransponder(transponder, channel.transponderIndex);
        result.number = FrequencyKey(transponder);
        if (key == ChannelSortKey::Satellite)
            result.number |= std::uint64_t(transponder.satelliteIndex) << 33;
        break;
    }
    }
    return result;
}

}  // namespace

void CChannelDatabase::SortChannels(std::span<const int> slots, ChannelSortKey key, bool descending,
                                    ChannelKind kind)
{
    const std::vector<int> places = ExistingSlots(slots, GetChannelCount(kind));
    const std::size_t n = places.size();
    std::vector<ChannelRecord> records(n);
    std::vector<BouquetEntry> bouquets(n);
    std::vector<SortKey> keys(n);
    std::vector<std::size_t> order(n);
    for (std::size_t k = 0; k < n; ++k) {
        GetChannel(records[k], places[k], kind);
        std::memcpy(&bouquets[k], BouquetEntryAt(places[k], kind), sizeof(BouquetEntry));
        keys[k] = KeyOf(*this, records[k], key);
        order[k] = k;
    }
    // Descending compares the other way round rather than reversing the
    // result, so equal keys keep their order in both directions.
    std::stable_sort(order.begin(), order.end(), [&keys, descending](std::size_t a, std::size_t b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
    for (std::size_t k = 0; k < n; ++k) {
        SetChannel(records[order[k]], places[k], kind);
        std::memcpy(BouquetEntryAt(places[k], kind), &bouquets[order[k]], sizeof(BouquetEntry));
    }
}

void CChannelDatabase::SetChannelFlags(std::span<const int> slots, const ChannelFlagChanges& changes,
                                       ChannelKind kind)
{
    for (int slot : ExistingSlots(slots, GetChannelCount(kind))) {
        ChannelRecord channel;
        GetChannel(channel, slot, kind);
        if (changes.lock)
            channel.flags = Rules::SwitchedFlag(channel.flags, ChannelFlag::kLocked, *changes.lock);
        if (changes.skip)
            channel.flags = Rules::SwitchedFlag(channel.flags, ChannelFlag::kSkipped, *changes.skip);
        if (changes.audio)
            channel.flags = Rules::WithAudio(channel.flags, *changes.audio);
        channel.favoriteMask =
            std::uint8_t((channel.favoriteMask | changes.joinGroups) & ~changes.leaveGroups);
        SetChannel(channel, slot, kind);
    }
    if (changes.ChangesGroups()) {
        RecountGroups();
        UpdateListContext();
    }
}
