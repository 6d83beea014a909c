// The serial port on POSIX systems (termios).
#pragma once

#include "SerialPortInterface.h"

#include <array>
#include <memory>
#include <vector>

struct termios;

// The calls with which a port opens its device. Tests replace one to produce
// a failure the test machine cannot (it runs as root).
struct DeviceCalls {
    int (*open)(const char* path, int flags);
    int (*lock)(int fd);  // exclusive, without waiting
    int (*getAttributes)(int fd, termios* tio);
};

// The operating system's calls.
DeviceCalls SystemDeviceCalls();

class CSerialPort final : public ISerialPort {
public:
    CSerialPort();
    explicit CSerialPort(const DeviceCalls& calls);
    ~CSerialPort() override;  // closes the device without telling anyone
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    void Open(const std::string& device, IPortMessages& messages) override;
    PlaceholderText OpenProblem() const override { return m_problem; }
    void Close(IPortMessages& messages) override;
    bool IsOpen() const override { return m_fd >= 0; }

    std::uint32_t BytesWaiting() override;
    std::uint8_t ReadByte() override;
    void WriteByte(std::uint8_t byte) override;
    PortWait Wait(int timeoutMs) override;
    std::size_t PendingOutput() const override { return m_output.size() - m_outputSent; }
    void DiscardOutput() override;
    bool IsLost() const override { return m_bLost; }

private:
    // The device opened for this program alone, or -1 with m_problem set.
    int OpenExclusive(const std::string& device, termios& tio);
    // Reads what the device holds into the input buffer when it is empty.
    void FillInput();
    // Writes as much queued output as the device takes without waiting.
    void PushOutput();
    void MarkLost();
    bool CloseDevice();
    std::size_t InputCount() const { return m_inputEnd - m_inputNext; }

    DeviceCalls m_calls;
    PlaceholderText m_problem;
    int m_fd = -1;
    bool m_bLost = false;
    bool m_bDrained = false;  // the last read found the device empty
    std::array<std::uint8_t, 4096> m_input{};
    std::size_t m_inputNext = 0;
    std::size_t m_inputEnd = 0;
    std::vector<std::uint8_t> m_output;
    std::size_t m_outputSent = 0;
};

// The platform's port implementation.
std::unique_ptr<ISerialPort> CreateSerialPort();
