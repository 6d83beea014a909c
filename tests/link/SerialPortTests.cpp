// Checks every port back-end must pass; each back-end adds itself to the
// instantiation at the end with a factory.
#include "PortFailure.h"
#include "PtyPeer.h"
#include "RecordingView.h"
#include "SerialPort.h"
#include "TestTiming.h"
#include "TransferTexts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>
#include <thread>

#include <grp.h>
#include <sys/stat.h>
#include <termios.h>

namespace {

struct PortBackend {
    const char* name;
    std::function<std::unique_ptr<ISerialPort>()> make;
};

class SerialPortContract : public ::testing::TestWithParam<PortBackend> {
protected:
    std::unique_ptr<ISerialPort> NewPort() { return GetParam().make(); }

    std::unique_ptr<ISerialPort> OpenOnPeer()
    {
        auto port = NewPort();
        port->Open(peer.SlavePath(), messages);
        return port;
    }

    // Receives `count` bytes through the port, waiting on it in between.
    std::vector<std::uint8_t> Receive(ISerialPort& port, std::size_t count)
    {
        std::vector<std::uint8_t> bytes;
        for (int idle = 0; bytes.size() < count && idle < 1000;) {
            if (port.BytesWaiting() != 0) {
                bytes.push_back(port.ReadByte());
                continue;
            }
            if (port.Wait(20) != PortWait::Readable)
                ++idle;
        }
        return bytes;
    }

    CPtyPeer peer;
    CRecordingView messages;
};

TEST_P(SerialPortContract, ClosedPortHasNothingAndClosesSilently)
{
    auto port = NewPort();
    EXPECT_FALSE(port->IsOpen());
    EXPECT_EQ(port->BytesWaiting(), 0u);
    EXPECT_EQ(port->ReadByte(), 0);
    EXPECT_EQ(port->Wait(10), PortWait::Idle);
    port->Close(messages);
    port->Close(messages);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_P(SerialPortContract, MissingOrBusyDeviceReportsTheCom1Message)
{
    auto port = NewPort();
    port->Open("/dev/volmaren-no-such-port", messages);
    EXPECT_FALSE(port->IsOpen());
    EXPECT_EQ(port->BytesWaiting(), 0u);
    port->Close(messages);

    auto first = OpenOnPeer();
    ASSERT_TRUE(first->IsOpen());
    auto second = OpenOnPeer();
    EXPECT_FALSE(second->IsOpen());
    EXPECT_EQ(messages.Messages(),
              (std::vector<std::string>{Text::kSetComStateFailed, Text::kSetComStateFailed}));
}

TEST_P(SerialPortContract, EveryByteValueCrossesUnchangedBothWays)
{
    auto port = OpenOnPeer();
    std::vector<std::uint8_t> all(256);
    std::iota(all.begin(), all.end(), 0);
    peer.Send(all.data(), all.size());
    EXPECT_EQ(Receive(*port, 256), all);

    for (std::uint8_t byte : all)
        port->WriteByte(byte);
    std::vector<std::uint8_t> got;
    std::thread reader([&] { got = peer.Read(256); });
    while (port->PendingOutput() > 0)
        port->Wait(20);
    reader.join();
    EXPECT_EQ(got, all);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_P(SerialPortContract, WritesToAFullDeviceQueueInOrderWithoutBlocking)
{
    auto port = OpenOnPeer();
    const std::size_t count = 256 * 1024;  // far more than the line holds
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < count; ++i)
        port->WriteByte(static_cast<std::uint8_t>(i * 7));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s * kSlowdown);
    EXPECT_GT(port->PendingOutput(), 0u);

    std::vector<std::uint8_t> got;
    std::thread reader([&] { got = peer.Read(count, 30s, 333); });
    for (int i = 0; i < 5000 && port->PendingOutput() > 0; ++i)
        port->Wait(20);
    reader.join();
    ASSERT_EQ(got.size(), count);
    for (std::size_t i = 0; i < count; ++i)
        ASSERT_EQ(got[i], static_cast<std::uint8_t>(i * 7)) << "byte " << i;
}

TEST_P(SerialPortContract, DiscardedOutputNeverLeaves)
{
    auto port = OpenOnPeer();
    for (int i = 0; i < 64 * 1024; ++i)
        port->WriteByte(0xAA);
    port->DiscardOutput();
    EXPECT_EQ(port->PendingOutput(), 0u);
    peer.Read(64 * 1024, 300ms);  // whatever the device took before
    port->WriteByte(0x42);
    std::vector<std::uint8_t> got;
    std::thread reader([&] { got = peer.Read(1); });
    while (port->PendingOutput() > 0)
        port->Wait(20);
    reader.join();
    EXPECT_EQ(got, std::vector<std::uint8_t>{0x42});
}

TEST_P(SerialPortContract, HangUpIsSeenAsLost)
{
    auto port = OpenOnPeer();
    peer.Send({1, 2});
    peer.HangUp();
    PortWait result = PortWait::Idle;
    for (int i = 0; i < 100 && result != PortWait::Lost; ++i) {
        while (port->BytesWaiting() != 0)
            port->ReadByte();
        result = port->Wait(20);
    }
    EXPECT_EQ(result, PortWait::Lost);
    EXPECT_TRUE(port->IsLost());
    EXPECT_EQ(port->BytesWaiting(), 0u);
}

TEST_P(SerialPortContract, ReopeningClosesTheFirstDevice)
{
    auto port = OpenOnPeer();
    port->Open(peer.SlavePath(), messages);
    EXPECT_TRUE(port->IsOpen());
    EXPECT_TRUE(messages.Messages().empty());
    port->Close(messages);
    EXPECT_FALSE(port->IsOpen());
    auto other = OpenOnPeer();  // no longer held
    EXPECT_TRUE(other->IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Backends, SerialPortContract,
                         ::testing::Values(PortBackend{"Termios", [] { return CreateSerialPort(); }}),
                         [](const auto& backend) { return std::string(backend.param.name); });

// Failures the test machine cannot produce itself (it runs as root), each
// injected into one of the calls that open the device.
int RealOpen(const char* path, int flags)
{
    return SystemDeviceCalls().open(path, flags);
}
int OpenDenied(const char*, int)
{
    errno = EACCES;
    return -1;
}
int OpenHeldExclusively(const char*, int)
{
    errno = EBUSY;
    return -1;
}
int OpenGone(const char*, int)
{
    errno = ENXIO;
    return -1;
}
int LockHeld(int)
{
    errno = EWOULDBLOCK;
    return -1;
}
int NoLineSettings(int, termios*)
{
    errno = ENOTTY;
    return -1;
}

std::string GroupOf(const std::string& path)
{
    struct stat info { };
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    const group* owner = getgrgid(info.st_gid);
    return owner ? owner->gr_name : "";
}

struct FailureCase {
    DeviceCalls calls;
    std::vector<std::string> words;  // what the explanation must say
};

TEST(SerialPortFailures, EachCauseIsExplainedBesideTheCom1Message)
{
    CPtyPeer peer;
    const std::string device = peer.SlavePath();
    const DeviceCalls real = SystemDeviceCalls();
    const std::string group = GroupOf(device);
    ASSERT_FALSE(group.empty());
    const FailureCase cases[] = {
        {{OpenDenied, real.lock, real.getAttributes},
         {"Permission denied", device, "group " + group, "sudo usermod -aG " + group + " "}},
        {{OpenHeldExclusively, real.lock, real.getAttributes}, {"Device busy", device, "another program"}},
        {{RealOpen, LockHeld, real.getAttributes}, {"Device busy", device, "fuser -v " + device}},
        {{OpenGone, real.lock, real.getAttributes}, {"No such device", device}},
        {{RealOpen, real.lock, NoLineSettings}, {"Not a serial port", device}},
    };
    for (const FailureCase& c : cases) {
        CRecordingView messages;
        CSerialPort injected(c.calls);
        ISerialPort& port = injected;
        port.Open(device, messages);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(messages.Messages(), std::vector<std::string>{Text::kSetComStateFailed});
        const std::string problem = Fill(port.OpenProblem());
        for (const std::string& word : c.words)
            EXPECT_NE(problem.find(word), std::string::npos) << problem;
    }
}

// The editor fills the translated message with the same arguments.
TEST(SerialPortFailures, PlaceholdersAreFilledOnceEach)
{
    EXPECT_EQ(Fill("%1 and %2, %1 again, %3 kept, 100%", {"a%2", "b"}),
              "a%2 and b, a%2 again, %3 kept, 100%");
    EXPECT_EQ(Fill(DescribePortFailure({PortFault::Other, "/dev/x", ENOENT, {}, {}})),
              "Cannot open /dev/x: " + std::string(std::strerror(ENOENT)) + '.');
}

// The same causes, as the system really gives them.
TEST(SerialPortFailures, RealMissingBusyAndNonSerialDevices)
{
    CPtyPeer peer;
    CRecordingView messages;
    CSerialPort first, second, third;
    first.Open(peer.SlavePath(), messages);
    ASSERT_TRUE(first.IsOpen());
    EXPECT_EQ(Fill(first.OpenProblem()), "");
    second.Open(peer.SlavePath(), messages);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(Fill(second.OpenProblem()).rfind("Device busy: " + peer.SlavePath(), 0), 0u)
        << Fill(second.OpenProblem());
    third.Open("/dev/null", messages);
    EXPECT_EQ(Fill(third.OpenProblem()).rfind("Not a serial port: /dev/null", 0), 0u)
        << Fill(third.OpenProblem());
    third.Open("/dev/volmaren-no-such-port", messages);
    EXPECT_EQ(Fill(third.OpenProblem()).rfind("No such device: /dev/volmaren-no-such-port", 0), 0u);
    first.Close(messages);
    second.Open(peer.SlavePath(), messages);
    EXPECT_TRUE(second.IsOpen());
    EXPECT_EQ(Fill(second.OpenProblem()), "");
}

}  // namespace
