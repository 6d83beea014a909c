#include "PtyPeer.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

CPtyPeer::CPtyPeer()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    m_slavePath = ptsname(m_master);
    m_slave = open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

CPtyPeer::~CPtyPeer()
{
    HangUp();
    if (m_slave >= 0)
        close(m_slave);
}

void CPtyPeer::Send(std::initializer_list<std::uint8_t> bytes)
{
    Send(bytes.begin(), bytes.size());
}

void CPtyPeer::Send(const std::uint8_t* bytes, std::size_t count)
{
    std::size_t sent = 0;
    while (sent < count && m_master >= 0) {
        const ssize_t n = write(m_master, bytes + sent, count - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::runtime_error("pseudo-terminal write failed");
        pollfd entry{m_master, POLLOUT, 0};
        poll(&entry, 1, 100);
    }
}

std::vector<std::uint8_t> CPtyPeer::Read(std::size_t count, std::chrono::milliseconds timeout,
                                         std::size_t burst)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(count);
    std::uint8_t buffer[65536];
    while (bytes.size() < count && m_master >= 0) {
        pollfd entry{m_master, POLLIN, 0};
        if (poll(&entry, 1, static_cast<int>(timeout.count())) <= 0)
            break;
        const std::size_t want = std::min<std::size_t>({count - bytes.size(), burst, sizeof buffer});
        const ssize_t n = read(m_master, buffer, want);
        if (n > 0)
            bytes.insert(bytes.end(), buffer, buffer + n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break;
    }
    return bytes;
}

bool CPtyPeer::Silent(std::chrono::milliseconds quiet)
{
    pollfd entry{m_master, POLLIN, 0};
    return poll(&entry, 1, static_cast<int>(quiet.count())) == 0;
}

void CPtyPeer::HangUp()
{
    if (m_master < 0)
        return;
    close(m_master);
    m_master = -1;
}
