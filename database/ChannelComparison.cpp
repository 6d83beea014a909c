// The channels of both lists: matched as an import matches rows, on the
// transponders the transponder comparison matched; the channels outside the
// longest common subsequence of the matched ones, in list order, moved.
#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "ComparisonDetail.h"
#include "FavoriteGroups.h"

#include <algorithm>

namespace Diff::Detail {

namespace {

using ChannelRows::Row;

// No transponder of ours, and none on the other side either.
constexpr int kNone = -1;
// A transponder of theirs that is none of ours.
constexpr int kNotOurs = -2;

Place PlaceOf(const Row& row)
{
    return {row.onTransponder, row.satellite, row.frequencyKhz, row.horizontal, row.symbolRate};
}

// The row as the matcher sees it: its transponder named by identity, so that
// transponders of equal names and numbers stay apart as the transponder
// comparison keeps them.
Row MatchingRow(const Row& row, int transponder)
{
    Row key;
    key.kind = row.kind;
    key.name = row.name;
    key.videoPid = row.videoPid;
    key.audioPid = row.audioPid;
    key.pcrPid = row.pcrPid;
    key.onTransponder = false;
    key.satellite = transponder == kNone ? "-" : transponder == kNotOurs ? "?" : std::to_string(transponder);
    return key;
}

// Which entries of a sequence of distinct numbers make one of its longest
// increasing subsequences.
std::vector<bool> LongestIncreasing(const std::vector<int>& sequence)
{
    std::vector<std::size_t> tails;  // per length, the entry ending the best run so far
    std::vector<std::size_t> before(sequence.size());
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), sequence[i],
                                         [&](std::size_t tail, int value) { return sequence[tail] < value; });
        before[i] = at == tails.begin() ? sequence.size() : *(at - 1);
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> in(sequence.size());
    for (std::size_t i = tails.empty() ? sequence.size() : tails.back(); i < sequence.size(); i = before[i])
        in[i] = true;
    return in;
}

Value OnOff(bool on)
{
    return std::string(on ? "ON" : "OFF");
}

class ChannelComparer {
public:
    ChannelComparer(const CChannelDatabase& ours, const OtherSide& theirs, Comparison& comparison)
        : m_ours(ours), m_theirs(theirs), m_comparison(comparison), m_rows(ChannelRows::ExportRows(ours)),
          m_groups(ours)
    {
        const auto ourNames = ChannelRows::GroupNames(ours);
        for (int g = 0; g < Image::kGroupCount; ++g) {
            if (!ourNames[std::size_t(g)].empty())
                m_ourGroups |= GroupBit(g);
            if (!theirs.groups[std::size_t(g)].empty())
                m_theirGroups |= GroupBit(g);
        }
    }

    void Run()
    {
        Match();
        for (ChannelKind kind : kChannelKinds)
            CompareList(kind);
    }

private:
    void Match()
    {
        const int transponders = m_ours.GetTransponderCount();
        std::vector<Row> ourKeys, theirKeys;
        ourKeys.reserve(m_rows.size());
        m_records.reserve(m_rows.size());
        m_transponders.reserve(m_rows.size());
        theirKeys.reserve(m_theirs.channels[KindIndex(kTv)].size() +
                          m_theirs.channels[KindIndex(kRadio)].size());
        for (const Row& row : m_rows) {
            ChannelRecord channel;
            m_ours.GetChannel(channel, int(row.position) - 1, row.kind);
            m_records.push_back(channel);
            m_transponders.push_back(channel.transponderIndex < transponders ? channel.transponderIndex
                                                                             : kNone);
            ourKeys.push_back(MatchingRow(row, m_transponders.back()));
        }
        for (const auto& list : m_theirs.channels) {
            for (const OtherChannel& channel : list)
                theirKeys.push_back(MatchingRow(channel.row, TheirTransponder(channel)));
        }
        const std::vector<int> match = ChannelRows::MatchRows(ourKeys, theirKeys, true);
        const std::size_t tv = m_theirs.channels[KindIndex(kTv)].size();
        m_comparison.channels[KindIndex(kTv)].assign(match.begin(), match.begin() + std::ptrdiff_t(tv));
        m_comparison.channels[KindIndex(kRadio)].assign(match.begin() + std::ptrdiff_t(tv), match.end());
    }

    // The transponder of ours that a channel of theirs is on, kNone or kNotOurs.
    int TheirTransponder(const OtherChannel& channel) const
    {
        if (channel.transponder < 0)
            return kNone;
        const int ours = m_comparison.transponders[std::size_t(channel.transponder)];
        return ours >= 0 ? ours : kNotOurs;
    }

    void CompareList(ChannelKind kind)
    {
        const Table table = kind == kRadio ? Table::Radio : Table::Tv;
        const std::vector<int>& match = m_comparison.channels[KindIndex(kind)];
        const auto& theirs = m_theirs.channels[KindIndex(kind)];
        const std::size_t first = kind == kRadio ? std::size_t(m_ours.GetChannelCount(kTv)) : 0;
        const int count = m_ours.GetChannelCount(kind);

        for (std::size_t t = 0; t < match.size(); ++t) {
            if (match[t] < 0)
                Append(m_comparison, table, Change::Added, -1, int(t), theirs[t].row.name).place =
                    PlaceOf(theirs[t].row);
        }
        std::vector<int> theirOf(std::size_t(count), -1);
        std::vector<int> ourOrder;  // our slots in their order
        for (std::size_t t = 0; t < match.size(); ++t) {
            if (match[t] >= 0) {
                theirOf[std::size_t(match[t])] = int(t);
                ourOrder.push_back(match[t]);
            }
        }
        const std::vector<bool> kept = LongestIncreasing(ourOrder);
        std::vector<bool> moved(std::size_t(count), false);
        for (std::size_t i = 0; i < ourOrder.size(); ++i)
            moved[std::size_t(ourOrder[i])] = !kept[i];

        auto row = [&](int slot) -> const Row& { return m_rows[first + std::size_t(slot)]; };
        for (int s = 0; s < count; ++s) {
            if (theirOf[std::size_t(s)] < 0)
                Append(m_comparison, table, Change::Removed, s, -1, row(s).name).place = PlaceOf(row(s));
        }
        for (int s = 0; s < count; ++s) {
            if (moved[std::size_t(s)])
                Append(m_comparison, table, Change::Moved, s, theirOf[std::size_t(s)], row(s).name);
        }
        for (int s = 0; s < count; ++s) {
            const int t = theirOf[std::size_t(s)];
            if (t >= 0 && row(s).name != theirs[std::size_t(t)].row.name)
                Append(m_comparison, table, Change::Renamed, s, t, row(s).name).otherName =
                    theirs[std::size_t(t)].row.name;
        }
        for (int s = 0; s < count; ++s) {
            const int t = theirOf[std::size_t(s)];
            if (t < 0 || m_transponders[first + std::size_t(s)] == TheirTransponder(theirs[std::size_t(t)]))
                continue;
            Difference& retuned = Append(m_comparison, table, Change::Retuned, s, t, row(s).name);
            retuned.place = PlaceOf(row(s));
            retuned.otherPlace = PlaceOf(theirs[std::size_t(t)].row);
        }
        for (int s = 0; s < count; ++s) {
            const int t = theirOf[std::size_t(s)];
            if (t < 0)
                continue;
            std::vector<Field> fields =
                Fields(row(s), m_records[first + std::size_t(s)], theirs[std::size_t(t)]);
            if (!fields.empty())
                Append(m_comparison, table, Change::Changed, s, t, row(s).name).fields = std::move(fields);
        }
    }

    // The names in a groups cell, in any order.
    std::vector<std::string> GroupSet(const std::string& cell) const
    {
        std::vector<std::string> names = m_groups.Split(cell);
        std::sort(names.begin(), names.end());
        return names;
    }

    // A list's empty scramble or audio cell names no value, and its groups
    // are names; an image's group memberships are slots, of named groups.
    std::vector<Field> Fields(const Row& ours, const ChannelRecord& ourRecord,
                              const OtherChannel& channel) const
    {
        const Row& theirs = channel.row;
        const bool list = m_theirs.channelsOnly;
        std::vector<Field> fields;
        auto compare = [&fields](const char* name, Value a, Value b) {
            CompareField(fields, name, std::move(a), std::move(b));
        };
        compare("bouquet", ours.bouquet, theirs.bouquet);
        compare("video_pid", std::int64_t(ours.videoPid), std::int64_t(theirs.videoPid));
        compare("audio_pid", std::int64_t(ours.audioPid), std::int64_t(theirs.audioPid));
        compare("pcr_pid", std::int64_t(ours.pcrPid), std::int64_t(theirs.pcrPid));
        if (!list || !theirs.scramble.empty())
            compare("scramble", ours.scramble, theirs.scramble);
        if (!list || !theirs.audio.empty())
            compare("audio", ours.audio, theirs.audio);
        compare("lock", OnOff(ours.locked), OnOff(theirs.locked));
        compare("skip", OnOff(ours.skipped), OnOff(theirs.skipped));
        const bool groupsDiffer =
            list ? GroupSet(ours.groups) != GroupSet(theirs.groups)
                 : (ourRecord.favoriteMask & m_ourGroups) != (channel.record.favoriteMask & m_theirGroups);
        if (groupsDiffer)
            fields.push_back({"groups", ours.groups, theirs.groups});
        return fields;
    }

    const CChannelDatabase& m_ours;
    const OtherSide& m_theirs;
    Comparison& m_comparison;
    // Ours, every TV channel and then every radio channel: rows, records and
    // transponders (kNone for a channel on none).
    std::vector<Row> m_rows;
    std::vector<ChannelRecord> m_records;
    std::vector<int> m_transponders;
    ChannelRows::FavoriteGroups m_groups;  // ours
    std::uint8_t m_ourGroups = 0;  // the slots of named groups
    std::uint8_t m_theirGroups = 0;
};

}  // namespace

void CompareChannels(const CChannelDatabase& ours, const OtherSide& theirs, Comparison& comparison)
{
    ChannelComparer(ours, theirs, comparison).Run();
}

}  // namespace Diff::Detail
