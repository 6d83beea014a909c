#include "SerialPort.h"

#include "PortFailure.h"
#include "PortMessages.h"
#include "TransferTexts.h"

#include <cerrno>
#include <cstring>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Output is handed to the device in pieces of this size while it is being
// queued, so a long block does not wait for the next Wait to start leaving.
constexpr std::size_t kWriteChunk = 4096;

int OpenDevice(const char* path, int flags)
{
    return open(path, flags);
}

int LockDevice(int fd)
{
    return flock(fd, LOCK_EX | LOCK_NB);
}

// 115200 baud, 8 data bits, no parity, 1 stop bit, every byte delivered as it
// came. Flow control by XON/XOFF is switched off as well: its bytes 0x11 and
// 0x13 are protocol bytes here (0x13 is the large receiver's reply). CLOCAL
// keeps a three-wire cable without carrier detect from hanging up the line.
// Hardware handshakes stay as the device reported them.
void MakeTransparent(termios& tio)
{
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &=
        ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK | IXON | IXOFF | IXANY);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ICANON | ECHO | ECHOE | ECHONL | ISIG | IEXTEN);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
}

}  // namespace

DeviceCalls SystemDeviceCalls()
{
    return {OpenDevice, LockDevice, tcgetattr};
}

CSerialPort::CSerialPort() : CSerialPort(SystemDeviceCalls())
{
}

CSerialPort::CSerialPort(const DeviceCalls& calls) : m_calls(calls)
{
}

CSerialPort::~CSerialPort()
{
    CloseDevice();
}

void CSerialPort::Open(const std::string& device, IPortMessages& messages)
{
    Close(messages);
    termios tio{};
    const int fd = OpenExclusive(device, tio);
    // A device that is missing, in use or no terminal has no line settings to
    // set; the message names COM1 whatever the port.
    if (fd < 0) {
        messages.ShowPortMessage(Text::kSetComStateFailed);
        return;
    }
    tcflush(fd, TCIOFLUSH);
    m_fd = fd;
    m_bLost = false;
    m_bDrained = false;
    MakeTransparent(tio);
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        m_problem = {Text::kPortSettingsRefused, {device, std::strerror(errno)}};
        messages.ShowPortMessage(Text::kSetComStateFailed);
    }
}

int CSerialPort::OpenExclusive(const std::string& device, termios& tio)
{
    m_problem = {};
    PortFault fault = PortFault::None;
    int error = 0;
    const int fd = m_calls.open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        fault = FaultOfOpenError(error);
    } else if (m_calls.lock(fd) != 0) {
        // Two programs must never share a port. TIOCEXCL does not hold
        // against root, so an advisory lock guards against another Volmaren
        // or the simulator.
        error = errno;
        fault = FaultOfLockError(error);
    } else if (m_calls.getAttributes(fd, &tio) != 0) {
        error = errno;
        fault = FaultOfSettingsError(error);
    }
    if (fault == PortFault::None) {
        ioctl(fd, TIOCEXCL);
        return fd;
    }
    if (fd >= 0)
        close(fd);
    m_problem = DescribePortFailure(ExplainOpenFailure(fault, device, error));
    return -1;
}

void CSerialPort::Close(IPortMessages& messages)
{
    if (m_fd < 0)
        return;
    if (!CloseDevice())
        messages.ShowPortMessage(Text::kCloseComFailed);
}

bool CSerialPort::CloseDevice()
{
    if (m_fd < 0)
        return true;
    tcflush(m_fd, TCIOFLUSH);
    ioctl(m_fd, TIOCNXCL);
    const int result = close(m_fd);
    m_fd = -1;
    m_bLost = false;
    m_inputNext = m_inputEnd = 0;
    m_output.clear();
    m_outputSent = 0;
    // After EINTR the descriptor is gone all the same on Linux.
    return result == 0 || errno == EINTR;
}

std::uint32_t CSerialPort::BytesWaiting()
{
    FillInput();
    return static_cast<std::uint32_t>(InputCount());
}

std::uint8_t CSerialPort::ReadByte()
{
    FillInput();
    if (InputCount() == 0)
        return 0;
    return m_input[m_inputNext++];
}

void CSerialPort::WriteByte(std::uint8_t byte)
{
    if (m_fd < 0 || m_bLost)
        return;
    m_output.push_back(byte);
    if (PendingOutput() >= kWriteChunk)
        PushOutput();
}

PortWait CSerialPort::Wait(int timeoutMs)
{
    if (m_bLost)
        return PortWait::Lost;
    if (m_fd < 0) {
        // A port that never opened delivers nothing: the worker waits for a
        // stop request, as it would for a receiver that stays silent.
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
        return PortWait::Idle;
    }
    if (InputCount() > 0)
        return PortWait::Readable;
    PushOutput();
    pollfd entry{m_fd, static_cast<short>(POLLIN | (PendingOutput() > 0 ? POLLOUT : 0)), 0};
    if (poll(&entry, 1, timeoutMs) <= 0)
        return PortWait::Idle;
    if (entry.revents & POLLOUT)
        PushOutput();
    if (entry.revents & POLLIN) {
        m_bDrained = false;
        return PortWait::Readable;
    }
    if (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        MarkLost();
        return PortWait::Lost;
    }
    return m_bLost ? PortWait::Lost : PortWait::Idle;
}

void CSerialPort::DiscardOutput()
{
    m_output.clear();
    m_outputSent = 0;
    if (m_fd >= 0)
        tcflush(m_fd, TCOFLUSH);
}

void CSerialPort::FillInput()
{
    if (InputCount() > 0 || m_fd < 0 || m_bLost || m_bDrained)
        return;
    m_inputNext = m_inputEnd = 0;
    const ssize_t count = read(m_fd, m_input.data(), m_input.size());
    // After a short read the device is empty until poll says otherwise:
    // asking again would only cost a call that finds nothing.
    m_bDrained = count >= 0 && static_cast<std::size_t>(count) < m_input.size();
    if (count > 0)
        m_inputEnd = static_cast<std::size_t>(count);
    else if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
        MarkLost();
}

void CSerialPort::PushOutput()
{
    while (PendingOutput() > 0 && !m_bLost) {
        const ssize_t count = write(m_fd, m_output.data() + m_outputSent, PendingOutput());
        if (count > 0) {
            m_outputSent += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // A short or refused write is back-pressure: the rest waits its turn.
        if (count == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            break;
        MarkLost();
    }
    if (PendingOutput() == 0) {
        m_output.clear();
        m_outputSent = 0;
    }
}

void CSerialPort::MarkLost()
{
    m_bLost = true;
    m_output.clear();
    m_outputSent = 0;
}

std::unique_ptr<ISerialPort> CreateSerialPort()
{
    return std::make_unique<CSerialPort>();
}
