#include "SimLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

int Milliseconds(std::chrono::steady_clock::duration d)
{
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

}  // namespace

CSimLine::CSimLine(long rate) : m_nRate(rate)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
        return;
    }
    m_devicePath = ptsname(m_master);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    // Raw from the start, so nothing sent before the editor configures the
    // line is echoed back as if the editor had said it.
    m_slave = open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (m_slave >= 0 && tcgetattr(m_slave, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(m_slave, TCSANOW, &tio);
    }
}

CSimLine::~CSimLine()
{
    if (m_slave >= 0)
        close(m_slave);
    if (m_master >= 0)
        close(m_master);
}

CSimLine::Clock::duration CSimLine::Duration(std::size_t count) const
{
    if (m_nRate <= 0)
        return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(count) / double(m_nRate)));
}

std::size_t CSimLine::StepBytes() const
{
    return std::max<std::size_t>(1, static_cast<std::size_t>(m_nRate / 1000));
}

CSimLine::Clock::time_point CSimLine::LineStart(Clock::time_point freeAt) const
{
    // The line stands for hardware that keeps its pace; this process may be
    // scheduled late on a busy machine, and then catches up on the time
    // lost. Only a longer pause is the line falling idle.
    constexpr auto kCatchUp = std::chrono::milliseconds(100);
    const Clock::time_point now = Clock::now();
    return now - freeAt > kCatchUp ? now : freeAt;
}

void CSimLine::Pace(Clock::time_point& freeAt, std::size_t count)
{
    if (m_nRate <= 0)
        return;
    const Clock::time_point start = LineStart(freeAt);
    std::this_thread::sleep_until(start);
    freeAt = start + Duration(count);
}

bool CSimLine::Send(const std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds patience)
{
    std::size_t sent = 0;
    auto lastProgress = Clock::now();
    while (sent < count) {
        const std::size_t step = m_nRate > 0 ? std::min(StepBytes(), count - sent) : count - sent;
        Pace(m_sendFreeAt, step);
        std::size_t done = 0;
        while (done < step) {
            const ssize_t n = write(m_master, bytes + sent + done, step - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                lastProgress = Clock::now();
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            if (Clock::now() - lastProgress > patience)
                return false;
            pollfd entry{m_master, POLLOUT, 0};
            poll(&entry, 1, 50);
        }
        sent += step;
    }
    return true;
}

void CSimLine::Offer(const std::uint8_t* bytes, std::size_t count)
{
    Pace(m_sendFreeAt, count);
    [[maybe_unused]] const ssize_t n = write(m_master, bytes, count);
}

bool CSimLine::Read(std::uint8_t* bytes, std::size_t count, std::chrono::milliseconds patience)
{
    std::size_t got = 0;
    while (got < count) {
        const std::size_t want = m_nRate > 0 ? std::min(StepBytes(), count - got) : count - got;
        Clock::time_point lineStart = LineStart(m_readFreeAt);
        std::this_thread::sleep_until(lineStart);
        pollfd entry{m_master, POLLIN, 0};
        // Bytes already there came in while the line was busy; bytes waited
        // for start the line anew when they arrive.
        if (poll(&entry, 1, 0) == 0) {
            if (poll(&entry, 1, Milliseconds(patience)) <= 0)
                return false;
            lineStart = Clock::now();
        }
        const ssize_t n = read(m_master, bytes + got, want);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            m_readFreeAt = lineStart + Duration(static_cast<std::size_t>(n));
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            // No editor has the line open: wait for one.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return true;
}

void CSimLine::WaitUntilTaken(std::chrono::milliseconds patience)
{
    // Bytes written here reach the editor's input queue a moment later, so
    // an empty queue counts only once it has stayed empty for a while.
    constexpr auto kSettled = std::chrono::milliseconds(100);
    const auto end = Clock::now() + patience;
    std::this_thread::sleep_until(std::max(Clock::now(), m_sendFreeAt));
    auto emptySince = Clock::now();
    int waiting = 0;
    while (Clock::now() < end && ioctl(m_slave, FIONREAD, &waiting) == 0) {
        if (waiting > 0)
            emptySince = Clock::now();
        else if (Clock::now() - emptySince >= kSettled)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void CSimLine::WaitForRelease(std::chrono::milliseconds patience)
{
    // The editor holds a lock on its end while the port is open.
    const auto end = Clock::now() + patience;
    while (Clock::now() < end) {
        if (flock(m_slave, LOCK_EX | LOCK_NB) == 0) {
            flock(m_slave, LOCK_UN);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
