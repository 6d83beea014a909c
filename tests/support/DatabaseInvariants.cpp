#include "DatabaseInvariants.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <cstring>

namespace {

bool AllBytes(const void* p, std::size_t n, std::uint8_t value)
{
    const auto* bytes = static_cast<const std::uint8_t*>(p);
    return std::all_of(bytes, bytes + n, [value](std::uint8_t b) { return b == value; });
}

std::string At(const char* table, int index, const char* what)
{
    return std::string(table) + " " + std::to_string(index) + ": " + what;
}

std::string SatelliteViolation(const CChannelDatabase& db)
{
    const int count = db.GetSatelliteCount();
    for (int i = 0; i <= Image::kMaxSatellites; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (i >= count && satellite.index != Image::kSatelliteEnd)
            return At("satellite", i, "slot after the end is not empty");
        if (i < count && AllBytes(&satellite, sizeof satellite, 0))
            return At("satellite", i, "deleted record left in the table");
        if (i < count && satellite.index != i)
            return At("satellite", i, "index field is not its position");
    }
    return {};
}

std::string TransponderViolation(const CChannelDatabase& db)
{
    const int satellites = db.GetSatelliteCount();
    const int count = db.GetTransponderCount();
    for (int i = 0; i <= Image::kMaxTransponders; ++i) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, i);
        if (i >= count && transponder.satelliteIndex != Image::kTransponderEnd)
            return At("transponder", i, "slot after the end is not empty");
        if (i < count && AllBytes(&transponder, sizeof transponder, 0))
            return At("transponder", i, "deleted record left in the table");
        if (i < count && transponder.satelliteIndex >= satellites)
            return At("transponder", i, "names no satellite");
    }
    return {};
}

std::string ChannelViolation(const CChannelDatabase& db, int kind)
{
    const char* table = kind == kTv ? "tv channel" : "radio channel";
    const int transponders = db.GetTransponderCount();
    const int count = db.GetChannelCount(kind);
    for (int i = 0; i < ChannelCapacity(kind); ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        const std::uint8_t* entry = db.GetBouquetTable() + (kind == kRadio ? Image::kRadioBouquetStart : 0) +
                                    std::size_t(i) * Image::kBouquetEntrySize;
        if (i >= count && channel.transponderIndex != Image::kChannelEnd)
            return At(table, i, "slot after the end is not empty");
        if (i >= count && !AllBytes(entry, Image::kBouquetEntrySize, 0))
            return At(table, i, "bouquet entry after the end is not zero");
        if (i < count && AllBytes(&channel, kChannelRecordProper, 0))
            return At(table, i, "deleted record left in the table");
        if (i < count && AllBytes(entry, Image::kBouquetEntrySize, Image::kBouquetDeleted))
            return At(table, i, "deleted bouquet entry left in the table");
        if (i < count && channel.transponderIndex >= transponders)
            return At(table, i, "names no transponder");
    }
    return {};
}

}  // namespace

std::string InvariantViolation(const CChannelDatabase& db)
{
    for (std::string violation : {SatelliteViolation(db), TransponderViolation(db), ChannelViolation(db, kTv),
                                  ChannelViolation(db, kRadio)}) {
        if (!violation.empty())
            return violation;
    }
    return {};
}
