#include "ImageCheck.h"

#include "ChannelDatabase.h"
#include "ImageCheckDetail.h"
#include "ListTexts.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace ImageCheck {

namespace Detail {

bool AllBytes(const void* p, std::size_t n, std::uint8_t value)
{
    std::array<std::uint8_t, 64> block;
    block.fill(value);
    return n <= block.size() && std::memcmp(p, block.data(), n) == 0;
}

const char* ChannelTable(ChannelKind kind)
{
    return kind == kRadio ? Text::kRadioChannelRecord : Text::kTvChannelRecord;
}

PlaceholderText Record(const char* table, int index)
{
    return {table, {std::to_string(index)}};
}

std::vector<std::pair<int, int>> LaterDuplicates(const CChannelDatabase& db, ChannelKind kind)
{
    std::vector<std::pair<int, int>> duplicates;
    std::unordered_map<std::uint64_t, int> first;
    const int count = db.GetChannelCount(kind);
    first.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        if (AllBytes(&channel, kChannelRecordProper, 0))
            continue;
        const std::uint64_t key = DuplicateKey(channel);
        const auto [at, inserted] = first.emplace(key, i);
        if (!inserted)
            duplicates.emplace_back(i, at->second);
    }
    return duplicates;
}

std::uint8_t NamedGroups(const CChannelDatabase& db)
{
    std::uint8_t named = 0;
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        if (group.name[0] != '\0')
            named |= GroupBit(g);
    }
    return named;
}

}  // namespace Detail

namespace {

using namespace Detail;

class Report {
public:
    explicit Report(std::vector<Finding>& findings) : m_findings(findings) { }
    void Add(const char* table, int index, PlaceholderText what)
    {
        Add(Record(table, index), std::move(what));
    }
    void Add(PlaceholderText record, PlaceholderText what)
    {
        m_findings.push_back({std::move(record), std::move(what)});
    }

private:
    std::vector<Finding>& m_findings;
};

PlaceholderText Plain(const char* text)
{
    return {text, {}};
}

// The slot right after the last record must end the table (the channel
// tables only while they have room); every later one must be empty too.
const char* AfterTheEnd(int slot, int count)
{
    return slot == count ? Text::kMissingEndRecord : Text::kSlotAfterEnd;
}

void CheckSatellites(const CChannelDatabase& db, Report& report)
{
    const int count = db.GetSatelliteCount();
    for (int i = 0; i <= Image::kMaxSatellites; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (i >= count && satellite.index != Image::kSatelliteEnd)
            report.Add(Text::kSatelliteRecord, i, Plain(AfterTheEnd(i, count)));
        else if (i < count && AllBytes(&satellite, sizeof satellite, 0))
            report.Add(Text::kSatelliteRecord, i, Plain(Text::kDeletedRecordLeft));
        else if (i < count && satellite.index != i)
            report.Add(Text::kSatelliteRecord, i,
                       {Text::kIndexNotPosition, {std::to_string(satellite.index)}});
    }
}

std::uint16_t WordAt(const std::uint8_t* p)
{
    std::uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

void CheckTransponders(const CChannelDatabase& db, Report& report)
{
    const int satellites = db.GetSatelliteCount();
    const int count = db.GetTransponderCount();
    for (int i = 0; i < count; ++i) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, i);
        if (AllBytes(&transponder, sizeof transponder, 0))
            report.Add(Text::kTransponderRecord, i, Plain(Text::kDeletedRecordLeft));
        else if (transponder.satelliteIndex >= satellites)
            report.Add(Text::kTransponderRecord, i,
                       {Text::kNamesNoSatellite, {std::to_string(transponder.satelliteIndex)}});
    }
    // The slots after the end are read in place: there are thousands.
    const std::uint8_t* table = db.GetTransponderTable();
    for (int i = count; i <= Image::kMaxTransponders; ++i) {
        if (WordAt(table + std::size_t(i) * sizeof(TransponderRecord)) != Image::kTransponderEnd)
            report.Add(Text::kTransponderRecord, i, Plain(AfterTheEnd(i, count)));
    }
}

void CheckChannels(const CChannelDatabase& db, ChannelKind kind, Report& report)
{
    const char* table = ChannelTable(kind);
    const int transponders = db.GetTransponderCount();
    const int count = db.GetChannelCount(kind);
    for (int i = 0; i < count; ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        BouquetEntry entry;
        db.GetBouquetEntry(entry, i, kind);
        if (AllBytes(&channel, kChannelRecordProper, 0))
            report.Add(table, i, Plain(Text::kDeletedRecordLeft));
        else if (channel.transponderIndex >= transponders)
            report.Add(table, i, {Text::kNamesNoTransponder, {std::to_string(channel.transponderIndex)}});
        if (AllBytes(&entry, sizeof entry, Image::kBouquetDeleted))
            report.Add(table, i, Plain(Text::kDeletedBouquetLeft));
    }
    const std::uint8_t* slots = db.GetChannelTable(kind);
    for (int i = count; i < ChannelCapacity(kind); ++i) {
        if (WordAt(slots + std::size_t(i) * sizeof(ChannelRecord)) != Image::kChannelEnd)
            report.Add(table, i, Plain(Text::kSlotAfterEnd));
    }
    const std::uint8_t* entries = db.GetBouquetTable() + (kind == kRadio ? Image::kRadioBouquetStart : 0);
    const std::size_t tail = std::size_t(ChannelCapacity(kind) - count) * sizeof(BouquetEntry);
    const std::uint8_t* first = entries + std::size_t(count) * sizeof(BouquetEntry);
    // All zero when the first byte is and every byte equals the one before.
    if (tail == 0 || (first[0] == 0 && std::memcmp(first, first + 1, tail - 1) == 0))
        return;
    for (int i = count; i < ChannelCapacity(kind); ++i) {
        if (!AllBytes(entries + std::size_t(i) * sizeof(BouquetEntry), sizeof(BouquetEntry), 0))
            report.Add(table, i, Plain(Text::kBouquetAfterEnd));
    }
}

template <std::size_t N> bool LacksNul(const char (&field)[N])
{
    return FieldTextLength(field) == N;
}

void CheckNames(const CChannelDatabase& db, Report& report)
{
    for (int i = 0, count = db.GetSatelliteCount(); i < count; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (LacksNul(satellite.name))
            report.Add(Text::kSatelliteRecord, i, Plain(Text::kNameWithoutNul));
    }
    for (ChannelKind kind : kChannelKinds) {
        for (int i = 0, count = db.GetChannelCount(kind); i < count; ++i) {
            ChannelRecord channel;
            db.GetChannel(channel, i, kind);
            BouquetEntry entry;
            db.GetBouquetEntry(entry, i, kind);
            if (LacksNul(channel.name))
                report.Add(ChannelTable(kind), i, Plain(Text::kNameWithoutNul));
            if (LacksNul(entry.text) && !AllBytes(&entry, sizeof entry, Image::kBouquetDeleted))
                report.Add(ChannelTable(kind), i, Plain(Text::kBouquetWithoutNul));
        }
    }
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        if (LacksNul(group.name))
            report.Add(Text::kGroupRecord, g, Plain(Text::kNameWithoutNul));
    }
}

std::string Hex(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

void CheckGroupBits(const CChannelDatabase& db, Report& report)
{
    const std::uint8_t named = NamedGroups(db);
    for (ChannelKind kind : kChannelKinds) {
        for (int i = 0, count = db.GetChannelCount(kind); i < count; ++i) {
            ChannelRecord channel;
            db.GetChannel(channel, i, kind);
            const std::uint8_t unnamed = channel.favoriteMask & std::uint8_t(~named);
            if (!unnamed)
                continue;
            std::string groups;
            for (int g = 0; g < Image::kGroupCount; ++g) {
                if (unnamed & GroupBit(g))
                    groups += (groups.empty() ? "" : ", ") + std::to_string(g);
            }
            report.Add(ChannelTable(kind), i, {Text::kUnnamedGroupMember, {groups}});
        }
    }
    SystemInfo info;
    db.GetSystemInfo(info);
    if (info.groupsInUse != named) {
        report.Add(Plain(Text::kSystemBlock), {Text::kGroupsInUse, {Hex(info.groupsInUse), Hex(named)}});
    }
}

void CheckDuplicates(const CChannelDatabase& db, Report& report)
{
    for (ChannelKind kind : kChannelKinds) {
        for (const auto& [later, earliest] : LaterDuplicates(db, kind))
            report.Add(ChannelTable(kind), later,
                       {kind == kRadio ? Text::kSameAsRadioChannel : Text::kSameAsTvChannel,
                        {std::to_string(earliest)}});
    }
}

std::vector<Finding> StructureMessages(const CChannelDatabase& db)
{
    std::vector<Finding> findings;
    Report report(findings);
    CheckSatellites(db, report);
    CheckTransponders(db, report);
    CheckChannels(db, kTv, report);
    CheckChannels(db, kRadio, report);
    return findings;
}

Findings Described(const std::vector<Finding>& findings)
{
    Findings texts;
    texts.reserve(findings.size());
    for (const Finding& finding : findings)
        texts.push_back(Describe(finding));
    return texts;
}

}  // namespace

std::string Describe(const Finding& finding)
{
    return Fill(finding.record) + ": " + Fill(finding.what);
}

Findings CheckStructure(const CChannelDatabase& db)
{
    return Described(StructureMessages(db));
}

std::vector<Finding> CheckMessages(const CChannelDatabase& db)
{
    std::vector<Finding> findings = StructureMessages(db);
    Report report(findings);
    CheckNames(db, report);
    CheckGroupBits(db, report);
    CheckDuplicates(db, report);
    AddFigureFindings(db, findings);
    return findings;
}

Findings Check(const CChannelDatabase& db)
{
    return Described(CheckMessages(db));
}

}  // namespace ImageCheck
