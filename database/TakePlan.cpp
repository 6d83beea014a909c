#include "TakePlan.h"

#include "ChannelDatabase.h"
#include "CompareTexts.h"
#include "FavoriteGroups.h"
#include "RecordRules.h"
#include "SystemTexts.h"
#include "TakeDetail.h"

#include <numeric>
#include <set>

namespace Diff {

namespace {

using Detail::CountBelow;
using Detail::ListChoice;
using Detail::WriteText;

std::string FrequencyText(const TransponderRecord& transponder)
{
    return std::to_string(transponder.frequency / 1000) + (transponder.polarization != 0 ? " H" : " V");
}

class Planner {
public:
    Planner(const CChannelDatabase& ours, const OtherSide& theirs, const Comparison& comparison,
            TakePlan& plan)
        : m_ours(ours), m_theirs(theirs), m_comparison(comparison), m_plan(plan)
    {
        m_tables.groups = ChannelRows::GroupNames(ours);
        for (int s = 0, count = ours.GetSatelliteCount(); s < count; ++s) {
            m_satellites.emplace_back();
            ours.GetSatellite(m_satellites.back(), s);
        }
        for (int t = 0, count = ours.GetTransponderCount(); t < count; ++t) {
            m_transponders.emplace_back();
            ours.GetTransponder(m_transponders.back(), t);
        }
        for (ChannelKind kind : kChannelKinds) {
            ListChoice& list = m_lists[KindIndex(kind)];
            const std::size_t count = std::size_t(ours.GetChannelCount(kind));
            list.removed.assign(count, false);
            list.moved.assign(count, false);
            list.edits.assign(count, {});
            list.added.assign(theirs.channels[KindIndex(kind)].size(), false);
        }
    }

    std::optional<PlaceholderText> Run(std::span<const std::size_t> chosen)
    {
        if (!ComparesThese())
            return std::nullopt;
        for (std::size_t i : chosen) {
            if (i < m_comparison.differences.size() && Fits(m_comparison.differences[i]))
                Choose(m_comparison.differences[i]);
        }
        if (!PlanGroups() || !CreateListGroups() || !NeedChannelTransponders() || !NeedSatellites() ||
            !LayOutSatellites() || !LayOutTransponders())
            return m_refusal;
        for (ChannelKind kind : kChannelKinds) {
            if (auto refusal = Detail::LayOutChannels(m_ours, m_theirs, m_comparison, m_tables,
                                                      m_lists[KindIndex(kind)], kind, m_plan.channels))
                return refusal;
        }
        ChannelRows::NoteWhetherChanged(m_ours, m_plan.channels);
        return std::nullopt;
    }

private:
    bool Refuse(PlaceholderText why)
    {
        m_refusal = std::move(why);
        return false;
    }

    template <std::size_t N> bool Storable(const std::string& text, const char (&field)[N], const char* what)
    {
        m_refusal = Detail::Unstorable(text, field, what);
        return !m_refusal;
    }

    // Whether the comparison was made of these two sides: another one names
    // other records, and nothing of it is taken.
    bool ComparesThese() const
    {
        auto matches = [](const std::vector<int>& match, std::size_t theirs, std::size_t ours) {
            return match.size() == theirs &&
                   std::all_of(match.begin(), match.end(), [ours](int m) { return m < int(ours); });
        };
        return matches(m_comparison.satellites, m_theirs.satellites.size(), m_satellites.size()) &&
               matches(m_comparison.transponders, m_theirs.transponders.size(), m_transponders.size()) &&
               matches(m_comparison.channels[KindIndex(kTv)], m_theirs.channels[KindIndex(kTv)].size(),
                       m_lists[KindIndex(kTv)].removed.size()) &&
               matches(m_comparison.channels[KindIndex(kRadio)], m_theirs.channels[KindIndex(kRadio)].size(),
                       m_lists[KindIndex(kRadio)].removed.size());
    }

    // Whether the difference names records the two sides have.
    bool Fits(const Difference& d) const
    {
        auto within = [](int index, std::size_t size) { return index < 0 || std::size_t(index) < size; };
        switch (d.table) {
        case Table::Satellites:
            return within(d.ours, m_satellites.size()) && within(d.theirs, m_comparison.satellites.size());
        case Table::Transponders:
            return within(d.ours, m_transponders.size()) &&
                   within(d.theirs, m_comparison.transponders.size());
        case Table::Tv:
        case Table::Radio: {
            const ChannelKind kind = d.table == Table::Radio ? kRadio : kTv;
            return within(d.ours, m_lists[KindIndex(kind)].removed.size()) &&
                   within(d.theirs, m_comparison.channels[KindIndex(kind)].size());
        }
        case Table::Groups: return within(d.ours, Image::kGroupCount);
        case Table::System: return !d.fields.empty();
        }
        return false;
    }

    void Choose(const Difference& d)
    {
        switch (d.table) {
        case Table::Satellites:
            if (d.change == Change::Added)
                m_newSatellites.insert(d.theirs);
            else if (d.change == Change::Removed)
                m_removedSatellites.insert(d.ours);
            else
                m_changedSatellites.push_back(&d);
            break;
        case Table::Transponders:
            if (d.change == Change::Added)
                m_newTransponders.insert(d.theirs);
            else if (d.change == Change::Removed)
                m_removedTransponders.insert(d.ours);
            else
                m_changedTransponders.push_back(&d);
            break;
        case Table::Tv:
        case Table::Radio: {
            ListChoice& list = m_lists[KindIndex(d.table == Table::Radio ? kRadio : kTv)];
            if (d.change == Change::Added)
                list.added[std::size_t(d.theirs)] = true;
            else if (d.change == Change::Removed)
                list.removed[std::size_t(d.ours)] = true;
            else if (d.change == Change::Moved)
                list.moved[std::size_t(d.ours)] = true;
            else
                list.edits[std::size_t(d.ours)].push_back(&d);
            break;
        }
        case Table::Groups: m_plan.groupNames[std::size_t(d.ours)] = d.otherName; break;
        case Table::System: ChooseSetting(d.fields.front()); break;
        }
    }

    void ChooseSetting(const Field& field)
    {
        const std::uint8_t value = std::uint8_t(std::get<std::int64_t>(field.theirs));
        if (std::strcmp(field.name, "menuLanguage") == 0)
            m_plan.menuLanguage = value;
        else if (std::strcmp(field.name, "displayColor") == 0)
            m_plan.displayColor = value;
        else
            m_plan.textColor = value;
    }

    // A group that gets or loses its name has no channels to begin with.
    bool PlanGroups()
    {
        auto& names = m_tables.groups;
        for (int g = 0; g < Image::kGroupCount; ++g) {
            const std::optional<std::string>& name = m_plan.groupNames[std::size_t(g)];
            if (!name)
                continue;
            if (!Storable(*name, FavoriteGroupRecord{}.name, "groups"))
                return false;
            if (name->empty() != names[std::size_t(g)].empty())
                m_tables.restarted |= GroupBit(g);
            names[std::size_t(g)] = *name;
        }
        for (int g = 0; g < Image::kGroupCount; ++g) {
            if (!names[std::size_t(g)].empty())
                m_tables.named |= GroupBit(g);
        }
        return true;
    }

    // A list names groups by name: one that ours lack is created in a free
    // slot, as applying an order creates it.
    bool CreateListGroups()
    {
        if (!m_theirs.channelsOnly)
            return true;
        for (ChannelKind kind : kChannelKinds) {
            const ListChoice& list = m_lists[KindIndex(kind)];
            const auto& channels = m_theirs.channels[KindIndex(kind)];
            for (std::size_t t = 0; t < channels.size(); ++t) {
                if (list.added[t] && !CreateGroupsOf(channels[t].row))
                    return false;
            }
            for (const auto& edits : list.edits) {
                for (const Difference* d : edits) {
                    if (d->change == Change::Changed && !CreateGroupsOf(channels[std::size_t(d->theirs)].row))
                        return false;
                }
            }
        }
        return true;
    }

    bool CreateGroupsOf(const ChannelRows::Row& row)
    {
        auto& names = m_tables.groups;
        for (const std::string& name : ChannelRows::FavoriteGroups(names).Split(row.groups)) {
            if (std::find(names.begin(), names.end(), name) != names.end())
                continue;
            if (name.empty() || name.size() >= sizeof(FavoriteGroupRecord::name))
                return Refuse({Text::kGroupNotCreatable, {Latin1::ToUtf8(name)}});
            const auto free = std::find(names.begin(), names.end(), std::string());
            if (free == names.end())
                return Refuse({Text::kTakeGroupsFull, {Latin1::ToUtf8(name)}});
            const int g = int(free - names.begin());
            *free = name;
            m_plan.groupNames[std::size_t(g)] = name;
            m_tables.restarted |= GroupBit(g);
            m_tables.named |= GroupBit(g);
        }
        return true;
    }

    // The transponders of theirs that the chosen channels need and ours lack.
    bool NeedChannelTransponders()
    {
        for (ChannelKind kind : kChannelKinds) {
            const ListChoice& list = m_lists[KindIndex(kind)];
            const auto& channels = m_theirs.channels[KindIndex(kind)];
            for (std::size_t t = 0; t < channels.size(); ++t) {
                if (list.added[t] && !NeedTransponderOf(channels[t]))
                    return false;
            }
            for (const auto& edits : list.edits) {
                for (const Difference* d : edits) {
                    if (d->change == Change::Retuned && !NeedTransponderOf(channels[std::size_t(d->theirs)]))
                        return false;
                }
            }
        }
        return true;
    }

    bool NeedTransponderOf(const OtherChannel& channel)
    {
        if (channel.transponder < 0)
            return Refuse({Text::kTakeWithoutTransponder, {Latin1::ToUtf8(channel.row.name)}});
        if (m_comparison.transponders[std::size_t(channel.transponder)] < 0)
            m_newTransponders.insert(channel.transponder);
        return true;
    }

    // The satellites of theirs that the transponders to add need and ours lack.
    bool NeedSatellites()
    {
        for (int t : m_newTransponders) {
            const OtherTransponder& transponder = m_theirs.transponders[std::size_t(t)];
            if (transponder.satellite < 0)
                return Refuse({Text::kTakeWithoutSatellite, {FrequencyText(transponder.record)}});
            if (m_comparison.satellites[std::size_t(transponder.satellite)] < 0)
                m_newSatellites.insert(transponder.satellite);
        }
        return true;
    }

    // Ours that stay, in their order, then the new ones in the order of theirs.
    bool LayOutSatellites()
    {
        const int count = int(m_satellites.size());
        std::vector<SatelliteRecord> table;
        m_satelliteMap.assign(std::size_t(count), -1);
        for (int s = 0; s < count; ++s) {
            if (m_removedSatellites.count(s))
                continue;
            m_satelliteMap[std::size_t(s)] = int(table.size());
            table.push_back(m_satellites[std::size_t(s)]);
        }
        for (const Difference* d : m_changedSatellites)
            CopySettings(m_theirs.satellites[std::size_t(d->theirs)].record,
                         table[std::size_t(m_satelliteMap[std::size_t(d->ours)])]);
        for (int t : m_newSatellites) {
            const OtherSatellite& satellite = m_theirs.satellites[std::size_t(t)];
            const int n = int(table.size());
            if (n >= Image::kMaxSatellites)
                return Refuse({Text::kSatellitesFull, {}});
            if (!Storable(satellite.name, SatelliteRecord{}.name, "satellite"))
                return false;
            Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(n);
            choices.name = satellite.name;
            table.emplace_back();
            Rules::WriteAddedSatellite(table.back(), choices, n);
            CopySettings(satellite.record, table.back());
            m_newSatelliteIndex[t] = n;
        }
        for (std::size_t s = 0; s < table.size(); ++s)
            table[s].index = std::uint16_t(s);
        if (!m_removedSatellites.empty() || !m_newSatellites.empty() || !m_changedSatellites.empty())
            m_plan.satellites = std::move(table);
        return true;
    }

    static void CopySettings(const SatelliteRecord& from, SatelliteRecord& to)
    {
        to.lnbPower = from.lnbPower;
        to.lnbHigh = from.lnbHigh;
        to.lnbLow = from.lnbLow;
        to.tone22k = from.tone22k;
        to.voltage = from.voltage;
        to.diseqc = from.diseqc;
    }

    // A reference to a satellite that does not exist is lowered as a deletion
    // lowers it.
    int SatelliteIndex(std::uint16_t reference) const
    {
        if (reference < m_satelliteMap.size())
            return m_satelliteMap[reference];
        if (reference >= Image::kTransponderEnd)
            return reference;
        const std::vector<int> removed(m_removedSatellites.begin(), m_removedSatellites.end());
        return reference - CountBelow(removed, reference);
    }

    bool LayOutTransponders()
    {
        const int count = int(m_transponders.size());
        std::vector<TransponderRecord> table;
        m_tables.transponders.assign(std::size_t(count), -1);
        for (int t = 0; t < count; ++t) {
            const TransponderRecord& transponder = m_transponders[std::size_t(t)];
            const int satellite = SatelliteIndex(transponder.satelliteIndex);
            if (m_removedTransponders.count(t) || satellite < 0) {
                m_tables.deletedTransponders.push_back(t);
                continue;
            }
            m_tables.transponders[std::size_t(t)] = int(table.size());
            table.push_back(transponder);
            table.back().satelliteIndex = std::uint16_t(satellite);
        }
        for (const Difference* d : m_changedTransponders)
            table[std::size_t(m_tables.transponders[std::size_t(d->ours)])].symbolRate =
                m_theirs.transponders[std::size_t(d->theirs)].record.symbolRate;
        for (int t : m_newTransponders) {
            const OtherTransponder& theirs = m_theirs.transponders[std::size_t(t)];
            if (int(table.size()) >= Image::kMaxTransponders)
                return Refuse({Text::kTranspondersFull, {}});
            const int ours = m_comparison.satellites[std::size_t(theirs.satellite)];
            const int satellite =
                ours >= 0 ? m_satelliteMap[std::size_t(ours)] : m_newSatelliteIndex.at(theirs.satellite);
            TransponderRecord record = Rules::NewTransponderFor(satellite);
            record.frequency = theirs.record.frequency;
            record.symbolRate = theirs.record.symbolRate;
            record.polarization = theirs.record.polarization;
            m_tables.newTransponders[t] = int(table.size());
            table.push_back(record);
        }
        if (m_plan.satellites || !m_tables.deletedTransponders.empty() || !m_newTransponders.empty() ||
            !m_changedTransponders.empty())
            m_plan.transponders = std::move(table);
        return true;
    }

    const CChannelDatabase& m_ours;
    const OtherSide& m_theirs;
    const Comparison& m_comparison;
    TakePlan& m_plan;
    std::vector<SatelliteRecord> m_satellites;
    std::vector<TransponderRecord> m_transponders;

    std::set<int> m_removedSatellites, m_newSatellites;  // ours, theirs
    std::set<int> m_removedTransponders, m_newTransponders;
    std::vector<const Difference*> m_changedSatellites, m_changedTransponders;
    std::array<ListChoice, 2> m_lists;

    std::vector<int> m_satelliteMap;  // ours to their new index, -1 when deleted
    std::map<int, int> m_newSatelliteIndex;  // theirs to their new index
    Detail::TakenTables m_tables;
    std::optional<PlaceholderText> m_refusal;
};

template <class Record, class MakeEmpty>
void WriteTable(CChannelDatabase& db, const std::vector<Record>& records, int before, MakeEmpty makeEmpty,
                void (CChannelDatabase::*set)(const Record&, int))
{
    for (std::size_t i = 0; i < records.size(); ++i)
        (db.*set)(records[i], int(i));
    Record empty;
    makeEmpty(empty);
    for (int i = int(records.size()); i < before; ++i)
        (db.*set)(empty, i);
}

}  // namespace

bool TakePlan::Empty() const
{
    return !satellites && !transponders && !channels.changed && !menuLanguage && !displayColor &&
           !textColor && std::none_of(groupNames.begin(), groupNames.end(), [](const auto& name) {
               return name.has_value();
           });
}

std::optional<PlaceholderText> PlanTake(const CChannelDatabase& ours, const OtherSide& theirs,
                                        const Comparison& comparison, std::span<const std::size_t> chosen,
                                        TakePlan& plan)
{
    plan = TakePlan{};
    std::optional<PlaceholderText> refusal = Planner(ours, theirs, comparison, plan).Run(chosen);
    if (refusal)
        plan = TakePlan{};
    return refusal;
}

void ApplyTake(CChannelDatabase& db, const TakePlan& plan)
{
    if (plan.satellites)
        WriteTable(db, *plan.satellites, db.GetSatelliteCount(), CChannelDatabase::MakeEmptySatellite,
                   &CChannelDatabase::SetSatellite);
    if (plan.transponders)
        WriteTable(db, *plan.transponders, db.GetTransponderCount(), CChannelDatabase::MakeEmptyTransponder,
                   &CChannelDatabase::SetTransponder);
    if (plan.channels.changed)
        ChannelRows::WriteChannelChange(db, plan.channels);

    SystemInfo info;
    db.GetSystemInfo(info);
    bool groups = false;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        const std::optional<std::string>& name = plan.groupNames[std::size_t(g)];
        if (!name)
            continue;
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        if (name->empty() || group.name[0] == '\0')
            group = FavoriteGroupRecord{};
        std::memset(group.name, 0, sizeof group.name);
        WriteText(group.name, *name);
        db.SetGroup(group, g);
        info.groupsInUse = name->empty() ? std::uint8_t(info.groupsInUse & ~GroupBit(g))
                                         : std::uint8_t(info.groupsInUse | GroupBit(g));
        groups = true;
    }
    info.menuLanguage = plan.menuLanguage.value_or(info.menuLanguage);
    info.displayColor = plan.displayColor.value_or(info.displayColor);
    info.textColor = plan.textColor.value_or(info.textColor);
    db.SetSystemInfo(info);
    if (plan.satellites || plan.transponders || plan.channels.changed || groups)
        db.SettleListContext();
}

std::vector<std::size_t> Everything(const Comparison& comparison)
{
    std::vector<std::size_t> all(comparison.differences.size());
    std::iota(all.begin(), all.end(), std::size_t(0));
    return all;
}

}  // namespace Diff
