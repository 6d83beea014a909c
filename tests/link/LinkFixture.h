// A link whose port is one end of a pseudo-terminal; the test is the
// receiver at the other end.
#pragma once

#include "ImageFormat.h"
#include "ProtocolBytes.h"
#include "PtyPeer.h"
#include "RecordingView.h"
#include "TransferLink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace Protocol;

// Bytes that cover every value, the ones a terminal likes to interpret too.
inline std::vector<std::uint8_t> PatternImage(std::size_t size, std::uint32_t seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes[i] = static_cast<std::uint8_t>(seed >> 24);
    }
    return bytes;
}

class LinkOverPty : public ::testing::Test {
protected:
    static constexpr std::uint16_t kCode = 0x1234;

    LinkOverPty() { link.OpenDevice(peer.SlavePath()); }

    // The receiver's side up to its answer to the code: checks the hello and
    // the code bytes, low byte first.
    void ServeUntilCode(std::uint16_t code = kCode)
    {
        peer.Send({SYNC});
        ExpectBytes({ACK});
        peer.Send({SYNC});
        ExpectBytes({static_cast<std::uint8_t>(code & 0xFF), static_cast<std::uint8_t>(code >> 8)});
    }

    void ExpectBytes(const std::vector<std::uint8_t>& expected)
    {
        EXPECT_EQ(peer.Read(expected.size()), expected);
    }

    CPtyPeer peer;
    CRecordingView view;
    // What a download sends.
    std::vector<std::uint8_t> image = std::vector<std::uint8_t>(Image::kLargeSize, 0xEE);
    CTransferLink link{view, view};
};
