// Upkeep of the figures the receiver derives from the tables: per-satellite
// counts and positions, favourite group counts and the current list context.
//
// A channel whose transponder or satellite does not exist belongs to no
// satellite: it is counted in no satellite's figures.
#include "ChannelDatabase.h"

#include <array>
#include <cstring>

namespace {

constexpr int kModeSatellite = 0;
constexpr int kModeAll = 1;
constexpr int kModeGroup = 2;
constexpr int kModeNoChannels = 4;

}  // namespace

void CChannelDatabase::UpdateListContext()
{
    SystemInfo s;
    GetSystemInfo(s);
    const int tv = GetChannelCount(kTv);
    const int radio = GetChannelCount(kRadio);
    const int mode = tv + radio > 0 ? s.listMode : kModeNoChannels;

    s.totalTvCount = std::uint16_t(tv);
    s.totalRadioCount = std::uint16_t(radio);
    s.cleared52 = s.cleared54 = s.cleared6 = s.cleared8 = 0;
    SetSystemInfo(s);

    UpdateSatellitePositions();
    UpdateSatelliteCounts();
    RecountGroups();

    const int transponders = GetTransponderCount();
    const int satellites = GetSatelliteCount();
    auto channelsOn = [&](int sat, ChannelKind kind) {
        return ChannelsOnSatellite(sat, kind, transponders, satellites);
    };
    auto hasChannels = [&](int sat) { return channelsOn(sat, kTv) + channelsOn(sat, kRadio) > 0; };
    bool fixServiceType = true;
    switch (mode) {
    case kModeSatellite:
        if (!hasChannels(s.currentSatellite))
            s.currentSatellite = std::uint16_t(FirstChannelSatellite());
        s.listTvCount = std::uint16_t(channelsOn(s.currentSatellite, kTv));
        s.listRadioCount = std::uint16_t(channelsOn(s.currentSatellite, kRadio));
        break;
    case kModeAll:
        s.listTvCount = std::uint16_t(tv);
        s.listRadioCount = std::uint16_t(radio);
        if (!hasChannels(s.currentSatellite))
            s.currentSatellite = std::uint16_t(FirstChannelSatellite());
        fixServiceType = false;
        break;
    case kModeGroup: {
        if (!hasChannels(s.currentSatellite))
            s.currentSatellite = std::uint16_t(FirstChannelSatellite());
        const int groupTv = GetGroupChannelCount(s.currentGroup - 1, kTv);
        const int groupRadio = GetGroupChannelCount(s.currentGroup - 1, kRadio);
        if (groupTv + groupRadio > 0) {
            s.listTvCount = std::uint16_t(groupTv);
            s.listRadioCount = std::uint16_t(groupRadio);
            break;
        }
        bool found = false;
        for (int slot = 0; slot < Image::kGroupCount && !found; ++slot) {
            FavoriteGroupRecord group;
            GetGroup(group, slot);
            if (group.tvCount + group.radioCount > 0) {
                s.currentGroup = std::uint8_t(slot + 1);
                s.listTvCount = group.tvCount;
                s.listRadioCount = group.radioCount;
                found = true;
            }
        }
        if (!found) {
            s.listMode = kModeAll;
            s.listTvCount = std::uint16_t(tv);
            s.listRadioCount = std::uint16_t(radio);
            s.currentGroup = 0;
        }
        break;
    }
    default:
        s.currentSatellite = Image::kSatelliteEnd;
        s.listMode = kModeAll;
        s.currentGroup = 0;
        s.serviceType = 0;
        s.listTvCount = 0;
        s.listRadioCount = 0;
        fixServiceType = false;
        break;
    }
    if (fixServiceType) {
        if (s.serviceType == 0 && s.listTvCount == 0)
            s.serviceType = 1;
        if (s.serviceType == 1 && s.listRadioCount == 0)
            s.serviceType = 0;
    }
    // Restores every byte of the first 64 that the steps above changed,
    // groupsInUse among them, to this copy's value.
    SetSystemInfo(s);
}

void CChannelDatabase::SettleListContext()
{
    // A reset to "all channels" (from an unknown mode, or a group mode with
    // every group empty) settles in the second run; later runs change nothing.
    UpdateListContext();
    UpdateListContext();
}

void CChannelDatabase::RecountGroups()
{
    SystemInfo info;
    GetSystemInfo(info);
    FavoriteGroupRecord groups[Image::kGroupCount];
    info.groupsInUse = 0;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        GetGroup(groups[g], g);
        std::memset(groups[g].reserved0, 0, sizeof groups[g].reserved0);
        groups[g].tvCount = 0;
        groups[g].radioCount = 0;
        if (groups[g].name[0] != '\0')
            info.groupsInUse |= GroupBit(g);
    }
    for (ChannelKind kind : kChannelKinds) {
        const std::uint8_t* table = GetChannelTable(kind);
        const int count = GetChannelCount(kind);
        for (int i = 0; i < count; ++i) {
            const std::uint8_t mask =
                table[std::size_t(i) * sizeof(ChannelRecord) + offsetof(ChannelRecord, favoriteMask)];
            for (int g = 0; g < Image::kGroupCount; ++g) {
                if (!(mask & GroupBit(g)))
                    continue;
                std::uint16_t& counter = kind == kTv ? groups[g].tvCount : groups[g].radioCount;
                ++counter;
            }
        }
    }
    for (int g = 0; g < Image::kGroupCount; ++g)
        SetGroup(groups[g], g);
    SetSystemInfo(info);
}

void CChannelDatabase::UpdateSatellitePositions()
{
    std::uint8_t* pairs = m_pSystemBlock.get() + Image::kPositionPairsOffset;
    const std::uint16_t created[2] = {Image::kCreatedTvPosition, Image::kCreatedRadioPosition};
    const std::uint16_t inUse[2] = {0, 0};
    for (int sat = 0; sat < Image::kMaxSatellites; ++sat)
        std::memcpy(pairs + 4 * std::size_t(sat), created, sizeof created);

    const int transponders = GetTransponderCount();
    const int satellites = GetSatelliteCount();
    for (ChannelKind kind : kChannelKinds) {
        const int count = GetChannelCount(kind);
        for (int i = 0; i < count; ++i) {
            const int sat = SatelliteOfSlot(i, kind, transponders, satellites);
            if (sat >= 0)
                std::memcpy(pairs + 4 * std::size_t(sat), inUse, sizeof inUse);
        }
    }
}

void CChannelDatabase::UpdateSatelliteCounts()
{
    const int satellites = GetSatelliteCount();
    const int transponders = GetTransponderCount();
    std::array<std::array<std::uint16_t, Image::kMaxSatellites>, 2> channels{};
    for (ChannelKind kind : kChannelKinds) {
        const int count = GetChannelCount(kind);
        for (int i = 0; i < count; ++i) {
            const int sat = SatelliteOfSlot(i, kind, transponders, satellites);
            if (sat >= 0)
                ++channels[KindIndex(kind)][std::size_t(sat)];
        }
    }
    for (int sat = 0; sat < satellites; ++sat) {
        SatelliteRecord satellite;
        GetSatellite(satellite, sat);
        satellite.tvCount = channels[KindIndex(kTv)][std::size_t(sat)];
        satellite.radioCount = channels[KindIndex(kRadio)][std::size_t(sat)];
        const bool any = satellite.tvCount + satellite.radioCount > 0;
        satellite.tvPosition = any ? 0 : Image::kMaxTvChannels;
        satellite.radioPosition = any ? 0 : Image::kMaxRadioChannels;
        SetSatellite(satellite, sat);
    }
}

int CChannelDatabase::FirstChannelSatellite() const
{
    const int transponders = GetTransponderCount();
    const int satellites = GetSatelliteCount();
    for (ChannelKind kind : kChannelKinds) {
        ChannelRecord first;
        GetChannel(first, 0, kind);
        if (first.transponderIndex == Image::kChannelEnd)
            continue;
        const int sat = SatelliteOfChannel(first, transponders, satellites);
        return sat >= 0 ? sat : Image::kSatelliteEnd;
    }
    return Image::kSatelliteEnd;
}
