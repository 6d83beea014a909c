#include "TransferLink.h"

#include "ImageFormat.h"
#include "PortMessages.h"
#include "PortNames.h"
#include "SerialPort.h"
#include "TransferTexts.h"
#include "TransferView.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace {

// How long one wait on the port may last: a stop request is seen within it,
// and an idle worker wakes only this often.
constexpr int kPollIntervalMs = 20;

void Join(std::unique_ptr<std::jthread>& thread)
{
    if (!thread)
        return;
    thread->join();
    thread.reset();
}

}  // namespace

CTransferLink::CTransferLink(ITransferView& view, IPortMessages& messages)
    : CTransferLink(view, messages, CreateSerialPort())
{
}

CTransferLink::CTransferLink(ITransferView& view, IPortMessages& messages, std::unique_ptr<ISerialPort> port)
    : m_pImage(std::make_unique<std::uint8_t[]>(Image::kLargeSize)), m_view(view), m_messages(messages),
      m_port(std::move(port))
{
}

CTransferLink::~CTransferLink()
{
    Abort();
}

// --- Port ------------------------------------------------------------------

bool CTransferLink::OpenPort(int n)
{
    return OpenDevice(DevicePathForPort(n));
}

bool CTransferLink::OpenDevice(const std::string& path)
{
    if (HasWorker())
        return false;
    m_szDevice = path;
    m_port->Open(path, m_messages);
    return true;
}

bool CTransferLink::ClosePort()
{
    if (HasWorker())
        return false;
    m_port->Close(m_messages);
    return true;
}

// --- Transfers -------------------------------------------------------------

bool CTransferLink::StartUpload(std::uint16_t code)
{
    if (HasWorker())
        return false;
    m_nVariant = 0;
    return Start(UploadWorker, m_pUploadThread, code, "upload");
}

bool CTransferLink::StartDownload(std::uint16_t code, std::span<const std::uint8_t> image)
{
    if (HasWorker() || image.size() < Image::kLargeSize)
        return false;
    std::copy(image.begin(), image.begin() + Image::kLargeSize, m_pImage.get());
    return Start(DownloadWorker, m_pDownloadThread, code, "download");
}

std::span<const std::uint8_t> CTransferLink::ReceivedImage() const
{
    return {m_pImage.get(), Image::kLargeSize};
}

bool CTransferLink::Start(void (*worker)(TransferParams), std::unique_ptr<std::jthread>& slot,
                          std::uint16_t code, const char* transfer)
{
    if (HasWorker())
        return false;
    char codeText[8];
    std::snprintf(codeText, sizeof codeText, "%04x", code);
    m_log.Begin(transfer, m_szDevice, codeText);
    m_port->DiscardOutput();
    m_bPortLost = false;
    // Raised here rather than by the worker, so that a stop asked for before
    // the new thread first runs is not overwritten by it.
    m_bRun = 1;
    m_bAborted = 0;
    try {
        slot = std::make_unique<std::jthread>(
            worker, TransferParams{m_pImage.get(), this, &m_view, &m_nVariant, code});
    } catch (const std::system_error&) {
        m_bRun = 0;
        return false;
    }
    return true;
}

void CTransferLink::Stop()
{
    const std::lock_guard lock(m_stopMutex);
    if (m_bDownloadLock != 1)
        m_bRun = 0;
}

void CTransferLink::Abort()
{
    if (m_bRun == 1) {
        m_bRun = 0;
        m_bAborted = 1;
    }
    JoinWorkers();
}

TransferEnd CTransferLink::FinishUpload()
{
    Join(m_pUploadThread);
    const bool aborted = m_bAborted == 1;
    m_bRun = 0;
    m_view.SetProgress(0);
    EndLog(!aborted);
    if (aborted) {
        m_view.SetStatusText(Text::kUploadStopped);
        m_bAborted = 0;
        return TransferEnd::Stopped;
    }
    m_view.SetStatusText("");
    return TransferEnd::Completed;
}

TransferEnd CTransferLink::FinishDownload()
{
    Join(m_pDownloadThread);
    m_view.SetProgress(0);
    m_bDownloadLock = 0;
    const bool aborted = m_bAborted == 1;
    m_view.SetStatusText(aborted ? Text::kDownloadStopped : Text::kDownloadComplete);
    m_bAborted = 0;
    m_bRun = 0;
    JoinWorkers();
    EndLog(!aborted);
    return aborted ? TransferEnd::Stopped : TransferEnd::Completed;
}

void CTransferLink::FinishRefused()
{
    JoinWorkers();
    m_log.End("the receiver refused the system code");
    m_bRun = 0;
    // Left set, it would keep STOP ineffective until some later download
    // completed.
    m_bDownloadLock = 0;
}

void CTransferLink::EndLog(bool completed)
{
    m_log.End(completed ? "completed" : m_bPortLost ? "the port hung up" : "stopped");
}

std::string CTransferLink::TrafficLogText() const
{
    return HasWorker() ? std::string() : m_log.Text();
}

void CTransferLink::JoinWorkers()
{
    Join(m_pUploadThread);
    Join(m_pDownloadThread);
}

// --- Byte primitives ---------------------------------------------------------

void CTransferLink::SendByte(std::uint8_t byte)
{
    m_log.Add(TrafficDirection::Sent, byte);
    m_port->WriteByte(byte);
}

void CTransferLink::SendBytes(const std::uint8_t* bytes, int count)
{
    for (int i = 0; i < count; ++i)
        SendByte(bytes[i]);
}

void CTransferLink::WaitForByte(std::uint8_t expected)
{
    m_log.SetStep(TrafficStep::Wait, expected);
    std::uint8_t byte = 0;
    while (Running()) {
        if (PollByte(byte) && byte == expected)
            return;
    }
}

std::uint8_t CTransferLink::WaitForAnyOf(std::uint8_t a, std::uint8_t b, std::uint8_t c)
{
    std::uint8_t byte = 0;
    while (Running()) {
        if (PollByte(byte) && (byte == a || byte == b || byte == c))
            return byte;
    }
    return 0;
}

bool CTransferLink::PollByte(std::uint8_t& byte)
{
    if (m_port->BytesWaiting() != 0) {
        byte = m_port->ReadByte();
        m_log.Add(TrafficDirection::Received, byte);
        m_nReceived.fetch_add(1, std::memory_order_relaxed);
        return true;
    }
    m_log.Pause();
    if (m_port->Wait(kPollIntervalMs) == PortWait::Lost) {
        m_bPortLost = true;
        m_bRun = 0;
    }
    return false;
}

void CTransferLink::NoteWhetherStopped()
{
    if (m_bRun == 0)
        m_bAborted = 1;
}

void CTransferLink::EndRefused()
{
    m_bRun = 0;
    m_bAborted = 1;
}

void CTransferLink::LockDownload()
{
    const std::lock_guard lock(m_stopMutex);
    m_bDownloadLock = 1;
}
