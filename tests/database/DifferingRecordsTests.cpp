// The records a verify names: one changed byte is one record in every area
// of either layout, and the lines name tables, indexes, names, byte ranges
// and fields.
#include "DemoImage.h"
#include "DifferingRecords.h"
#include "ImageFormat.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DifferingRecords, OneChangedByteIsOneRecordInEitherLayout)
{
    const Bytes large = Demo::ImageBytes(Demo::Size::Normal);
    const Bytes small(large.begin() + Image::kSmallShift, large.end());
    EXPECT_TRUE(DifferingRecords(large.data(), large.data(), 2).empty());
    std::mt19937 random(::testing::UnitTest::GetInstance()->random_seed());
    Bytes changedLarge = large, changedSmall = small;
    for (int trial = 0; trial < 2000; ++trial) {
        const bool isSmall = trial % 2 == 1;
        const Bytes& expected = isSmall ? small : large;
        Bytes& actual = isSmall ? changedSmall : changedLarge;
        const std::size_t at = random() % expected.size();
        const std::uint8_t bit = std::uint8_t(1u << random() % 8);
        actual[at] ^= bit;
        const std::vector<RecordDifference> found =
            DifferingRecords(expected.data(), actual.data(), isSmall ? 1 : 2);
        actual[at] ^= bit;

        ASSERT_EQ(found.size(), 1u) << "offset " << at;
        const RecordDifference& difference = found[0];
        ASSERT_LE(difference.offset, at);
        if (difference.bytes) {
            EXPECT_TRUE(difference.fields.empty());
            EXPECT_EQ(difference.bytes->first, at - difference.offset);
            EXPECT_EQ(difference.bytes->last, at - difference.offset);
        } else {
            EXPECT_EQ(difference.fields.size(), 1u) << Describe(difference);
            EXPECT_LT(at - difference.offset, Image::kSystemSize);
        }
    }
}

TEST(DifferingRecords, LinesNameTheRecordsAndTheirFields)
{
    const Bytes expected = Demo::ImageBytes(Demo::Size::Normal);
    Bytes actual = expected;
    const std::size_t tv213 = Image::kTvOffset + 213 * sizeof(ChannelRecord);
    actual[tv213 + 15] ^= 1;
    actual[tv213 + 20] ^= 0x80;
    actual[Image::kTransponderOffset + 16 * 7 + 4] ^= 1;
    actual[Image::kLeadingOffset + 3] ^= 1;
    const std::size_t system = Image::kSystemOffset;
    actual[system + offsetof(SystemInfo, menuLanguage)] ^= 1;
    actual[system + offsetof(SystemInfo, reserved15)] ^= 1;
    actual[system + Image::kPositionPairsOffset + 4 * 2 + 3] ^= 1;
    actual[system + Image::kGroupTableOffset + 16 + offsetof(FavoriteGroupRecord, tvCount)] ^= 1;
    actual[system + Image::kGroupTableOffset + 16 + offsetof(FavoriteGroupRecord, name) + 7] ^= 1;

    std::vector<std::string> lines;
    for (const RecordDifference& difference : DifferingRecords(expected.data(), actual.data(), 2))
        lines.push_back(Describe(difference));
    const std::vector<std::string> expectedLines = {
        "leading region: byte 3",
        "tv 213 \"ATV 3\": bytes 15-20",
        "transponder 7: byte 4",
        "system block: menuLanguage, position pair of satellite 2, byte 15",
        "group 1 \"Movies\": tvCount, name",
    };
    EXPECT_EQ(lines, expectedLines);
}

}  // namespace
