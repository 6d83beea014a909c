// The favourite groups of an image by name, as the rows of a list name them.
#pragma once

#include "ImageFormat.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CChannelDatabase;

namespace ChannelRows {

// The name of each group slot; empty for a free slot.
std::array<std::string, Image::kGroupCount> GroupNames(const CChannelDatabase& db);

class FavoriteGroups {
public:
    explicit FavoriteGroups(const CChannelDatabase& db);
    // The groups of these names, slot by slot; an empty name is a free slot.
    explicit FavoriteGroups(const std::array<std::string, Image::kGroupCount>& names);

    // The names in a groups cell. A group's name is taken whole even when it
    // holds a '|'; any other name ends at the next '|'.
    std::vector<std::string> Split(const std::string& cell) const;
    // The bits of the groups of that name.
    std::uint8_t Named(const std::string& name) const;
    // Gives the first group without a name this one; -1 when all have one.
    int Create(const std::string& name);

    // The favourite mask of a channel that had `old` and whose row names
    // `names`, all of existing groups. The bits of unnamed groups stay. Of
    // several groups of one name, the channel keeps the ones it is in when
    // it is in as many as the row names, else it takes the first ones.
    std::uint8_t Mask(const std::vector<std::string>& names, std::uint8_t old) const;

private:
    std::array<std::string, Image::kGroupCount> m_names;
    std::uint8_t m_named = 0;
};

}  // namespace ChannelRows
