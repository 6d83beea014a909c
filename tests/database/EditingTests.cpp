// Adding, deleting, compacting and moving: renumbering of every reference
// and the bouquet entries kept with their channels.
#include "ImageCheck.h"
#include "RecordRules.h"
#include "SystemTexts.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

using Names = std::vector<std::string>;

namespace {

// Ten transponders on two satellites; channel i of either kind is on
// transponder i.
TableLayout TenTransponders()
{
    TableLayout layout;
    layout.satellites = 2;
    layout.transponderSatellites = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1};
    layout.tvTransponders = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 3};
    layout.radioTransponders = {3, 4, 5};
    return layout;
}

void ExpectBouquetsFollowNames(const CChannelDatabase& db)
{
    for (ChannelKind kind : kChannelKinds) {
        for (int i = 0; i < db.GetChannelCount(kind); ++i)
            EXPECT_EQ(BouquetName(db, i, kind), MadeBouquet(ChannelName(db, i, kind))) << "slot " << i;
    }
}

}  // namespace

TEST(DeleteTransponders, RemovesTheirChannelsAndLowersLaterReferences)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    db.DeleteTransponders({3});

    EXPECT_EQ(db.GetTransponderCount(), 9);
    EXPECT_EQ(ChannelNames(db, kTv), (Names{"TV0", "TV1", "TV2", "TV4", "TV5", "TV6", "TV7", "TV8", "TV9"}));
    EXPECT_EQ(TransponderIndexes(db, kTv), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(ChannelNames(db, kRadio), (Names{"R1", "R2"}));
    EXPECT_EQ(TransponderIndexes(db, kRadio), (std::vector<int>{3, 4}));
    ExpectBouquetsFollowNames(db);
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(DeleteTransponders, SeveralInOneCommandRemoveExactlyTheirChannels)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    db.DeleteTransponders({2, 5});

    EXPECT_EQ(ChannelNames(db, kTv), (Names{"TV0", "TV1", "TV3", "TV4", "TV6", "TV7", "TV8", "TV9", "TV10"}));
    EXPECT_EQ(TransponderIndexes(db, kTv), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 2}));
    EXPECT_EQ(ChannelNames(db, kRadio), (Names{"R0", "R1"}));
    TransponderRecord moved;
    db.GetTransponder(moved, 2);
    EXPECT_EQ(moved.frequency, 4000u);  // transponder 3 became 2
    ExpectBouquetsFollowNames(db);
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(DeleteSatellites, RenumbersSatellitesAndTheirTransponders)
{
    CChannelDatabase db;
    TableLayout layout;
    layout.satellites = 5;
    layout.transponderSatellites = {0, 1, 2, 3, 4, 4, 2};
    layout.tvTransponders = {0, 1, 2, 3, 4, 5, 6};
    layout.radioTransponders = {1, 3, 6};
    BuildTables(db, layout);
    db.DeleteSatellites({1, 3});

    ASSERT_EQ(db.GetSatelliteCount(), 3);
    for (int s = 0; s < 3; ++s) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, s);
        EXPECT_EQ(satellite.index, s);
        EXPECT_STREQ(satellite.name, std::string("S").append(std::to_string(2 * s)).c_str());
    }
    // One empty record for each satellite deleted, after the survivors.
    for (int s = 3; s < 5; ++s) {
        SatelliteRecord empty, expected;
        db.GetSatellite(empty, s);
        CChannelDatabase::MakeEmptySatellite(expected);
        EXPECT_EQ(std::memcmp(&empty, &expected, sizeof empty), 0);
    }
    EXPECT_EQ(SatelliteIndexes(db), (std::vector<int>{0, 1, 2, 2, 1}));
    EXPECT_EQ(ChannelNames(db, kTv), (Names{"TV0", "TV2", "TV4", "TV5", "TV6"}));
    EXPECT_EQ(TransponderIndexes(db, kTv), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(ChannelNames(db, kRadio), (Names{"R2"}));
    ExpectBouquetsFollowNames(db);
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(DeleteChannels, ClosesTheGapWithBouquetsAndClearsTheTail)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    db.DeleteChannels({7, 0, 4}, kTv);

    EXPECT_EQ(ChannelNames(db, kTv), (Names{"TV1", "TV2", "TV3", "TV5", "TV6", "TV8", "TV9", "TV10"}));
    ExpectBouquetsFollowNames(db);
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(DeleteChannels, BouquetNameStartingWithTheDeletionByteStaysWithItsChannel)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    db.SetBouquet("\xFF"
                  "Sport",
                  5, kTv);
    db.DeleteChannels({1}, kTv);

    EXPECT_EQ(ChannelName(db, 4, kTv), "TV5");
    EXPECT_EQ(BouquetName(db, 4, kTv), "\xFF"
                                       "Sport");
    EXPECT_EQ(BouquetName(db, 5, kTv), "BTV6");
}

TEST(AddRecords, AppendAtTheCountUpToTheLimits)
{
    CChannelDatabase db;
    BuildTables(
        db, {.satellites = 7, .transponderSatellites = {0}, .tvTransponders = {}, .radioTransponders = {}});
    SatelliteRecord satellite{};
    db.AddSatellite(satellite);
    db.GetSatellite(satellite, 7);
    EXPECT_EQ(satellite.index, 7);
    EXPECT_EQ(db.GetSatelliteCount(), 8);

    ChannelRecord channel{};
    channel.status = 1;
    for (int i = 0; i < Image::kMaxTvChannels - 1; ++i)
        db.SetChannel(channel, i, kTv);
    EXPECT_EQ(Rules::ChannelAddRefusal(db, kTv), nullptr);
    db.AddChannel(channel, "last", kTv);
    EXPECT_EQ(db.GetChannelCount(kTv), Image::kMaxTvChannels);
    EXPECT_STREQ(Rules::ChannelAddRefusal(db, kTv), Text::kTvFull);
    db.AddChannel(channel, "refused", kTv);
    EXPECT_EQ(db.GetChannelCount(kTv), Image::kMaxTvChannels);
    EXPECT_EQ(BouquetName(db, Image::kMaxTvChannels - 1, kTv), "last");
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(CompactChannels, WithoutMarkedSlotsChangesNothing)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    const auto before = ImageBytes(db);
    EXPECT_EQ(db.CompactChannels(kTv), 0);
    EXPECT_EQ(ImageBytes(db), before);
}

TEST(MoveChannels, InsertsTheBlockBeforeAPositionOrAtTheEnd)
{
    const TableLayout layout = ChannelsOnOneTransponder(10);
    CChannelDatabase db;

    BuildTables(db, layout);
    db.MoveChannels({5, 6}, -1, kTv);
    EXPECT_EQ(ChannelNames(db, kTv),
              (Names{"TV0", "TV1", "TV2", "TV3", "TV4", "TV7", "TV8", "TV9", "TV5", "TV6"}));
    ExpectBouquetsFollowNames(db);

    BuildTables(db, layout);
    db.MoveChannels({6, 5}, 2, kTv);
    EXPECT_EQ(ChannelNames(db, kTv),
              (Names{"TV0", "TV1", "TV6", "TV5", "TV2", "TV3", "TV4", "TV7", "TV8", "TV9"}));
    ExpectBouquetsFollowNames(db);
    ChannelRecord moved;
    db.GetChannel(moved, 2, kTv);
    EXPECT_EQ(moved.tail[0], 0xA0 + 6);  // the whole slot travels
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(MoveChannels, IgnoresSlotsThatHoldNoChannelAndRepeatedSlots)
{
    TableLayout layout = TenTransponders();
    CChannelDatabase db;
    BuildTables(db, layout);
    db.MoveChannels({2, 2, 11, 4000, -3}, 0, kTv);
    EXPECT_EQ(ChannelNames(db, kTv)[0], "TV2");
    EXPECT_EQ(db.GetChannelCount(kTv), 11);
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
}

TEST(SwapChannels, ExchangesWholeSlotsWithTheirBouquets)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    const auto before = ImageBytes(db);
    db.SwapChannels(3, 3, kTv);
    EXPECT_EQ(ImageBytes(db), before);

    db.SwapChannels(1, 8, kTv);
    EXPECT_EQ(ChannelName(db, 1, kTv), "TV8");
    EXPECT_EQ(ChannelName(db, 8, kTv), "TV1");
    ChannelRecord swapped;
    db.GetChannel(swapped, 1, kTv);
    EXPECT_EQ(swapped.tail[0], 0xA0 + 8);
    ExpectBouquetsFollowNames(db);
}

TEST(DeleteOperations, IgnoreIndexesThatNameNoRecord)
{
    CChannelDatabase db;
    BuildTables(db, TenTransponders());
    db.UpdateListContext();
    const auto before = ImageBytes(db);
    db.DeleteChannels({11, 4466, 70000, -1}, kTv);
    db.DeleteTransponders({10, 300, -2});
    db.DeleteSatellites({2, 299});
    EXPECT_EQ(ImageBytes(db), before);
}
