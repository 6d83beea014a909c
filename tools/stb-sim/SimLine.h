// The receiver's end of a pseudo-terminal, paced like a serial line when a
// rate is given: no byte goes out or is taken in faster than the rate.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

class CSimLine {
public:
    using Clock = std::chrono::steady_clock;

    // `rate` in bytes per second; 0 is as fast as the pseudo-terminal goes.
    explicit CSimLine(long rate);
    ~CSimLine();
    CSimLine(const CSimLine&) = delete;
    CSimLine& operator=(const CSimLine&) = delete;

    // False when no pseudo-terminal could be had.
    bool IsOpen() const { return m_master >= 0; }
    // Where the editor opens its end.
    const std::string& DevicePath() const { return m_devicePath; }

    // Sends every byte, in order. False when the editor has not taken them
    // within `patience`.
    bool Send(const std::uint8_t* bytes, std::size_t count,
              std::chrono::milliseconds patience = std::chrono::seconds(10));
    bool Send(std::uint8_t byte) { return Send(&byte, 1); }
    // Sends only when the line takes the bytes at once: a receiver
    // announcing itself to nobody loses those bytes, as a real one does.
    void Offer(const std::uint8_t* bytes, std::size_t count);
    // Reads exactly `count` bytes; false when a wait for one lasts `patience`.
    bool Read(std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds patience);
    // Waits until the editor has read everything sent, at most `patience`.
    void WaitUntilTaken(std::chrono::milliseconds patience = std::chrono::seconds(10));
    // Waits until the editor has closed its end, at most `patience`: closing
    // the line under it would throw away what it has not read yet.
    void WaitForRelease(std::chrono::milliseconds patience);

private:
    // Bytes that fit into one pacing step of about a millisecond.
    std::size_t StepBytes() const;
    // How long the line takes to carry `count` bytes.
    Clock::duration Duration(std::size_t count) const;
    // When the line can carry the next bytes, given when it is free again.
    Clock::time_point LineStart(Clock::time_point freeAt) const;
    // Waits until the line may carry `count` more bytes, and books them.
    void Pace(Clock::time_point& freeAt, std::size_t count);

    int m_master = -1;
    // Held open so the line never hangs up while the editor reopens it.
    int m_slave = -1;
    std::string m_devicePath;
    long m_nRate;
    Clock::time_point m_sendFreeAt{};
    Clock::time_point m_readFreeAt{};
};
