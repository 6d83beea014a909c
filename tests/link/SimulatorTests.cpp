// The link against stb-sim, and stb-sim's own checks of what it receives.
#include "DownloadFraming.h"
#include "ImageFile.h"
#include "LinkFixture.h"
#include "SerialPort.h"
#include "TrafficLogLines.h"
#include "VerifiedDownload.h"
#include "ChildProcess.h"

#include <csignal>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

class SimulatorTest : public ::testing::Test {
protected:
    SimulatorTest()
    {
        folder =
            fs::temp_directory_path() / ("volmaren-sim-test-" + std::to_string(getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    ~SimulatorTest() override { fs::remove_all(folder); }

    std::string WriteImage(const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = (folder / "image.dat").string();
        std::string error;
        EXPECT_TRUE(ImageFile::WriteAtomically(path, bytes.data(), bytes.size(), error)) << error;
        return path;
    }

    fs::path folder;
    CRecordingView view;
    std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(Image::kLargeSize);
    CTransferLink link{view, view};
};

TEST_F(SimulatorTest, SmallImageGoesUpAndComesBackThroughANoisyReceiver)
{
    auto image = PatternImage(Image::kSmallSize, 99);
    image[Image::kSmallMarkerOffset] = Image::kMarker;
    const std::string imagePath = WriteImage(image);
    const std::string receivedPath = (folder / "received.dat").string();

    {
        CSimProcess sim({"--image", imagePath, "--code", "2580", "--noise"});
        ASSERT_FALSE(sim.DevicePath().empty());
        link.OpenDevice(sim.DevicePath());
        ASSERT_TRUE(link.StartUpload(0x2580));
        ASSERT_EQ(view.WaitForNotice(60s), Notice::UploadDone);
        EXPECT_EQ(link.FinishUpload(), TransferEnd::Completed);
        EXPECT_EQ(link.ReceivedVariant(), 1);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), link.ReceivedImage().begin()));
        link.ClosePort();
        EXPECT_EQ(sim.Wait(30s), 0) << sim.Errors();
    }

    // Back in the large layout the small image lies from 0x40000 on.
    std::fill(buffer.begin(), buffer.end(), 0xFF);
    std::copy(image.begin(), image.end(), buffer.begin() + Image::kSmallShift);
    CSimProcess sim({"--image", imagePath, "--received", receivedPath, "--noise"});
    link.OpenDevice(sim.DevicePath());
    ASSERT_TRUE(link.StartDownload(0x0000, buffer));
    ASSERT_EQ(view.WaitForNotice(60s), Notice::DownloadDone);
    EXPECT_EQ(link.FinishDownload(), TransferEnd::Completed);
    link.ClosePort();
    ASSERT_EQ(sim.Wait(30s), 0) << sim.Errors();
    std::vector<std::uint8_t> received;
    std::string error;
    ASSERT_EQ(ImageFile::ReadImage(receivedPath, received, error), ImageFile::Read::Ok) << error;
    EXPECT_EQ(received, image);
}

TEST_F(SimulatorTest, WrongCodeIsRefused)
{
    CSimProcess sim({"--code", "2580"});
    link.OpenDevice(sim.DevicePath());
    ASSERT_TRUE(link.StartDownload(0x1111, buffer));
    ASSERT_EQ(view.WaitForNotice(60s), Notice::CodeRefused);
    link.FinishRefused();
    link.ClosePort();
    EXPECT_EQ(sim.Wait(30s), 0);
    EXPECT_NE(sim.Errors().find("refused system code 1111"), std::string::npos) << sim.Errors();
}

TEST_F(SimulatorTest, VerifyReadsBackWhatWasSentAndLeavesTheLinkReady)
{
    auto image = PatternImage(Image::kLargeSize, 21);
    std::copy(image.begin(), image.end(), buffer.begin());
    CSimProcess sim({"--repeat", "--manual-reset"});
    link.OpenDevice(sim.DevicePath());
    {
        auto verify = std::make_unique<CVerifiedDownload>(link, view);
        verify->KeepHistory(false);
        ASSERT_TRUE(verify->Start(buffer, 0));
        ASSERT_EQ(view.WaitForNotice(60s), Notice::DownloadDone);
        ASSERT_TRUE(verify->OnDownloadDone());
        EXPECT_EQ(view.LastStatus(), "Download complete. Reset your STB and Wait for verifying...");
        // Gone while the read-back waits for the reset: it stops first.
        verify.reset();
        EXPECT_FALSE(link.HasWorker());
        EXPECT_EQ(view.WaitForNotice(60s), Notice::UploadDone);
        link.FinishUpload();
    }
    sim.Signal(SIGUSR1);
    CVerifiedDownload verify(link, view);
    verify.KeepHistory(false);
    ASSERT_TRUE(verify.Start(buffer, 0));
    ASSERT_EQ(view.WaitForNotice(60s), Notice::DownloadDone);
    ASSERT_TRUE(verify.OnDownloadDone());
    sim.Signal(SIGUSR1);
    ASSERT_EQ(view.WaitForNotice(60s), Notice::UploadDone);
    verify.OnUploadDone();
    EXPECT_EQ(verify.Outcome(), CVerifiedDownload::Result::Verified);
    EXPECT_EQ(view.LastStatus(), "Verified: the receiver holds exactly what was sent.");
    EXPECT_TRUE(std::equal(image.begin(), image.end(), verify.ReadBack().begin()));
    const std::string& log = verify.TrafficLogText();
    EXPECT_LT(log.find("# transfer: download"), log.find("# transfer: upload")) << log.substr(0, 300);

    // The link is free for a plain upload afterwards.
    sim.Signal(SIGUSR1);
    ASSERT_TRUE(link.StartUpload(0));
    ASSERT_EQ(view.WaitForNotice(60s), Notice::UploadDone);
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Completed);
    EXPECT_EQ(link.ReceivedVariant(), 2);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), link.ReceivedImage().begin()));
    link.ClosePort();
}

// An editor that gets the framing wrong, to see the simulator notice.
class CFaultyEditor {
public:
    explicit CFaultyEditor(const std::string& device) { m_port.Open(device, m_messages); }
    void Close() { m_port.Close(m_messages); }

    bool Await(std::uint8_t expected)
    {
        for (int idle = 0; idle < 1500;) {
            if (m_port.BytesWaiting() != 0) {
                if (m_port.ReadByte() == expected)
                    return true;
            } else if (m_port.Wait(20) != PortWait::Readable) {
                ++idle;
            }
        }
        return false;
    }
    void Send(const std::uint8_t* bytes, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            m_port.WriteByte(bytes[i]);
    }
    void SendBlock(std::uint8_t type, std::uint16_t number, std::uint16_t sum)
    {
        const std::vector<std::uint8_t> data(Framing::kBlockSize, 0x01);
        Send(&type, 1);
        Send(data.data(), data.size());
        const std::uint8_t trailer[] = {std::uint8_t(number >> 8), std::uint8_t(number),
                                        std::uint8_t(sum >> 8), std::uint8_t(sum)};
        Send(trailer, 4);
    }

private:
    CRecordingView m_messages;
    CSerialPort m_port;
};

TEST_F(SimulatorTest, SimulatorReportsWhatADownloadGotWrong)
{
    auto image = PatternImage(Image::kSmallSize, 1);
    CSimProcess sim({"--image", WriteImage(image)});
    CFaultyEditor editor(sim.DevicePath());
    ASSERT_TRUE(editor.Await(SYNC));
    editor.Send(&ACK, 1);
    ASSERT_TRUE(editor.Await(SYNC));
    const std::uint8_t code[] = {0, 0};
    editor.Send(code, 2);
    ASSERT_TRUE(editor.Await(ACK));
    editor.Send(&CMD_REGION, 1);
    ASSERT_TRUE(editor.Await(ACK));
    auto header = Framing::EncodeHeader(Framing::HeaderFor(Framing::PlanFor(1).main));
    header[16] ^= 1;
    editor.Send(header.data(), header.size());
    ASSERT_TRUE(editor.Await(ACK));
    const std::uint16_t sum = 1024;  // of 1024 bytes of 0x01
    editor.SendBlock(BLOCK_MAIN, 7, sum);
    ASSERT_TRUE(editor.Await(ACK));
    editor.SendBlock(BLOCK_TAIL, 1, sum + 1);
    ASSERT_TRUE(editor.Await(ACK));
    for (std::uint16_t j = 2; j < 384; ++j) {
        editor.SendBlock(BLOCK_MAIN, j, sum);
        ASSERT_TRUE(editor.Await(ACK)) << j << sim.Errors();
    }
    const auto tail = Framing::EncodeHeader(Framing::HeaderFor(Framing::PlanFor(1).tail));
    editor.Send(tail.data(), tail.size());
    ASSERT_TRUE(editor.Await(ACK));
    for (std::uint16_t i = 0; i < 2; ++i) {
        editor.SendBlock(BLOCK_TAIL, i, sum);
        ASSERT_TRUE(editor.Await(ACK));
    }

    editor.Close();
    EXPECT_EQ(sim.Wait(30s), 1) << sim.Errors();
    const std::string errors = sim.Errors();
    EXPECT_NE(errors.find("main region header: checksum 857F, its fields sum to 857E"), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("main block 0: carries block number 7"), std::string::npos) << errors;
    EXPECT_NE(errors.find("main block 1: opens with 0x06 instead of 0x05"), std::string::npos);
    EXPECT_NE(errors.find("main block 1: checksum 0401, its data sums to 0400"), std::string::npos);
    EXPECT_NE(errors.find("4 fault(s)"), std::string::npos) << errors;
}

// The real port, keeping a copy of every byte that crosses it.
class CTappedPort final : public ISerialPort {
public:
    void Open(const std::string& device, IPortMessages& messages) override { m_port.Open(device, messages); }
    PlaceholderText OpenProblem() const override { return m_port.OpenProblem(); }
    void Close(IPortMessages& messages) override { m_port.Close(messages); }
    bool IsOpen() const override { return m_port.IsOpen(); }
    std::uint32_t BytesWaiting() override { return m_port.BytesWaiting(); }
    std::uint8_t ReadByte() override
    {
        read.push_back(m_port.ReadByte());
        return read.back();
    }
    void WriteByte(std::uint8_t byte) override
    {
        written.push_back(byte);
        m_port.WriteByte(byte);
    }
    PortWait Wait(int timeoutMs) override { return m_port.Wait(timeoutMs); }
    std::size_t PendingOutput() const override { return m_port.PendingOutput(); }
    void DiscardOutput() override { m_port.DiscardOutput(); }
    bool IsLost() const override { return m_port.IsLost(); }

    std::vector<std::uint8_t> read;
    std::vector<std::uint8_t> written;

private:
    CSerialPort m_port;
};

TEST_F(SimulatorTest, TrafficLogHoldsEveryByteOfAnUploadAndADownloadInOrder)
{
    auto image = PatternImage(Image::kLargeSize, 5);
    image[Image::kLargeMarkerOffset] = Image::kMarker;
    const std::string imagePath = WriteImage(image);
    auto owned = std::make_unique<CTappedPort>();
    CTappedPort& tap = *owned;
    CTransferLink tapped(view, view, std::move(owned));
    EXPECT_FALSE(tapped.HasTrafficLog());

    for (const bool upload : {true, false}) {
        SCOPED_TRACE(upload ? "upload" : "download");
        tap.read.clear();
        tap.written.clear();
        CSimProcess sim({"--image", imagePath, "--noise"});
        tapped.OpenDevice(sim.DevicePath());
        ASSERT_TRUE(upload ? tapped.StartUpload(0x0042) : tapped.StartDownload(0x0042, buffer));
        ASSERT_EQ(view.WaitForNotice(60s), upload ? Notice::UploadDone : Notice::DownloadDone);
        ASSERT_EQ(upload ? tapped.FinishUpload() : tapped.FinishDownload(), TransferEnd::Completed);
        tapped.ClosePort();
        EXPECT_EQ(sim.Wait(30s), 0) << sim.Errors();

        const std::string text = tapped.TrafficLogText();
        EXPECT_NE(text.find(std::string("# transfer: ") + (upload ? "upload" : "download")),
                  std::string::npos);
        EXPECT_NE(text.find("# system code: 0042"), std::string::npos);
        EXPECT_NE(text.find("# end: completed"), std::string::npos);
        std::vector<std::uint8_t> sent, received, imageBytes;
        std::set<std::string> steps;
        unsigned long lastMs = 0;
        for (const LogLine& line : ParseLog(text)) {
            ASSERT_TRUE(line.direction == "PC->STB" || line.direction == "STB->PC") << line.direction;
            auto& stream = line.direction == "PC->STB" ? sent : received;
            stream.insert(stream.end(), line.bytes.begin(), line.bytes.end());
            ASSERT_GE(line.ms, lastMs);
            lastMs = line.ms;
            if (line.step.starts_with("image"))
                imageBytes.insert(imageBytes.end(), line.bytes.begin(), line.bytes.end());
            else
                steps.insert(line.step);
        }
        EXPECT_EQ(sent, tap.written);
        EXPECT_EQ(received, tap.read);
        // The stray bytes before the receiver's SYNC may go before the port
        // opens; those between its reply and its ACK always come.
        for (const char* step :
             {"SYNC", "ACK: hello", "system code", "REPLY_LARGE: large image", "dropped, waiting for ACK"})
            EXPECT_EQ(steps.count(step), 1u) << step;
        if (upload) {
            EXPECT_EQ(imageBytes, image);
            EXPECT_EQ(steps.count("ACK for CMD_SEND_IMAGE"), 1u);
        } else {
            for (const char* step : {"main block 0", "main block 639", "ACK for main block 639",
                                     "tail block 1", "ACK for tail region header", "ACK for tail block 1"})
                EXPECT_EQ(steps.count(step), 1u) << step;
        }
    }
}

}  // namespace
