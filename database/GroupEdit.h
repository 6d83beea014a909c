// What Favorite Group Edit changes, as one change the editor applies: every
// group record, the groups in use, and every channel's membership byte.
#pragma once

#include "ImageFormat.h"

#include <array>
#include <cstdint>
#include <vector>

class CChannelDatabase;

struct FavoriteGroupEdit {
    std::array<FavoriteGroupRecord, Image::kGroupCount> groups{};
    std::uint8_t inUse = 0;
    // One byte per channel of the table, in slot order.
    std::vector<std::uint8_t> tvMasks;
    std::vector<std::uint8_t> radioMasks;
};

// The membership bytes of the channels of `kind`, in slot order.
std::vector<std::uint8_t> FavoriteMasks(const CChannelDatabase& db, ChannelKind kind);

// Writes the edit into the database; the recount of the groups is the
// caller's.
void ApplyFavoriteGroupEdit(CChannelDatabase& db, const FavoriteGroupEdit& edit);
