#include "LinkFixture.h"
#include "TestTiming.h"
#include "TransferTexts.h"

#include <algorithm>
#include <ctime>
#include <thread>

namespace {

class UploadTest : public LinkOverPty {
protected:
    // Plays the receiver up to the moment the image would be sent.
    void ServeUntilImage(bool large)
    {
        ServeUntilCode();
        if (large)
            peer.Send({REPLY_LARGE, ACK});
        else
            peer.Send({ACK});
        ExpectBytes({CMD_SEND_IMAGE});
        peer.Send({ACK});
    }

    // What the upload received into the link's own buffer.
    std::span<const std::uint8_t> Received() const { return link.ReceivedImage(); }
    // Nothing was received into it: it is as the link was made.
    bool Untouched() const
    {
        return std::all_of(Received().begin(), Received().end(), [](auto b) { return b == 0; });
    }

    void WaitUntilReceived(std::uint64_t count)
    {
        for (int i = 0; i < 3000 && link.ReceivedCount() < count; ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_GE(link.ReceivedCount(), count);
    }
};

struct UploadCase {
    bool large;
    std::size_t length;
    int variant;
    const char* firstStatus;
    const char* lastStatus;
};

class UploadVariantTest : public UploadTest, public ::testing::WithParamInterface<UploadCase> { };

TEST_P(UploadVariantTest, StoresTheImageAndReportsEveryPercent)
{
    const UploadCase& c = GetParam();
    const auto sent = PatternImage(c.length, 7);
    ASSERT_TRUE(link.StartUpload(kCode));
    ServeUntilImage(c.large);
    peer.Send(sent.data(), sent.size());

    ASSERT_EQ(view.WaitForNotice(), Notice::UploadDone);
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Completed);
    EXPECT_TRUE(peer.Silent());
    EXPECT_EQ(link.ReceivedVariant(), c.variant);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), Received().begin()));
    EXPECT_TRUE(std::all_of(Received().begin() + c.length, Received().end(), [](auto b) { return b == 0; }));

    std::vector<int> expected(100);
    for (int i = 0; i < 100; ++i)
        expected[i] = i + 1;
    expected.push_back(0);  // reset by the completion
    EXPECT_EQ(view.Progress(), expected);
    const auto statuses = view.Statuses();
    ASSERT_EQ(statuses.size(), 102u);
    EXPECT_EQ(statuses[0], Text::kReceiving);
    EXPECT_EQ(statuses[1], c.firstStatus);
    EXPECT_EQ(statuses[100], c.lastStatus);
    EXPECT_EQ(statuses[101], "");
    EXPECT_FALSE(link.Running());
    EXPECT_FALSE(link.Aborted());
}

INSTANTIATE_TEST_SUITE_P(
    Variants, UploadVariantTest,
    ::testing::Values(UploadCase{false, Image::kSmallSize, 1, "(3953 / 395264) 1%", "(395264 / 395264) 100%"},
                      UploadCase{true, Image::kLargeSize, 2, "(6575 / 657408) 1%", "(657408 / 657408) 100%"}),
    [](const auto& upload) { return std::string(upload.param.large ? "Large" : "Small"); });

TEST_F(UploadTest, DropsStrayBytesBeforeSyncAndBeforeTheLargeAck)
{
    const auto sent = PatternImage(Image::kLargeSize, 11);
    ASSERT_TRUE(link.StartUpload(kCode));
    peer.Send({0x00, 0x12, 0x13, 0x34, 0xF2, 0xFF});
    ServeUntilCode();
    peer.Send({0x00, 0x5A, 0x77});  // before the reply as well
    peer.Send({REPLY_LARGE, 0x5A, 0x13, 0x34, 0x00, 0xFF, ACK});
    ExpectBytes({CMD_SEND_IMAGE});
    peer.Send({ACK});
    peer.Send(sent.data(), sent.size());

    ASSERT_EQ(view.WaitForNotice(), Notice::UploadDone);
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Completed);
    EXPECT_EQ(link.ReceivedVariant(), 2);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), Received().begin()));
}

TEST_F(UploadTest, RefusedCodeGivesOnlyTheRefusalAndLeavesTheBuffer)
{
    ASSERT_TRUE(link.StartUpload(kCode));
    ServeUntilCode();
    peer.Send({REPLY_REFUSED});

    ASSERT_EQ(view.WaitForNotice(), Notice::CodeRefused);
    link.FinishRefused();
    EXPECT_EQ(view.WaitForNotice(300ms), Notice::None);
    EXPECT_TRUE(peer.Silent());
    EXPECT_FALSE(link.Running());
    EXPECT_TRUE(link.Aborted());
    EXPECT_TRUE(Untouched());
    EXPECT_EQ(link.ReceivedVariant(), 0);
    // Ready for another try.
    EXPECT_TRUE(link.StartUpload(kCode));
    link.Stop();
    EXPECT_EQ(view.WaitForNotice(), Notice::UploadDone);
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Stopped);
}

enum class Phase { BeforeSync, AfterHello, AfterCode, AfterLargeReply, AfterCommand, InImage };

class UploadStopTest : public UploadTest, public ::testing::WithParamInterface<Phase> {
protected:
    // Brings the transfer to `phase`; returns the image bytes already sent.
    std::size_t ServeUntil(Phase phase)
    {
        if (phase == Phase::BeforeSync)
            return 0;
        peer.Send({SYNC});
        ExpectBytes({ACK});
        if (phase == Phase::AfterHello)
            return 0;
        peer.Send({SYNC});
        ExpectBytes({kCode & 0xFF, kCode >> 8});
        if (phase == Phase::AfterCode)
            return 0;
        peer.Send({REPLY_LARGE});
        if (phase == Phase::AfterLargeReply)
            return 0;
        peer.Send({ACK});
        ExpectBytes({CMD_SEND_IMAGE});
        if (phase == Phase::AfterCommand)
            return 0;
        peer.Send({ACK});
        const auto part = PatternImage(100000, 3);
        peer.Send(part.data(), part.size());
        WaitUntilReceived(100000);
        return part.size();
    }
};

TEST_P(UploadStopTest, StopEndsTheWorkerPromptlyAndKeepsTheData)
{
    ASSERT_TRUE(link.StartUpload(kCode));
    const std::size_t received = ServeUntil(GetParam());
    const auto before = std::chrono::steady_clock::now();
    link.Stop();
    ASSERT_EQ(view.WaitForNotice(), Notice::UploadDone);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s * kSlowdown);
    EXPECT_TRUE(link.Aborted());
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Stopped);
    EXPECT_FALSE(link.Aborted());
    EXPECT_EQ(view.LastStatus(), Text::kUploadStopped);
    EXPECT_EQ(view.Progress().back(), 0);
    EXPECT_TRUE(peer.Silent());
    if (received == 0) {
        EXPECT_TRUE(Untouched());
    } else {
        const auto part = PatternImage(received, 3);
        EXPECT_TRUE(std::equal(part.begin(), part.end(), Received().begin()));
        EXPECT_TRUE(
            std::all_of(Received().begin() + received, Received().end(), [](auto b) { return b == 0; }));
    }
}

std::string PhaseName(const ::testing::TestParamInfo<Phase>& info)
{
    static const char* const kNames[] = {"BeforeSync",      "AfterHello",   "AfterCode",
                                         "AfterLargeReply", "AfterCommand", "InImage"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryPhase, UploadStopTest,
                         ::testing::Values(Phase::BeforeSync, Phase::AfterHello, Phase::AfterCode,
                                           Phase::AfterLargeReply, Phase::AfterCommand, Phase::InImage),
                         PhaseName);

TEST_F(UploadTest, HangUpInTheImageEndsTheTransferAsStopped)
{
    ASSERT_TRUE(link.StartUpload(kCode));
    ServeUntilImage(false);
    const auto part = PatternImage(5000, 5);
    peer.Send(part.data(), part.size());
    WaitUntilReceived(5000);
    peer.HangUp();

    ASSERT_EQ(view.WaitForNotice(), Notice::UploadDone);
    EXPECT_TRUE(link.PortLost());
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Stopped);
}

TEST_F(UploadTest, ClosingTheWindowWhileWaitingEndsTheWorker)
{
    ASSERT_TRUE(link.StartUpload(kCode));
    EXPECT_FALSE(link.OpenDevice(peer.SlavePath()));  // never reopened under a worker
    EXPECT_FALSE(link.StartDownload(kCode, image));
    link.Abort();
    EXPECT_EQ(view.WaitForNotice(), Notice::UploadDone);
    EXPECT_EQ(link.FinishUpload(), TransferEnd::Stopped);
    EXPECT_TRUE(link.OpenDevice(peer.SlavePath()));
}

TEST_F(UploadTest, WaitingForASilentReceiverCostsAlmostNoProcessor)
{
    timespec start{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    ASSERT_TRUE(link.StartUpload(kCode));
    EXPECT_EQ(view.WaitForNotice(2s), Notice::None);
    link.Stop();
    ASSERT_EQ(view.WaitForNotice(), Notice::UploadDone);
    timespec end{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    const double cpu = double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
    EXPECT_LT(cpu, 0.04 * kSlowdown);  // 2% of one core over the two seconds
    link.FinishUpload();
}

}  // namespace
