#include "VerifiedDownload.h"

#include "ImageFormat.h"
#include "ReceiverHistory.h"
#include "TransferLink.h"
#include "TransferView.h"
#include "VerifyTexts.h"

CVerifiedDownload::CVerifiedDownload(CTransferLink& link, ITransferView& view) : m_link(link), m_view(view)
{
}

CVerifiedDownload::~CVerifiedDownload()
{
    if (m_step != Step::ReadingBack)
        return;
    m_link.Abort();
}

bool CVerifiedDownload::Start(std::span<const std::uint8_t> image, std::uint16_t code)
{
    if (Active() || image.size() < Image::kLargeSize)
        return false;
    // A copy: the compare window may show it long after the document has
    // changed.
    m_sent.assign(image.begin(), image.begin() + Image::kLargeSize);
    m_readBack.assign(Image::kLargeSize, 0);
    m_nReadBackVariant = 0;
    m_wCode = code;
    m_result = Result::None;
    m_differences.clear();
    m_historyWarning = {};
    m_szLog.clear();
    if (!m_link.StartDownload(code, m_sent))
        return false;
    m_step = Step::Downloading;
    return true;
}

bool CVerifiedDownload::OnDownloadDone()
{
    const TransferEnd end = m_link.FinishDownload();
    KeepLog();
    if (end != TransferEnd::Completed) {
        End(Result::DownloadStopped);
        return false;
    }
    m_view.SetStatusText(Text::kVerifyReset);
    if (!m_link.StartUpload(m_wCode)) {
        End(Result::ReadBackStopped);
        return false;
    }
    m_step = Step::ReadingBack;
    return true;
}

void CVerifiedDownload::OnUploadDone()
{
    const TransferEnd end = m_link.FinishUpload();
    KeepLog();
    if (end != TransferEnd::Completed) {
        End(Result::ReadBackStopped);
        return;
    }
    const std::span<const std::uint8_t> received = m_link.ReceivedImage();
    m_readBack.assign(received.begin(), received.end());
    m_nReadBackVariant = m_link.ReceivedVariant();
    const std::span<const std::uint8_t> readBack = ReadBack();
    if (m_bKeepHistory)
        ReceiverHistory::Keep(readBack.data(), m_nReadBackVariant, m_historyWarning);
    m_differences = DifferingRecords(Sent().data(), readBack.data(), m_nReadBackVariant);
    End(m_differences.empty() ? Result::Verified : Result::Differs);
}

void CVerifiedDownload::OnCodeRefused()
{
    m_link.FinishRefused();
    KeepLog();
    End(Result::Refused);
}

std::span<const std::uint8_t> CVerifiedDownload::Sent() const
{
    if (m_nReadBackVariant == 1)
        return std::span(m_sent).subspan(Image::kSmallShift, Image::kSmallSize);
    return m_sent;
}

std::span<const std::uint8_t> CVerifiedDownload::ReadBack() const
{
    return std::span(m_readBack).first(m_nReadBackVariant == 1 ? Image::kSmallSize : m_readBack.size());
}

void CVerifiedDownload::End(Result result)
{
    m_step = Step::Idle;
    m_result = result;
    switch (result) {
    case Result::Verified: m_view.SetStatusText(Text::kVerified); break;
    case Result::Differs: m_view.SetStatusText(Text::kNotVerified); break;
    case Result::ReadBackStopped: m_view.SetStatusText(Text::kVerifyStopped); break;
    default: break;
    }
}

void CVerifiedDownload::KeepLog()
{
    m_szLog += m_link.TrafficLogText();
}
