// A record of every byte of the last transfer, for a bug report: when it
// went, which way, and the protocol step it belonged to.
//
// Recording is cheap enough for the worker's byte loop: a byte is appended
// to memory reserved when the transfer begins, and the clock is read only
// when a new chunk starts. The text is made after the transfer. The record
// is bounded; bytes beyond its capacity are counted, not kept.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TrafficStep : std::uint8_t {
    None,
    Wait,  // for the byte given as the step's number; other bytes are dropped
    CodeReply,  // the receiver's answer to the system code
    Hello,
    SystemCode,
    SendImage,
    Image,
    Region,
    MainHeader,
    TailHeader,
    MainBlock,  // the step's number is the block's
    TailBlock,
};

enum class TrafficDirection : std::uint8_t { Sent, Received };

class CTrafficLog {
public:
    static constexpr std::size_t kByteCapacity = 2 * 1024 * 1024;  // three large images
    static constexpr std::size_t kChunkCapacity = 256 * 1024;

    // Forgets the last transfer and starts recording a new one.
    void Begin(const std::string& transfer, const std::string& device, const std::string& code);
    // How the transfer ended, for the record's last line.
    void End(const std::string& outcome) { m_szOutcome = outcome; }
    bool Empty() const { return m_szTransfer.empty(); }

    // What the next bytes belong to.
    void SetStep(TrafficStep step, std::uint32_t number = 0)
    {
        m_step = step;
        m_nNumber = number;
        m_bBreak = true;
    }
    // The line was waited for: the next byte starts a chunk with its own time.
    void Pause() { m_bBreak = true; }

    void Add(TrafficDirection direction, std::uint8_t byte)
    {
        if (m_bBreak || direction != m_direction || ++m_nSinceStamp > kStampEvery)
            OpenChunk(direction);
        if (m_bFull || m_bytes.size() == kByteCapacity) {
            ++m_nLost;
            return;
        }
        m_bytes.push_back(byte);
        ++m_chunks.back().length;
    }

    // The record as text: comment lines starting with '#', then one line per
    // at most 32 bytes: milliseconds since the start, direction, step and
    // bytes in hex, separated by tabs.
    std::string Text() const;

private:
    // Within a long run of bytes the time is taken again this often.
    static constexpr std::size_t kStampEvery = 4096;

    struct Chunk {
        std::uint32_t ms;
        std::uint32_t length;
        std::uint32_t number;
        TrafficDirection direction;
        TrafficStep step;
    };

    void OpenChunk(TrafficDirection direction);

    std::string m_szTransfer;
    std::string m_szDevice;
    std::string m_szCode;
    std::string m_szStarted;
    std::string m_szOutcome;
    std::chrono::steady_clock::time_point m_start{};
    std::vector<std::uint8_t> m_bytes;
    std::vector<Chunk> m_chunks;
    std::size_t m_nLost = 0;
    std::size_t m_nSinceStamp = 0;
    TrafficStep m_step = TrafficStep::None;
    std::uint32_t m_nNumber = 0;
    TrafficDirection m_direction = TrafficDirection::Sent;
    bool m_bBreak = true;
    bool m_bFull = false;
};
