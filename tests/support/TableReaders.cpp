#include "TestDatabase.h"

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
