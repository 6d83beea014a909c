#include "TransferSession.h"

#include "ConsoleTransferView.h"
#include "ImageFile.h"
#include "PortFinder.h"
#include "PortNames.h"
#include "SystemCode.h"
#include "TransferLink.h"
#include "TransferTexts.h"
#include "VerifiedDownload.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>

#include <unistd.h>

namespace {

std::atomic<bool> g_bInterrupted{false};

void OnInterrupt(int)
{
    g_bInterrupted = true;
}

// Ctrl-C and a polite kill stop the transfer instead of the program, so the
// worker is joined and the port closed before the program ends.
class CInterruptGuard {
public:
    CInterruptGuard()
    {
        g_bInterrupted = false;
        struct sigaction action { };
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previousInt);
        sigaction(SIGTERM, &action, &m_previousTerm);
    }
    ~CInterruptGuard()
    {
        sigaction(SIGINT, &m_previousInt, nullptr);
        sigaction(SIGTERM, &m_previousTerm, nullptr);
    }
    CInterruptGuard(const CInterruptGuard&) = delete;
    CInterruptGuard& operator=(const CInterruptGuard&) = delete;

private:
    struct sigaction m_previousInt { };
    struct sigaction m_previousTerm { };
};

bool ParseSeconds(const std::string& text, int& seconds)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 86400)
        return false;
    seconds = static_cast<int>(value);
    return true;
}

std::uint16_t SystemCodeFor(const TransferOptions& options)
{
    if (!options.code.empty())
        return CSystemCode::ParseText(options.code);
    return CSystemCode().Get();
}

struct WaitResult {
    TransferNotice notice;
    bool timedOut;
};

// Waits for the worker's notice while printing its progress; stops the
// transfer on Ctrl-C or when no byte came for the time-out.
WaitResult WaitForNotice(CTransferLink& link, CConsoleTransferView& view, int timeoutSeconds)
{
    using Clock = std::chrono::steady_clock;
    const auto silenceLimit = std::chrono::seconds(timeoutSeconds);
    std::uint64_t lastCount = link.ReceivedCount();
    Clock::time_point lastByte = Clock::now();
    bool timedOut = false;
    for (;;) {
        const TransferNotice notice = view.WaitForNotice(std::chrono::milliseconds(100));
        view.Render();
        if (notice != TransferNotice::None)
            return {notice, timedOut};
        if (link.ReceivedCount() != lastCount) {
            lastCount = link.ReceivedCount();
            lastByte = Clock::now();
        }
        if (timeoutSeconds > 0 && !timedOut && Clock::now() - lastByte >= silenceLimit)
            timedOut = true;
        if (g_bInterrupted || timedOut)
            link.Abort();
    }
}

}  // namespace

Outcome ParseTransferOptions(Arguments args, Direction direction, const char* synopsis,
                             TransferOptions& options)
{
    const Outcome usage = UsageError(std::string("usage: volmaren-cli ") + synopsis);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--port" && hasValue) {
            options.port = args[++i];
        } else if (arg == "--code" && hasValue) {
            options.code = args[++i];
            if (!CSystemCode::IsTypedCode(options.code))
                return UsageError("--code takes four digits, as typed in the CODE box");
        } else if (arg == "--log" && hasValue) {
            options.logPath = args[++i];
        } else if (arg == "--timeout" && hasValue) {
            if (!ParseSeconds(args[++i], options.timeoutSeconds))
                return UsageError("--timeout takes a whole number of seconds");
        } else if (arg == "--verify" && direction == Direction::Download) {
            options.verify = true;
        } else if (arg == "--no-history") {
            options.keepHistory = false;
        } else if (arg.starts_with("--") || !options.file.empty()) {
            return usage;
        } else {
            options.file = arg;
        }
    }
    if (options.port.empty() || options.file.empty())
        return usage;
    if (!options.keepHistory && direction == Direction::Download && !options.verify)
        return UsageError("--no-history goes with --verify: a plain download reads nothing");
    return Succeeded();
}

namespace {

// Checked before the transfer, so a log that cannot be written costs no
// transfer.
Outcome CheckLogWritable(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr)
        return IoError("cannot write the traffic log " + path + ": " + std::strerror(errno));
    std::fclose(file);
    return Succeeded();
}

Outcome SaveTrafficLog(const std::string& text, const std::string& path)
{
    std::string error;
    if (!ImageFile::WriteAtomically(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                                    error))
        return IoError("cannot write the traffic log: " + error);
    return Succeeded();
}

// Why a transfer that did not complete was stopped; empty for Ctrl-C.
std::string StopReason(const WaitResult& result, const CTransferLink& link, const TransferOptions& options)
{
    if (result.timedOut)
        return "no byte received for " + std::to_string(options.timeoutSeconds) + " seconds";
    if (link.PortLost())
        return "the port " + options.port + " hung up";
    return "";
}

// Waits for the started transfer's end and finishes it.
Outcome Finish(Direction direction, CTransferLink& link, CConsoleTransferView& view,
               const TransferOptions& options)
{
    const bool upload = direction == Direction::Upload;
    const WaitResult result = WaitForNotice(link, view, options.timeoutSeconds);

    if (result.notice == TransferNotice::CodeRefused) {
        link.FinishRefused();
        view.EndLine();
        return Refused(Text::kInvalidSystemCode);
    }
    const TransferEnd end = upload ? link.FinishUpload() : link.FinishDownload();
    view.RenderFinal();
    if (end == TransferEnd::Completed)
        return Succeeded();
    return {Exit::kStopped, StopReason(result, link, options)};
}

// Hands each notice of the sequence to it until it has ended; returns the
// last wait's result.
WaitResult RunToEnd(CVerifiedDownload& verify, CTransferLink& link, CConsoleTransferView& view,
                    const TransferOptions& options)
{
    for (;;) {
        const WaitResult result = WaitForNotice(link, view, options.timeoutSeconds);
        if (result.notice == TransferNotice::CodeRefused) {
            verify.OnCodeRefused();
            view.EndLine();
            return result;
        }
        bool readingBack = false;
        if (result.notice == TransferNotice::DownloadDone)
            readingBack = verify.OnDownloadDone();
        else
            verify.OnUploadDone();
        if (!readingBack) {
            view.RenderFinal();
            return result;
        }
        view.Render();
    }
}

Outcome VerifyOutcome(const CVerifiedDownload& verify, const WaitResult& last, const CTransferLink& link,
                      const TransferOptions& options)
{
    using Result = CVerifiedDownload::Result;
    switch (verify.Outcome()) {
    case Result::Verified: return Succeeded();
    case Result::Differs: return {Exit::kNotVerified, ""};
    case Result::Refused: return Refused(Text::kInvalidSystemCode);
    case Result::ReadBackStopped: {
        const std::string reason = StopReason(last, link, options);
        return {Exit::kStopped, "the download completed; its read-back was stopped" +
                                    (reason.empty() ? std::string() : ": " + reason)};
    }
    case Result::DownloadStopped:
    case Result::None: break;
    }
    return {Exit::kStopped, StopReason(last, link, options)};
}

// Opens the port and checks that the log can be written, then runs the
// transfer, which leaves its traffic log in `log`, and writes the log.
using Transfer = std::function<Outcome(CTransferLink& link, CConsoleTransferView& view, std::uint16_t code,
                                       std::string& log)>;

Outcome RunSession(const TransferOptions& options, const Transfer& transfer)
{
    const std::uint16_t code = SystemCodeFor(options);
    CConsoleTransferView view(isatty(STDERR_FILENO) == 1);
    CTransferLink link(view, view);
    link.OpenDevice(DevicePathForName(options.port, FindSerialPorts()));
    if (!link.PortIsOpen()) {
        std::cerr << Fill(link.PortProblem()) << '\n';
        return IoError("cannot use the port " + options.port);
    }
    if (!options.logPath.empty())
        if (Outcome writable = CheckLogWritable(options.logPath); writable.status != Exit::kOk)
            return writable;

    const CInterruptGuard interrupts;
    std::string log;
    const Outcome outcome = transfer(link, view, code, log);
    if (options.logPath.empty())
        return outcome;
    const Outcome logged = SaveTrafficLog(log, options.logPath);
    if (logged.status == Exit::kOk || outcome.status != Exit::kOk) {
        Report(logged);
        return outcome;
    }
    return logged;
}

}  // namespace

Outcome RunTransfer(Direction direction, const TransferOptions& options, TransferImage& image)
{
    return RunSession(
        options, [&](CTransferLink& link, CConsoleTransferView& view, std::uint16_t code, std::string& log) {
            const bool upload = direction == Direction::Upload;
            view.SetStatusText(upload ? Text::kWaitForUpload : Text::kWaitForDownload);
            // No worker, no notice: waiting for one would never end.
            if (!(upload ? link.StartUpload(code) : link.StartDownload(code, image.bytes)))
                return Outcome{Exit::kStopped, Text::kTransferNotStarted};
            const Outcome outcome = Finish(direction, link, view, options);
            log = link.TrafficLogText();
            if (upload && outcome.status == Exit::kOk) {
                const auto received = link.ReceivedImage();
                image.bytes.assign(received.begin(), received.end());
                image.variant = link.ReceivedVariant();
            }
            return outcome;
        });
}

Outcome RunVerifiedDownload(const TransferOptions& options, std::span<const std::uint8_t> image,
                            std::vector<RecordDifference>& differences)
{
    return RunSession(
        options,
        [&](CTransferLink& link, CConsoleTransferView& view, std::uint16_t code, std::string& log) {
            CVerifiedDownload verify(link, view);
            verify.KeepHistory(options.keepHistory);
            view.SetStatusText(Text::kWaitForDownload);
            if (!verify.Start(image, code))
                return Outcome{Exit::kStopped, Text::kTransferNotStarted};
            const WaitResult last = RunToEnd(verify, link, view, options);
            log = verify.TrafficLogText();
            ReportHistoryWarning(verify.HistoryWarning());
            differences = verify.Differences();
            return VerifyOutcome(verify, last, link, options);
        });
}

void ReportHistoryWarning(const PlaceholderText& warning)
{
    if (!warning.Empty())
        std::cerr << "volmaren-cli: " << Fill(warning) << '\n';
}
