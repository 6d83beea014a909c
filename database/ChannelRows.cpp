#include "ChannelRows.h"

#include "CellText.h"
#include "ChannelDatabase.h"
#include "EntryLists.h"

#include <algorithm>
#include <array>

namespace ChannelRows {

namespace {

template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, FieldTextLength(field));
}

// What every row of one image needs: the counts and the group names.
struct Tables {
    explicit Tables(const CChannelDatabase& db)
        : transponders(db.GetTransponderCount()), satellites(db.GetSatelliteCount())
    {
        for (int g = 0; g < Image::kGroupCount; ++g) {
            FavoriteGroupRecord group;
            db.GetGroup(group, g);
            groupNames[std::size_t(g)] = FieldText(group.name);
        }
    }
    int transponders;
    int satellites;
    std::array<std::string, Image::kGroupCount> groupNames;
};

std::string GroupsText(const Tables& tables, std::uint8_t favoriteMask)
{
    std::string text;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        const std::string& name = tables.groupNames[std::size_t(g)];
        if (!(favoriteMask & GroupBit(g)) || name.empty())
            continue;
        text += (text.empty() ? "" : "|") + name;
    }
    return text;
}

Row RowOf(const CChannelDatabase& db, const Tables& tables, int slot, ChannelKind kind)
{
    ChannelRecord channel;
    db.GetChannel(channel, slot, kind);
    Row row;
    row.kind = kind;
    row.position = std::uint32_t(slot) + 1;
    row.name = FieldText(channel.name);
    row.bouquet = Cells::BouquetText(db, slot, kind);
    row.onTransponder = channel.transponderIndex < tables.transponders;
    if (row.onTransponder) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, channel.transponderIndex);
        row.frequencyKhz = transponder.frequency;
        row.symbolRate = transponder.symbolRate;
        row.horizontal = transponder.polarization != 0;
        if (transponder.satelliteIndex < tables.satellites) {
            SatelliteRecord satellite;
            db.GetSatellite(satellite, transponder.satelliteIndex);
            row.satellite = FieldText(satellite.name);
        }
    }
    row.videoPid = channel.videoPid;
    row.audioPid = channel.audioPid;
    row.pcrPid = channel.pcrPid;
    row.scramble = Cells::ScrambleText(channel);
    row.audio = Cells::AudioText(channel);
    row.locked = channel.flags & ChannelFlag::kLocked;
    row.skipped = channel.flags & ChannelFlag::kSkipped;
    row.groups = GroupsText(tables, channel.favoriteMask);
    return row;
}

}  // namespace

std::vector<Row> ExportRows(const CChannelDatabase& db)
{
    const Tables tables(db);
    std::vector<Row> rows;
    rows.reserve(std::size_t(db.GetChannelCount(kTv) + db.GetChannelCount(kRadio)));
    for (ChannelKind kind : kChannelKinds) {
        const int count = db.GetChannelCount(kind);
        for (int slot = 0; slot < count; ++slot)
            rows.push_back(RowOf(db, tables, slot, kind));
    }
    return rows;
}

int WordEntry(std::span<const char* const> words, std::string_view text)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word.size() == text.size() && std::equal(word.begin(), word.end(), text.begin(),
                                                     [&](char a, char b) { return lower(a) == lower(b); }))
            return int(i);
    }
    return -1;
}

int ScrambleEntry(const std::string& scramble)
{
    std::array<const char*, Entries::kCaSystems.size()> names;
    std::transform(Entries::kCaSystems.begin(), Entries::kCaSystems.end(), names.begin(),
                   [](const Entries::CaSystem& entry) { return entry.name; });
    return WordEntry(names, scramble);
}

int AudioEntry(const std::string& audio)
{
    return WordEntry(Entries::kAudio, audio);
}

}  // namespace ChannelRows
