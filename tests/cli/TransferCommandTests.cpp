// volmaren-cli upload and download against stb-sim, end to end.
#include "ChildProcess.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr std::size_t kLargeSize = 0xA0800, kSmallSize = 0x60800, kSmallShift = 0x40000;

class TransferCommandTest : public ::testing::Test {
protected:
    TransferCommandTest()
    {
        setenv("VOLMAREN_CODE_FILE", cli.Path("code.tmp").c_str(), 1);
        // Uploads keep a history; never in the real home.
        setenv("XDG_DATA_HOME", cli.Path("data").c_str(), 1);
        EXPECT_EQ(cli.Run({"demo", demo}).status, 0);
    }
    ~TransferCommandTest() override
    {
        unsetenv("VOLMAREN_CODE_FILE");
        unsetenv("XDG_DATA_HOME");
    }

    // The receiver history's images, oldest first.
    std::vector<std::vector<std::uint8_t>> History() const
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(cli.Path("data/volmaren/receiver"), ec))
            names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        std::vector<std::vector<std::uint8_t>> images;
        for (const std::string& name : names)
            images.push_back(CliRunner::Read(name));
        return images;
    }

    CliRunner cli;
    const std::string demo = cli.Path("demo.dat");
    const std::string uploaded = cli.Path("uploaded.dat");
    const std::string received = cli.Path("received.dat");
};

TEST_F(TransferCommandTest, DemoImageGoesUpAndComesBackUnchanged)
{
    // Without --code the code file's value is sent: 34 12 is 1234.
    CliRunner::Write(cli.Path("code.tmp"), {0x34, 0x12});
    {
        CSimProcess sim({"--image", demo, "--code", "1234"});
        const CliResult up = cli.Run({"upload", "--port", sim.DevicePath(), uploaded});
        EXPECT_EQ(up.status, 0) << up.err;
        EXPECT_NE(up.err.find("Reset your STB and Wait for uploading..."), std::string::npos);
        EXPECT_NE(up.err.find("(657408 / 657408) 100%"), std::string::npos) << up.err;
        EXPECT_EQ(up.err.find("Notice"), std::string::npos);
        EXPECT_EQ(sim.Wait(30s), 0) << sim.Errors();
    }
    EXPECT_EQ(CliRunner::Read(uploaded), CliRunner::Read(demo));

    CSimProcess sim({"--image", demo, "--code", "1234", "--received", received, "--noise"});
    const CliResult down = cli.Run({"download", "--port", sim.DevicePath(), "--code", "1234", uploaded});
    EXPECT_EQ(down.status, 0) << down.err;
    EXPECT_NE(down.err.find("Sending DATA..."), std::string::npos);
    EXPECT_NE(down.err.find("Download complete"), std::string::npos) << down.err;
    ASSERT_EQ(sim.Wait(30s), 0) << sim.Errors();
    EXPECT_EQ(CliRunner::Read(received), CliRunner::Read(uploaded));
}

TEST_F(TransferCommandTest, UploadsGoIntoTheHistoryUnlessToldNotOrItCannotBeWritten)
{
    CSimProcess sim({"--image", demo, "--repeat"});
    EXPECT_EQ(cli.Run({"upload", "--port", sim.DevicePath(), uploaded}).status, 0);
    EXPECT_EQ(cli.Run({"upload", "--port", sim.DevicePath(), "--no-history", uploaded}).status, 0);
    const auto history = History();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0], CliRunner::Read(demo));

    // A file where the folder would be: the upload succeeds all the same.
    CliRunner::Write(cli.Path("blocked"), {});
    setenv("XDG_DATA_HOME", cli.Path("blocked").c_str(), 1);
    std::filesystem::remove(uploaded);
    const CliResult blocked = cli.Run({"upload", "--port", sim.DevicePath(), uploaded});
    EXPECT_EQ(blocked.status, 0) << blocked.err;
    EXPECT_NE(blocked.err.find("volmaren-cli: The image read from the receiver was not kept in the receiver "
                               "history: " +
                               cli.Path("blocked") + "/volmaren/receiver: "),
              std::string::npos)
        << blocked.err;
    EXPECT_EQ(CliRunner::Read(uploaded), CliRunner::Read(demo));
}

TEST_F(TransferCommandTest, VerifyFindsWhatTheReceiverHoldsAndKeepsItInTheHistory)
{
    const auto large = CliRunner::Read(demo);
    const std::vector<std::uint8_t> small(large.begin() + kSmallShift, large.end());
    const std::string smallPath = cli.Path("small.dat");
    CliRunner::Write(smallPath, small);
    {
        // A small receiver is sent, and compared in, its own layout.
        CSimProcess sim({"--image", smallPath, "--repeat"});
        const CliResult verified = cli.Run({"download", "--verify", "--port", sim.DevicePath(), demo});
        EXPECT_EQ(verified.status, 0) << verified.err;
        EXPECT_EQ(verified.out, "");
        EXPECT_NE(verified.err.find("Download complete. Reset your STB and Wait for verifying...\n"
                                    "Receiving DATA...\n"),
                  std::string::npos)
            << verified.err;
        EXPECT_NE(verified.err.find("Verified: the receiver holds exactly what was sent.\n"),
                  std::string::npos);
    }
    // The lowest bit of the name's first byte of TV channel 213.
    const std::size_t flipped = 0x40000 + 213 * 44 + 15;
    CSimProcess sim({"--image", demo, "--repeat", "--flip-bit", std::to_string(flipped)});
    const CliResult differs = cli.Run({"download", "--verify", "--port", sim.DevicePath(), demo});
    EXPECT_EQ(differs.status, 1) << differs.err;
    EXPECT_EQ(differs.out, "tv 213 \"ATV 3\": byte 15\n");
    EXPECT_NE(differs.err.find("Not verified: the receiver holds other data than what was sent."),
              std::string::npos)
        << differs.err;

    const auto history = History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0], small);
    auto corrupted = large;
    corrupted[flipped] ^= 1;
    EXPECT_EQ(history[1], corrupted);
}

TEST_F(TransferCommandTest, VerifyStopsWhenTheReceiverIsNeverReset)
{
    CSimProcess sim({"--image", demo, "--repeat", "--manual-reset", "--received", received});
    const CliResult stopped =
        cli.Run({"download", "--verify", "--timeout", "1", "--port", sim.DevicePath(), demo});
    EXPECT_EQ(stopped.status, 3);
    EXPECT_NE(stopped.err.find("Download complete. Reset your STB and Wait for verifying..."),
              std::string::npos)
        << stopped.err;
    EXPECT_NE(stopped.err.find("volmaren-cli: the download completed; its read-back was stopped: no byte "
                               "received for 1 seconds"),
              std::string::npos)
        << stopped.err;
    // The download itself is done.
    EXPECT_EQ(CliRunner::Read(received), CliRunner::Read(demo));
    EXPECT_TRUE(History().empty());
}

TEST_F(TransferCommandTest, SmallReceiverGetsItsLayoutAndTheBouquetNotice)
{
    const auto large = CliRunner::Read(demo);
    ASSERT_EQ(large.size(), kLargeSize);
    const std::vector<std::uint8_t> small(large.begin() + kSmallShift, large.end());
    ASSERT_EQ(small.size(), kSmallSize);
    const std::string smallPath = cli.Path("small.dat");
    CliRunner::Write(smallPath, small);
    {
        CSimProcess sim({"--image", smallPath});
        const CliResult up = cli.Run({"upload", "--port", sim.DevicePath(), uploaded});
        EXPECT_EQ(up.status, 0) << up.err;
        EXPECT_NE(up.err.find("Notice : Your current Bouquet data will be initialized"), std::string::npos)
            << up.err;
        EXPECT_EQ(sim.Wait(30s), 0) << sim.Errors();
    }
    const auto saved = CliRunner::Read(uploaded);
    ASSERT_EQ(saved.size(), kLargeSize);
    EXPECT_TRUE(std::equal(small.begin(), small.end(), saved.begin() + kSmallShift));

    CSimProcess sim({"--image", smallPath, "--received", received});
    const CliResult down = cli.Run({"download", "--port", sim.DevicePath(), uploaded});
    EXPECT_EQ(down.status, 0) << down.err;
    ASSERT_EQ(sim.Wait(30s), 0) << sim.Errors();
    EXPECT_EQ(CliRunner::Read(received), small);
}

TEST_F(TransferCommandTest, WrongCodeIsRefusedAndNothingIsWritten)
{
    CSimProcess sim({"--image", demo, "--code", "1234"});
    const CliResult up = cli.Run({"upload", "--port", sim.DevicePath(), "--code", "4321", uploaded});
    EXPECT_EQ(up.status, 1);
    EXPECT_NE(up.err.find("Invalid System Code"), std::string::npos) << up.err;
    EXPECT_FALSE(std::filesystem::exists(uploaded));
}

TEST_F(TransferCommandTest, SilentReceiverStopsAfterTheTimeout)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const CliResult up = cli.Run({"upload", "--port", ptsname(master), "--timeout", "1", uploaded});
    close(master);
    EXPECT_EQ(up.status, 3);
    EXPECT_NE(up.err.find("no byte received for 1 seconds"), std::string::npos) << up.err;
    EXPECT_NE(up.err.find("Interupted by User.  Please Reset your STB."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(uploaded));
}

TEST_F(TransferCommandTest, InterruptEndsEvenALockedDownload)
{
    CSimProcess sim({"--image", demo, "--rate", "11520"});
    CChildProcess download(VOLMAREN_CLI_PATH, {"download", "--port", sim.DevicePath(), demo});
    for (int i = 0; i < 600 && download.Errors().find("Sending DATA...") == std::string::npos; ++i)
        std::this_thread::sleep_for(50ms);
    download.Signal(SIGINT);
    EXPECT_EQ(download.Wait(30s), 3) << download.Errors();
    EXPECT_NE(download.Errors().find("Terminate by User. Please Reset your STB."), std::string::npos)
        << download.Errors();
}

TEST_F(TransferCommandTest, BadArgumentsAndMissingPorts)
{
    EXPECT_EQ(cli.Run({"upload", uploaded}).status, 2);
    EXPECT_EQ(cli.Run({"upload", "--port", "COM1", "--code", "12a4", uploaded}).status, 2);
    EXPECT_EQ(cli.Run({"download", "--port", "COM1", "--timeout", "soon", demo}).status, 2);
    const CliResult missing = cli.Run({"upload", "--port", cli.Path("no-such-port"), uploaded});
    EXPECT_EQ(missing.status, 4);
    EXPECT_NE(missing.err.find("Error : Set COM1 State"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("No such device: " + cli.Path("no-such-port")), std::string::npos)
        << missing.err;
    EXPECT_EQ(cli.Run({"download", "--port", "COM1", cli.Path("missing.dat")}).status, 4);
    EXPECT_EQ(cli.Run({"upload", "--port", "COM1", "--verify", uploaded}).status, 2);
    EXPECT_EQ(cli.Run({"download", "--port", "COM1", "--no-history", demo}).status, 2);
}

TEST_F(TransferCommandTest, PortsStartWithTheComNamesAndLogsRecordTransfers)
{
    setenv("VOLMAREN_COM1", "/dev/pts/77", 1);
    const CliResult ports = cli.Run({"ports"});
    unsetenv("VOLMAREN_COM1");
    EXPECT_EQ(ports.status, 0) << ports.err;
    EXPECT_EQ(ports.out.rfind("COM1 /dev/pts/77\nCOM2 /dev/ttyS1\n", 0), 0u) << ports.out;
    EXPECT_EQ(cli.Run({"ports", "extra"}).status, 2);

    const std::string upLog = cli.Path("up.log"), downLog = cli.Path("down.log");
    {
        CSimProcess sim({"--image", demo});
        const CliResult up = cli.Run({"upload", "--port", sim.DevicePath(), "--log", upLog, uploaded});
        EXPECT_EQ(up.status, 0) << up.err;
    }
    CSimProcess sim({"--code", "1111"});
    const CliResult down =
        cli.Run({"download", "--port", sim.DevicePath(), "--code", "2222", "--log", downLog, uploaded});
    EXPECT_EQ(down.status, 1) << down.err;

    const auto text = [](const std::string& path) {
        const auto bytes = CliRunner::Read(path);
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string upText = text(upLog), downText = text(downLog);
    EXPECT_EQ(upText.rfind("# Volmaren traffic log\n# transfer: upload\n", 0), 0u) << upText.substr(0, 200);
    for (const char* line : {"\tSTB->PC\timage at 0x00000\t", "\n# end: completed\n"})
        EXPECT_NE(upText.find(line), std::string::npos) << line;
    for (const char* line : {"# system code: 2222", "\tPC->STB\tsystem code\t22 22\n",
                             "\tSTB->PC\tREPLY_REFUSED: system code refused\t34\n",
                             "# end: the receiver refused the system code\n"})
        EXPECT_NE(downText.find(line), std::string::npos) << line << '\n' << downText;
}

}  // namespace
