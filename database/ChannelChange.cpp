#include "ChannelChange.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <cstring>

namespace ChannelRows {

int Arrange(const CChannelDatabase& db, ChannelKind kind, std::vector<Placed> placed, ChannelChange& change)
{
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.position < b.position; });
    const int count = db.GetChannelCount(kind);
    std::vector<bool> named(static_cast<std::size_t>(count));
    for (const Placed& p : placed) {
        if (p.source >= 0)
            named[std::size_t(p.source)] = true;
    }
    auto& channels = change.channels[KindIndex(kind)];
    auto& bouquets = change.bouquets[KindIndex(kind)];
    channels.clear();
    bouquets.clear();
    int moved = 0;
    for (const Placed& p : placed) {
        moved += p.source >= 0 && p.source != int(channels.size()) ? 1 : 0;
        channels.push_back(p.record);
        bouquets.push_back(p.bouquet);
    }
    for (int slot = 0; slot < count; ++slot) {
        if (named[std::size_t(slot)])
            continue;
        channels.emplace_back();
        bouquets.emplace_back();
        db.GetChannel(channels.back(), slot, kind);
        db.GetBouquetEntry(bouquets.back(), slot, kind);
    }
    return moved;
}

void NoteWhetherChanged(const CChannelDatabase& db, ChannelChange& change)
{
    change.changed = !change.newGroups.empty();
    for (ChannelKind kind : kChannelKinds) {
        const auto& channels = change.channels[KindIndex(kind)];
        const auto& bouquets = change.bouquets[KindIndex(kind)];
        if (int(channels.size()) != db.GetChannelCount(kind)) {
            change.changed = true;
            continue;
        }
        for (std::size_t i = 0; i < channels.size() && !change.changed; ++i) {
            ChannelRecord channel;
            BouquetEntry bouquet;
            db.GetChannel(channel, int(i), kind);
            db.GetBouquetEntry(bouquet, int(i), kind);
            change.changed = std::memcmp(&channel, &channels[i], sizeof channel) != 0 ||
                             std::memcmp(&bouquet, &bouquets[i], sizeof bouquet) != 0;
        }
    }
}

void ApplyChannelChange(CChannelDatabase& db, const ChannelChange& change)
{
    if (!change.changed)
        return;
    WriteChannelChange(db, change);
    db.SettleListContext();
}

void WriteChannelChange(CChannelDatabase& db, const ChannelChange& change)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    for (const auto& [slot, name] : change.newGroups) {
        FavoriteGroupRecord group{};
        std::memcpy(group.name, name.data(), std::min(name.size(), sizeof group.name - 1));
        db.SetGroup(group, slot);
        info.groupsInUse |= GroupBit(slot);
    }
    db.SetSystemInfo(info);

    ChannelRecord empty;
    CChannelDatabase::MakeEmptyChannel(empty);
    for (ChannelKind kind : kChannelKinds) {
        const auto& channels = change.channels[KindIndex(kind)];
        const int count = int(channels.size());
        const int before = db.GetChannelCount(kind);
        for (int i = 0; i < count; ++i) {
            db.SetChannel(channels[std::size_t(i)], i, kind);
            db.SetBouquetEntry(change.bouquets[KindIndex(kind)][std::size_t(i)], i, kind);
        }
        for (int i = count; i < before; ++i) {
            db.SetChannel(empty, i, kind);
            db.SetBouquetEntry(BouquetEntry{}, i, kind);
        }
        // Added channels are written over the end record; the slot after the
        // last one must end the table.
        ChannelRecord next;
        db.GetChannel(next, count, kind);
        if (count < ChannelCapacity(kind) && next.transponderIndex != Image::kChannelEnd)
            db.SetChannel(empty, count, kind);
    }
}

}  // namespace ChannelRows
