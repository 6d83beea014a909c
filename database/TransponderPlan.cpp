// Making the plan: matching our transponders with the list's, then one row
// for every transponder of either side.
#include "ChannelDatabase.h"
#include "RecordRules.h"
#include "TransponderUpdate.h"

#include <algorithm>
#include <tuple>

namespace TransponderUpdate {

namespace {

using TransponderList::Transponder;

constexpr std::int64_t kMatchWindowKhz = 2000;

bool Horizontal(const Transponder& transponder)
{
    using TransponderList::Polarization;
    return transponder.polarization == Polarization::Horizontal ||
           transponder.polarization == Polarization::Left;
}

bool Horizontal(const TransponderRecord& record)
{
    return record.polarization != 0;
}

std::uint64_t KiloSymbols(const Transponder& transponder)
{
    return (std::uint64_t(transponder.symbolRate) + 500) / 1000;
}

// The record Transponder Add would make of the list's values, with the
// symbol rate cut to the record's field when it does not fit.
TransponderRecord RecordOf(int satellite, const Transponder& transponder)
{
    TransponderRecord record = Rules::NewTransponderFor(satellite);
    record.frequency = transponder.frequencyKhz;
    record.symbolRate = std::uint16_t(std::min<std::uint64_t>(KiloSymbols(transponder), Rules::kWordMax));
    record.polarization = Horizontal(transponder) ? 1 : 0;
    return record;
}

bool Storable(const Transponder& transponder, const Options& options)
{
    const std::uint64_t kiloSymbols = KiloSymbols(transponder);
    return (transponder.system == TransponderList::DeliverySystem::DvbS || options.includeS2) &&
           transponder.frequencyKhz > 0 && kiloSymbols >= 1 && kiloSymbols <= Rules::kWordMax;
}

// Our transponders of the satellite, by index.
std::vector<int> OursOf(const CChannelDatabase& db, int satellite)
{
    std::vector<int> ours;
    if (satellite == kNewSatellite)
        return ours;
    const int count = db.GetTransponderCount();
    for (int i = 0; i < count; ++i) {
        TransponderRecord record;
        db.GetTransponder(record, i);
        if (record.satelliteIndex == std::uint16_t(satellite))
            ours.push_back(i);
    }
    return ours;
}

struct Pair {
    std::int64_t distance;
    int ours;  // in the table
    int source;  // in the list
};

// The nearest pairs of the same polarization within the window, closest
// first, each transponder of either side in one pair at most.
std::vector<Pair> Match(const CChannelDatabase& db, const std::vector<int>& ours,
                        const std::vector<Transponder>& list)
{
    // The list by polarization and frequency, so that each of ours looks at
    // its window only.
    std::vector<std::tuple<bool, std::int64_t, int>> sorted;
    for (std::size_t s = 0; s < list.size(); ++s)
        sorted.emplace_back(Horizontal(list[s]), list[s].frequencyKhz, int(s));
    std::sort(sorted.begin(), sorted.end());

    std::vector<Pair> candidates;
    for (int o : ours) {
        TransponderRecord record;
        db.GetTransponder(record, o);
        const std::int64_t frequency = record.frequency;
        auto it = std::lower_bound(sorted.begin(), sorted.end(),
                                   std::make_tuple(Horizontal(record), frequency - kMatchWindowKhz, -1));
        for (; it != sorted.end() && std::get<0>(*it) == Horizontal(record) &&
               std::get<1>(*it) <= frequency + kMatchWindowKhz;
             ++it)
            candidates.push_back({std::abs(std::get<1>(*it) - frequency), o, std::get<2>(*it)});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Pair& a, const Pair& b) {
        return std::tie(a.distance, a.ours, a.source) < std::tie(b.distance, b.ours, b.source);
    });

    std::vector<bool> oursUsed(std::size_t(db.GetTransponderCount()), false), sourceUsed(list.size(), false);
    std::vector<Pair> pairs;
    for (const Pair& pair : candidates) {
        if (oursUsed[std::size_t(pair.ours)] || sourceUsed[std::size_t(pair.source)])
            continue;
        oursUsed[std::size_t(pair.ours)] = sourceUsed[std::size_t(pair.source)] = true;
        pairs.push_back(pair);
    }
    return pairs;
}

Row MatchedRow(const TransponderRecord& ours, const Transponder& listed, const Options& options)
{
    Row row;
    row.before = row.after = ours;
    if (!Storable(listed, options)) {
        row.outcome = Outcome::Skipped;
        return row;
    }
    const TransponderRecord offered = RecordOf(ours.satelliteIndex, listed);
    if (offered.frequency / 1000 == ours.frequency / 1000 && offered.symbolRate == ours.symbolRate) {
        row.outcome = Outcome::Unchanged;
        return row;
    }
    row.outcome = Outcome::Updated;
    row.after.frequency = offered.frequency;
    row.after.symbolRate = offered.symbolRate;
    row.chosen = true;
    return row;
}

// Names the channels on the transponders of the "not in list" rows.
void NameChannels(const CChannelDatabase& db, std::vector<Row>& rows)
{
    std::vector<int> rowOf(std::size_t(db.GetTransponderCount()), -1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].outcome == Outcome::NotInList)
            rowOf[std::size_t(rows[r].ours)] = int(r);
    }
    for (const ChannelKind kind : kChannelKinds) {
        const int count = db.GetChannelCount(kind);
        for (int slot = 0; slot < count; ++slot) {
            ChannelRecord channel;
            db.GetChannel(channel, slot, kind);
            if (channel.transponderIndex < rowOf.size() && rowOf[channel.transponderIndex] >= 0)
                rows[std::size_t(rowOf[channel.transponderIndex])].channels.push_back(
                    {kind, std::string(channel.name, FieldTextLength(channel.name))});
        }
    }
}

}  // namespace

Plan MakePlan(const CChannelDatabase& db, int satellite, const TransponderList::Satellite& source,
              const Options& options)
{
    Plan plan;
    plan.satellite = satellite;
    if (satellite == kNewSatellite)
        plan.newSatelliteName = NewSatelliteName(source);
    const int owner = satellite == kNewSatellite ? db.GetSatelliteCount() : satellite;
    const std::vector<int> ours = OursOf(db, satellite);
    const std::vector<Transponder>& list = source.transponders;

    std::vector<bool> oursMatched(std::size_t(db.GetTransponderCount()), false),
        listMatched(list.size(), false);
    for (const Pair& pair : Match(db, ours, list)) {
        TransponderRecord record;
        db.GetTransponder(record, pair.ours);
        Row row = MatchedRow(record, list[std::size_t(pair.source)], options);
        row.ours = pair.ours;
        row.source = pair.source;
        plan.rows.push_back(std::move(row));
        oursMatched[std::size_t(pair.ours)] = listMatched[std::size_t(pair.source)] = true;
    }
    for (int o : ours) {
        if (oursMatched[std::size_t(o)])
            continue;
        Row row;
        row.outcome = Outcome::NotInList;
        row.ours = o;
        db.GetTransponder(row.before, o);
        row.after = row.before;
        row.chosen = options.removeMissing;
        plan.rows.push_back(std::move(row));
    }
    for (std::size_t s = 0; s < list.size(); ++s) {
        if (listMatched[s])
            continue;
        const bool storable = Storable(list[s], options);
        Row row;
        row.outcome = storable ? Outcome::Added : Outcome::Skipped;
        row.source = int(s);
        row.after = RecordOf(owner, list[s]);
        row.chosen = storable;
        plan.rows.push_back(std::move(row));
    }

    std::stable_sort(plan.rows.begin(), plan.rows.end(), [](const Row& a, const Row& b) {
        return std::make_tuple(a.after.frequency, !Horizontal(a.after)) <
               std::make_tuple(b.after.frequency, !Horizontal(b.after));
    });
    NameChannels(db, plan.rows);
    return plan;
}

Summary Summarize(const Plan& plan)
{
    Summary summary;
    for (const Row& row : plan.rows) {
        switch (row.outcome) {
        case Outcome::Added: summary.added += row.chosen; break;
        case Outcome::Updated: summary.updated += row.chosen; break;
        case Outcome::Unchanged: ++summary.unchanged; break;
        case Outcome::Skipped: ++summary.skipped; break;
        case Outcome::NotInList:
            ++summary.notInList;
            if (row.chosen) {
                ++summary.removed;
                summary.removedChannels.insert(summary.removedChannels.end(), row.channels.begin(),
                                               row.channels.end());
            }
            break;
        }
    }
    return summary;
}

}  // namespace TransponderUpdate
