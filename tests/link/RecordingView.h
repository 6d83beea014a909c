// Stands in for the editor's form: records what a worker shows and hands
// its notices to the test thread.
#pragma once

#include "PortMessages.h"
#include "TransferView.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

using namespace std::chrono_literals;

enum class Notice { None, UploadDone, DownloadDone, CodeRefused };

class CRecordingView final : public ITransferView, public IPortMessages {
public:
    void SetProgress(int position) override;
    void SetStatusText(const std::string& text) override;
    void PostUploadDone() override { Post(Notice::UploadDone); }
    void PostDownloadDone() override { Post(Notice::DownloadDone); }
    void PostCodeRefused() override { Post(Notice::CodeRefused); }
    void ShowPortMessage(const std::string& text) override;

    // The next notice, or None when none comes within `timeout`.
    Notice WaitForNotice(std::chrono::milliseconds timeout = 30s);
    int NoticeCount() const;

    std::vector<int> Progress() const;
    std::vector<std::string> Statuses() const;
    std::string LastStatus() const;
    std::vector<std::string> Messages() const;

private:
    void Post(Notice notice);

    mutable std::mutex m_mutex;
    std::condition_variable m_posted;
    std::vector<Notice> m_notices;
    std::size_t m_taken = 0;
    std::vector<int> m_progress;
    std::vector<std::string> m_statuses;
    std::vector<std::string> m_messages;
};
