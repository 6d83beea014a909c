// Counting scans and views, also over images that break the rules: scans stay
// within their tables and records that name no parent belong to no one.
#include "CellText.h"
#include "ChannelViews.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<int> ChannelView(const CChannelViews& views, ChannelKind kind)
{
    std::vector<int> rows;
    for (int r = 0; r < views.GetChannelViewLength(kind); ++r)
        rows.push_back(views.GetChannelViewEntry(r, kind));
    return rows;
}

}  // namespace

TEST(Counts, FullChannelTableNeedsNoEndSlot)
{
    CChannelDatabase db;
    CChannelViews views(db);
    BuildTables(
        db, {.satellites = 1, .transponderSatellites = {0}, .tvTransponders = {}, .radioTransponders = {}});
    ChannelRecord channel{};
    channel.status = 1;
    for (int i = 0; i < Image::kMaxTvChannels; ++i)
        db.SetChannel(channel, i, kTv);
    for (int i = 0; i < Image::kMaxRadioChannels; ++i)
        db.SetChannel(channel, i, kRadio);
    EXPECT_EQ(db.GetChannelCount(kTv), 4467);
    EXPECT_EQ(db.GetChannelCount(kRadio), 1489);
    EXPECT_EQ(views.ShowAllChannels(kTv), 4467);
    EXPECT_EQ(views.GetChannelViewEntry(4467, kTv), -1);
}

TEST(Counts, SatelliteAndTransponderScansStopAtTheLimitsWithoutEndRecords)
{
    CChannelDatabase db;
    CChannelViews views(db);
    BuildTables(db, {});
    std::uint8_t* raw = db.GetRawImage();
    std::memcpy(raw, ImageBytes(db).data(), Image::kLargeSize);
    std::memset(raw + Image::kSatelliteOffset, 0x11, Image::kSatelliteSize);
    std::memset(raw + Image::kTransponderOffset, 0x00, Image::kTransponderSize);
    db.ImageToTables(2);

    EXPECT_EQ(db.GetSatelliteCount(), 300);
    EXPECT_EQ(db.GetTransponderCount(), 4000);
    EXPECT_EQ(db.GetTransponderCountOf(0), 4000);
    views.ShowTranspondersOf(0);
    EXPECT_EQ(views.GetTransponderViewEntry(3999), 3999);
    EXPECT_EQ(views.GetTransponderViewEntry(4000), -1);
    db.CompactSatellites();
    db.CompactTransponders();
    db.LowerSatelliteReferences(0);
    EXPECT_EQ(db.GetTransponderCount(), 0);
}

TEST(Counts, GroupAndBouquetEdges)
{
    CChannelDatabase db;
    CChannelViews views(db);
    BuildTables(
        db, {.satellites = 1, .transponderSatellites = {0}, .tvTransponders = {0}, .radioTransponders = {}});
    EXPECT_EQ(db.GetGroupChannelCount(-1, kTv), 0);
    EXPECT_EQ(db.GetGroupChannelCount(8, kTv), 0);
    char text[20];
    EXPECT_EQ(db.GetBouquet(text, 1, kTv), 1);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(db.GetBouquet(text, 0, kTv), 5);
    EXPECT_EQ(db.GetBouquet(text, 4467, kTv), 1);

    SystemInfo info;
    db.GetSystemInfo(info);
    info.groupsInUse = 0xA0;
    db.SetSystemInfo(info);
    views.ShowGroupsInUse();
    EXPECT_EQ(views.GetGroupViewEntry(0), 0);
    EXPECT_EQ(views.GetGroupViewEntry(1), 2);
    EXPECT_EQ(views.GetGroupViewEntry(2), -1);
}

TEST(Views, FilterBySatelliteAndTransponder)
{
    TableLayout layout;
    layout.satellites = 261;
    layout.transponderSatellites = {260, 3, 260, 5};
    layout.tvTransponders = {1, 0, 3, 2, 0, 1};
    layout.radioTransponders = {2, 1};
    CChannelDatabase db;
    CChannelViews views(db);
    BuildTables(db, layout);

    views.ShowChannelsOfSatellite(260, kTv);
    EXPECT_EQ(ChannelView(views, kTv), (std::vector<int>{1, 3, 4}));
    views.ShowChannelsOfSatellite(260, kRadio);
    EXPECT_EQ(ChannelView(views, kRadio), (std::vector<int>{0}));
    views.ShowChannelsOfTransponder(1, kTv);
    EXPECT_EQ(ChannelView(views, kTv), (std::vector<int>{0, 5}));
    views.ShowTranspondersOf(260);
    EXPECT_EQ(TransponderViewRows(views), (std::vector<int>{0, 2}));
    views.ShowTranspondersOf(7);
    EXPECT_EQ(views.GetTransponderViewEntry(0), -1);
    EXPECT_EQ(db.GetTransponderCountOf(260), 2);
    EXPECT_EQ(db.GetSatelliteChannelCount(260, kTv), 3);
}

TEST(Views, DanglingReferencesBelongToNoSatellite)
{
    TableLayout layout;
    layout.satellites = 2;
    layout.transponderSatellites = {0, 7, 1};  // transponder 1 names no satellite
    layout.tvTransponders = {0, 1, 9, 2};  // channel 2 names no transponder
    CChannelDatabase db;
    CChannelViews views(db);
    BuildTables(db, layout);
    const auto before = ImageBytes(db);
    db.UpdateListContext();

    views.ShowTranspondersOf(7);
    EXPECT_EQ(views.GetTransponderViewEntry(0), -1);
    EXPECT_EQ(db.GetTransponderCountOf(7), 0);
    views.ShowChannelsOfTransponder(9, kTv);
    EXPECT_EQ(views.GetChannelViewLength(kTv), 0);
    views.ShowChannelsOfSatellite(0, kTv);
    EXPECT_EQ(ChannelView(views, kTv), (std::vector<int>{0}));
    EXPECT_EQ(db.GetSatelliteChannelCount(7, kTv), 0);

    SatelliteRecord first, second;
    db.GetSatellite(first, 0);
    db.GetSatellite(second, 1);
    EXPECT_EQ(first.tvCount + second.tvCount, 2);
    // Nothing is written for satellite 7: its slot and position pair stay.
    const auto after = ImageBytes(db);
    const std::size_t slot7 = Image::kSatelliteOffset + 7 * sizeof(SatelliteRecord);
    EXPECT_TRUE(std::equal(before.begin() + slot7, before.begin() + slot7 + 44, after.begin() + slot7));
    const std::size_t pair7 = Image::kSystemOffset + Image::kPositionPairsOffset + 4 * 7;
    EXPECT_TRUE(std::equal(before.begin() + pair7, before.begin() + pair7 + 4, after.begin() + pair7));
}

TEST(Views, DeletionsDoNotTurnDanglingReferencesIntoEndMarkers)
{
    TableLayout layout;
    layout.satellites = 3;
    layout.transponderSatellites = {0, 1, 2, 301};
    layout.tvTransponders = {0, 4001, 3};
    CChannelDatabase db;
    BuildTables(db, layout);
    db.DeleteTransponders({0});
    EXPECT_EQ(db.GetChannelCount(kTv), 2);
    EXPECT_EQ(TransponderIndexes(db, kTv), (std::vector<int>{4001, 2}));
    db.DeleteSatellites({0});
    EXPECT_EQ(SatelliteIndexes(db), (std::vector<int>{0, 1, 301}));
}

TEST(Texts, FieldsWithoutTheirNulAreReadToTheFieldsEnd)
{
    CChannelDatabase db;
    BuildTables(
        db, {.satellites = 1, .transponderSatellites = {0}, .tvTransponders = {0}, .radioTransponders = {}});
    SatelliteRecord satellite;
    db.GetSatellite(satellite, 0);
    std::memset(satellite.name, 'N', sizeof satellite.name);
    db.SetSatellite(satellite, 0);
    db.GetSatellite(satellite, 0);
    EXPECT_EQ(Cells::SatelliteText(satellite), std::string(16, 'N'));

    ChannelRecord channel;
    db.GetChannel(channel, 0, kTv);
    std::memset(channel.name, 'C', sizeof channel.name);
    channel.favoriteMask = 0x80;
    db.SetChannel(channel, 0, kTv);
    FavoriteGroupRecord group{};
    std::memset(group.name, 'G', sizeof group.name);
    db.SetGroup(group, 0);

    const std::uint8_t* bouquets = db.GetBouquetTable();
    std::uint8_t* raw = db.GetRawImage();
    std::memcpy(raw, ImageBytes(db).data(), Image::kLargeSize);
    std::memset(raw + Image::kBouquetOffset, 'B', Image::kBouquetEntrySize);
    db.ImageToTables(2);
    ASSERT_EQ(bouquets[19], 'B');

    const auto cells = Cells::ChannelRow(db, 0, 0, kTv);
    EXPECT_EQ(cells[1], std::string(17, 'C'));
    EXPECT_EQ(cells[3], std::string(20, 'B'));
    EXPECT_EQ(cells[4], std::string(8, 'G'));
}
