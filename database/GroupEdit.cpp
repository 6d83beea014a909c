#include "GroupEdit.h"

#include "ChannelDatabase.h"

namespace {

void WriteMasks(CChannelDatabase& db, const std::vector<std::uint8_t>& masks, ChannelKind kind)
{
    ChannelRecord channel;
    for (std::size_t i = 0; i < masks.size(); ++i) {
        db.GetChannel(channel, int(i), kind);
        channel.favoriteMask = masks[i];
        db.SetChannel(channel, int(i), kind);
    }
}

}  // namespace

std::vector<std::uint8_t> FavoriteMasks(const CChannelDatabase& db, ChannelKind kind)
{
    std::vector<std::uint8_t> masks(std::size_t(db.GetChannelCount(kind)));
    ChannelRecord channel;
    for (std::size_t i = 0; i < masks.size(); ++i) {
        db.GetChannel(channel, int(i), kind);
        masks[i] = channel.favoriteMask;
    }
    return masks;
}

void ApplyFavoriteGroupEdit(CChannelDatabase& db, const FavoriteGroupEdit& edit)
{
    WriteMasks(db, edit.tvMasks, kTv);
    WriteMasks(db, edit.radioMasks, kRadio);
    SystemInfo info;
    db.GetSystemInfo(info);
    info.groupsInUse = edit.inUse;
    db.SetSystemInfo(info);
    for (int slot = 0; slot < Image::kGroupCount; ++slot)
        db.SetGroup(edit.groups[std::size_t(slot)], slot);
}
