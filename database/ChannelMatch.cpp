#include "ChannelMatch.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <array>

namespace ChannelRows {

namespace {

void AppendBytes(std::string& key, const void* value, std::size_t size)
{
    key.append(static_cast<const char*>(value), size);
}

// The satellite's name and the transponder's frequency and polarization;
// a channel without transponder has only its satellite's (empty) name.
std::string TransponderKey(const Row& row)
{
    std::string key = row.satellite;
    key += '\0';
    if (row.onTransponder) {
        AppendBytes(key, &row.frequencyKhz, sizeof row.frequencyKhz);
        key += row.horizontal ? 'H' : 'V';
    }
    return key;
}

std::string PidKey(const Row& row)
{
    std::string key = TransponderKey(row);
    const std::uint16_t pids[] = {row.videoPid, row.audioPid, row.pcrPid};
    AppendBytes(key, pids, sizeof pids);
    return key;
}

std::string NameKey(const Row& row)
{
    return TransponderKey(row) + '\0' + row.name;
}

std::string NameAndPidKey(const Row& row)
{
    std::string key = row.name + '\0';
    const std::uint16_t pids[] = {row.videoPid, row.audioPid, row.pcrPid};
    AppendBytes(key, pids, sizeof pids);
    return key;
}

// Gives each row without a channel the earliest free channel of its list
// with the same key.
template <class Key>
void MatchBy(Key key, std::span<const Row> channels, std::vector<bool>& taken, std::span<const Row> rows,
             std::vector<int>& match)
{
    struct Queue {
        std::vector<std::size_t> channels;
        std::size_t next = 0;
    };
    std::array<std::unordered_map<std::string, Queue>, 2> queues;
    for (std::size_t c = 0; c < channels.size(); ++c) {
        if (!taken[c])
            queues[std::size_t(channels[c].kind)][key(channels[c])].channels.push_back(c);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (match[r] >= 0)
            continue;
        auto& list = queues[std::size_t(rows[r].kind)];
        const auto found = list.find(key(rows[r]));
        if (found == list.end() || found->second.next == found->second.channels.size())
            continue;
        const std::size_t c = found->second.channels[found->second.next++];
        taken[c] = true;
        match[r] = int(c);
    }
}

}  // namespace

std::vector<int> MatchRows(const CChannelDatabase& db, std::span<const Row> rows)
{
    return MatchRows(ExportRows(db), rows, false);
}

std::vector<int> MatchRows(std::span<const Row> channels, std::span<const Row> rows, bool anyTransponder)
{
    std::vector<bool> taken(channels.size());
    std::vector<int> match(rows.size(), -1);
    MatchBy(PidKey, channels, taken, rows, match);
    MatchBy(NameKey, channels, taken, rows, match);
    if (anyTransponder)
        MatchBy(NameAndPidKey, channels, taken, rows, match);
    // Channel rows hold the TV table, then the radio table.
    const int tv =
        int(std::count_if(channels.begin(), channels.end(), [](const Row& c) { return c.kind == kTv; }));
    for (int& m : match) {
        if (m >= tv)
            m -= tv;
    }
    return match;
}

TransponderFinder::TransponderFinder(const CChannelDatabase& db)
{
    const int satellites = db.GetSatelliteCount();
    const int count = db.GetTransponderCount();
    for (int tp = 0; tp < count; ++tp) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, tp);
        Row row;
        row.frequencyKhz = transponder.frequency;
        row.horizontal = transponder.polarization != 0;
        if (transponder.satelliteIndex < satellites) {
            SatelliteRecord satellite;
            db.GetSatellite(satellite, transponder.satelliteIndex);
            row.satellite.assign(satellite.name, FieldTextLength(satellite.name));
        }
        m_first.emplace(TransponderKey(row), tp);
    }
}

int TransponderFinder::Find(const Row& row) const
{
    if (!row.onTransponder)
        return -1;
    const auto found = m_first.find(TransponderKey(row));
    return found == m_first.end() ? -1 : found->second;
}

}  // namespace ChannelRows
