#include "RecordingView.h"

void CRecordingView::SetProgress(int position)
{
    const std::lock_guard lock(m_mutex);
    m_progress.push_back(position);
}

void CRecordingView::SetStatusText(const std::string& text)
{
    const std::lock_guard lock(m_mutex);
    m_statuses.push_back(text);
}

void CRecordingView::ShowPortMessage(const std::string& text)
{
    const std::lock_guard lock(m_mutex);
    m_messages.push_back(text);
}

void CRecordingView::Post(Notice notice)
{
    const std::lock_guard lock(m_mutex);
    m_notices.push_back(notice);
    m_posted.notify_all();
}

Notice CRecordingView::WaitForNotice(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    if (!m_posted.wait_for(lock, timeout, [this] { return m_taken < m_notices.size(); }))
        return Notice::None;
    return m_notices[m_taken++];
}

int CRecordingView::NoticeCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_notices.size());
}

std::vector<int> CRecordingView::Progress() const
{
    const std::lock_guard lock(m_mutex);
    return m_progress;
}

std::vector<std::string> CRecordingView::Statuses() const
{
    const std::lock_guard lock(m_mutex);
    return m_statuses;
}

std::string CRecordingView::LastStatus() const
{
    const std::lock_guard lock(m_mutex);
    return m_statuses.empty() ? std::string() : m_statuses.back();
}

std::vector<std::string> CRecordingView::Messages() const
{
    const std::lock_guard lock(m_mutex);
    return m_messages;
}
