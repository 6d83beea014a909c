#include "SampleDatabase.h"

#include <cstdio>
#include <cstring>

namespace Sample {

void MakeEmpty(CChannelDatabase& db)
{
    SatelliteRecord satellite;
    CChannelDatabase::MakeEmptySatellite(satellite);
    for (int i = 0; i < Image::kSatelliteSlots; ++i)
        db.SetSatellite(satellite, i);
    TransponderRecord transponder;
    CChannelDatabase::MakeEmptyTransponder(transponder);
    for (int i = 0; i < Image::kTransponderSlots; ++i)
        db.SetTransponder(transponder, i);
    ChannelRecord channel;
    CChannelDatabase::MakeEmptyChannel(channel);
    for (ChannelKind kind : kChannelKinds) {
        for (int i = 0; i < ChannelCapacity(kind); ++i)
            db.SetChannel(channel, i, kind);
    }
    db.ClearBouquetTable();
    SystemInfo info{};
    info.marker = Image::kMarker;
    info.currentSatellite = Image::kSatelliteEnd;
    db.SetSystemInfo(info);
    for (int slot = 0; slot < Image::kGroupCount; ++slot)
        db.SetGroup(FavoriteGroupRecord{}, slot);
}

namespace {

void AddChannels(CChannelDatabase& db, int count, int transponders, ChannelKind kind)
{
    for (int i = 0; i < count; ++i) {
        ChannelRecord channel{};
        channel.transponderIndex = std::uint16_t(i % transponders);
        channel.status = 1;
        channel.audioPid = std::uint16_t(100 + i);
        channel.videoPid = kind == kTv ? std::uint16_t(200 + i) : 0;
        channel.pcrPid = std::uint16_t(300 + i);
        channel.auxPid = 0x3FFF;
        channel.flags = i % 3 == 0 ? ChannelFlag::kScrambled : 0;
        channel.caSystemId = i % 3 == 0 ? 0x0601 : 0xFFFF;
        std::snprintf(channel.name, sizeof channel.name, kind == kTv ? "TV %d" : "R %d", i);
        char bouquet[20];
        std::snprintf(bouquet, sizeof bouquet, "B %d", i);
        db.AddChannel(channel, bouquet, kind);
    }
}

}  // namespace

void Fill(CChannelDatabase& db, int satellites, int transponders, int tv, int radio)
{
    MakeEmpty(db);
    for (int s = 0; s < satellites; ++s) {
        SatelliteRecord satellite{};
        std::snprintf(satellite.name, sizeof satellite.name, "SAT_%d", s + 1);
        satellite.lnbHigh = 10600;
        satellite.lnbLow = 9750;
        db.AddSatellite(satellite);
    }
    for (int t = 0; t < transponders; ++t) {
        TransponderRecord transponder{};
        transponder.frequency = std::uint32_t(10700 + t) * 1000;
        transponder.symbolRate = 27500;
        transponder.polarization = std::uint8_t(t % 2);
        db.AddTransponder(t % satellites, transponder);
    }
    AddChannels(db, tv, transponders, kTv);
    AddChannels(db, radio, transponders, kRadio);
}

void AddGroup(CChannelDatabase& db, int slot, const char* name)
{
    FavoriteGroupRecord group{};
    std::strncpy(group.name, name, sizeof group.name - 1);
    db.SetGroup(group, slot);
    SystemInfo info;
    db.GetSystemInfo(info);
    info.groupsInUse |= GroupBit(slot);
    db.SetSystemInfo(info);
}

std::uint8_t MaskOf(const CChannelDatabase& db, int index, ChannelKind kind)
{
    ChannelRecord channel;
    db.GetChannel(channel, index, kind);
    return channel.favoriteMask;
}

void SetMask(CChannelDatabase& db, int index, ChannelKind kind, std::uint8_t mask)
{
    ChannelRecord channel;
    db.GetChannel(channel, index, kind);
    channel.favoriteMask = mask;
    db.SetChannel(channel, index, kind);
}

}  // namespace Sample
