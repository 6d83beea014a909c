#include "DownloadFraming.h"
#include "LinkFixture.h"
#include "TransferTexts.h"

#include <algorithm>
#include <functional>

namespace {

class DownloadTest : public LinkOverPty {
protected:
    DownloadTest()
    {
        const auto pattern = PatternImage(Image::kLargeSize, 23);
        std::copy(pattern.begin(), pattern.end(), image.begin());
        // Whole blocks of 0xFF must travel like any other.
        std::fill(image.begin() + Image::kSystemOffset + 1024, image.end(), 0xFF);
    }

    void ServeReply(bool large)
    {
        ServeUntilCode();
        if (large)
            peer.Send({REPLY_LARGE, ACK});
        else
            peer.Send({ACK});
    }

    // Reads one block and checks its every byte against the buffer.
    void ExpectBlock(std::uint8_t type, std::size_t offset, std::uint16_t number, std::size_t burst = 65536)
    {
        const auto block = peer.Read(1029, 30s, burst);
        ASSERT_EQ(block.size(), 1029u) << "block " << number;
        EXPECT_EQ(block[0], type);
        EXPECT_TRUE(std::equal(block.begin() + 1, block.begin() + 1025, image.begin() + offset))
            << "data of block " << number;
        const std::uint16_t sum = Framing::BlockSum(&image[offset]);
        EXPECT_EQ(block[1025], number >> 8);
        EXPECT_EQ(block[1026], number & 0xFF);
        EXPECT_EQ(block[1027], sum >> 8);
        EXPECT_EQ(block[1028], sum & 0xFF);
    }

    // The receiver's side from CMD_REGION to the last ACK.
    void ServeRegions(std::size_t mainStart, std::uint32_t mainBlocks,
                      const std::vector<std::uint8_t>& mainHeader, std::size_t burst = 65536,
                      const std::function<void(std::uint32_t)>& afterMainBlock = {})
    {
        ExpectBytes({CMD_REGION});
        peer.Send({ACK});
        ExpectBytes(mainHeader);
        peer.Send({ACK});
        for (std::uint32_t j = 0; j < mainBlocks; ++j) {
            ExpectBlock(BLOCK_MAIN, mainStart + j * 1024, static_cast<std::uint16_t>(j), burst);
            if (afterMainBlock)
                afterMainBlock(j);
            peer.Send({ACK});
        }
        ExpectBytes({5, 0, 0, 0, 0x00, 0x04, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0x07, 0x04, 0, 0});
        peer.Send({ACK});
        for (std::uint16_t i = 0; i < 2; ++i) {
            ExpectBlock(BLOCK_TAIL, Image::kSystemOffset + i * 1024u, i, burst);
            peer.Send({ACK});
        }
    }

    void ExpectCompleted()
    {
        ASSERT_EQ(view.WaitForNotice(), Notice::DownloadDone);
        EXPECT_FALSE(link.Running());
        EXPECT_FALSE(link.Aborted());
        EXPECT_EQ(link.FinishDownload(), TransferEnd::Completed);
        EXPECT_EQ(view.LastStatus(), Text::kDownloadComplete);
        EXPECT_FALSE(link.DownloadLocked());
        EXPECT_TRUE(peer.Silent());
    }
};

const std::vector<std::uint8_t> kSmallHeader = {5, 0, 0, 0, 0x00, 0x04, 0,    0,    0x80, 0x01,
                                                0, 0, 0, 0, 0xF9, 0x7F, 0x7E, 0x85, 0,    0};
const std::vector<std::uint8_t> kLargeHeader = {5, 0, 0, 0, 0x00, 0x04, 0,    0,    0x80, 0x02,
                                                0, 0, 0, 0, 0xF5, 0x7F, 0x7A, 0x86, 0,    0};

TEST(DownloadFramingTest, ChecksumsOfHeadersAndBlocks)
{
    EXPECT_EQ(Framing::HeaderFor(Framing::PlanFor(1).main).checksum, 0x857E);
    EXPECT_EQ(Framing::HeaderFor(Framing::PlanFor(2).main).checksum, 0x867A);
    EXPECT_EQ(Framing::HeaderFor(Framing::PlanFor(2).tail).checksum, 0x0407);
    const std::vector<std::uint8_t> ones(1024, 0xFF);
    EXPECT_EQ(Framing::BlockSum(ones.data()), 0xFC00);
    const auto bytes = Framing::EncodeHeader(Framing::HeaderFor(Framing::PlanFor(1).main));
    const auto decoded = Framing::DecodeHeader(bytes.data());
    EXPECT_EQ(decoded.blockCount, 384u);
    EXPECT_EQ(decoded.base, 0x7FF90000u);
    EXPECT_EQ(decoded.checksum, 0x857E);
}

TEST_F(DownloadTest, SmallReceiverGetsTheSmallImageBlockByBlock)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    ServeReply(false);
    ServeRegions(Image::kSmallShift, 384, kSmallHeader);
    ExpectCompleted();

    auto progress = view.Progress();
    ASSERT_EQ(progress.size(), 101u);
    EXPECT_EQ(progress.back(), 0);  // reset by the completion
    progress.pop_back();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(progress[i], i);
    const auto statuses = view.Statuses();
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), Text::kSending), 384);
}

TEST_F(DownloadTest, LargeReceiverGetsTheWholeImage)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    peer.Send({0x00, 0x13, 0xFF});  // stray bytes before the receiver is ready
    ServeUntilCode();
    peer.Send({REPLY_LARGE, 0x5A, 0x34, 0x00, ACK});
    ServeRegions(0, 640, kLargeHeader);
    ExpectCompleted();
    EXPECT_EQ(view.Progress()[99], 99);
}

TEST_F(DownloadTest, SlowReceiverReadingInSmallBurstsLosesNothing)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    ServeReply(false);
    ServeRegions(Image::kSmallShift, 384, kSmallHeader, 7);
    ExpectCompleted();
}

TEST_F(DownloadTest, RefusedCodeReleasesTheLock)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    ServeUntilCode();
    peer.Send({REPLY_REFUSED});
    ASSERT_EQ(view.WaitForNotice(), Notice::CodeRefused);
    EXPECT_TRUE(link.Aborted());
    link.FinishRefused();
    EXPECT_FALSE(link.DownloadLocked());
    EXPECT_FALSE(link.Running());
    EXPECT_TRUE(peer.Silent());
    EXPECT_EQ(view.WaitForNotice(300ms), Notice::None);

    // STOP works again for the next try.
    ASSERT_TRUE(link.StartDownload(kCode, image));
    link.Stop();
    ASSERT_EQ(view.WaitForNotice(), Notice::DownloadDone);
    EXPECT_EQ(link.FinishDownload(), TransferEnd::Stopped);
}

TEST_F(DownloadTest, StopBeforeTheReceiverIsReadySendsNothing)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    link.Stop();
    ASSERT_EQ(view.WaitForNotice(), Notice::DownloadDone);
    EXPECT_TRUE(link.DownloadLocked());
    EXPECT_TRUE(link.Aborted());
    EXPECT_FALSE(link.Running());
    EXPECT_TRUE(peer.Silent());
    EXPECT_EQ(link.FinishDownload(), TransferEnd::Stopped);
    EXPECT_EQ(view.LastStatus(), Text::kDownloadStopped);
    EXPECT_FALSE(link.DownloadLocked());
}

TEST_F(DownloadTest, StopIsIgnoredOnceTheReceiverAnswered)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    peer.Send({SYNC});
    ExpectBytes({ACK});
    link.Stop();
    EXPECT_TRUE(link.Running());
    peer.Send({SYNC});
    ExpectBytes({kCode & 0xFF, kCode >> 8});
    peer.Send({ACK});
    ServeRegions(Image::kSmallShift, 384, kSmallHeader, 65536, [this](std::uint32_t block) {
        if (block == 100)
            link.Stop();
    });
    ExpectCompleted();
}

TEST_F(DownloadTest, ClosingTheWindowEndsALockedDownload)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    ServeReply(true);
    ExpectBytes({CMD_REGION});
    peer.Send({ACK});
    ExpectBytes(kLargeHeader);
    peer.Send({ACK});
    ExpectBlock(BLOCK_MAIN, 0, 0);
    // No ACK: the worker waits for it when the window closes.
    link.Abort();
    EXPECT_FALSE(link.Running());
    ASSERT_EQ(view.WaitForNotice(), Notice::DownloadDone);
    EXPECT_EQ(link.FinishDownload(), TransferEnd::Stopped);
    EXPECT_EQ(view.LastStatus(), Text::kDownloadStopped);
    EXPECT_TRUE(peer.Silent());
}

TEST_F(DownloadTest, HangUpDuringBlocksEndsTheTransfer)
{
    ASSERT_TRUE(link.StartDownload(kCode, image));
    ServeReply(false);
    ExpectBytes({CMD_REGION});
    peer.Send({ACK});
    ExpectBytes(kSmallHeader);
    peer.HangUp();
    ASSERT_EQ(view.WaitForNotice(), Notice::DownloadDone);
    EXPECT_TRUE(link.PortLost());
    EXPECT_EQ(link.FinishDownload(), TransferEnd::Stopped);
}

}  // namespace
