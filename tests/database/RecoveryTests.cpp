// Recovery copies: the format never yields a wrong copy, whatever damage it
// meets; the copies of running editors are left alone and a copy left behind
// is claimed by one editor only; the writer keeps the newest state and
// removes it.
#include "ImageFormat.h"
#include "RecoveryWriter.h"

#include <gtest/gtest.h>

#include <fstream>
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

RecoverySnapshot ReadCopy(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    RecoverySnapshot snapshot;
    EXPECT_TRUE(RecoveryFormat::Decode(bytes, snapshot)) << path;
    return snapshot;
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
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2)
        << "copy and lock";
    EXPECT_TRUE(Same(ReadCopy(running.Path()), mine));
}

TEST_F(RecoveryTest, TheWriterKeepsTheNewestStateAndRemovesIt)
{
    RecoverySnapshot last;
    fs::path copy;
    {
        CRecoveryWriter writer(m_folder);
        for (int change = 0; change < 20; ++change) {
            last = Random("Change " + std::to_string(change));
            writer.Keep(last);
        }
        writer.Flush();
        copy = writer.Path();
        EXPECT_TRUE(Same(ReadCopy(copy), last));
        writer.Remove();
        writer.Flush();
        EXPECT_FALSE(fs::exists(copy));

        last = Random("Rename Satellite");
        writer.Keep(last);
    }  // an editor that ends with unsaved changes writes them first
    EXPECT_TRUE(Same(ReadCopy(copy), last));
    EXPECT_EQ(FindOrphanedCopies(m_folder).size(), 1u);
}
