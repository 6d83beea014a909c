#include "TestTables.h"

#include "BlankImage.h"

#include <cstdio>
#include <cstring>

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

std::string ChannelName(const CChannelDatabase& db, int slot, ChannelKind kind)
{
    ChannelRecord channel;
    db.GetChannel(channel, slot, kind);
    return std::string(channel.name, FieldTextLength(channel.name));
}

std::string BouquetName(const CChannelDatabase& db, int slot, ChannelKind kind)
{
    char text[Image::kBouquetEntrySize];
    db.GetBouquet(text, slot, kind);
    return text;
}

std::vector<std::string> ChannelNames(const CChannelDatabase& db, ChannelKind kind)
{
    std::vector<std::string> names;
    for (int i = 0; i < db.GetChannelCount(kind); ++i)
        names.push_back(ChannelName(db, i, kind));
    return names;
}

std::vector<int> TransponderIndexes(const CChannelDatabase& db, ChannelKind kind)
{
    std::vector<int> indexes;
    for (int i = 0; i < db.GetChannelCount(kind); ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        indexes.push_back(channel.transponderIndex);
    }
    return indexes;
}

std::vector<int> SatelliteIndexes(const CChannelDatabase& db)
{
    std::vector<int> indexes;
    for (int i = 0; i < db.GetTransponderCount(); ++i) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, i);
        indexes.push_back(transponder.satelliteIndex);
    }
    return indexes;
}

std::vector<std::uint8_t> ImageBytes(CChannelDatabase& db)
{
    db.TablesToWorkImage();
    return std::vector<std::uint8_t>(db.GetWorkImage(), db.GetWorkImage() + Image::kLargeSize);
}

std::vector<int> TransponderViewRows(const CChannelViews& views)
{
    std::vector<int> rows;
    for (int r = 0; views.GetTransponderViewEntry(r) != -1; ++r)
        rows.push_back(views.GetTransponderViewEntry(r));
    return rows;
}
