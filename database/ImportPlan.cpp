#include "ImportPlan.h"

#include "CellText.h"
#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "EntryLists.h"
#include "FavoriteGroups.h"
#include "Latin1Text.h"
#include "ListTexts.h"
#include "RecordRules.h"
#include "SystemTexts.h"

#include <cstring>
#include <set>

namespace ChannelRows {

namespace {

template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, FieldTextLength(field));
}

// Text and NUL, as the edit dialogs write names; the bytes after stay.
template <std::size_t N> void WriteText(char (&field)[N], const std::string& text)
{
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = '\0';
}

class Importer {
public:
    Importer(const CChannelDatabase& db, std::span<const Row> rows, ImportPlan& plan)
        : m_db(db), m_rows(rows), m_plan(plan), m_groups(db),
          m_transponders(db), m_counts{db.GetChannelCount(kTv), db.GetChannelCount(kRadio)}
    {
    }

    std::optional<Refusal> Run(bool addUnmatched)
    {
        const std::vector<int> match = MatchRows(m_db, m_rows);
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            const Row& row = m_rows[r];
            if (!GroupsOf(row))
                return m_refusal;
            if (match[r] >= 0) {
                if (!Take(row, match[r]))
                    return m_refusal;
                continue;
            }
            std::string why;
            if (addUnmatched && !Add(row, why))
                return m_refusal;
            if (!why.empty() || !addUnmatched)
                m_plan.report.unmatched.push_back({row.line, RowText(row), why});
        }
        for (ChannelKind kind : kChannelKinds)
            m_plan.report.moved += Arrange(m_db, kind, std::move(m_placed[KindIndex(kind)]), m_plan.change);
        NoteWhetherChanged(m_db, m_plan.change);
        return std::nullopt;
    }

private:
    bool Refuse(const Row& row, PlaceholderText reason)
    {
        m_refusal = Refusal(row.line, std::move(reason));
        return false;
    }

    // Only a name that keeps its NUL can be written.
    template <std::size_t N>
    bool Storable(const Row& row, const std::string& text, const char (&)[N], const char* what)
    {
        if (text.size() < N)
            return true;
        return Refuse(row, {Text::kCellTooLong, {what, Latin1::ToUtf8(text), std::to_string(N - 1)}});
    }

    bool GroupsOf(const Row& row)
    {
        m_names = m_groups.Split(row.groups);
        for (const std::string& name : m_names) {
            if (!m_groups.Named(name))
                return Refuse(row, {Text::kUnknownGroup, {Latin1::ToUtf8(name)}});
        }
        return true;
    }

    bool Take(const Row& row, int slot)
    {
        Placed placed{row.position, slot, {}, {}};
        ChannelRecord& channel = placed.record;
        BouquetEntry& bouquet = placed.bouquet;
        m_db.GetChannel(channel, slot, row.kind);
        m_db.GetBouquetEntry(bouquet, slot, row.kind);
        if (row.name != FieldText(channel.name)) {
            if (!Storable(row, row.name, channel.name, "name"))
                return false;
            WriteText(channel.name, row.name);
            ++m_plan.report.renamed;
        }
        if (row.bouquet != FieldText(bouquet.text)) {
            if (!Storable(row, row.bouquet, bouquet.text, "bouquet"))
                return false;
            WriteText(bouquet.text, row.bouquet);
        }
        channel.flags = Rules::SwitchedFlag(channel.flags, ChannelFlag::kLocked, row.locked);
        channel.flags = Rules::SwitchedFlag(channel.flags, ChannelFlag::kSkipped, row.skipped);
        // What the list shows already is left as it is: a stored CA id is
        // matched by its high byte alone, and the empty texts name no entry.
        if (row.audio != Cells::AudioText(channel))
            channel.flags = Rules::WithAudio(channel.flags, AudioEntry(row.audio));
        if (row.scramble != Cells::ScrambleText(channel))
            Rules::WriteScramble(channel, ScrambleEntry(row.scramble));
        channel.favoriteMask = m_groups.Mask(m_names, channel.favoriteMask);
        m_placed[KindIndex(row.kind)].push_back(placed);
        ++m_plan.report.matched;
        return true;
    }

    // Adds the row's channel as Channel Add would, or says in `why` why not;
    // false for a refusal.
    bool Add(const Row& row, std::string& why)
    {
        const int tp = m_transponders.Find(row);
        int& count = m_counts[KindIndex(row.kind)];
        const Rules::ChannelChoices choices = AddedChannelChoices(row);
        if (tp < 0)
            why = Text::kNoTransponderForRow;
        else if (count >= ChannelCapacity(row.kind))
            why = row.kind == kRadio ? Text::kRadioFull : Text::kTvFull;
        else if (!Rules::HasRequiredChannelValues(choices, row.kind))
            why = Text::kChannelEmptyAdd;
        if (!why.empty())
            return true;
        Placed placed{row.position, -1, {}, {}};
        if (!Storable(row, row.name, placed.record.name, "name") ||
            !Storable(row, row.bouquet, placed.bouquet.text, "bouquet"))
            return false;
        Rules::WriteAddedChannel(placed.record, placed.bouquet, choices, std::uint16_t(tp), row.kind);
        // A row whose channel an earlier row took names no new channel.
        if (!Keys(row.kind).insert(DuplicateKey(placed.record)).second) {
            why = Text::kChannelThereAlready;
            return true;
        }
        placed.record.favoriteMask = m_groups.Mask(m_names, 0);
        m_placed[KindIndex(row.kind)].push_back(placed);
        ++count;
        ++m_plan.report.added;
        return true;
    }

    // The duplicate keys of the table's channels and of those added so far.
    std::set<std::uint64_t>& Keys(ChannelKind kind)
    {
        std::set<std::uint64_t>& keys = m_keys[KindIndex(kind)];
        if (keys.empty()) {
            for (int i = 0, count = m_db.GetChannelCount(kind); i < count; ++i) {
                ChannelRecord channel;
                m_db.GetChannel(channel, i, kind);
                keys.insert(DuplicateKey(channel));
            }
        }
        return keys;
    }

    const CChannelDatabase& m_db;
    std::span<const Row> m_rows;
    ImportPlan& m_plan;
    FavoriteGroups m_groups;
    TransponderFinder m_transponders;
    std::array<int, 2> m_counts;
    std::array<std::vector<Placed>, 2> m_placed;
    std::vector<std::string> m_names;  // the groups of the row at hand
    std::array<std::set<std::uint64_t>, 2> m_keys;
    std::optional<Refusal> m_refusal;
};

std::string Counted(const char* what, std::size_t n)
{
    return std::string(what) + ": " + std::to_string(n);
}

}  // namespace

Rules::ChannelChoices AddedChannelChoices(const Row& row)
{
    Rules::ChannelChoices choices;
    choices.name = row.name;
    choices.bouquet = row.bouquet;
    choices.videoPid = row.videoPid;
    choices.audioPid = row.audioPid;
    choices.pcrPid = row.pcrPid;
    choices.lock = row.locked ? 1 : 0;
    choices.skip = row.skipped ? 1 : 0;
    choices.audio = std::max(AudioEntry(row.audio), 0);
    choices.scramble = row.scramble.empty() ? Entries::kCaFta : ScrambleEntry(row.scramble);
    return choices;
}

std::vector<std::string> ImportReport::Lines() const
{
    std::vector<std::string> lines{
        Counted("matched", std::size_t(matched)), Counted("moved", std::size_t(moved)),
        Counted("renamed", std::size_t(renamed)), Counted("unmatched", unmatched.size())};
    for (const UnmatchedRow& row : unmatched)
        lines.push_back("  line " + std::to_string(row.line) + ": " + row.text +
                        (row.why.empty() ? "" : " (" + row.why + ")"));
    lines.push_back(Counted("added", std::size_t(added)));
    return lines;
}

std::optional<Refusal> PlanImport(const CChannelDatabase& db, std::span<const Row> rows, bool addUnmatched,
                                  ImportPlan& plan)
{
    plan = ImportPlan{};
    std::optional<Refusal> refusal = Importer(db, rows, plan).Run(addUnmatched);
    if (refusal)
        plan = ImportPlan{};
    return refusal;
}

}  // namespace ChannelRows
