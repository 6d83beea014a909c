// The traffic log's text gives back every byte recorded, once and in order
// in its direction, whatever steps and pauses came between; and it stays
// within its bounds.
#include "TrafficLog.h"
#include "TrafficLogLines.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Streams {
    std::vector<std::uint8_t> sent;
    std::vector<std::uint8_t> received;
};

Streams StreamsOf(const std::string& text)
{
    Streams streams;
    for (const LogLine& line : ParseLog(text)) {
        EXPECT_TRUE(line.direction == "PC->STB" || line.direction == "STB->PC") << line.direction;
        EXPECT_FALSE(line.bytes.empty());
        EXPECT_LE(line.bytes.size(), 32u);
        auto& stream = line.direction == "PC->STB" ? streams.sent : streams.received;
        stream.insert(stream.end(), line.bytes.begin(), line.bytes.end());
    }
    return streams;
}

TEST(TrafficLog, TextGivesBackEveryByteWhateverTheSteps)
{
    std::mt19937 random(20240501);
    for (int round = 0; round < 200; ++round) {
        CTrafficLog log;
        log.Begin("download", "/dev/ttyUSB0", "1234");
        Streams recorded;
        const int operations = static_cast<int>(random() % 4000);
        for (int i = 0; i < operations; ++i) {
            const unsigned what = random() % 16;
            if (what == 0) {
                log.SetStep(static_cast<TrafficStep>(random() % (int(TrafficStep::TailBlock) + 1)),
                            random() % 700);
            } else if (what == 1) {
                log.Pause();
            } else {
                const bool sent = random() % 2 == 0;
                // Mostly the protocol's own bytes, so waits end and drop.
                const auto byte =
                    static_cast<std::uint8_t>(random() % 3 == 0 ? random() : 0x12 + (random() % 2) * 0x48);
                log.Add(sent ? TrafficDirection::Sent : TrafficDirection::Received, byte);
                (sent ? recorded.sent : recorded.received).push_back(byte);
            }
        }
        const std::string text = log.Text();
        const Streams streams = StreamsOf(text);
        ASSERT_EQ(streams.sent, recorded.sent) << "round " << round;
        ASSERT_EQ(streams.received, recorded.received) << "round " << round;
        EXPECT_EQ(text.find("not recorded"), std::string::npos);
    }
}

TEST(TrafficLog, BytesBeyondItsBoundsAreCountedNotKept)
{
    CTrafficLog bytes;
    EXPECT_EQ(bytes.Text(), "");
    bytes.Begin("upload", "/dev/ttyUSB0", "0000");
    for (std::size_t i = 0; i < CTrafficLog::kByteCapacity + 1000; ++i)
        bytes.Add(TrafficDirection::Received, static_cast<std::uint8_t>(i));
    const std::string text = bytes.Text();
    EXPECT_EQ(StreamsOf(text).received.size(), CTrafficLog::kByteCapacity);
    EXPECT_NE(text.find("\n# 1000 more bytes were not recorded"), std::string::npos);

    // A new step for every byte: the chunks run out first.
    CTrafficLog chunks;
    chunks.Begin("download", "/dev/ttyUSB0", "0000");
    for (std::uint32_t i = 0; i < CTrafficLog::kChunkCapacity + 10; ++i) {
        chunks.SetStep(TrafficStep::MainBlock, i);
        chunks.Add(TrafficDirection::Sent, 0x05);
    }
    EXPECT_EQ(StreamsOf(chunks.Text()).sent.size(), CTrafficLog::kChunkCapacity);
    EXPECT_NE(chunks.Text().find("\n# 10 more bytes were not recorded"), std::string::npos);
}

}  // namespace
