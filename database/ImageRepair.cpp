// Repairs what the check finds with the editor's own deletions, so that
// every reference stays right while records go.
#include "ChannelDatabase.h"
#include "ImageCheck.h"
#include "ImageCheckDetail.h"

namespace ImageCheck {

namespace {

using namespace Detail;

// Writes an empty record over every slot after a table's end that does not
// hold the end value, the missing end record of a full table included.
void CloseTables(CChannelDatabase& db)
{
    SatelliteRecord emptySatellite;
    CChannelDatabase::MakeEmptySatellite(emptySatellite);
    for (int i = db.GetSatelliteCount(); i <= Image::kMaxSatellites; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (satellite.index != Image::kSatelliteEnd)
            db.SetSatellite(emptySatellite, i);
    }
    TransponderRecord emptyTransponder;
    CChannelDatabase::MakeEmptyTransponder(emptyTransponder);
    for (int i = db.GetTransponderCount(); i <= Image::kMaxTransponders; ++i) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, i);
        if (transponder.satelliteIndex != Image::kTransponderEnd)
            db.SetTransponder(emptyTransponder, i);
    }
    ChannelRecord emptyChannel;
    CChannelDatabase::MakeEmptyChannel(emptyChannel);
    for (ChannelKind kind : kChannelKinds) {
        for (int i = db.GetChannelCount(kind); i < ChannelCapacity(kind); ++i) {
            ChannelRecord channel;
            db.GetChannel(channel, i, kind);
            if (channel.transponderIndex != Image::kChannelEnd)
                db.SetChannel(emptyChannel, i, kind);
        }
    }
    db.ClearBouquetTails();
}

// Deleted satellites go with their transponders and channels, as a deletion
// would have taken them; the compaction renumbers the rest.
void RemoveSatellites(CChannelDatabase& db)
{
    std::vector<int> deleted;
    for (int i = 0, count = db.GetSatelliteCount(); i < count; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        if (AllBytes(&satellite, sizeof satellite, 0))
            deleted.push_back(i);
        else if (satellite.index != i) {
            satellite.index = std::uint16_t(i);
            db.SetSatellite(satellite, i);
        }
    }
    if (!deleted.empty())
        db.DeleteSatellites(deleted);
}

void RemoveTransponders(CChannelDatabase& db)
{
    const int satellites = db.GetSatelliteCount();
    std::vector<int> dangling;
    for (int i = 0, count = db.GetTransponderCount(); i < count; ++i) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, i);
        if (AllBytes(&transponder, sizeof transponder, 0) || transponder.satelliteIndex >= satellites)
            dangling.push_back(i);
    }
    if (!dangling.empty())
        db.DeleteTransponders(dangling);
}

void RemoveChannels(CChannelDatabase& db, ChannelKind kind)
{
    const int transponders = db.GetTransponderCount();
    std::vector<int> dangling;
    for (int i = 0, count = db.GetChannelCount(kind); i < count; ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        if (AllBytes(&channel, kChannelRecordProper, 0) || channel.transponderIndex >= transponders)
            dangling.push_back(i);
    }
    if (!dangling.empty())
        db.DeleteChannels(dangling, kind);
    // Only live channels can be duplicates of each other.
    std::vector<int> duplicates;
    for (const auto& duplicate : LaterDuplicates(db, kind))
        duplicates.push_back(duplicate.first);
    if (!duplicates.empty())
        db.DeleteChannels(duplicates, kind);
}

// The bytes after a name's NUL are carried as they are.
template <std::size_t N> void EndWithNul(char (&field)[N])
{
    if (FieldTextLength(field) == N)
        field[N - 1] = '\0';
}

// Ends every name within its field, clears bouquet entries marked deleted
// that a live channel still has, and drops the bits of unnamed groups.
void MendChannels(CChannelDatabase& db, std::uint8_t namedGroups)
{
    for (ChannelKind kind : kChannelKinds) {
        for (int i = 0, count = db.GetChannelCount(kind); i < count; ++i) {
            ChannelRecord channel;
            db.GetChannel(channel, i, kind);
            EndWithNul(channel.name);
            channel.favoriteMask &= namedGroups;
            db.SetChannel(channel, i, kind);
            BouquetEntry entry;
            db.GetBouquetEntry(entry, i, kind);
            if (AllBytes(&entry, sizeof entry, Image::kBouquetDeleted))
                entry = BouquetEntry{};
            EndWithNul(entry.text);
            db.SetBouquetEntry(entry, i, kind);
        }
    }
}

void MendNames(CChannelDatabase& db)
{
    for (int i = 0, count = db.GetSatelliteCount(); i < count; ++i) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, i);
        EndWithNul(satellite.name);
        db.SetSatellite(satellite, i);
    }
    for (int g = 0; g < Image::kGroupCount; ++g) {
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        EndWithNul(group.name);
        db.SetGroup(group, g);
    }
}

}  // namespace

void Repair(CChannelDatabase& db)
{
    CloseTables(db);
    RemoveSatellites(db);
    RemoveTransponders(db);
    RemoveChannels(db, kTv);
    RemoveChannels(db, kRadio);
    MendNames(db);
    const std::uint8_t named = NamedGroups(db);
    MendChannels(db, named);
    SystemInfo info;
    db.GetSystemInfo(info);
    info.groupsInUse = named;
    db.SetSystemInfo(info);
    db.SettleListContext();
}

}  // namespace ImageCheck
