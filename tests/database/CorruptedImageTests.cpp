// Whatever an image holds, no operation reads or writes outside a buffer.
// These tests find their faults under AddressSanitizer, and here by the
// counts staying within the tables.
#include "CellText.h"
#include "ChannelViews.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <random>

namespace {

void RandomizeRegion(std::mt19937& rng, std::uint8_t* raw, std::size_t offset, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        raw[offset + i] = std::uint8_t(rng());
}

// Values that are boundaries somewhere in the format, more often than chance.
void SprinkleBoundaries(std::mt19937& rng, std::uint8_t* region, std::size_t size, int count)
{
    constexpr std::uint16_t kValues[] = {0, 1, 299, 300, 301, 3999, 4000, 4001, 4466, 4467, 0xFFFF};
    for (int n = 0; n < count; ++n) {
        const std::size_t at = rng() % (size - 1);
        const std::uint16_t v = kValues[rng() % std::size(kValues)];
        region[at] = std::uint8_t(v);
        region[at + 1] = std::uint8_t(v >> 8);
    }
}

std::vector<int> RandomList(std::mt19937& rng)
{
    std::vector<int> list(rng() % 6);
    for (int& i : list)
        i = int(rng() % 5000) - 2;
    return list;
}

void ExerciseEverything(CChannelDatabase& db, std::mt19937& rng)
{
    ASSERT_LE(db.GetSatelliteCount(), Image::kMaxSatellites);
    ASSERT_LE(db.GetTransponderCount(), Image::kMaxTransponders);
    CChannelViews views(db);
    for (ChannelKind kind : kChannelKinds) {
        views.ShowChannelsOfSatellite(int(rng() % 400), kind);
        views.ShowChannelsOfTransponder(int(rng() % 5000), kind);
        views.ShowAllChannels(kind);
        for (int r = 0; r < views.GetChannelViewLength(kind); r += 97)
            Cells::ChannelRow(db, r, views.GetChannelViewEntry(r, kind), kind);
        db.GetGroupChannelCount(int(rng() % 10) - 1, kind);
        db.GetSatelliteChannelCount(int(rng() % 400), kind);
    }
    views.ShowTranspondersOf(int(rng() % 400));
    views.ShowGroupsInUse();
    db.UpdateListContext();

    db.SwapChannels(int(rng() % 5000), int(rng() % 5000), ChannelKind(rng() % 2));
    db.MoveChannels(RandomList(rng), int(rng() % 5000) - 2, ChannelKind(rng() % 2));
    db.DeleteChannels(RandomList(rng), ChannelKind(rng() % 2));
    db.DeleteTransponders(RandomList(rng));
    db.DeleteSatellites(RandomList(rng));
    db.DeleteSatelliteContents(int(rng() % 400));
    db.AddSatellite(*std::make_unique<SatelliteRecord>());
    db.AddTransponder(int(rng() % 400), TransponderRecord{});
    db.AddChannel(ChannelRecord{}, "x", ChannelKind(rng() % 2));
    for (ChannelKind kind : kChannelKinds) {
        EXPECT_LE(db.GetChannelCount(kind), ChannelCapacity(kind));
        db.CompactChannels(kind);
        db.CompactBouquets(kind);
    }
    db.CompactTransponders();
    db.CompactSatellites();
    db.ClearBouquetTails();
    EXPECT_LE(db.GetSatelliteCount(), Image::kMaxSatellites);
}

}  // namespace

TEST(CorruptedImages, RandomBytesInEveryTable)
{
    CChannelDatabase db;
    for (std::uint32_t seed = 0; seed < 12; ++seed) {
        std::mt19937 rng(seed);
        RandomizeRegion(rng, db.GetRawImage(), 0, Image::kLargeSize);
        SprinkleBoundaries(rng, db.GetRawImage(), Image::kLargeSize, 2000);
        db.ImageToTables(int(seed % 2) + 1);
        ExerciseEverything(db, rng);
    }
}

TEST(CorruptedImages, ValidImagesWithAFewBytesChanged)
{
    CChannelDatabase db;
    for (std::uint32_t seed = 0; seed < 24; ++seed) {
        std::mt19937 rng(seed);
        FillRandomDatabase(db, rng, RandomTableSizes(rng));
        const auto image = ImageBytes(db);
        std::copy(image.begin(), image.end(), db.GetRawImage());
        SprinkleBoundaries(rng, db.GetRawImage() + Image::kTvOffset, Image::kSystemOffset - Image::kTvOffset,
                           40);
        db.ImageToTables(2);
        ExerciseEverything(db, rng);
    }
}

TEST(CorruptedImages, MovingPastADeletedSlotLeftInTheImageDuplicatesNothing)
{
    const TableLayout layout = ChannelsOnOneTransponder(10);
    CChannelDatabase db;
    BuildTables(db, layout);
    db.ClearChannel(3, kTv);
    db.MoveChannels({5}, -1, kTv);

    EXPECT_EQ(ChannelNames(db, kTv),
              (std::vector<std::string>{"TV0", "TV1", "TV2", "TV4", "TV6", "TV7", "TV8", "TV9", "TV5"}));
    EXPECT_EQ(BouquetName(db, 8, kTv), "BTV5");
    EXPECT_EQ(BouquetName(db, 9, kTv), "");
}
