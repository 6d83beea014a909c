#include "CellText.h"

#include "ChannelDatabase.h"
#include "EntryLists.h"

#include <cstdio>
#include <cstring>

namespace Cells {

namespace {

template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, FieldTextLength(field));
}

const char* OnOff(bool on)
{
    return on ? kOn : kOff;
}

}  // namespace

const std::vector<Column>& ChannelColumns(ChannelKind kind)
{
    static const std::vector<Column> tv{
        {"No", Align::Center, 30, Content::Data},       {"Name", Align::Left, 120, Content::Data},
        {"Scramble", Align::Left, 90, Content::Words},  {"Bouquet", Align::Left, 140, Content::Data},
        {"Favorite", Align::Left, 90, Content::Groups}, {"Audio", Align::Left, 70, Content::Words},
        {"V-PID", Align::Center, 60, Content::Data},    {"A-PID", Align::Center, 60, Content::Data},
        {"P-PID", Align::Center, 60, Content::Data},    {"Lock", Align::Center, 45, Content::OnOff},
        {"Skip", Align::Center, 45, Content::OnOff},
    };
    static const std::vector<Column> radio = [] {
        std::vector<Column> columns = tv;
        columns.erase(columns.begin() + 6);
        return columns;
    }();
    return kind == kRadio ? radio : tv;
}

std::string SatelliteText(const SatelliteRecord& satellite)
{
    return FieldText(satellite.name);
}

std::string TransponderText(const TransponderRecord& transponder)
{
    char text[32];
    std::snprintf(text, sizeof text, "%-5u %-5u (%c)", unsigned(transponder.frequency / 1000),
                  unsigned(transponder.symbolRate), transponder.polarization != 0 ? 'H' : 'V');
    return text;
}

std::string ScrambleText(const ChannelRecord& channel)
{
    if (!(channel.flags & ChannelFlag::kScrambled))
        return kFreeToAir;
    const int entry = Entries::CaSystemIndexOf(channel.caSystemId);
    if (entry == Entries::kCaStandard)
        return kCaStandard;
    if (entry == Entries::kCaReserved)
        return kCaReserved;
    return entry < 0 ? std::string() : Entries::kCaSystems[std::size_t(entry)].name;
}

std::string AudioText(const ChannelRecord& channel)
{
    if (channel.flags & ChannelFlag::kAudioLeft)
        return kAudioLeft;
    if (channel.flags & ChannelFlag::kAudioRight)
        return kAudioRight;
    if ((channel.flags & ChannelFlag::kAudioBits) == 0)
        return kAudioStereo;
    return {};
}

std::string FavoriteText(const CChannelDatabase& db, std::uint8_t favoriteMask)
{
    if (favoriteMask == 0)
        return kNoGroup;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        if (!(favoriteMask & GroupBit(slot)))
            continue;
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        std::string text = FieldText(group.name);
        const std::uint8_t later = std::uint8_t(GroupBit(slot) - 1);
        if (favoriteMask & later)
            text += "...";
        return text;
    }
    return {};
}

std::string BouquetText(const CChannelDatabase& db, int slot, ChannelKind kind)
{
    // All 20 bytes may be text: an uploaded image keeps its bouquet table.
    if (slot < 0 || slot >= ChannelCapacity(kind))
        return {};
    const std::size_t part = kind == kRadio ? Image::kRadioBouquetStart : 0;
    BouquetEntry entry;
    std::memcpy(&entry, db.GetBouquetTable() + part + std::size_t(slot) * sizeof entry, sizeof entry);
    return FieldText(entry.text);
}

std::vector<std::string> ChannelRow(const CChannelDatabase& db, int row, int slot, ChannelKind kind)
{
    ChannelRecord channel;
    db.GetChannel(channel, slot, kind);
    std::vector<std::string> cells;
    cells.reserve(11);
    cells.push_back(std::to_string(row + 1));
    cells.push_back(FieldText(channel.name));
    cells.push_back(ScrambleText(channel));
    cells.push_back(BouquetText(db, slot, kind));
    cells.push_back(FavoriteText(db, channel.favoriteMask));
    cells.push_back(AudioText(channel));
    if (kind == kTv)
        cells.push_back(std::to_string(channel.videoPid));
    cells.push_back(std::to_string(channel.audioPid));
    cells.push_back(std::to_string(channel.pcrPid));
    cells.push_back(OnOff(channel.flags & ChannelFlag::kLocked));
    cells.push_back(OnOff(channel.flags & ChannelFlag::kSkipped));
    return cells;
}

}  // namespace Cells
