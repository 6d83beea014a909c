// The figures the receiver derives from the tables, and its list context.
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

SystemInfo Info(const CChannelDatabase& db)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    return info;
}

void SetContext(CChannelDatabase& db, int listMode, int currentSatellite, int currentGroup, int serviceType)
{
    SystemInfo info = Info(db);
    info.listMode = std::uint8_t(listMode);
    info.currentSatellite = std::uint16_t(currentSatellite);
    info.currentGroup = std::uint8_t(currentGroup);
    info.serviceType = std::uint8_t(serviceType);
    db.SetSystemInfo(info);
}

void SetFavorites(CChannelDatabase& db, int slot, ChannelKind kind, std::uint8_t mask)
{
    ChannelRecord channel;
    db.GetChannel(channel, slot, kind);
    channel.favoriteMask = mask;
    db.SetChannel(channel, slot, kind);
}

std::pair<int, int> PositionPair(const CChannelDatabase& db, int sat)
{
    std::uint16_t pair[2];
    std::memcpy(pair, db.GetSystemBlock() + Image::kPositionPairsOffset + 4 * sat, sizeof pair);
    return {pair[0], pair[1]};
}

// Satellite 0: TV on transponder 0; satellite 1: radio only; satellite 2: none.
TableLayout ThreeSatellites()
{
    TableLayout layout;
    layout.satellites = 3;
    layout.transponderSatellites = {0, 1, 2};
    layout.tvTransponders = {0, 0};
    layout.radioTransponders = {1};
    return layout;
}

}  // namespace

TEST(UpdateListContext, WithNoChannelsResetsEverything)
{
    CChannelDatabase db;
    BuildTables(
        db,
        {.satellites = 2, .transponderSatellites = {0, 1}, .tvTransponders = {}, .radioTransponders = {}});
    SetContext(db, 2, 1, 3, 1);
    db.UpdateListContext();

    const SystemInfo info = Info(db);
    EXPECT_EQ(info.currentSatellite, 300);
    EXPECT_EQ(info.listMode, 1);
    EXPECT_EQ(info.currentGroup, 0);
    EXPECT_EQ(info.serviceType, 0);
    EXPECT_EQ(info.listTvCount + info.listRadioCount + info.totalTvCount + info.totalRadioCount, 0);
    for (int s = 0; s < 2; ++s) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, s);
        EXPECT_EQ(satellite.tvPosition, 4467);
        EXPECT_EQ(satellite.radioPosition, 1489);
        EXPECT_EQ(satellite.tvCount + satellite.radioCount, 0);
    }
    for (int s = 0; s < 300; ++s)
        EXPECT_EQ(PositionPair(db, s), std::make_pair(4914, 1638));
}

TEST(UpdateListContext, SatelliteModeFollowsTheFirstChannelWhenItsSatelliteLostItsChannels)
{
    CChannelDatabase db;
    BuildTables(db, ThreeSatellites());
    SetContext(db, 0, 2, 0, 0);
    db.UpdateListContext();
    EXPECT_EQ(Info(db).currentSatellite, 0);
    EXPECT_EQ(Info(db).listTvCount, 2);
    EXPECT_EQ(Info(db).listRadioCount, 0);
    EXPECT_EQ(Info(db).serviceType, 0);

    db.DeleteChannels({0, 1}, kTv);
    EXPECT_EQ(Info(db).currentSatellite, 1);  // radio slot 0's satellite
    EXPECT_EQ(Info(db).listRadioCount, 1);
    EXPECT_EQ(Info(db).serviceType, 1);  // no TV channel in the list
}

TEST(UpdateListContext, GroupModeMovesToTheFirstGroupWithChannelsOrGivesUp)
{
    CChannelDatabase db;
    BuildTables(db, ThreeSatellites());
    SetFavorites(db, 0, kTv, 0x08);  // group 5
    SetFavorites(db, 1, kTv, 0x08);
    SetContext(db, 2, 0, 3, 0);
    db.UpdateListContext();
    EXPECT_EQ(Info(db).currentGroup, 5);
    EXPECT_EQ(Info(db).listTvCount, 2);
    EXPECT_EQ(Info(db).listRadioCount, 0);
    EXPECT_EQ(Info(db).listMode, 2);

    SetFavorites(db, 0, kTv, 0);
    SetFavorites(db, 1, kTv, 0);
    db.UpdateListContext();
    EXPECT_EQ(Info(db).listMode, 1);
    EXPECT_EQ(Info(db).currentGroup, 0);
    EXPECT_EQ(Info(db).listTvCount, 2);
    EXPECT_EQ(Info(db).listRadioCount, 1);
}

TEST(UpdateListContext, UnknownModeIsResetAsForNoChannels)
{
    CChannelDatabase db;
    BuildTables(db, ThreeSatellites());
    SetContext(db, 7, 1, 2, 1);
    db.UpdateListContext();
    EXPECT_EQ(Info(db).currentSatellite, 300);
    EXPECT_EQ(Info(db).listMode, 1);
    EXPECT_EQ(Info(db).currentGroup, 0);
}

TEST(UpdateListContext, CountsPerSatelliteAndPerGroup)
{
    CChannelDatabase db;
    BuildTables(db, ThreeSatellites());
    SetFavorites(db, 0, kTv, 0x81);  // groups 1 and 8
    FavoriteGroupRecord named{};
    std::strcpy(named.name, "Eight");
    db.SetGroup(named, 7);
    SystemInfo info = Info(db);
    info.groupsInUse = 0x40;  // stale: upkeep keeps it, RecountGroups alone mends it
    db.SetSystemInfo(info);
    db.UpdateListContext();

    FavoriteGroupRecord first, eighth;
    db.GetGroup(first, 0);
    db.GetGroup(eighth, 7);
    EXPECT_EQ(first.tvCount, 1);
    EXPECT_EQ(eighth.tvCount, 1);
    EXPECT_EQ(Info(db).groupsInUse, 0x40);
    db.RecountGroups();
    EXPECT_EQ(Info(db).groupsInUse, 0x01);

    SatelliteRecord radioOnly, none;
    db.GetSatellite(radioOnly, 1);
    db.GetSatellite(none, 2);
    EXPECT_EQ(radioOnly.tvPosition, 0);
    EXPECT_EQ(radioOnly.radioPosition, 0);
    EXPECT_EQ(radioOnly.tvCount, 0);
    EXPECT_EQ(radioOnly.radioCount, 1);
    EXPECT_EQ(none.tvPosition, 4467);
    EXPECT_EQ(PositionPair(db, 1), std::make_pair(0, 0));
    EXPECT_EQ(PositionPair(db, 2), std::make_pair(4914, 1638));
    EXPECT_EQ(Info(db).totalTvCount, 2);
    EXPECT_EQ(Info(db).totalRadioCount, 1);
}
