#include "PortNames.h"
#include "SystemCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

class SystemCodeTest : public ::testing::Test {
protected:
    SystemCodeTest()
    {
        folder = fs::temp_directory_path() /
                 ("volmaren-code-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "kestrune.tmp").string();
    }
    ~SystemCodeTest() override { fs::remove_all(folder); }

    std::vector<unsigned char> FileBytes() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteFile(const std::vector<unsigned char>& bytes) const
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path folder;
    std::string path;
};

TEST_F(SystemCodeTest, MissingFileIsCreatedHoldingZero)
{
    CSystemCode code(path);
    EXPECT_EQ(code.Get(), 0);
    EXPECT_EQ(code.Text(), "0000");
    EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{0, 0}));
}

TEST_F(SystemCodeTest, FileIsReadLowByteFirstAndAShortFileLeavesTheHighByteZero)
{
    WriteFile({0x34, 0x12, 0x99});
    EXPECT_EQ(CSystemCode(path).Get(), 0x1234);
    EXPECT_EQ(CSystemCode(path).Text(), "1234");
    WriteFile({0xAB});
    EXPECT_EQ(CSystemCode(path).Get(), 0x00AB);
    EXPECT_EQ(CSystemCode(path).Text(), "00ab");
}

TEST_F(SystemCodeTest, FourTypedDigitsAreStoredOverTheFirstTwoBytes)
{
    WriteFile({0, 0, 0x77, 0x88});
    CSystemCode code(path);
    EXPECT_TRUE(code.SetFromText("2580"));
    EXPECT_EQ(code.Get(), 0x2580);
    EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{0x80, 0x25, 0x77, 0x88}));
    EXPECT_FALSE(code.SetFromText("123"));
    EXPECT_FALSE(code.SetFromText("12345"));
    EXPECT_EQ(code.Get(), 0x2580);
    EXPECT_EQ(FileBytes(), (std::vector<unsigned char>{0x80, 0x25, 0x77, 0x88}));
}

TEST_F(SystemCodeTest, WithoutAFileTheCodeLivesInMemoryOnly)
{
    CSystemCode code(path);
    fs::remove(path);
    EXPECT_TRUE(code.SetFromText("0042"));
    EXPECT_EQ(code.Get(), 0x0042);
    EXPECT_FALSE(fs::exists(path));
}

TEST(SystemCodeText, CharactersFollowTheReceiversDigitRule)
{
    EXPECT_EQ(CSystemCode::ParseText("0000"), 0x0000);
    EXPECT_EQ(CSystemCode::ParseText("9999"), 0x9999);
    EXPECT_EQ(CSystemCode::ParseText("abcf"), 0xABCF);
    EXPECT_EQ(CSystemCode::ParseText("ABCF"), 0xABCF);
    // 'g' is not among a to f: 0x67 - 0x37 = 48.
    EXPECT_EQ(CSystemCode::ParseText("000g"), 48);
    // Below 'A' everything counts from '0', so ' ' is -16; the sum wraps.
    EXPECT_EQ(CSystemCode::ParseText("000 "), static_cast<std::uint16_t>(-16));
    EXPECT_EQ(CSystemCode::ParseText("\xff"
                                     "000"),
              static_cast<std::uint16_t>((-1 - 0x30) * 4096));
}

TEST(SystemCodeText, OnlyFourDigitsCountAsATypedCode)
{
    EXPECT_TRUE(CSystemCode::IsTypedCode("0912"));
    EXPECT_FALSE(CSystemCode::IsTypedCode("091"));
    EXPECT_FALSE(CSystemCode::IsTypedCode("09123"));
    EXPECT_FALSE(CSystemCode::IsTypedCode("09a2"));
}

TEST_F(SystemCodeTest, PathComesFromTheEnvironment)
{
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::string(value) : std::string();
    };
    const std::string file = saved("VOLMAREN_CODE_FILE"), xdg = saved("XDG_CONFIG_HOME");

    setenv("VOLMAREN_CODE_FILE", path.c_str(), 1);
    EXPECT_EQ(SystemCodePath(), path);
    unsetenv("VOLMAREN_CODE_FILE");
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    EXPECT_EQ(SystemCodePath(), (folder / "config" / "volmaren" / "kestrune.tmp").string());
    EXPECT_TRUE(fs::is_directory(folder / "config" / "volmaren"));

    setenv("VOLMAREN_COM2", "/dev/ttyUSB3", 1);
    EXPECT_EQ(DevicePathForName("COM2"), "/dev/ttyUSB3");
    EXPECT_EQ(DevicePathForName("com1"), "/dev/ttyS0");
    EXPECT_EQ(DevicePathForName("/dev/pts/7"), "/dev/pts/7");
    unsetenv("VOLMAREN_COM2");

    file.empty() ? unsetenv("VOLMAREN_CODE_FILE") : setenv("VOLMAREN_CODE_FILE", file.c_str(), 1);
    xdg.empty() ? unsetenv("XDG_CONFIG_HOME") : setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
}

}  // namespace
