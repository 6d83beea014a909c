// Time and processor use of a large transfer through stb-sim. The data phase
// is timed from the worker's first data status text to its notice, so the
// receiver's start-up does not count; the processor time is this process's
// (the editor's side) over the whole transfer. The wait for a receiver that
// never answers shows the processor time the worker's polling costs. Download
// and Verify is timed from the download's end to the verify's: what the
// read-back adds.
#include "ImageFile.h"
#include "ImageFormat.h"
#include "PortMessages.h"
#include "ChildProcess.h"
#include "TransferLink.h"
#include "TransferTexts.h"
#include "TransferView.h"
#include "VerifiedDownload.h"

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

class CTimingView final : public ITransferView, public IPortMessages {
public:
    void SetProgress(int) override { }
    void SetStatusText(const std::string& text) override
    {
        const std::lock_guard lock(m_mutex);
        if (!m_bDataStarted && (text == Text::kReceiving || text == Text::kSending)) {
            m_bDataStarted = true;
            m_dataStart = Clock::now();
        }
    }
    void PostUploadDone() override { Post(); }
    void PostDownloadDone() override { Post(); }
    void PostCodeRefused() override { Post(); }
    void ShowPortMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }

    // Seconds of the data phase, once the notice came.
    double WaitForEnd()
    {
        std::unique_lock lock(m_mutex);
        m_posted.wait(lock, [this] { return m_bDone; });
        return std::chrono::duration<double>(Clock::now() - m_dataStart).count();
    }
    // Ready to time the next transfer.
    void Rearm()
    {
        const std::lock_guard lock(m_mutex);
        m_bDone = false;
        m_bDataStarted = false;
    }

private:
    void Post()
    {
        const std::lock_guard lock(m_mutex);
        m_bDone = true;
        m_posted.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_posted;
    bool m_bDataStarted = false;
    bool m_bDone = false;
    Clock::time_point m_dataStart{};
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

std::string LargeImageFile()
{
    static const std::string path = [] {
        std::vector<std::uint8_t> image(Image::kLargeSize);
        std::uint32_t seed = 12345;
        for (auto& byte : image) {
            seed = seed * 1664525u + 1013904223u;
            byte = static_cast<std::uint8_t>(seed >> 24);
        }
        image[Image::kLargeMarkerOffset] = Image::kMarker;
        const std::string file = "/tmp/volmaren-bench-" + std::to_string(getpid()) + ".dat";
        std::string error;
        ImageFile::WriteAtomically(file, image.data(), image.size(), error);
        return file;
    }();
    return path;
}

void BM_LargeTransfer(benchmark::State& state, bool upload)
{
    const long rate = static_cast<long>(state.range(0));
    const std::vector<std::uint8_t> buffer(Image::kLargeSize, 0x5A);
    double cpu = 0, wall = 0, dataPhase = 0;
    for (auto _ : state) {
        std::vector<std::string> args{"--image", LargeImageFile()};
        if (rate > 0)
            args.insert(args.end(), {"--rate", std::to_string(rate)});
        CSimProcess sim(args);
        CTimingView view;
        CTransferLink link(view, view);
        link.OpenDevice(sim.DevicePath());

        const double cpuStart = ProcessCpuSeconds();
        const Clock::time_point wallStart = Clock::now();
        upload ? link.StartUpload(0) : link.StartDownload(0, buffer);
        const double data = view.WaitForEnd();
        const bool completed =
            (upload ? link.FinishUpload() : link.FinishDownload()) == TransferEnd::Completed;
        cpu += ProcessCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(Clock::now() - wallStart).count();
        state.SetIterationTime(data);
        dataPhase += data;
        link.ClosePort();
        sim.Wait(std::chrono::seconds(10));
        if (!completed)
            state.SkipWithError("the transfer did not complete");
    }
    const double n = double(state.iterations());
    state.counters["cpu_s"] = cpu / n;
    state.counters["cpu_pct_of_core"] = 100 * cpu / wall;
    state.counters["MB_per_s"] = double(Image::kLargeSize) * n / 1e6 / dataPhase;
    if (rate > 0)
        state.counters["line_limit_s"] = double(Image::kLargeSize) / double(rate);
}

void BM_UploadLarge(benchmark::State& state)
{
    BM_LargeTransfer(state, true);
}

void BM_DownloadLarge(benchmark::State& state)
{
    BM_LargeTransfer(state, false);
}

void BM_VerifyLarge(benchmark::State& state)
{
    const long rate = static_cast<long>(state.range(0));
    std::vector<std::uint8_t> buffer(Image::kLargeSize);
    std::uint32_t seed = 777;
    for (auto& byte : buffer) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(seed >> 24);
    }
    double readBackData = 0;
    for (auto _ : state) {
        // The simulated receiver is ready again at once: the time a person
        // takes to reset a real one does not count.
        CSimProcess sim({"--repeat", "--rate", std::to_string(rate)});
        CTimingView view;
        CTransferLink link(view, view);
        link.OpenDevice(sim.DevicePath());
        CVerifiedDownload verify(link, view);
        verify.KeepHistory(false);
        verify.Start(buffer, 0);
        view.WaitForEnd();
        view.Rearm();
        const Clock::time_point readBackStart = Clock::now();
        if (!verify.OnDownloadDone()) {
            state.SkipWithError("the download did not complete");
            break;
        }
        readBackData += view.WaitForEnd();
        verify.OnUploadDone();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - readBackStart).count());
        link.ClosePort();
        if (verify.Outcome() != CVerifiedDownload::Result::Verified)
            state.SkipWithError("the receiver did not hold what was sent");
    }
    state.counters["read_back_data_s"] = readBackData / double(state.iterations());
    state.counters["line_limit_s"] = double(Image::kLargeSize) / double(rate);
}

void BM_WaitForSilentReceiver(benchmark::State& state)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        CTimingView view;
        CTransferLink link(view, view);
        link.OpenDevice(ptsname(master));
        const double cpuStart = ProcessCpuSeconds();
        const Clock::time_point wallStart = Clock::now();
        link.StartUpload(0);
        std::this_thread::sleep_for(std::chrono::seconds(2));
        link.Stop();
        view.WaitForEnd();
        link.FinishUpload();
        cpu += ProcessCpuSeconds() - cpuStart;
        const double seconds = std::chrono::duration<double>(Clock::now() - wallStart).count();
        wall += seconds;
        state.SetIterationTime(seconds);
        link.ClosePort();
    }
    close(master);
    state.counters["cpu_s"] = cpu / double(state.iterations());
    state.counters["cpu_pct_of_core"] = 100 * cpu / wall;
}

}  // namespace

// Argument: the simulator's rate in bytes per second; 0 is unlimited, 11520 a
// 115200-baud line.
BENCHMARK(BM_UploadLarge)->Arg(0)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownloadLarge)->Arg(0)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UploadLarge)->Arg(11520)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_DownloadLarge)->Arg(11520)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
// The time verify adds after a large download at line rate (about 57 s).
BENCHMARK(BM_VerifyLarge)->Arg(11520)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
// Goal: under 2% of one core.
BENCHMARK(BM_WaitForSilentReceiver)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
