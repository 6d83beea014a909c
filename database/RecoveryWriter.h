// Keeps this editor's recovery copy up to date on a thread of its own, so the
// window never waits for the disk. Only the newest state matters: a state
// not yet written when a newer one comes is dropped, and after each write
// the thread pauses, so a burst of changes costs one write a pause. The
// thread is stopped and joined when the writer is destroyed, after it has
// written the newest state.
#pragma once

#include "RecoveryFolder.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class CRecoveryWriter {
public:
    // Well under the two seconds a change may wait for its copy, and long
    // enough that holding a key down is not a write for every step.
    static constexpr std::chrono::milliseconds kPause{1000};
    // Told on the writer's thread why a write failed.
    using FailureReport = std::function<void(const PlaceholderText&)>;

    explicit CRecoveryWriter(std::filesystem::path folder = Recovery::Folder(), FailureReport onFailure = {},
                             std::chrono::milliseconds pause = kPause);
    ~CRecoveryWriter();
    CRecoveryWriter(const CRecoveryWriter&) = delete;
    CRecoveryWriter& operator=(const CRecoveryWriter&) = delete;

    // An image buffer for the next snapshot: one the thread is done with, so
    // a change need not allocate.
    std::vector<std::uint8_t> TakeBuffer();
    // The newest state, to be written soon. Never waits for a write.
    void Keep(RecoverySnapshot snapshot);
    // The changes are saved or given up: the copy goes, and no state that
    // is still waiting is written.
    void Remove();
    // Returns once everything asked before is on disk, without the pause.
    void Flush();

    // The copy's path; empty until the first write.
    std::filesystem::path Path() const;

private:
    enum class Request { None, Write, Remove };

    void Run();
    // The state asked for, carried out on the writer's thread.
    void Carry(Request request, const RecoverySnapshot& snapshot);
    // Keeps `image` for a later snapshot while fewer than kBuffers are kept.
    void Recycle(std::vector<std::uint8_t>& image);

    const std::chrono::milliseconds m_pause;
    const FailureReport m_onFailure;
    COwnRecoveryCopy m_copy;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    Request m_request = Request::None;
    RecoverySnapshot m_pending;
    // Images no snapshot holds. One being written and one waiting are the
    // most a change has to find a buffer beside, so with kBuffers made
    // beforehand a change never waits for fresh memory.
    static constexpr std::size_t kBuffers = 3;
    std::vector<std::vector<std::uint8_t>> m_spares;
    std::chrono::steady_clock::time_point m_nextWrite;
    bool m_bBusy = false;
    bool m_bUrgent = false;
    bool m_bStop = false;
    std::filesystem::path m_path;
    // Last: it starts once everything it uses exists.
    std::thread m_thread;
};
