// The channel lists a take leaves: ours renamed, retuned, changed, moved and
// removed as chosen, with the chosen channels of theirs added.
#include "ChannelDatabase.h"
#include "FavoriteGroups.h"
#include "RecordRules.h"
#include "SystemTexts.h"
#include "TakeDetail.h"

namespace Diff::Detail {

namespace {

class ChannelLayout {
public:
    ChannelLayout(const CChannelDatabase& ours, const OtherSide& theirs, const Comparison& comparison,
                  const TakenTables& tables, const ListChoice& choice, ChannelKind kind)
        : m_ours(ours), m_theirs(theirs), m_comparison(comparison), m_tables(tables), m_choice(choice),
          m_kind(kind), m_channels(theirs.channels[KindIndex(kind)])
    {
        for (int g = 0; g < Image::kGroupCount; ++g) {
            if (!theirs.groups[std::size_t(g)].empty())
                m_theirNamed |= GroupBit(g);
        }
    }

    // The new list: the channels of ours that stay where they are, each
    // followed by the chosen moved and added channels that follow it on the
    // other side; those before any such channel first.
    std::optional<PlaceholderText> LayOut(ChannelRows::ChannelChange& change)
    {
        const int count = int(m_choice.removed.size());
        std::vector<ChannelRecord> records(static_cast<std::size_t>(count));
        std::vector<BouquetEntry> bouquets(static_cast<std::size_t>(count));
        std::vector<bool> kept(static_cast<std::size_t>(count));
        for (int s = 0; s < count; ++s) {
            m_ours.GetChannel(records[std::size_t(s)], s, m_kind);
            m_ours.GetBouquetEntry(bouquets[std::size_t(s)], s, m_kind);
            bool deleted = m_choice.removed[std::size_t(s)];
            if (!Edit(s, records[std::size_t(s)], bouquets[std::size_t(s)], deleted))
                return m_refusal;
            kept[std::size_t(s)] = !deleted;
        }

        struct Follower {
            int ours;  // a slot of ours, or -1 for a channel of theirs to add
            int theirs;
        };
        std::vector<std::vector<Follower>> followers(std::size_t(count) + 1);  // the last: at the front
        std::size_t anchor = std::size_t(count);
        const std::vector<int>& match = m_comparison.channels[std::size_t(m_kind)];
        for (std::size_t t = 0; t < m_channels.size(); ++t) {
            const int s = match[t];
            if (s >= 0 && kept[std::size_t(s)] && !m_choice.moved[std::size_t(s)])
                anchor = std::size_t(s);
            else if (s >= 0 && kept[std::size_t(s)])
                followers[anchor].push_back({s, int(t)});
            else if (s < 0 && m_choice.added[t])
                followers[anchor].push_back({-1, int(t)});
        }

        auto& table = change.channels[std::size_t(m_kind)];
        auto& entries = change.bouquets[std::size_t(m_kind)];
        auto place = [&](const Follower& f) {
            if (f.ours >= 0) {
                table.push_back(records[std::size_t(f.ours)]);
                entries.push_back(bouquets[std::size_t(f.ours)]);
                return true;
            }
            table.emplace_back();
            entries.emplace_back();
            return Copy(m_channels[std::size_t(f.theirs)], table.back(), entries.back());
        };
        for (const Follower& f : followers[std::size_t(count)]) {
            if (!place(f))
                return m_refusal;
        }
        for (int s = 0; s < count; ++s) {
            if (!kept[std::size_t(s)] || m_choice.moved[std::size_t(s)])
                continue;
            place({s, -1});
            for (const Follower& f : followers[std::size_t(s)]) {
                if (!place(f))
                    return m_refusal;
            }
        }
        if (int(table.size()) > ChannelCapacity(m_kind))
            return PlaceholderText{m_kind == kRadio ? Text::kRadioFull : Text::kTvFull, {}};
        return std::nullopt;
    }

private:
    template <std::size_t N> bool Storable(const std::string& text, const char (&field)[N], const char* what)
    {
        m_refusal = Unstorable(text, field, what);
        return !m_refusal;
    }

    // -1 for a transponder deleted with its channels; a reference to one that
    // does not exist is lowered as a deletion lowers it.
    int TransponderIndex(std::uint16_t reference) const
    {
        if (reference < m_tables.transponders.size())
            return m_tables.transponders[reference];
        if (reference >= Image::kChannelEnd)
            return reference;
        return reference - CountBelow(m_tables.deletedTransponders, reference);
    }

    // Where a channel of theirs goes: the transponder of ours it is on, or
    // the one added for it.
    int TheirTransponderIndex(const OtherChannel& channel) const
    {
        const int ours = m_comparison.transponders[std::size_t(channel.transponder)];
        return ours >= 0 ? m_tables.transponders[std::size_t(ours)]
                         : m_tables.newTransponders.at(channel.transponder);
    }

    // A channel of ours with its renaming, retuning and changes, its groups
    // restarted and its transponder renumbered; `deleted` when it goes with
    // its transponder.
    bool Edit(int slot, ChannelRecord& channel, BouquetEntry& bouquet, bool& deleted)
    {
        channel.favoriteMask &= std::uint8_t(~m_tables.restarted);
        const int transponder = TransponderIndex(channel.transponderIndex);
        deleted = deleted || transponder < 0;
        channel.transponderIndex = std::uint16_t(transponder);
        for (const Difference* d : m_choice.edits[std::size_t(slot)]) {
            const OtherChannel& theirs = m_channels[std::size_t(d->theirs)];
            if (d->change == Change::Renamed) {
                if (!Storable(theirs.row.name, channel.name, "name"))
                    return false;
                WriteText(channel.name, theirs.row.name);
            } else if (d->change == Change::Retuned) {
                channel.transponderIndex = std::uint16_t(TheirTransponderIndex(theirs));
                deleted = false;  // a matched channel, which no removal names
            } else {
                for (const Field& field : d->fields) {
                    if (!TakeField(field.name, theirs, channel, bouquet))
                        return false;
                }
            }
        }
        return true;
    }

    bool TakeField(const std::string& field, const OtherChannel& theirs, ChannelRecord& channel,
                   BouquetEntry& bouquet)
    {
        using namespace ChannelFlag;
        const ChannelRows::Row& row = theirs.row;
        if (field == "bouquet") {
            if (!Storable(row.bouquet, bouquet.text, "bouquet"))
                return false;
            WriteText(bouquet.text, row.bouquet);
        } else if (field == "video_pid") {
            channel.videoPid = row.videoPid;
        } else if (field == "audio_pid") {
            channel.audioPid = row.audioPid;
        } else if (field == "pcr_pid") {
            channel.pcrPid = row.pcrPid;
        } else if (field == "scramble") {
            channel.flags = Rules::SwitchedFlag(channel.flags, kScrambled, theirs.record.flags & kScrambled);
            channel.caSystemId = theirs.record.caSystemId;
        } else if (field == "audio") {
            channel.flags = std::uint8_t((channel.flags & ~kAudioBits) | (theirs.record.flags & kAudioBits));
        } else if (field == "lock") {
            channel.flags = Rules::SwitchedFlag(channel.flags, kLocked, row.locked);
        } else if (field == "skip") {
            channel.flags = Rules::SwitchedFlag(channel.flags, kSkipped, row.skipped);
        } else {
            channel.favoriteMask = Groups(theirs, channel.favoriteMask);
        }
        return true;
    }

    // The memberships of theirs in the groups ours will have: by slot from an
    // image, by name from a list. The bits of groups without a name stay.
    std::uint8_t Groups(const OtherChannel& theirs, std::uint8_t old) const
    {
        const std::uint8_t named = m_tables.named;
        if (!m_theirs.channelsOnly)
            return std::uint8_t((old & ~named) | (theirs.record.favoriteMask & m_theirNamed & named));
        const ChannelRows::FavoriteGroups groups(m_tables.groups);
        return groups.Mask(groups.Split(theirs.row.groups), old);
    }

    // A channel of theirs to add: copied, on the transponder it needs.
    bool Copy(const OtherChannel& theirs, ChannelRecord& channel, BouquetEntry& bouquet)
    {
        if (!Storable(theirs.row.name, channel.name, "name") ||
            !Storable(theirs.row.bouquet, bouquet.text, "bouquet"))
            return false;
        channel = theirs.record;
        bouquet = theirs.bouquet;
        channel.transponderIndex = std::uint16_t(TheirTransponderIndex(theirs));
        channel.favoriteMask = Groups(theirs, 0);
        return true;
    }

    const CChannelDatabase& m_ours;
    const OtherSide& m_theirs;
    const Comparison& m_comparison;
    const TakenTables& m_tables;
    const ListChoice& m_choice;
    const ChannelKind m_kind;
    const std::vector<OtherChannel>& m_channels;  // theirs of this list
    std::uint8_t m_theirNamed = 0;
    std::optional<PlaceholderText> m_refusal;
};

}  // namespace

std::optional<PlaceholderText> LayOutChannels(const CChannelDatabase& ours, const OtherSide& theirs,
                                              const Comparison& comparison, const TakenTables& tables,
                                              const ListChoice& choice, ChannelKind kind,
                                              ChannelRows::ChannelChange& change)
{
    return ChannelLayout(ours, theirs, comparison, tables, choice, kind).LayOut(change);
}

}  // namespace Diff::Detail
