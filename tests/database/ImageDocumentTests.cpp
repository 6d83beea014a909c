// Opening and saving image files: byte-exact round trips of both variants,
// the refusals, and saves that never destroy the previous file.
#include "ImageDocument.h"
#include "ImageFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

class ImageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("volmaren-doc-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::permissions(m_dir, fs::perms::owner_all);
        fs::remove_all(m_dir);
    }

    std::string Path(const char* name) const { return (m_dir / name).string(); }

    static Bytes RandomImage(std::size_t size, std::uint32_t seed)
    {
        std::mt19937 rng(seed);
        Bytes bytes(size);
        for (auto& b : bytes)
            b = std::uint8_t(rng());
        bytes[size == Image::kLargeSize ? Image::kLargeMarkerOffset : Image::kSmallMarkerOffset] =
            Image::kMarker;
        return bytes;
    }

    static void Write(const std::string& path, const Bytes& bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    static Bytes Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    std::size_t FilesInDirectory() const
    {
        return std::size_t(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};

std::string Load(CImageDocument& document, const std::string& path)
{
    std::string error;
    switch (document.LoadFile(path, error)) {
    case CImageDocument::Load::Loaded: return "loaded";
    case CImageDocument::Load::NotAnImage: return "not an image";
    case CImageDocument::Load::Error: break;
    }
    return "error";
}

}  // namespace

TEST_F(ImageFiles, LargeImageRoundTripKeepsEveryByteButBouquetsAndGap)
{
    const Bytes original = RandomImage(Image::kLargeSize, 1);
    Write(Path("in.dat"), original);
    CImageDocument document;
    ASSERT_EQ(Load(document, Path("in.dat")), "loaded");
    EXPECT_EQ(document.m_database.m_nVariant, 2);
    std::string error;
    ASSERT_TRUE(document.SaveFile(Path("out.dat"), error)) << error;

    Bytes expected = original;
    std::fill(expected.begin() + Image::kBouquetOffset, expected.begin() + Image::kGapOffset, 0);
    std::fill(expected.begin() + Image::kGapOffset, expected.begin() + Image::kTvOffset, 0xFF);
    EXPECT_EQ(Read(Path("out.dat")), expected);
    EXPECT_EQ(document.m_szFilePath, Path("out.dat"));
}

TEST_F(ImageFiles, SmallImageIsWrittenInTheLargeLayout)
{
    const Bytes original = RandomImage(Image::kSmallSize, 2);
    Write(Path("small.dat"), original);
    CImageDocument document;
    ASSERT_EQ(Load(document, Path("small.dat")), "loaded");
    EXPECT_EQ(document.m_database.m_nVariant, 1);
    std::string error;
    ASSERT_TRUE(document.SaveFile(Path("large.dat"), error)) << error;

    Bytes expected(Image::kLargeSize, 0xFF);
    std::fill(expected.begin() + Image::kBouquetOffset, expected.begin() + Image::kGapOffset, 0);
    std::copy(original.begin(), original.end(), expected.begin() + Image::kSmallShift);
    EXPECT_EQ(Read(Path("large.dat")), expected);
}

TEST_F(ImageFiles, MarkerIsLookedForOnlyWhereTheLengthSays)
{
    Bytes large = RandomImage(Image::kLargeSize, 3);
    large[Image::kSmallMarkerOffset] = 0x00;
    Write(Path("large.dat"), large);
    Bytes small = RandomImage(Image::kSmallSize, 4);
    Write(Path("small.dat"), small);
    large[Image::kLargeMarkerOffset] = 0x5B;
    large[Image::kSmallMarkerOffset] = Image::kMarker;
    Write(Path("unmarked.dat"), large);

    CImageDocument document;
    EXPECT_EQ(Load(document, Path("large.dat")), "loaded");
    EXPECT_EQ(Load(document, Path("small.dat")), "loaded");
    EXPECT_EQ(Load(document, Path("unmarked.dat")), "not an image");
}

TEST_F(ImageFiles, RefusalsLeaveTheDocumentAsItWas)
{
    Write(Path("good.dat"), RandomImage(Image::kLargeSize, 5));
    for (std::size_t size : {Image::kLargeSize + 1, Image::kLargeSize - 1, Image::kSmallSize + 1,
                             Image::kSmallSize - 1, std::size_t(0)})
        Write(Path(("len" + std::to_string(size)).c_str()), Bytes(size, Image::kMarker));

    CImageDocument document;
    ASSERT_EQ(Load(document, Path("good.dat")), "loaded");
    document.m_bSaved = false;
    document.m_database.SetBouquet("kept", 0, kTv);
    const Bytes tables(document.m_database.GetSatelliteTable(),
                       document.m_database.GetSatelliteTable() + Image::kSatelliteSize);

    for (const auto& entry : fs::directory_iterator(m_dir)) {
        if (entry.path().filename() != "good.dat") {
            EXPECT_EQ(Load(document, entry.path().string()), "not an image") << entry.path();
        }
    }
    EXPECT_EQ(Load(document, Path("missing.dat")), "error");
    EXPECT_EQ(Load(document, m_dir.string()), "error");

    EXPECT_EQ(document.m_szFilePath, Path("good.dat"));
    EXPECT_FALSE(document.m_bSaved);
    EXPECT_FALSE(document.m_bNoData);
    char text[20];
    document.m_database.GetBouquet(text, 0, kTv);
    EXPECT_STREQ(text, "kept");
    EXPECT_TRUE(std::equal(tables.begin(), tables.end(), document.m_database.GetSatelliteTable()));
}

TEST_F(ImageFiles, FailedSaveKeepsThePreviousFileAndReportsFailure)
{
    Write(Path("in.dat"), RandomImage(Image::kLargeSize, 6));
    const Bytes previous = RandomImage(Image::kLargeSize, 7);
    Write(Path("target.dat"), previous);
    CImageDocument document;
    ASSERT_EQ(Load(document, Path("in.dat")), "loaded");
    document.m_bSaved = false;

    std::string error;
    EXPECT_FALSE(document.SaveFile(Path("missing-dir/out.dat"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(document.SaveFile(m_dir.string(), error));  // a directory is in the way

    if (geteuid() != 0) {  // root writes anywhere
        fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(document.SaveFile(Path("target.dat"), error));
        fs::permissions(m_dir, fs::perms::owner_all);
    }
    EXPECT_EQ(Read(Path("target.dat")), previous);
    EXPECT_FALSE(document.m_bSaved);
    EXPECT_EQ(document.m_szFilePath, Path("in.dat"));
    EXPECT_EQ(FilesInDirectory(), 2u);  // no temporary file left behind

    ASSERT_TRUE(document.SaveFile(Path("target.dat"), error)) << error;
    EXPECT_TRUE(document.m_bSaved);
    EXPECT_EQ(FilesInDirectory(), 2u);
    EXPECT_EQ(Read(Path("target.dat")).size(), Image::kLargeSize);
}

TEST_F(ImageFiles, AReplacedFileIsKeptAsItsBackupUnlessTheSaveFails)
{
    Write(Path("in.dat"), RandomImage(Image::kLargeSize, 8));
    CImageDocument document;
    ASSERT_EQ(Load(document, Path("in.dat")), "loaded");
    std::string error;

    // No backup of a file that did not exist; then one generation.
    ASSERT_TRUE(document.SaveFile(Path("out.dat"), error, ImageFile::Backup::Keep)) << error;
    EXPECT_FALSE(fs::exists(Path("out.dat.bak")));
    const Bytes first = Read(Path("out.dat"));
    Write(Path("out.dat"), RandomImage(Image::kLargeSize, 9));
    const Bytes second = Read(Path("out.dat"));
    ASSERT_TRUE(document.SaveFile(Path("out.dat"), error, ImageFile::Backup::Keep)) << error;
    EXPECT_EQ(Read(Path("out.dat.bak")), second);
    EXPECT_EQ(Read(Path("out.dat")), first);

    // A write that fails half-way (the file size limit holds for root too)
    // leaves the file, its backup and nothing else.
    Write(Path("out.dat"), second);
    const Bytes backup = Read(Path("out.dat.bak"));
    const std::size_t files = FilesInDirectory();
    struct rlimit limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const struct rlimit small = {Image::kLargeSize / 2, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = document.SaveFile(Path("out.dat"), error, ImageFile::Backup::Keep);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Read(Path("out.dat")), second);
    EXPECT_EQ(Read(Path("out.dat.bak")), backup);
    EXPECT_EQ(FilesInDirectory(), files);
}

TEST_F(ImageFiles, ReplacingAFileKeepsItsPermissions)
{
    Write(Path("target.dat"), Bytes(10, 0));
    fs::permissions(Path("target.dat"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const Bytes image = RandomImage(Image::kLargeSize, 8);
    std::string error;
    ASSERT_TRUE(ImageFile::WriteAtomically(Path("target.dat"), image.data(), image.size(), error));
    EXPECT_EQ(fs::status(Path("target.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Read(Path("target.dat")), image);
}

TEST(Upload, SmallImageLosesItsBouquetsLargeKeepsThem)
{
    CImageDocument document;
    const std::vector<std::uint8_t> uploaded(Image::kLargeSize, 0x41);
    EXPECT_FALSE(document.AcceptUpload(uploaded, 2));
    EXPECT_EQ(document.m_database.m_nVariant, 2);
    EXPECT_EQ(document.m_database.GetBouquetTable()[0], 0x41);
    EXPECT_FALSE(document.m_bNoData);
    EXPECT_FALSE(document.m_bSaved);

    EXPECT_TRUE(document.AcceptUpload(uploaded, 1));
    EXPECT_EQ(document.m_database.m_nVariant, 1);
    EXPECT_EQ(document.m_database.GetBouquetTable()[0], 0);
}
