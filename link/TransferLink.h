// The receiver link: the serial port, the flags through which the form and a
// worker talk, the byte primitives of the protocols, and the start, stop and
// completion of the two transfers. One instance lives as long as the form.
//
// Threads: every public method except the byte primitives belongs to the
// thread that owns the link (the form's). The byte primitives belong to the
// worker. At most one worker runs at a time.
#pragma once

#include "SerialPortInterface.h"
#include "TrafficLog.h"
#include "TransferParams.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

class IPortMessages;
class ITransferView;

enum class TransferEnd {
    Completed,
    Stopped,  // by Stop, Abort, or a port that hung up
};

class CTransferLink {
public:
    // Uses the platform's serial port.
    CTransferLink(ITransferView& view, IPortMessages& messages);
    CTransferLink(ITransferView& view, IPortMessages& messages, std::unique_ptr<ISerialPort> port);
    // Aborts a running transfer and waits for its worker.
    ~CTransferLink();
    CTransferLink(const CTransferLink&) = delete;
    CTransferLink& operator=(const CTransferLink&) = delete;

    // --- Port ------------------------------------------------------------
    // Reopen the port as "COMn" or as a device path. Failures reach the user
    // through the messages interface, and PortProblem says why. Refused
    // (false, nothing done) while a worker exists: a port is never reopened
    // under a transfer.
    bool OpenPort(int n);
    bool OpenDevice(const std::string& path);
    bool ClosePort();
    bool PortIsOpen() const { return m_port->IsOpen(); }
    // The device last opened (or tried).
    const std::string& DevicePath() const { return m_szDevice; }
    // Why the last open failed, in words a person can act on; empty after
    // an open that succeeded.
    PlaceholderText PortProblem() const { return m_port->OpenProblem(); }

    // --- Transfers -------------------------------------------------------
    // Start a worker that uses `code` in its handshake. False, with nothing
    // started, when a worker exists. An upload receives into the link's own
    // buffer, so that nothing a stopped or refused upload received reaches
    // anyone; a download sends a copy of `image`, the large layout (0xA0800
    // bytes; a shorter image is refused).
    bool StartUpload(std::uint16_t code);
    bool StartDownload(std::uint16_t code, std::span<const std::uint8_t> image);
    // The STOP button: asks the transfer to stop, unless a download is locked.
    void Stop();
    // Closing the main window: stops any transfer, even a locked download,
    // and waits for the worker. Its notice may still arrive afterwards; the
    // matching Finish method then reports it as stopped.
    void Abort();

    // Completion, on the owner's thread after the matching notice. Each
    // joins the worker, resets the progress, sets the final status text and
    // clears the flags. After FinishUpload returns Completed, ReceivedImage
    // holds the receiver's image in the layout of ReceivedVariant; the caller
    // converts it.
    TransferEnd FinishUpload();
    TransferEnd FinishDownload();
    // After PostCodeRefused; the caller shows Text::kInvalidSystemCode.
    void FinishRefused();

    // What the last upload received: 0xA0800 bytes with the image from their
    // start and zeros after it, and the receiver's variant (1 small, 2 large,
    // 0 before its reply). Read them only while no worker exists.
    std::span<const std::uint8_t> ReceivedImage() const;
    int ReceivedVariant() const { return m_nVariant; }

    // A worker exists that the matching Finish method has not joined yet.
    bool HasWorker() const { return m_pUploadThread || m_pDownloadThread; }
    // The record of the last transfer, every byte of it (see CTrafficLog);
    // empty before the first transfer and while a worker exists.
    std::string TrafficLogText() const;
    bool HasTrafficLog() const { return !HasWorker() && !m_log.Empty(); }

    // The port hung up or failed during the last transfer.
    bool PortLost() const { return m_bPortLost; }
    // Bytes received since the link was made; lets a caller notice silence.
    std::uint64_t ReceivedCount() const { return m_nReceived; }

    // --- What the owner and a worker share ------------------------------------
    // A worker runs and no stop was asked for.
    bool Running() const { return m_bRun == 1; }
    // The last worker ended without finishing.
    bool Aborted() const { return m_bAborted == 1; }
    // STOP is ignored: the receiver is being written.
    bool DownloadLocked() const { return m_bDownloadLock == 1; }

    // --- The end of a run, for the workers -------------------------------------
    // The worker's last word: a run that was stopped did not finish.
    void NoteWhetherStopped();
    // The download's end: the run is over, whatever the owner does next.
    void EndRun() { m_bRun = 0; }
    // The receiver refused the system code: the run ends unfinished.
    void EndRefused();

    // --- Byte primitives, for the workers ----------------------------------
    void SendByte(std::uint8_t byte);
    void SendBytes(const std::uint8_t* bytes, int count);
    // Drops received bytes until `expected` arrives or the run is stopped.
    void WaitForByte(std::uint8_t expected);
    // Drops received bytes until one of `a`, `b`, `c` arrives (returned) or
    // the run is stopped (0).
    std::uint8_t WaitForAnyOf(std::uint8_t a, std::uint8_t b, std::uint8_t c);
    // Takes one received byte when one waits; otherwise waits briefly on the
    // port so that the caller sees a stop request soon, and returns false.
    // A port that hangs up ends the run.
    bool PollByte(std::uint8_t& byte);
    // Sets m_bDownloadLock; a concurrent Stop either lands before it or is
    // ignored.
    void LockDownload();
    // What the bytes sent or received next belong to, for the traffic log.
    // A wait names its own step.
    void MarkStep(TrafficStep step, std::uint32_t number = 0) { m_log.SetStep(step, number); }

private:
    bool Start(void (*worker)(TransferParams), std::unique_ptr<std::jthread>& slot, std::uint16_t code,
               const char* transfer);
    // The traffic log's last line, once the worker has ended.
    void EndLog(bool completed);
    void JoinWorkers();

    // What a worker receives into or sends from, and the receiver's variant.
    std::unique_ptr<std::uint8_t[]> m_pImage;
    int m_nVariant = 0;
    ITransferView& m_view;
    IPortMessages& m_messages;
    std::unique_ptr<ISerialPort> m_port;
    std::string m_szDevice;
    // Written by the worker only, read by the owner once it has ended.
    CTrafficLog m_log;
    std::mutex m_stopMutex;  // orders Stop against LockDownload
    // The flags the owner and a worker share, each 0 or 1.
    std::atomic<int> m_bRun{0};
    std::atomic<int> m_bAborted{0};
    std::atomic<int> m_bDownloadLock{0};
    std::atomic<bool> m_bPortLost{false};
    std::atomic<std::uint64_t> m_nReceived{0};
    // Declared last: a worker ends before the port and the view it uses.
    std::unique_ptr<std::jthread> m_pUploadThread;
    std::unique_ptr<std::jthread> m_pDownloadThread;
};
