// Applying a plan with the database's own operations, and what the update
// needs around it: a satellite made from the source, and our satellites as a
// list.
#include "ChannelDatabase.h"
#include "Latin1Text.h"
#include "RecordRules.h"
#include "SystemTexts.h"
#include "TransponderTexts.h"
#include "TransponderUpdate.h"

#include <algorithm>

namespace TransponderUpdate {

namespace {

int CountChosen(const Plan& plan, Outcome outcome)
{
    return int(std::count_if(plan.rows.begin(), plan.rows.end(),
                             [outcome](const Row& row) { return row.outcome == outcome && row.chosen; }));
}

std::string SatelliteName(const SatelliteRecord& satellite)
{
    return std::string(satellite.name, FieldTextLength(satellite.name));
}

constexpr std::size_t kNameLength = sizeof(SatelliteRecord::name) - 1;

std::string TrimmedEnd(std::string text)
{
    text.erase(text.find_last_not_of(" ") + 1);
    return text;
}

}  // namespace

std::optional<PlaceholderText> UpdateRefusal(const CChannelDatabase& db, const Plan& plan)
{
    if (plan.satellite == kNewSatellite) {
        if (const char* full = Rules::SatelliteAddRefusal(db))
            return PlaceholderText{full, {}};
    }
    const int added = CountChosen(plan, Outcome::Added);
    const int room =
        Image::kMaxTransponders - db.GetTransponderCount() + CountChosen(plan, Outcome::NotInList);
    if (added > room)
        return PlaceholderText{Text::kTransponderRoom, {std::to_string(added), std::to_string(room)}};
    return std::nullopt;
}

std::optional<PlaceholderText> Apply(CChannelDatabase& db, const Plan& plan)
{
    if (std::optional<PlaceholderText> refusal = UpdateRefusal(db, plan))
        return refusal;
    if (plan.satellite != kNewSatellite && (plan.satellite < 0 || plan.satellite >= db.GetSatelliteCount()))
        return std::nullopt;
    const int satellite =
        plan.satellite == kNewSatellite ? AddNewSatellite(db, plan.newSatelliteName) : plan.satellite;

    // Updates first, while the indexes of the plan still name their records.
    std::vector<int> deleted;
    for (const Row& row : plan.rows) {
        if (!row.chosen)
            continue;
        if (row.outcome == Outcome::Updated) {
            TransponderRecord record;
            db.GetTransponder(record, row.ours);
            record.frequency = row.after.frequency;
            record.symbolRate = row.after.symbolRate;
            db.SetTransponder(record, row.ours);
        } else if (row.outcome == Outcome::NotInList) {
            deleted.push_back(row.ours);
        }
    }
    if (!deleted.empty()) {
        std::sort(deleted.begin(), deleted.end());
        db.DeleteTransponders(deleted);
    }
    for (const Row& row : plan.rows) {
        if (row.chosen && row.outcome == Outcome::Added)
            db.AddTransponder(satellite, row.after);
    }
    return std::nullopt;
}

std::string NewSatelliteName(const TransponderList::Satellite& source)
{
    std::string name = Latin1::FromAnyUtf8(source.name);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    const std::string whole = TrimmedEnd(name.substr(0, kNameLength));
    if (!source.position || TransponderList::PositionInName(whole) == source.position)
        return whole;
    const std::string position = TransponderList::PositionText(*source.position);
    const std::string start = TrimmedEnd(name.substr(0, kNameLength - position.size() - 1));
    return start.empty() ? position : start + " " + position;
}

int AddNewSatellite(CChannelDatabase& db, const std::string& name)
{
    if (Rules::SatelliteAddRefusal(db))
        return -1;
    const int n = db.GetSatelliteCount();
    Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(n);
    if (!name.empty())
        choices.name = name;
    SatelliteRecord record{};
    Rules::WriteAddedSatellite(record, choices, n);
    db.AddSatellite(record);
    return n;
}

int SatelliteAtPosition(const CChannelDatabase& db, const TransponderList::Satellite& source)
{
    if (!source.position)
        return -1;
    const int count = db.GetSatelliteCount();
    for (int i = 0; i < count; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (TransponderList::PositionInName(SatelliteName(satellite)) == source.position)
            return i;
    }
    return -1;
}

std::vector<TransponderList::Satellite> ExportSatellites(const CChannelDatabase& db,
                                                         std::vector<std::string>& leftOut)
{
    using TransponderList::Polarization;
    const int satellites = db.GetSatelliteCount();
    std::vector<TransponderList::Satellite> all(static_cast<std::size_t>(satellites));
    for (int i = 0; i < satellites; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        const std::string name = SatelliteName(satellite);
        all[std::size_t(i)] = {Latin1::ToUtf8(name), TransponderList::PositionInName(name), {}};
    }
    const int transponders = db.GetTransponderCount();
    for (int i = 0; i < transponders; ++i) {
        TransponderRecord record;
        db.GetTransponder(record, i);
        if (record.satelliteIndex >= all.size())
            continue;
        all[record.satelliteIndex].transponders.push_back(
            {record.frequency, std::uint32_t(record.symbolRate) * 1000,
             record.polarization != 0 ? Polarization::Horizontal : Polarization::Vertical});
    }
    std::vector<TransponderList::Satellite> exported;
    for (TransponderList::Satellite& satellite : all) {
        if (satellite.position)
            exported.push_back(std::move(satellite));
        else
            leftOut.push_back(satellite.name);
    }
    return exported;
}

}  // namespace TransponderUpdate
