// The demo images: valid, consistent with their own derived figures, and
// the same every time.
#include "BlankImage.h"
#include "ImageCheck.h"
#include "DemoImage.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

int ScrambledChannels(const CChannelDatabase& db, ChannelKind kind)
{
    int n = 0;
    for (int i = 0; i < db.GetChannelCount(kind); ++i) {
        ChannelRecord channel;
        db.GetChannel(channel, i, kind);
        n += (channel.flags & ChannelFlag::kScrambled) ? 1 : 0;
    }
    return n;
}

void ExpectValidAndConsistent(CChannelDatabase& db)
{
    EXPECT_EQ(ImageCheck::CheckStructure(db), ImageCheck::Findings{});
    const auto built = ImageBytes(db);
    db.UpdateListContext();
    EXPECT_EQ(ImageBytes(db), built) << "a derived figure disagrees with the tables";
}

}  // namespace

TEST(DemoImage, BlankImageHoldsNothing)
{
    CChannelDatabase db;
    BlankImage::Load(db);
    EXPECT_EQ(db.GetSatelliteCount(), 0);
    EXPECT_EQ(db.GetTransponderCount(), 0);
    EXPECT_EQ(db.GetChannelCount(kTv), 0);
    EXPECT_EQ(db.GetChannelCount(kRadio), 0);
    EXPECT_EQ(db.GetSystemBlock()[0], Image::kMarker);
    ExpectValidAndConsistent(db);
}

TEST(DemoImage, NormalImageIsRealisticValidAndDeterministic)
{
    CChannelDatabase db, again;
    Demo::Build(db, Demo::Size::Normal);
    Demo::Build(again, Demo::Size::Normal);
    EXPECT_EQ(ImageBytes(db), ImageBytes(again));

    EXPECT_GE(db.GetSatelliteCount(), 5);
    EXPECT_GE(db.GetChannelCount(kTv) + db.GetChannelCount(kRadio), 300);
    EXPECT_GT(ScrambledChannels(db, kTv), 0);
    SystemInfo info;
    db.GetSystemInfo(info);
    EXPECT_EQ(std::popcount(info.groupsInUse), 3);
    for (int g = 0; g < 3; ++g) {
        FavoriteGroupRecord group;
        db.GetGroup(group, g);
        EXPECT_GT(group.tvCount + group.radioCount, 0) << "group " << g;
    }
    ExpectValidAndConsistent(db);
}

TEST(DemoImage, FullImageFillsEveryTable)
{
    CChannelDatabase db;
    Demo::Build(db, Demo::Size::Full);
    EXPECT_EQ(db.GetSatelliteCount(), Image::kMaxSatellites);
    EXPECT_EQ(db.GetTransponderCount(), Image::kMaxTransponders);
    EXPECT_EQ(db.GetChannelCount(kTv), Image::kMaxTvChannels);
    EXPECT_EQ(db.GetChannelCount(kRadio), Image::kMaxRadioChannels);
    SystemInfo info;
    db.GetSystemInfo(info);
    EXPECT_EQ(info.groupsInUse, 0xFF);
    int crowded = 0;
    for (int s = 0; s < db.GetSatelliteCount(); ++s)
        crowded = std::max(crowded, db.GetTransponderCountOf(s));
    EXPECT_EQ(crowded, 500);
    ExpectValidAndConsistent(db);
}
