// Random valid databases: every invariant holds, every other byte is random.
#include "TestDatabase.h"

#include "BlankImage.h"
#include "ChannelDatabase.h"

#include <algorithm>
#include <cstring>

namespace {

int Below(std::mt19937& rng, int n)
{
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

template <class Record> void RandomBytes(std::mt19937& rng, Record& record)
{
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = std::uint8_t(rng());
}

template <std::size_t N> void RandomText(std::mt19937& rng, char (&field)[N], std::size_t maxLength)
{
    std::memset(field, 0, N);
    const int length = Below(rng, int(maxLength) + 1);
    for (int i = 0; i < length; ++i)
        field[i] = char('A' + Below(rng, 26));
}

void AddSatellites(CChannelDatabase& db, std::mt19937& rng, int count)
{
    for (int i = 0; i < count; ++i) {
        SatelliteRecord satellite;
        RandomBytes(rng, satellite);
        RandomText(rng, satellite.name, 15);
        satellite.name[0] = 'S';
        satellite.index = std::uint16_t(i);
        db.SetSatellite(satellite, i);
    }
}

void AddTransponders(CChannelDatabase& db, std::mt19937& rng, int count, int satellites)
{
    for (int i = 0; i < count; ++i) {
        TransponderRecord transponder;
        RandomBytes(rng, transponder);
        transponder.satelliteIndex = std::uint16_t(Below(rng, satellites));
        transponder.frequency |= 1;
        db.SetTransponder(transponder, i);
    }
}

void AddChannels(CChannelDatabase& db, std::mt19937& rng, ChannelKind kind, int count, int transponders)
{
    for (int i = 0; i < count; ++i) {
        ChannelRecord channel;
        RandomBytes(rng, channel);
        channel.transponderIndex = std::uint16_t(Below(rng, transponders));
        channel.status = 1;
        RandomText(rng, channel.name, 12);
        db.SetChannel(channel, i, kind);
        BouquetEntry bouquet;
        RandomText(rng, bouquet.text, 19);
        db.SetBouquet(bouquet.text, i, kind);
    }
}

void RandomSystemBlock(CChannelDatabase& db, std::mt19937& rng)
{
    SystemInfo info;
    RandomBytes(rng, info);
    info.marker = Image::kMarker;
    info.listMode = std::uint8_t(Below(rng, 8) == 0 ? 7 : Below(rng, 3));
    info.serviceType = std::uint8_t(Below(rng, 2));
    info.currentGroup = std::uint8_t(Below(rng, 9));
    info.currentSatellite = std::uint16_t(Below(rng, 301));
    db.SetSystemInfo(info);
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord group;
        RandomBytes(rng, group);
        RandomText(rng, group.name, 7);
        db.SetGroup(group, g);
    }
}

}  // namespace

RandomSizes RandomTableSizes(std::mt19937& rng)
{
    RandomSizes sizes{1 + Below(rng, 12), Below(rng, 60), Below(rng, 200), Below(rng, 80)};
    switch (Below(rng, 10)) {
    case 0: sizes = {Below(rng, 3), Below(rng, 4), Below(rng, 4), Below(rng, 4)}; break;
    case 1: sizes.tv = Image::kMaxTvChannels - Below(rng, 3); break;
    case 2: sizes.radio = Image::kMaxRadioChannels - Below(rng, 3); break;
    case 3:
        sizes.satellites = Image::kMaxSatellites - Below(rng, 3);
        sizes.transponders = Image::kMaxTransponders - Below(rng, 3);
        break;
    default: break;
    }
    return sizes;
}

void FillRandomDatabase(CChannelDatabase& db, std::mt19937& rng, const RandomSizes& sizes)
{
    BlankImage::Load(db);
    const int satellites = sizes.satellites;
    const int transponders = satellites > 0 ? sizes.transponders : 0;
    AddSatellites(db, rng, satellites);
    AddTransponders(db, rng, transponders, satellites);
    AddChannels(db, rng, kTv, transponders > 0 ? sizes.tv : 0, transponders);
    AddChannels(db, rng, kRadio, transponders > 0 ? sizes.radio : 0, transponders);
    RandomSystemBlock(db, rng);
}
