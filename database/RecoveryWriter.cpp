#include "RecoveryWriter.h"

#include "ImageFormat.h"

#include <utility>

CRecoveryWriter::CRecoveryWriter(std::filesystem::path folder, FailureReport onFailure,
                                 std::chrono::milliseconds pause)
    : m_pause(pause), m_onFailure(std::move(onFailure)), m_copy(std::move(folder)),
      m_thread([this] { Run(); })
{
}

CRecoveryWriter::~CRecoveryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

std::vector<std::uint8_t> CRecoveryWriter::TakeBuffer()
{
    std::vector<std::uint8_t> buffer;
    {
        std::lock_guard lock(m_mutex);
        if (!m_spares.empty()) {
            buffer = std::move(m_spares.back());
            m_spares.pop_back();
        }
    }
    buffer.resize(Image::kLargeSize);
    return buffer;
}

void CRecoveryWriter::Keep(RecoverySnapshot snapshot)
{
    {
        std::lock_guard lock(m_mutex);
        std::swap(m_pending, snapshot);
        m_request = Request::Write;
        // The image of a state that was never written is the next spare.
        Recycle(snapshot.image);
    }
    m_wake.notify_all();
}

void CRecoveryWriter::Remove()
{
    {
        std::lock_guard lock(m_mutex);
        m_request = Request::Remove;
    }
    m_wake.notify_all();
}

void CRecoveryWriter::Flush()
{
    std::unique_lock lock(m_mutex);
    m_bUrgent = true;
    m_wake.notify_all();
    m_done.wait(lock, [this] { return m_request == Request::None && !m_bBusy; });
    m_bUrgent = false;
}

std::filesystem::path CRecoveryWriter::Path() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

void CRecoveryWriter::Run()
{
    // Touched here, so the window's thread meets no page faults in them.
    std::vector<std::vector<std::uint8_t>> buffers(kBuffers, std::vector<std::uint8_t>(Image::kLargeSize));
    std::unique_lock lock(m_mutex);
    for (std::vector<std::uint8_t>& buffer : buffers)
        Recycle(buffer);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || m_request != Request::None; });
        if (m_request == Request::None)
            return;
        const auto waitsFor = [this] { return m_request == Request::Write && !m_bStop && !m_bUrgent; };
        if (waitsFor() && std::chrono::steady_clock::now() < m_nextWrite) {
            m_wake.wait_until(lock, m_nextWrite, [&] { return !waitsFor(); });
            continue;
        }
        const Request request = std::exchange(m_request, Request::None);
        RecoverySnapshot snapshot = std::move(m_pending);
        m_pending = {};
        m_bBusy = true;
        lock.unlock();
        Carry(request, snapshot);
        lock.lock();
        Recycle(snapshot.image);
        if (request == Request::Write)
            m_nextWrite = std::chrono::steady_clock::now() + m_pause;
        m_path = m_copy.Path();
        m_bBusy = false;
        m_done.notify_all();
    }
}

void CRecoveryWriter::Recycle(std::vector<std::uint8_t>& image)
{
    if (image.capacity() > 0 && m_spares.size() < kBuffers)
        m_spares.push_back(std::move(image));
}

void CRecoveryWriter::Carry(Request request, const RecoverySnapshot& snapshot)
{
    if (request == Request::Remove) {
        m_copy.Remove();
        return;
    }
    PlaceholderText error;
    if (!m_copy.Write(snapshot, error) && m_onFailure)
        m_onFailure(error);
}
