#include "OtherSide.h"

#include "ChannelDatabase.h"
#include "FavoriteGroups.h"
#include "ImportPlan.h"
#include "RecordRules.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace Diff {

namespace {

using ChannelRows::Row;

OtherChannel ChannelOfImage(const CChannelDatabase& db, Row row, int transponders)
{
    const int slot = int(row.position) - 1;
    OtherChannel channel{std::move(row), -1, {}, {}};
    db.GetChannel(channel.record, slot, channel.row.kind);
    db.GetBouquetEntry(channel.bouquet, slot, channel.row.kind);
    if (channel.record.transponderIndex < transponders)
        channel.transponder = channel.record.transponderIndex;
    return channel;
}

// Numbers the satellites and transponders a list's rows name, the first
// time a row names each.
class ListTables {
public:
    explicit ListTables(OtherSide& side) : m_side(side) { }

    int Transponder(const Row& row)
    {
        if (!row.onTransponder)
            return -1;
        const int satellite = Satellite(row.satellite);
        const auto key = std::make_tuple(satellite, row.frequencyKhz, row.horizontal);
        const auto [found, added] = m_transponders.try_emplace(key, int(m_side.transponders.size()));
        if (added) {
            TransponderRecord record = Rules::NewTransponderFor(0);
            record.frequency = row.frequencyKhz;
            record.symbolRate = row.symbolRate;
            record.polarization = row.horizontal ? 1 : 0;
            m_side.transponders.push_back({satellite, record});
        }
        return found->second;
    }

private:
    // A row without a satellite name is on a transponder without satellite.
    int Satellite(const std::string& name)
    {
        if (name.empty())
            return -1;
        const auto [found, added] = m_satellites.try_emplace(name, int(m_side.satellites.size()));
        if (added) {
            const int n = int(m_side.satellites.size());
            Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(n);
            choices.name = name;
            SatelliteRecord record{};
            Rules::WriteAddedSatellite(record, choices, n);
            m_side.satellites.push_back({name, record});
        }
        return found->second;
    }

    OtherSide& m_side;
    std::map<std::string, int> m_satellites;
    std::map<std::tuple<int, std::uint32_t, bool>, int> m_transponders;
};

}  // namespace

OtherSide FromImage(const CChannelDatabase& db)
{
    OtherSide side;
    const int satellites = db.GetSatelliteCount();
    side.satellites.reserve(std::size_t(satellites));
    for (int s = 0; s < satellites; ++s) {
        OtherSatellite satellite;
        db.GetSatellite(satellite.record, s);
        satellite.name.assign(satellite.record.name, FieldTextLength(satellite.record.name));
        side.satellites.push_back(std::move(satellite));
    }
    const int transponders = db.GetTransponderCount();
    side.transponders.reserve(std::size_t(transponders));
    for (int t = 0; t < transponders; ++t) {
        OtherTransponder transponder{-1, {}};
        db.GetTransponder(transponder.record, t);
        if (transponder.record.satelliteIndex < satellites)
            transponder.satellite = transponder.record.satelliteIndex;
        side.transponders.push_back(transponder);
    }
    for (ChannelKind kind : kChannelKinds)
        side.channels[KindIndex(kind)].reserve(std::size_t(db.GetChannelCount(kind)));
    for (Row& row : ChannelRows::ExportRows(db))
        side.channels[std::size_t(row.kind)].push_back(ChannelOfImage(db, std::move(row), transponders));
    side.groups = ChannelRows::GroupNames(db);
    db.GetSystemInfo(side.system);
    return side;
}

OtherSide FromRows(std::span<const Row> rows)
{
    OtherSide side;
    side.channelsOnly = true;
    std::vector<Row> ordered(rows.begin(), rows.end());
    std::stable_sort(ordered.begin(), ordered.end(), [](const Row& a, const Row& b) {
        return std::tie(a.kind, a.position) < std::tie(b.kind, b.position);
    });
    ListTables tables(side);
    for (Row& row : ordered) {
        auto& list = side.channels[std::size_t(row.kind)];
        row.position = std::uint32_t(list.size() + 1);
        OtherChannel channel{std::move(row), -1, {}, {}};
        channel.transponder = tables.Transponder(channel.row);
        Rules::WriteAddedChannel(channel.record, channel.bouquet,
                                 ChannelRows::AddedChannelChoices(channel.row), 0, channel.row.kind);
        // A list carries a radio channel's video PID too; it is taken as it is.
        channel.record.videoPid = channel.row.videoPid;
        list.push_back(std::move(channel));
    }
    return side;
}

}  // namespace Diff
