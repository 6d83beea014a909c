#include "ImageCheck.h"

#include "ChannelDatabase.h"
#include "ImageCheckDetail.h"

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

const char* ChannelTable(int kind)
{
    return kind == kRadio ? "radio channel" : "tv channel";
}

std::string Record(const char* table, int index)
{
    return std::string(table) + " " + std::to_string(index);
}

std::vector<std::pair<int, int>> LaterDuplicates(const CChannelDatabase& db, int kind)
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

// Collects findings as "<table> <index>: <what>".
class Report {
public:
    explicit Report(Findings& findings) : m_findings(findings) { }
    void Add(const char* table, int index, const std::string& what) { Add(Record(table, index), what); }
    void Add(const std::string& record, const std::string& what)
    {
        m_findings.push_back(record + ": " + what);
    }

private:
    Findings& m_findings;
};

// The slot right after the last record must end the table (the channel
// tables only while they have room); every later one must be empty too.
const char* AfterTheEnd(int slot, int count)
{
    return slot == count ? "missing end record" : "slot after the end is not empty";
}

void CheckSatellites(const CChannelDatabase& db, Report& report)
{
    const int count = db.GetSatelliteCount();
    for (int i = 0; i <= Image::kMaxSatellites; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (i >= count && satellite.index != Image::kSatelliteEnd)
            report.Add("satellite", i, AfterTheEnd(i, count));
        else if (i < count && AllBytes(&satellite, sizeof satellite, 0))
            report.Add("satellite", i, "deleted record left in the table");
        else if (i < count && satellite.index != i)
            report.Add("satellite", i,
                       "index field is " + std::to_string(satellite.index) + ", not its position");
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
            report.Add("transponder", i, "deleted record left in the table");
        else if (transponder.satelliteIndex >= satellites)
            report.Add("transponder", i,
                       "names satellite " + std::to_string(transponder.satelliteIndex) +
                           ", which does not exist");
    }
    // The slots after the end are read in place: there are thousands.
    const std::uint8_t* table = db.GetTransponderTable();
    for (int i = count; i <= Image::kMaxTransponders; ++i) {
        if (WordAt(table + std::size_t(i) * sizeof(TransponderRecord)) != Image::kTransponderEnd)
            report.Add("transponder", i, AfterTheEnd(i, count));
    }
}

void CheckChannels(const CChannelDatabase& db, int kind, Report& report)
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
            report.Add(table, i, "deleted record left in the table");
        else if (channel.transponderIndex >= transponders)
            report.Add(table, i,
                       "names transponder " + std::to_string(channel.transponderIndex) +
                           ", which does not exist");
        if (AllBytes(&entry, sizeof entry, Image::kBouquetDeleted))
            report.Add(table, i, "deleted bouquet entry left in the table");
    }
    const std::uint8_t* slots = db.GetChannelTable(kind);
    for (int i = count; i < ChannelCapacity(kind); ++i) {
        if (WordAt(slots + std::size_t(i) * sizeof(ChannelRecord)) != Image::kChannelEnd)
            report.Add(table, i, "slot after the end is not empty");
    }
    const std::uint8_t* entries = db.GetBouquetTable() + (kind == kRadio ? Image::kRadioBouquetStart : 0);
    const std::size_t tail = std::size_t(ChannelCapacity(kind) - count) * sizeof(BouquetEntry);
    const std::uint8_t* first = entries + std::size_t(count) * sizeof(BouquetEntry);
    // All zero when the first byte is and every byte equals the one before.
    if (tail == 0 || (first[0] == 0 && std::memcmp(first, first + 1, tail - 1) == 0))
        return;
    for (int i = count; i < ChannelCapacity(kind); ++i) {
        if (!AllBytes(entries + std::size_t(i) * sizeof(BouquetEntry), sizeof(BouquetEntry), 0))
            report.Add(table, i, "bouquet entry after the end is not zero");
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
            report.Add("satellite", i, "name has no NUL");
    }
    for (int kind : {int(kTv), int(kRadio)}) {
        for (int i = 0, count = db.GetChannelCount(kind); i < count; ++i) {
            ChannelRecord channel;
            db.GetChannel(channel, i, kind);
            BouquetEntry entry;
            db.GetBouquetEntry(entry, i, kind);
            if (LacksNul(channel.name))
                report.Add(ChannelTable(kind), i, "name has no NUL");
            if (LacksNul(entry.text) && !AllBytes(&entry, sizeof entry, Image::kBouquetDeleted))
                report.Add(ChannelTable(kind), i, "bouquet name has no NUL");
        }
    }
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        if (LacksNul(group.name))
            report.Add("group", g, "name has no NUL");
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
    for (int kind : {int(kTv), int(kRadio)}) {
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
            report.Add(ChannelTable(kind), i, "member of unnamed group " + groups);
        }
    }
    SystemInfo info;
    db.GetSystemInfo(info);
    if (info.groupsInUse != named) {
        report.Add("system block",
                   "groupsInUse is " + Hex(info.groupsInUse) + ", the named groups make " + Hex(named));
    }
}

void CheckDuplicates(const CChannelDatabase& db, Report& report)
{
    for (int kind : {int(kTv), int(kRadio)}) {
        for (const auto& [later, earliest] : LaterDuplicates(db, kind))
            report.Add(ChannelTable(kind), later,
                       "same transponder and PIDs as " + Record(ChannelTable(kind), earliest));
    }
}

}  // namespace

Findings CheckStructure(const CChannelDatabase& db)
{
    Findings findings;
    Report report(findings);
    CheckSatellites(db, report);
    CheckTransponders(db, report);
    CheckChannels(db, kTv, report);
    CheckChannels(db, kRadio, report);
    return findings;
}

Findings Check(const CChannelDatabase& db)
{
    Findings findings = CheckStructure(db);
    Report report(findings);
    CheckNames(db, report);
    CheckGroupBits(db, report);
    CheckDuplicates(db, report);
    AddFigureFindings(db, findings);
    return findings;
}

}  // namespace ImageCheck
