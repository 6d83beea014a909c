#include "TestDatabase.h"

#include "BlankImage.h"
#include "RecordRules.h"

#include <cstdio>
#include <cstring>

void AddSatellite(CChannelDatabase& db, const char* name)
{
    SatelliteRecord record{};
    Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(db.GetSatelliteCount());
    choices.name = name;
    Rules::WriteAddedSatellite(record, choices, db.GetSatelliteCount());
    db.AddSatellite(record);
}

void AddTransponder(CChannelDatabase& db, int sat, std::uint32_t mhz, std::uint32_t symbolRate, int pol)
{
    TransponderRecord record = Rules::NewTransponderFor(sat);
    Rules::WriteTransponder(record, {mhz, symbolRate, pol});
    db.AddTransponder(sat, record);
}

void AddChannel(CChannelDatabase& db, ChannelKind kind, int tp, const char* name, std::uint8_t flags,
                std::uint16_t caId, std::uint8_t mask)
{
    ChannelRecord record{};
    BouquetEntry bouquet{};
    Rules::ChannelChoices choices;
    choices.name = name;
    choices.videoPid = kind == kTv ? 101 : 0;
    choices.audioPid = 102;
    choices.pcrPid = 103;
    Rules::WriteAddedChannel(record, bouquet, choices, std::uint16_t(tp), kind);
    record.flags = flags;
    record.caSystemId = caId;
    record.favoriteMask = mask;
    db.AddChannel(record, bouquet.text, kind);
}

void AddSatelliteWithTwoTransponders(CChannelDatabase& db)
{
    AddSatellite(db, "Astra");
    AddTransponder(db, 0, 11778, 27500, 1);
    AddTransponder(db, 0, 12000, 27500, 0);
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

void BuildKnownImage(CChannelDatabase& db)
{
    AddSatellite(db, "Astra 19.2E");
    AddSatellite(db, "Hotbird 13E");
    AddTransponder(db, 0, 11778, 27500, 1);
    AddTransponder(db, 1, 3840, 4340, 0);
    AddTransponder(db, 0, 12000, 27500, 0);
    AddGroup(db, 0, "News");
    AddGroup(db, 2, "Sport");
    AddGroup(db, 7, "Kids");
    AddChannel(db, kTv, 0, "Das Erste", 0x12, 0x0501, 0xA0);
    AddChannel(db, kTv, 1, "Left Ch", 0x60, 0x0501, 0x01);
    AddChannel(db, kTv, 2, "Right Ch", 0x54, 0x05FF, 0x00);
    AddChannel(db, kTv, 0, "Std", 0x90, 0x0001, 0x20);
    AddChannel(db, kTv, 0, "Unknown CA", 0x10, 0x7700, 0x00);
    AddChannel(db, kRadio, 1, "Radio One", 0x00, 0xFFFF, 0x00);
    db.UpdateListContext();
}

void MakeEmptyTables(CChannelDatabase& db)
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

void AddNumberedChannels(CChannelDatabase& db, int count, int transponders, ChannelKind kind)
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

void FillSample(CChannelDatabase& db, int satellites, int transponders, int tv, int radio)
{
    MakeEmptyTables(db);
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
    AddNumberedChannels(db, tv, transponders, kTv);
    AddNumberedChannels(db, radio, transponders, kRadio);
}

TableLayout ChannelsOnOneTransponder(int tv)
{
    TableLayout layout;
    layout.satellites = 1;
    layout.transponderSatellites = {0};
    layout.tvTransponders.assign(std::size_t(tv), 0);
    return layout;
}

void BuildTables(CChannelDatabase& db, const TableLayout& layout)
{
    BlankImage::Load(db);
    for (int s = 0; s < layout.satellites; ++s) {
        SatelliteRecord satellite{};
        std::snprintf(satellite.name, sizeof satellite.name, "S%d", s);
        db.AddSatellite(satellite);
    }
    for (std::size_t t = 0; t < layout.transponderSatellites.size(); ++t) {
        TransponderRecord transponder{};
        transponder.frequency = std::uint32_t(1000 * (t + 1));
        transponder.symbolRate = 27500;
        db.AddTransponder(layout.transponderSatellites[t], transponder);
    }
    for (ChannelKind kind : kChannelKinds) {
        const auto& transponders = kind == kTv ? layout.tvTransponders : layout.radioTransponders;
        for (std::size_t i = 0; i < transponders.size(); ++i) {
            ChannelRecord channel{};
            channel.transponderIndex = std::uint16_t(transponders[i]);
            channel.status = 1;
            std::snprintf(channel.name, sizeof channel.name, "%s", MadeName(int(i), kind).c_str());
            channel.tail[0] = std::uint8_t(0xA0 + i);
            const std::string bouquet = MadeBouquet(MadeName(int(i), kind));
            db.SetChannel(channel, int(i), kind);
            db.SetBouquet(bouquet.c_str(), int(i), kind);
        }
    }
}

std::string MadeName(int slot, ChannelKind kind)
{
    return (kind == kTv ? "TV" : "R") + std::to_string(slot);
}

// Appended, not prefixed: gcc 12 at -O3 takes "B" + a temporary string for an
// overlapping copy (-Wrestrict).
std::string MadeBouquet(const std::string& channelName)
{
    return std::string("B").append(channelName);
}
