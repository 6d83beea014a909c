#include "ConsoleTransferView.h"

#include <cstdio>

namespace {

constexpr int kBarWidth = 40;

}  // namespace

CConsoleTransferView::CConsoleTransferView(bool terminal) : m_bTerminal(terminal)
{
}

void CConsoleTransferView::SetProgress(int position)
{
    m_nProgress = position;
}

void CConsoleTransferView::SetStatusText(const std::string& text)
{
    const std::lock_guard lock(m_mutex);
    // Without a terminal each text gets its line, however soon the next one
    // follows; the download sets the same text before every block.
    if (!m_bTerminal && !text.empty() && text != m_szStatus)
        m_unprinted.push_back(text);
    m_szStatus = text;
    ++m_nStatusVersion;
}

void CConsoleTransferView::ShowPortMessage(const std::string& text)
{
    EndLine();
    std::fprintf(stderr, "%s\n", text.c_str());
}

void CConsoleTransferView::Post(TransferNotice notice)
{
    const std::lock_guard lock(m_mutex);
    m_notice = notice;
    m_posted.notify_all();
}

TransferNotice CConsoleTransferView::WaitForNotice(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    m_posted.wait_for(lock, wait, [this] { return m_notice != TransferNotice::None; });
    const TransferNotice notice = m_notice;
    m_notice = TransferNotice::None;
    return notice;
}

void CConsoleTransferView::Render()
{
    std::string status;
    unsigned version = 0;
    {
        const std::lock_guard lock(m_mutex);
        status = m_szStatus;
        version = m_nStatusVersion;
    }
    const int progress = m_nProgress;
    if (version == m_nShownVersion && progress == m_nShownProgress)
        return;
    m_nShownVersion = version;
    m_nShownProgress = progress;
    if (!m_bTerminal) {
        std::vector<std::string> lines;
        {
            const std::lock_guard lock(m_mutex);
            lines.swap(m_unprinted);
        }
        for (const std::string& line : lines)
            std::fprintf(stderr, "%s\n", line.c_str());
        return;
    }
    const int filled = progress * kBarWidth / 100;
    std::fprintf(stderr, "\r\033[K[%s%s] %3d%% %s", std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, '.').c_str(), progress, status.c_str());
    std::fflush(stderr);
    m_bLineOpen = true;
}

void CConsoleTransferView::EndLine()
{
    if (!m_bLineOpen)
        return;
    std::fputc('\n', stderr);
    m_bLineOpen = false;
}

void CConsoleTransferView::RenderFinal()
{
    if (!m_bTerminal) {
        Render();
        return;
    }
    EndLine();
    const std::lock_guard lock(m_mutex);
    if (!m_szStatus.empty())
        std::fprintf(stderr, "%s\n", m_szStatus.c_str());
}
