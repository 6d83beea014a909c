// The texts of the form's list cells.
#include "CellText.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ChannelRecord Channel(std::uint8_t flags, std::uint16_t caSystemId = 0xFFFF)
{
    ChannelRecord channel{};
    channel.flags = flags;
    channel.caSystemId = caSystemId;
    return channel;
}

TransponderRecord Transponder(std::uint32_t khz, std::uint16_t symbolRate, std::uint8_t polarization)
{
    TransponderRecord transponder{};
    transponder.frequency = khz;
    transponder.symbolRate = symbolRate;
    transponder.polarization = polarization;
    return transponder;
}

}  // namespace

TEST(CellText, ScrambleNamesTheCaSystemByItsHighByte)
{
    EXPECT_EQ(Cells::ScrambleText(Channel(0x10, 0x0501)), "Viaccess");
    EXPECT_EQ(Cells::ScrambleText(Channel(0x10, 0x05FF)), "Viaccess");
    EXPECT_EQ(Cells::ScrambleText(Channel(0x10, 0x0612)), "Irdeto");
    EXPECT_EQ(Cells::ScrambleText(Channel(0x10, 0x0001)), "standard");
    EXPECT_EQ(Cells::ScrambleText(Channel(0x10, 0x0000)), "reserved");
    EXPECT_EQ(Cells::ScrambleText(Channel(0x10, 0x7701)), "");
    EXPECT_EQ(Cells::ScrambleText(Channel(0x00, 0x0501)), "FTA");
}

TEST(CellText, AudioModeLetsLeftWin)
{
    EXPECT_EQ(Cells::AudioText(Channel(0x60)), "LEFT");
    EXPECT_EQ(Cells::AudioText(Channel(0x40)), "RIGHT");
    EXPECT_EQ(Cells::AudioText(Channel(0x00)), "STEREO");
    EXPECT_EQ(Cells::AudioText(Channel(0x80)), "");
}

TEST(CellText, TransponderColumnsLineUp)
{
    EXPECT_EQ(Cells::TransponderText(Transponder(11778000, 27500, 1)), "11778 27500 (H)");
    EXPECT_EQ(Cells::TransponderText(Transponder(3840000, 4340, 0)), "3840  4340  (V)");
    EXPECT_EQ(Cells::TransponderText(Transponder(3840500, 4340, 2)), "3840  4340  (H)");
}

TEST(CellText, FavoriteShowsTheLowestGroupAndWhetherThereAreMore)
{
    CChannelDatabase db;
    BuildTables(db, {});
    for (int g = 0; g < 8; ++g) {
        FavoriteGroupRecord group{};
        std::snprintf(group.name, sizeof group.name, "G%d", g + 1);
        db.SetGroup(group, g);
    }
    EXPECT_EQ(Cells::FavoriteText(db, 0xA0), "G1...");
    EXPECT_EQ(Cells::FavoriteText(db, 0x20), "G3");
    EXPECT_EQ(Cells::FavoriteText(db, 0x01), "G8");
    EXPECT_EQ(Cells::FavoriteText(db, 0x00), "NoGroup");
}

TEST(CellText, ChannelRowsNumberFromOneAndRadioHasNoVideoPid)
{
    CChannelDatabase db;
    BuildTables(
        db, {.satellites = 1, .transponderSatellites = {0}, .tvTransponders = {0}, .radioTransponders = {0}});
    ChannelRecord channel;
    db.GetChannel(channel, 0, kRadio);
    channel.videoPid = 4321;
    channel.audioPid = 101;
    channel.pcrPid = 102;
    channel.flags = 0x02 | 0x04;
    db.SetChannel(channel, 0, kRadio);

    const auto radio = Cells::ChannelRow(db, 6, 0, kRadio);
    EXPECT_EQ(radio, (std::vector<std::string>{"7", "R0", "FTA", "BR0", "NoGroup", "STEREO", "101", "102",
                                               "ON", "ON"}));
    EXPECT_EQ(Cells::ChannelRow(db, 0, 0, kTv).size(), 11u);
    EXPECT_EQ(Cells::ChannelColumns(kRadio).size(), 10u);
}
