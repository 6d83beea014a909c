// Recovery copies: the format never yields a wrong copy, whatever damage it
// meets; the copies of running editors are left alone and a copy left behind
// is claimed by one editor only. The writer thread is tried in the window's
// tests.
#include "ImageFormat.h"
#include "RecoveryFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace fs = std::filesystem;

namespace {

class RecoveryTest : public ::testing::Test {
protected:
    RecoveryTest() { fs::remove_all(m_folder); }
    ~RecoveryTest() override { fs::remove_all(m_folder); }

    RecoverySnapshot Random(const std::string& label)
    {
        RecoverySnapshot snapshot{std::int64_t(m_rng()), "/home/ana/STB " + std::to_string(m_rng()) + ".dat",
                                  label, std::vector<std::uint8_t>(Image::kLargeSize, 0xFF)};
        // Runs of equal bytes with a few random ones, as in a real image.
        for (int k = 0; k < 2000; ++k)
            snapshot.image[m_rng() % snapshot.image.size()] = std::uint8_t(m_rng());
        return snapshot;
    }

    const fs::path m_folder = fs::temp_directory_path() / ("volmaren-recovery-" + std::to_string(getpid()));
    std::mt19937 m_rng{2207};
};

bool Same(const RecoverySnapshot& a, const RecoverySnapshot& b)
{
    return a.time == b.time && a.file == b.file && a.label == b.label && a.image == b.image;
}

}  // namespace

TEST_F(RecoveryTest, DamageNeverYieldsAWrongCopy)
{
    for (int round = 0; round < 40; ++round) {
        const RecoverySnapshot original = Random(round % 2 ? "Delete Channels" : "");
        const std::vector<std::uint8_t> whole = RecoveryFormat::Encode(original);
        RecoverySnapshot decoded;
        ASSERT_TRUE(RecoveryFormat::Decode(whole, decoded));
        ASSERT_TRUE(Same(decoded, original));

        std::vector<std::uint8_t> damaged = whole;
        switch (round % 3) {
        case 0: damaged.resize(m_rng() % whole.size()); break;  // torn by a power cut
        case 1: damaged[m_rng() % damaged.size()] ^= std::uint8_t(1 + m_rng() % 255); break;
        default: damaged.push_back(std::uint8_t(m_rng())); break;
        }
        // A flipped bit the frame does not depend on may leave the copy whole.
        RecoverySnapshot read;
        EXPECT_TRUE(!RecoveryFormat::Decode(damaged, read) || Same(read, original)) << "round " << round;
    }
}

TEST_F(RecoveryTest, RunningEditorsKeepTheirCopiesAndALeftCopyIsClaimedOnce)
{
    const RecoverySnapshot mine = Random("Edit Channel"), theirs = Random("Sort Channels");
    COwnRecoveryCopy running(m_folder);
    PlaceholderText error;
    {
        COwnRecoveryCopy crashed(m_folder);
        ASSERT_TRUE(running.Write(mine, error) && crashed.Write(theirs, error)) << Fill(error);
        EXPECT_NE(running.Path(), crashed.Path());
        EXPECT_TRUE(FindOrphanedCopies(m_folder).empty());
    }  // ends without removing its copy

    std::vector<COrphanedRecoveryCopy> claimed = FindOrphanedCopies(m_folder);
    ASSERT_EQ(claimed.size(), 1u);
    EXPECT_TRUE(FindOrphanedCopies(m_folder).empty()) << "claimed by a second editor";
    RecoverySnapshot read;
    ASSERT_TRUE(claimed[0].Read(read));
    EXPECT_TRUE(Same(read, theirs));
    claimed[0].Delete();
    claimed.clear();
    EXPECT_TRUE(FindOrphanedCopies(m_folder).empty());
    EXPECT_TRUE(fs::exists(running.Path()));
}
