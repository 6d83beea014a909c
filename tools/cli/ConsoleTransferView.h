// The command-line tool's stand-in for the form during a transfer: the
// worker leaves its progress, status and notice here without waiting, and
// the main thread prints them.
#pragma once

#include "PortMessages.h"
#include "TransferView.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

enum class TransferNotice { None, UploadDone, DownloadDone, CodeRefused };

class CConsoleTransferView final : public ITransferView, public IPortMessages {
public:
    // With `terminal`, a progress bar is redrawn in place; otherwise every
    // new status text is printed on a line of its own.
    explicit CConsoleTransferView(bool terminal);

    void SetProgress(int position) override;
    void SetStatusText(const std::string& text) override;
    void PostUploadDone() override { Post(TransferNotice::UploadDone); }
    void PostDownloadDone() override { Post(TransferNotice::DownloadDone); }
    void PostCodeRefused() override { Post(TransferNotice::CodeRefused); }
    // Printed at once: ports are opened on the main thread.
    void ShowPortMessage(const std::string& text) override;

    // The notice, or None when none came within `wait`.
    TransferNotice WaitForNotice(std::chrono::milliseconds wait);
    // Prints what changed since the last call (main thread only).
    void Render();
    // Ends the progress line so that later output starts on a fresh line.
    void EndLine();
    // After the transfer: the last status text on a line of its own.
    void RenderFinal();

private:
    void Post(TransferNotice notice);

    const bool m_bTerminal;
    std::atomic<int> m_nProgress{0};
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::string m_szStatus;
    unsigned m_nStatusVersion = 0;
    std::vector<std::string> m_unprinted;  // without a terminal
    TransferNotice m_notice = TransferNotice::None;

    unsigned m_nShownVersion = 0;
    int m_nShownProgress = -1;
    bool m_bLineOpen = false;
};
