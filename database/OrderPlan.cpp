#include "OrderPlan.h"

#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "FavoriteGroups.h"
#include "Latin1Text.h"
#include "ListTexts.h"
#include "RecordRules.h"

#include <algorithm>

namespace ChannelRows {

namespace {

class Orderer {
public:
    Orderer(const CChannelDatabase& db, OrderPlan& plan) : m_db(db), m_plan(plan), m_groups(db) { }

    std::optional<Refusal> Run(std::span<const Row> reference)
    {
        const std::vector<int> match = MatchRows(m_db, reference);
        for (std::size_t r = 0; r < reference.size(); ++r) {
            const Row& row = reference[r];
            if (match[r] < 0) {
                m_plan.report.unmatchedRows.push_back({row.line, RowText(row), ""});
                continue;
            }
            std::vector<std::string> names;
            if (!GroupsOf(row, names))
                return m_refusal;
            Placed placed{row.position, match[r], {}, {}};
            m_db.GetChannel(placed.record, match[r], row.kind);
            m_db.GetBouquetEntry(placed.bouquet, match[r], row.kind);
            ChannelRecord& channel = placed.record;
            channel.favoriteMask = m_groups.Mask(names, channel.favoriteMask);
            channel.flags = Rules::SwitchedFlag(channel.flags, ChannelFlag::kLocked, row.locked);
            channel.flags = Rules::SwitchedFlag(channel.flags, ChannelFlag::kSkipped, row.skipped);
            m_placed[KindIndex(row.kind)].push_back(placed);
            ++m_plan.report.matched;
        }
        for (ChannelKind kind : kChannelKinds) {
            const std::size_t placed = m_placed[KindIndex(kind)].size();
            m_plan.report.moved += Arrange(m_db, kind, std::move(m_placed[KindIndex(kind)]), m_plan.change);
            NoteChannelsLeftOut(kind, placed);
        }
        NoteWhetherChanged(m_db, m_plan.change);
        return std::nullopt;
    }

private:
    // The row's groups that exist or can be created.
    bool GroupsOf(const Row& row, std::vector<std::string>& names)
    {
        for (std::string& name : m_groups.Split(row.groups)) {
            if (!m_groups.Named(name) && !Create(row, name))
                return false;
            if (m_groups.Named(name))
                names.push_back(std::move(name));
        }
        return true;
    }

    // A group without a free slot is left out; false for a refusal.
    bool Create(const Row& row, const std::string& name)
    {
        auto& withoutSlot = m_plan.report.groupsWithoutSlot;
        if (std::find(withoutSlot.begin(), withoutSlot.end(), name) != withoutSlot.end())
            return true;
        if (name.empty() || name.size() >= sizeof(FavoriteGroupRecord::name)) {
            m_refusal = Refusal(row.line, {Text::kGroupNotCreatable, {Latin1::ToUtf8(name)}});
            return false;
        }
        const int slot = m_groups.Create(name);
        if (slot < 0) {
            withoutSlot.push_back(name);
            return true;
        }
        m_plan.change.newGroups.emplace_back(slot, name);
        m_plan.report.createdGroups.push_back(name);
        m_created |= GroupBit(slot);
        return true;
    }

    // Channels no row names follow the placed ones; a group created now has
    // none of them, whatever bit they held for its slot before.
    void NoteChannelsLeftOut(ChannelKind kind, std::size_t placed)
    {
        auto& channels = m_plan.change.channels[KindIndex(kind)];
        for (std::size_t i = placed; i < channels.size(); ++i) {
            ChannelRecord& channel = channels[i];
            channel.favoriteMask &= std::uint8_t(~m_created);
            m_plan.report.unmatchedChannels.push_back(
                {kind == kRadio ? Text::kRadioChannelNamed : Text::kTvChannelNamed,
                 {Latin1::ToUtf8({channel.name, FieldTextLength(channel.name)})}});
        }
    }

    const CChannelDatabase& m_db;
    OrderPlan& m_plan;
    FavoriteGroups m_groups;
    std::uint8_t m_created = 0;
    std::array<std::vector<Placed>, 2> m_placed;
    std::optional<Refusal> m_refusal;
};

void AddNamed(std::vector<std::string>& lines, const char* what, const std::vector<std::string>& names)
{
    lines.push_back(std::string(what) + ": " + std::to_string(names.size()));
    for (const std::string& name : names)
        lines.push_back("  " + name);
}

}  // namespace

std::vector<std::string> OrderReport::Lines() const
{
    std::vector<std::string> lines{"matched: " + std::to_string(matched), "moved: " + std::to_string(moved)};
    auto utf8 = [](const std::vector<std::string>& names) {
        std::vector<std::string> texts;
        for (const std::string& name : names)
            texts.push_back(Latin1::ToUtf8(name));
        return texts;
    };
    AddNamed(lines, "groups created", utf8(createdGroups));
    AddNamed(lines, "groups without a free slot", utf8(groupsWithoutSlot));
    std::vector<std::string> rows;
    for (const UnmatchedRow& row : unmatchedRows)
        rows.push_back("line " + std::to_string(row.line) + ": " + row.text);
    AddNamed(lines, "unmatched reference rows", rows);
    std::vector<std::string> channels;
    for (const PlaceholderText& channel : unmatchedChannels)
        channels.push_back(Fill(channel));
    AddNamed(lines, "channels not in the reference", channels);
    return lines;
}

std::optional<Refusal> PlanOrder(const CChannelDatabase& db, std::span<const Row> reference, OrderPlan& plan)
{
    plan = OrderPlan{};
    std::optional<Refusal> refusal = Orderer(db, plan).Run(reference);
    if (refusal)
        plan = OrderPlan{};
    return refusal;
}

}  // namespace ChannelRows
