// Download and Verify: a download, then, once the person has reset the
// receiver, an upload of what it holds into a buffer of its own, compared
// byte for byte with what was sent for the receiver's variant. The image
// read back goes into the receiver history either way.
//
// Threads: every method belongs to the thread that owns the link. The two
// transfers run on the link's workers and report through the link's view as
// every transfer does; while Active(), the owner hands their notices to the
// On... methods below instead of the link's Finish methods.
#pragma once

#include "DifferingRecords.h"
#include "PlaceholderText.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CTransferLink;
class ITransferView;

class CVerifiedDownload {
public:
    enum class Result {
        None,  // not started, or still running
        Verified,
        Differs,  // Differences() names the records
        DownloadStopped,  // the download did not complete: nothing was verified
        ReadBackStopped,  // the download completed; the read-back did not
        Refused,  // the receiver refused the system code
    };

    // Declare it after the link it uses: it ends before the link does.
    CVerifiedDownload(CTransferLink& link, ITransferView& view);
    // A read-back that still runs writes into this object: it is stopped
    // and waited for first.
    ~CVerifiedDownload();
    CVerifiedDownload(const CVerifiedDownload&) = delete;
    CVerifiedDownload& operator=(const CVerifiedDownload&) = delete;

    // Whether the image read back goes into the receiver history (it does
    // unless told otherwise).
    void KeepHistory(bool keep) { m_bKeepHistory = keep; }

    // Starts the download of a copy of `image`, the large layout (0xA0800
    // bytes). False, with nothing started, when the image is shorter or the
    // link refuses to start.
    bool Start(std::span<const std::uint8_t> image, std::uint16_t code);
    // Notices are this sequence's to handle.
    bool Active() const { return m_step != Step::Idle; }

    // After the download's notice: finishes the download and, when it
    // completed, asks for the reset and starts the read-back. True while the
    // read-back runs.
    bool OnDownloadDone();
    // After the read-back's notice: finishes it, compares and keeps the
    // history.
    void OnUploadDone();
    // After a refusal of the code, in either transfer.
    void OnCodeRefused();

    // --- Once it has ended ---------------------------------------------------
    Result Outcome() const { return m_result; }
    // The receiver's variant as the read-back found it, 1 or 2.
    int Variant() const { return m_nReadBackVariant; }
    // What was sent and what came back, in the receiver's layout.
    std::span<const std::uint8_t> Sent() const;
    std::span<const std::uint8_t> ReadBack() const;
    const std::vector<RecordDifference>& Differences() const { return m_differences; }
    // Why the image read back is not in the history; empty when it is, or
    // when it was not to be kept.
    const PlaceholderText& HistoryWarning() const { return m_historyWarning; }
    // The traffic logs of the download and of the read-back, one after the
    // other.
    const std::string& TrafficLogText() const { return m_szLog; }

private:
    enum class Step { Idle, Downloading, ReadingBack };

    // Ends the sequence; the status line says how a read-back ended.
    void End(Result result);
    // The last transfer's traffic log, after the link has finished it.
    void KeepLog();

    CTransferLink& m_link;
    ITransferView& m_view;
    bool m_bKeepHistory = true;
    Step m_step = Step::Idle;
    Result m_result = Result::None;
    std::uint16_t m_wCode = 0;
    std::vector<std::uint8_t> m_sent;  // large layout
    std::vector<std::uint8_t> m_readBack;  // the receiver's layout from offset 0
    int m_nReadBackVariant = 0;
    std::vector<RecordDifference> m_differences;
    PlaceholderText m_historyWarning;
    std::string m_szLog;
};
