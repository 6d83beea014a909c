// The receiver history: names by the upload's local time, two uploads in one
// second, the cap with the oldest going first, the listing, and a folder
// that cannot be written.
#include "DemoImage.h"
#include "HistoryTexts.h"
#include "ImageFormat.h"
#include "ReceiverHistory.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class ReceiverHistoryTest : public ::testing::Test {
protected:
    ReceiverHistoryTest()
    {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    ~ReceiverHistoryTest() override { fs::remove_all(m_dir); }

    const fs::path m_dir = fs::temp_directory_path() / ("volmaren-history-" + std::to_string(getpid()));
    const fs::path m_folder = m_dir / "volmaren" / "receiver";
    const std::vector<std::uint8_t> m_large = Demo::ImageBytes(Demo::Size::Normal);
};

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TEST_F(ReceiverHistoryTest, KeepsTheNewestFiftyTwoInASecondIncluded)
{
    // Something of the person's own in the folder stays, and is no entry.
    fs::create_directories(m_folder);
    std::ofstream(m_folder / "mine.dat") << "notes";
    const std::vector<std::uint8_t> small(m_large.begin() + Image::kSmallShift, m_large.end());

    const std::time_t start = LocalTime(2026, 12, 7, 17, 42, 5);
    for (int i = 0; i < 53; ++i) {
        PlaceholderText warning;
        const bool isSmall = i % 3 == 0;
        const fs::path kept = ReceiverHistory::Keep(
            m_folder, start + i / 2, isSmall ? small.data() : m_large.data(), isSmall ? 1 : 2, warning);
        ASSERT_FALSE(kept.empty()) << Fill(warning);
        EXPECT_TRUE(warning.Empty()) << Fill(warning);
        EXPECT_EQ(fs::file_size(kept), isSmall ? Image::kSmallSize : Image::kLargeSize);
    }
    // The oldest three went, the first of a second before the second.
    EXPECT_FALSE(fs::exists(m_folder / "2026-12-07_17-42-06.dat"));
    EXPECT_TRUE(fs::exists(m_folder / "2026-12-07_17-42-06_2.dat"));

    std::vector<ReceiverHistory::Entry> entries = ReceiverHistory::List(m_folder);
    ASSERT_EQ(entries.size(), ReceiverHistory::kCapacity);
    EXPECT_EQ(entries.front().path.filename(), "2026-12-07_17-42-31.dat");
    EXPECT_EQ(entries.front().date, "2026-12-07 17:42:31");
    EXPECT_EQ(entries[1].path.filename(), "2026-12-07_17-42-30_2.dat");
    EXPECT_EQ(entries.back().path.filename(), "2026-12-07_17-42-06_2.dat");
    // The newest is large, the one before small: the same channels either way.
    EXPECT_EQ(entries[0].variant, 2);
    EXPECT_EQ(entries[1].variant, 1);
    EXPECT_GT(entries[0].tvCount, 100);
    EXPECT_EQ(entries[1].tvCount, entries[0].tvCount);
    EXPECT_EQ(entries[1].radioCount, entries[0].radioCount);
    EXPECT_TRUE(fs::exists(m_folder / "mine.dat"));

    // A clock set back makes the new image the oldest; it stays all the same.
    PlaceholderText warning;
    const fs::path back = ReceiverHistory::Keep(m_folder, start - 3600, m_large.data(), 2, warning);
    EXPECT_TRUE(fs::exists(back)) << Fill(warning);
    entries = ReceiverHistory::List(m_folder);
    EXPECT_EQ(entries.size(), ReceiverHistory::kCapacity);
    EXPECT_EQ(entries.back().path, back);
    EXPECT_FALSE(fs::exists(m_folder / "2026-12-07_17-42-06_2.dat"));
}

TEST_F(ReceiverHistoryTest, AFolderThatCannotBeWrittenKeepsNothingAndSaysWhy)
{
    // A file where the folder would be: permissions would not stop root.
    std::ofstream(m_dir / "volmaren") << "in the way";
    PlaceholderText warning;
    EXPECT_TRUE(ReceiverHistory::Keep(m_folder, std::time(nullptr), m_large.data(), 2, warning).empty());
    EXPECT_STREQ(warning.text, Text::kHistoryNotKept);
    ASSERT_EQ(warning.args.size(), 1u);
    EXPECT_EQ(warning.args[0].rfind((m_dir / "volmaren").string(), 0), 0u) << warning.args[0];
    EXPECT_TRUE(ReceiverHistory::List(m_folder).empty());
}

TEST(ReceiverHistoryFolder, FollowsXdgDataHomeElseTheHomeFolder)
{
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    const std::string data = saved("XDG_DATA_HOME"), home = saved("HOME");
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(ReceiverHistory::Folder(), fs::path("/srv/data/volmaren/receiver"));
    setenv("XDG_DATA_HOME", "", 1);
    setenv("HOME", "/home/ana", 1);
    EXPECT_EQ(ReceiverHistory::Folder(), fs::path("/home/ana/.local/share/volmaren/receiver"));
    data.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", data.c_str(), 1);
    home.empty() ? unsetenv("HOME") : setenv("HOME", home.c_str(), 1);
}

}  // namespace
