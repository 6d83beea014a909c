// Comparing images and taking differences, on random valid databases: an
// image is the same as itself, and taking every difference from an edited
// copy or from its channel list leaves none.
#include "ChannelRows.h"
#include "Comparison.h"
#include "DemoImage.h"
#include "ImageCheck.h"
#include "SystemTexts.h"
#include "TakePlan.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int Below(std::mt19937& rng, int n)
{
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

// One random edit of the kind a person makes, through the database's own
// operations where it has them.
void EditRandomly(CChannelDatabase& db, std::mt19937& rng)
{
    const ChannelKind kind = kChannelKinds[std::size_t(Below(rng, 2))];
    const int channels = db.GetChannelCount(kind), transponders = db.GetTransponderCount();
    const int satellites = db.GetSatelliteCount();
    ChannelRecord channel;
    const int slot = Below(rng, channels);
    db.GetChannel(channel, slot, kind);
    switch (Below(rng, 12)) {
    case 0: db.MoveChannels({slot, Below(rng, channels)}, Below(rng, channels + 1) - 1, kind); return;
    case 1: db.DeleteChannels({slot, Below(rng, channels)}, kind); return;
    case 2:
        if (transponders == 0 || channels >= ChannelCapacity(kind))
            return;
        channel.transponderIndex = std::uint16_t(Below(rng, transponders));
        channel.audioPid = std::uint16_t(rng());
        std::snprintf(channel.name, sizeof channel.name, "NEW%d", Below(rng, 1000));
        db.AddChannel(channel, "", kind);
        return;
    case 3: std::snprintf(channel.name, sizeof channel.name, "REN%d", Below(rng, 1000)); break;
    case 4: channel.flags = std::uint8_t(rng()), channel.caSystemId = std::uint16_t(rng()); break;
    case 5: channel.favoriteMask = std::uint8_t(rng()), channel.videoPid = std::uint16_t(rng()); break;
    case 6: channel.transponderIndex = std::uint16_t(Below(rng, transponders)); break;
    case 7: {
        FavoriteGroupRecord group{};
        if (Below(rng, 3))
            std::snprintf(group.name, sizeof group.name, "G%d", Below(rng, 100));
        const int g = Below(rng, Image::kGroupCount);
        db.SetGroup(group, g);
        SystemInfo info;
        db.GetSystemInfo(info);
        info.groupsInUse = group.name[0] ? info.groupsInUse | GroupBit(g) : info.groupsInUse & ~GroupBit(g);
        info.menuLanguage = std::uint8_t(Below(rng, 13));
        db.SetSystemInfo(info);
        return;
    }
    case 8: {
        if (satellites == 0)
            return;
        SatelliteRecord satellite;
        db.GetSatellite(satellite, Below(rng, satellites));
        satellite.lnbHigh = std::uint16_t(rng()), satellite.diseqc = std::uint8_t(rng());
        db.SetSatellite(satellite, satellite.index);
        return;
    }
    case 9: {
        if (satellites >= Image::kMaxSatellites || transponders >= Image::kMaxTransponders)
            return;
        SatelliteRecord satellite{};
        std::snprintf(satellite.name, sizeof satellite.name, "NEWSAT%d", Below(rng, 1000));
        db.AddSatellite(satellite);
        TransponderRecord transponder{};
        transponder.frequency = std::uint32_t(rng());
        db.AddTransponder(satellites, transponder);
        return;
    }
    case 10: db.DeleteTransponders({Below(rng, transponders)}); return;
    default: db.DeleteSatellites({Below(rng, satellites)}); return;
    }
    if (channels > 0)
        db.SetChannel(channel, slot, kind);
}

// Takes every difference; the comparison with the other side then finds none.
void TakeEverything(CChannelDatabase& db, const Diff::OtherSide& theirs, int seed)
{
    const Diff::Comparison comparison = Diff::Compare(db, theirs);
    Diff::TakePlan plan;
    const std::optional<PlaceholderText> refusal =
        PlanTake(db, theirs, comparison, Everything(comparison), plan);
    ASSERT_FALSE(refusal) << "seed " << seed << ": " << Fill(*refusal);
    ApplyTake(db, plan);
    EXPECT_TRUE(ImageCheck::CheckStructure(db).empty()) << "seed " << seed;
    const Diff::Comparison after = Diff::Compare(db, theirs);
    ASSERT_TRUE(after.Same()) << "seed " << seed << ": " << after.differences.size()
                              << " left, the first of table " << int(after.differences[0].table)
                              << ", change " << int(after.differences[0].change);
}

}  // namespace

TEST(Comparison, TakingEveryDifferenceOfAnEditedImageOrItsListLeavesNone)
{
    CChannelDatabase original, ours, theirs;
    for (int seed = 0; seed < 40; ++seed) {
        std::mt19937 rng{std::uint32_t(seed)};
        FillRandomDatabase(original, rng, RandomTableSizes(rng));
        EXPECT_TRUE(Diff::Compare(original, Diff::FromImage(original)).Same()) << "seed " << seed;

        theirs.CopyTablesFrom(original);
        for (int edits = 1 + Below(rng, 12); edits > 0; --edits)
            EditRandomly(theirs, rng);
        ours.CopyTablesFrom(original);
        TakeEverything(ours, Diff::FromImage(theirs), seed);

        // A list names the groups it has in common with ours; theirs are ours.
        // It removes no satellite or transponder, so ours need room for the
        // ones it adds.
        if (original.GetTransponderCount() > Image::kMaxTransponders - 10)
            continue;
        ours.CopyTablesFrom(original);
        for (int g = 0; g < Image::kGroupCount; ++g) {
            FavoriteGroupRecord group;
            theirs.GetGroup(group, g);
            ours.SetGroup(group, g);
        }
        TakeEverything(ours, Diff::FromRows(ChannelRows::ExportRows(theirs)), seed);
    }
}

TEST(Comparison, OneChannelDraggedToTheTopIsOneMoveAndAFullListRefusesAnAddition)
{
    CChannelDatabase ours, theirs;
    Demo::Build(ours, Demo::Size::Normal);
    theirs.CopyTablesFrom(ours);
    theirs.MoveChannels({299}, 0, kTv);
    const Diff::OtherSide other = Diff::FromImage(theirs);
    const Diff::Comparison comparison = Diff::Compare(ours, other);
    ASSERT_EQ(comparison.differences.size(), 1u);
    EXPECT_EQ(comparison.differences[0].change, Diff::Change::Moved);
    EXPECT_EQ(comparison.differences[0].ours, 299);
    EXPECT_EQ(comparison.differences[0].theirs, 0);

    // A channel of theirs to add to our full TV list: refused, nothing planned.
    BuildTables(ours, ChannelsOnOneTransponder(Image::kMaxTvChannels));
    ChannelRecord channel;
    for (int slot = 0; slot < Image::kMaxTvChannels; ++slot) {
        ours.GetChannel(channel, slot, kTv);
        channel.audioPid = std::uint16_t(slot + 1);
        ours.SetChannel(channel, slot, kTv);
    }
    theirs.CopyTablesFrom(ours);
    theirs.DeleteChannels({7}, kTv);
    channel.videoPid = 9;
    theirs.AddChannel(channel, "", kTv);
    const Diff::OtherSide fuller = Diff::FromImage(theirs);
    const Diff::Comparison two = Diff::Compare(ours, fuller);
    ASSERT_EQ(two.differences.size(), 2u);
    Diff::TakePlan plan;
    const std::size_t addition = two.differences[0].change == Diff::Change::Added ? 0 : 1;
    const std::optional<PlaceholderText> refusal =
        Diff::PlanTake(ours, fuller, two, std::vector<std::size_t>{addition}, plan);
    ASSERT_TRUE(refusal);
    EXPECT_STREQ(refusal->text, Text::kTvFull);
    EXPECT_TRUE(plan.Empty());
    // Taken with the removal, it fits.
    ASSERT_FALSE(Diff::PlanTake(ours, fuller, two, Diff::Everything(two), plan));
    Diff::ApplyTake(ours, plan);
    EXPECT_TRUE(Diff::Compare(ours, fuller).Same());
}
