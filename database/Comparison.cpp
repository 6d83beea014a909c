// The satellites, transponders, favourite groups and system settings; the
// channels are ChannelComparison.cpp's.
#include "Comparison.h"

#include "ChannelDatabase.h"
#include "ComparisonDetail.h"
#include "EntryLists.h"
#include "FavoriteGroups.h"

#include <algorithm>

namespace Diff {

namespace Detail {

std::vector<bool> Taken(const std::vector<int>& match, std::size_t ours)
{
    std::vector<bool> taken(ours);
    for (int m : match) {
        if (m >= 0)
            taken[std::size_t(m)] = true;
    }
    return taken;
}

}  // namespace Detail

namespace {

using Detail::Append;
using Detail::CompareField;
using Detail::MatchInOrder;
using Detail::Taken;

// Blanks around it do not count, nor the case of A-Z.
std::string MatchName(const std::string& name)
{
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::size_t begin = 0, end = name.size();
    while (begin < end && blank(name[begin]))
        ++begin;
    while (end > begin && blank(name[end - 1]))
        --end;
    std::string key = name.substr(begin, end - begin);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return key;
}

// A code as the dialog's list names it; a code beyond the list as itself.
template <std::size_t N> Value Word(const std::array<const char*, N>& words, unsigned code)
{
    if (code < N)
        return std::string(words[code]);
    return std::int64_t(code);
}

std::vector<Field> SatelliteFields(const SatelliteRecord& ours, const SatelliteRecord& theirs)
{
    std::vector<Field> fields;
    CompareField(fields, "lnbPower", Word(Entries::kOffOn, ours.lnbPower),
                 Word(Entries::kOffOn, theirs.lnbPower));
    CompareField(fields, "lnbHigh", std::int64_t(ours.lnbHigh), std::int64_t(theirs.lnbHigh));
    CompareField(fields, "lnbLow", std::int64_t(ours.lnbLow), std::int64_t(theirs.lnbLow));
    CompareField(fields, "tone22k", Word(Entries::kTone22k, ours.tone22k),
                 Word(Entries::kTone22k, theirs.tone22k));
    CompareField(fields, "voltage", Word(Entries::kVoltage, ours.voltage),
                 Word(Entries::kVoltage, theirs.voltage));
    CompareField(fields, "diseqc", Word(Entries::kDiseqc, ours.diseqc),
                 Word(Entries::kDiseqc, theirs.diseqc));
    return fields;
}

class TableComparer {
public:
    TableComparer(const CChannelDatabase& ours, const OtherSide& theirs, Comparison& comparison)
        : m_ours(ours), m_theirs(theirs), m_comparison(comparison)
    {
    }

    void Satellites()
    {
        const int count = m_ours.GetSatelliteCount();
        std::vector<std::string> ours;
        for (int s = 0; s < count; ++s) {
            SatelliteRecord satellite;
            m_ours.GetSatellite(satellite, s);
            m_satellites.push_back(satellite);
            ours.push_back(MatchName(std::string(satellite.name, FieldTextLength(satellite.name))));
        }
        std::vector<std::optional<std::string>> theirs;
        for (const OtherSatellite& satellite : m_theirs.satellites)
            theirs.push_back(MatchName(satellite.name));
        m_comparison.satellites = MatchInOrder(ours, theirs);
        if (m_theirs.channelsOnly)
            return;

        const std::vector<int>& match = m_comparison.satellites;
        for (std::size_t t = 0; t < match.size(); ++t) {
            if (match[t] < 0)
                Append(m_comparison, Table::Satellites, Change::Added, -1, int(t),
                       m_theirs.satellites[t].name);
        }
        const std::vector<bool> taken = Taken(match, m_satellites.size());
        for (int s = 0; s < count; ++s) {
            if (!taken[std::size_t(s)])
                Append(m_comparison, Table::Satellites, Change::Removed, s, -1, SatelliteName(s));
        }
        for (const auto& [s, t] : PairsByOurs(match)) {
            std::vector<Field> fields =
                SatelliteFields(m_satellites[std::size_t(s)], m_theirs.satellites[std::size_t(t)].record);
            if (!fields.empty())
                Append(m_comparison, Table::Satellites, Change::Changed, s, t, SatelliteName(s)).fields =
                    std::move(fields);
        }
    }

    void Transponders()
    {
        const int count = m_ours.GetTransponderCount();
        std::vector<std::uint64_t> ours;
        for (int t = 0; t < count; ++t) {
            TransponderRecord transponder;
            m_ours.GetTransponder(transponder, t);
            m_transponders.push_back(transponder);
            const int satellite =
                transponder.satelliteIndex < m_satellites.size() ? transponder.satelliteIndex : -1;
            ours.push_back(Key(satellite, transponder));
        }
        // A transponder on a satellite of theirs that is not ours is not ours either.
        std::vector<std::optional<std::uint64_t>> theirs;
        for (const OtherTransponder& transponder : m_theirs.transponders) {
            const int satellite =
                transponder.satellite < 0 ? -1 : m_comparison.satellites[std::size_t(transponder.satellite)];
            if (transponder.satellite >= 0 && satellite < 0)
                theirs.emplace_back();
            else
                theirs.push_back(Key(satellite, transponder.record));
        }
        m_comparison.transponders = MatchInOrder(ours, theirs);
        if (m_theirs.channelsOnly)
            return;

        const std::vector<int>& match = m_comparison.transponders;
        for (std::size_t t = 0; t < match.size(); ++t) {
            if (match[t] < 0)
                Append(m_comparison, Table::Transponders, Change::Added, -1, int(t)).place =
                    TheirPlace(int(t));
        }
        const std::vector<bool> taken = Taken(match, m_transponders.size());
        for (int t = 0; t < count; ++t) {
            if (!taken[std::size_t(t)])
                Append(m_comparison, Table::Transponders, Change::Removed, t, -1).place = OurPlace(t);
        }
        for (const auto& [o, t] : PairsByOurs(match)) {
            const std::uint16_t ourRate = m_transponders[std::size_t(o)].symbolRate;
            const std::uint16_t theirRate = m_theirs.transponders[std::size_t(t)].record.symbolRate;
            if (ourRate == theirRate)
                continue;
            Difference& changed = Append(m_comparison, Table::Transponders, Change::Changed, o, t);
            changed.place = OurPlace(o);
            changed.fields.push_back({"symbol_rate", std::int64_t(ourRate), std::int64_t(theirRate)});
        }
    }

    void Groups()
    {
        if (m_theirs.channelsOnly)
            return;
        const auto ours = ChannelRows::GroupNames(m_ours);
        for (int g = 0; g < Image::kGroupCount; ++g) {
            const std::string& theirs = m_theirs.groups[std::size_t(g)];
            if (ours[std::size_t(g)] != theirs)
                Append(m_comparison, Table::Groups, Change::Changed, g, g, ours[std::size_t(g)]).otherName =
                    theirs;
        }
    }

    void System()
    {
        if (m_theirs.channelsOnly)
            return;
        SystemInfo ours;
        m_ours.GetSystemInfo(ours);
        const SystemInfo& theirs = m_theirs.system;
        std::vector<Field> fields;
        CompareField(fields, "menuLanguage", std::int64_t(ours.menuLanguage),
                     std::int64_t(theirs.menuLanguage));
        CompareField(fields, "displayColor", std::int64_t(ours.displayColor),
                     std::int64_t(theirs.displayColor));
        CompareField(fields, "textColor", std::int64_t(ours.textColor), std::int64_t(theirs.textColor));
        for (Field& field : fields)
            Append(m_comparison, Table::System, Change::Changed, -1, -1).fields.push_back(std::move(field));
    }

private:
    // The matched pairs (ours, theirs) in our order.
    static std::vector<std::pair<int, int>> PairsByOurs(const std::vector<int>& match)
    {
        std::vector<std::pair<int, int>> pairs;
        for (std::size_t t = 0; t < match.size(); ++t) {
            if (match[t] >= 0)
                pairs.emplace_back(match[t], int(t));
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }

    // Satellite (-1: none), frequency and polarization in one number.
    static std::uint64_t Key(int satellite, const TransponderRecord& transponder)
    {
        return std::uint64_t(satellite + 1) << 33 | std::uint64_t(transponder.frequency) << 1 |
               (transponder.polarization != 0 ? 1u : 0u);
    }

    std::string SatelliteName(int s) const
    {
        const SatelliteRecord& satellite = m_satellites[std::size_t(s)];
        return {satellite.name, FieldTextLength(satellite.name)};
    }

    static Place PlaceOf(std::string satellite, const TransponderRecord& transponder)
    {
        return {true, std::move(satellite), transponder.frequency, transponder.polarization != 0,
                transponder.symbolRate};
    }

    Place OurPlace(int t) const
    {
        const TransponderRecord& transponder = m_transponders[std::size_t(t)];
        const bool named = transponder.satelliteIndex < m_satellites.size();
        return PlaceOf(named ? SatelliteName(transponder.satelliteIndex) : std::string(), transponder);
    }

    Place TheirPlace(int t) const
    {
        const OtherTransponder& transponder = m_theirs.transponders[std::size_t(t)];
        const bool named = transponder.satellite >= 0;
        return PlaceOf(named ? m_theirs.satellites[std::size_t(transponder.satellite)].name : std::string(),
                       transponder.record);
    }

    const CChannelDatabase& m_ours;
    const OtherSide& m_theirs;
    Comparison& m_comparison;
    std::vector<SatelliteRecord> m_satellites;
    std::vector<TransponderRecord> m_transponders;
};

}  // namespace

Comparison Compare(const CChannelDatabase& ours, const OtherSide& theirs)
{
    Comparison comparison;
    TableComparer tables(ours, theirs, comparison);
    tables.Satellites();
    tables.Transponders();
    Detail::CompareChannels(ours, theirs, comparison);
    tables.Groups();
    tables.System();
    return comparison;
}

}  // namespace Diff
