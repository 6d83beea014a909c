// The serial line as the transfer link sees it. One implementation a
// platform; the link owns exactly one.
//
// Nothing here blocks for longer than Wait's time-out: reads take only bytes
// that have already arrived, and writes queue the byte and return at once.
#pragma once

#include "PlaceholderText.h"

#include <cstddef>
#include <cstdint>
#include <string>

class IPortMessages;

enum class PortWait {
    Readable,  // at least one byte can be read
    Idle,  // the time-out passed, or queued output moved on; nothing to read yet
    Lost,  // the device hung up or failed: it delivers and takes nothing more
};

class ISerialPort {
public:
    virtual ~ISerialPort() = default;

    // --- Opening and closing (never while a worker uses the port) --------
    // Closes any open device, then opens this one at 115200 baud, 8N1, raw,
    // for this program alone. A failure shows its message through `messages`,
    // and OpenProblem says why.
    virtual void Open(const std::string& device, IPortMessages& messages) = 0;
    // Why the last Open failed, in words a person can act on; empty after
    // an open that succeeded.
    virtual PlaceholderText OpenProblem() const = 0;
    // Purges and closes the device; nothing happens when none is open.
    virtual void Close(IPortMessages& messages) = 0;
    virtual bool IsOpen() const = 0;

    // --- Bytes (the worker's thread) --------------------------------------
    // Received bytes ready to be read; 0 on a closed or lost port.
    virtual std::uint32_t BytesWaiting() = 0;
    // One received byte, or 0 when none waits (ask BytesWaiting first).
    virtual std::uint8_t ReadByte() = 0;
    // Queues the byte behind every byte written before it. Bytes the device
    // does not take at once stay queued and move on during Wait.
    virtual void WriteByte(std::uint8_t byte) = 0;
    // Waits at most `timeoutMs` for a byte to read, writing queued output
    // whenever the device takes more.
    virtual PortWait Wait(int timeoutMs) = 0;
    // Bytes written but not yet taken by the device.
    virtual std::size_t PendingOutput() const = 0;
    // Forgets output that was queued but not taken, so a stopped transfer
    // cannot leak bytes into the next one.
    virtual void DiscardOutput() = 0;
    // The device hung up or failed since it was opened.
    virtual bool IsLost() const = 0;
};
