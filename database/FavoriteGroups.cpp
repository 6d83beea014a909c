#include "FavoriteGroups.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <bit>

namespace ChannelRows {

std::array<std::string, Image::kGroupCount> GroupNames(const CChannelDatabase& db)
{
    std::array<std::string, Image::kGroupCount> names;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        names[std::size_t(g)].assign(group.name, FieldTextLength(group.name));
    }
    return names;
}

FavoriteGroups::FavoriteGroups(const CChannelDatabase& db) : FavoriteGroups(GroupNames(db))
{
}

FavoriteGroups::FavoriteGroups(const std::array<std::string, Image::kGroupCount>& names) : m_names(names)
{
    for (int g = 0; g < Image::kGroupCount; ++g) {
        if (!m_names[std::size_t(g)].empty())
            m_named |= GroupBit(g);
    }
}

std::vector<std::string> FavoriteGroups::Split(const std::string& cell) const
{
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < cell.size() || (at == cell.size() && !names.empty())) {
        std::size_t length = std::string::npos;
        for (const std::string& name : m_names) {
            const std::size_t end = at + name.size();
            if (!name.empty() && cell.compare(at, name.size(), name) == 0 &&
                (end == cell.size() || cell[end] == '|') &&
                (length == std::string::npos || name.size() > length))
                length = name.size();
        }
        if (length == std::string::npos)
            length = std::min(cell.find('|', at), cell.size()) - at;
        names.push_back(cell.substr(at, length));
        at += length + 1;
    }
    return names;
}

std::uint8_t FavoriteGroups::Named(const std::string& name) const
{
    std::uint8_t bits = 0;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        if (!name.empty() && m_names[std::size_t(g)] == name)
            bits |= GroupBit(g);
    }
    return bits;
}

int FavoriteGroups::Create(const std::string& name)
{
    for (int g = 0; g < Image::kGroupCount; ++g) {
        if (m_names[std::size_t(g)].empty()) {
            m_names[std::size_t(g)] = name;
            m_named |= GroupBit(g);
            return g;
        }
    }
    return -1;
}

std::uint8_t FavoriteGroups::Mask(const std::vector<std::string>& names, std::uint8_t old) const
{
    std::uint8_t mask = old & std::uint8_t(~m_named);
    std::vector<std::string> distinct = names;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (const std::string& name : distinct) {
        const std::uint8_t groups = Named(name);
        const int wanted = std::min(int(std::count(names.begin(), names.end(), name)), std::popcount(groups));
        if (std::popcount(std::uint8_t(old & groups)) == wanted) {
            mask |= old & groups;
            continue;
        }
        int taken = 0;
        for (int g = 0; g < Image::kGroupCount && taken < wanted; ++g) {
            if (groups & GroupBit(g)) {
                mask |= GroupBit(g);
                ++taken;
            }
        }
    }
    return mask;
}

}  // namespace ChannelRows
