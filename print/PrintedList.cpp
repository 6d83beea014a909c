#include "PrintedList.h"

#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "CoreText.h"

#include <QStringList>

#include <array>

namespace {

QString ReceiverText(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

using GroupNames = std::array<QString, Image::kGroupCount>;

GroupNames NamesOfGroups(const CChannelDatabase& db)
{
    GroupNames names;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        names[std::size_t(slot)] = QString::fromLatin1(group.name, FieldTextLength(group.name));
    }
    return names;
}

// A channel as printed, with the mask of its groups.
struct Entry {
    PrintedChannel channel;
    std::uint8_t groups = 0;
};

std::array<std::vector<Entry>, 2> Entries(const CChannelDatabase& db, const GroupNames& groupNames)
{
    std::array<std::vector<Entry>, 2> entries;
    for (const ChannelRows::Row& row : ChannelRows::ExportRows(db)) {
        ChannelRecord record;
        db.GetChannel(record, int(row.position) - 1, row.kind);
        Entry entry;
        PrintedChannel& channel = entry.channel;
        channel.number = int(row.position);
        channel.name = ReceiverText(row.name);
        channel.satellite = ReceiverText(row.satellite);
        if (row.onTransponder)
            channel.transponder = QStringLiteral("%1 %2")
                                      .arg(row.frequencyKhz / 1000)
                                      .arg(row.horizontal ? QLatin1Char('H') : QLatin1Char('V'));
        channel.scramble = CoreText(row.scramble);
        QStringList groups;
        for (int g = 0; g < Image::kGroupCount; ++g) {
            if ((record.favoriteMask & GroupBit(g)) && !groupNames[std::size_t(g)].isEmpty())
                groups.append(groupNames[std::size_t(g)]);
        }
        channel.groups = groups.join(QStringLiteral(", "));
        channel.locked = row.locked;
        channel.skipped = row.skipped;
        entry.groups = record.favoriteMask;
        entries[std::size_t(row.kind)].push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

std::vector<PrintSection> PrintedList::Sections(const CChannelDatabase& db, const PrintContent& content)
{
    const GroupNames groupNames = NamesOfGroups(db);
    const std::array<std::vector<Entry>, 2> entries = Entries(db, groupNames);
    const auto listTitle = [](ChannelKind kind) {
        return kind == kRadio ? tr("Radio channels") : tr("TV channels");
    };
    std::vector<PrintSection> sections;
    if (!content.groupSections) {
        for (ChannelKind kind : content.kinds) {
            PrintSection& section = sections.emplace_back(PrintSection{listTitle(kind), {}});
            for (const Entry& entry : entries[std::size_t(kind)])
                section.channels.push_back(entry.channel);
        }
        return sections;
    }
    SystemInfo info;
    db.GetSystemInfo(info);
    for (int g = 0; g < Image::kGroupCount; ++g) {
        if (!(info.groupsInUse & GroupBit(g)))
            continue;
        for (ChannelKind kind : content.kinds) {
            //: %1 is the name of a favourite group, %2 "TV channels" or "Radio channels".
            PrintSection section{tr("%1: %2").arg(groupNames[std::size_t(g)], listTitle(kind)), {}};
            for (const Entry& entry : entries[std::size_t(kind)]) {
                if (entry.groups & GroupBit(g))
                    section.channels.push_back(entry.channel);
            }
            if (!section.channels.empty())
                sections.push_back(std::move(section));
        }
    }
    return sections;
}
