// The database's operations on the full demo image: every table at its
// limit. The composite operations should each take well under 10 ms.
#include "ChannelSearch.h"
#include "ChannelViews.h"
#include "EditHistory.h"
#include "DemoImage.h"
#include "ImageDocument.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <numeric>

namespace {

const std::vector<std::uint8_t>& FullImage()
{
    static const std::vector<std::uint8_t> image = Demo::ImageBytes(Demo::Size::Full);
    return image;
}

void LoadFull(CChannelDatabase& db)
{
    std::memcpy(db.GetRawImage(), FullImage().data(), Image::kLargeSize);
    db.ImageToTables(2);
}

// The satellite that owns the most transponders (500 in the full image).
int CrowdedSatellite(const CChannelDatabase& db)
{
    int best = 0;
    for (int s = 1; s < db.GetSatelliteCount(); ++s) {
        if (db.GetTransponderCountOf(s) > db.GetTransponderCountOf(best))
            best = s;
    }
    return best;
}

std::vector<int> EveryNth(int count, int n, int first = 0)
{
    std::vector<int> list;
    for (int i = first; i < count; i += n)
        list.push_back(i);
    return list;
}

// Runs `operation` on a fresh full database in every iteration; only the
// operation is timed.
template <class Operation> void OnFreshDatabase(benchmark::State& state, Operation operation)
{
    CChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        LoadFull(db);
        state.ResumeTiming();
        operation(db);
        benchmark::ClobberMemory();
    }
}

void LoadAndSave(benchmark::State& state)
{
    const std::string in = (std::filesystem::temp_directory_path() / "volmaren-bench-in.dat").string();
    const std::string out = (std::filesystem::temp_directory_path() / "volmaren-bench-out.dat").string();
    CImageDocument writer;
    LoadFull(writer.m_database);
    std::string error;
    writer.SaveFile(in, error);
    CImageDocument document;
    for (auto _ : state) {
        document.LoadFile(in, error);
        document.SaveFile(out, error);
    }
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}
BENCHMARK(LoadAndSave)->Unit(benchmark::kMillisecond);

void UpdateListContext(benchmark::State& state)
{
    CChannelDatabase db;
    LoadFull(db);
    for (auto _ : state)
        db.UpdateListContext();
}
BENCHMARK(UpdateListContext)->Unit(benchmark::kMillisecond);

void Filters(benchmark::State& state)
{
    CChannelDatabase db;
    LoadFull(db);
    const int sat = CrowdedSatellite(db);
    CChannelViews views(db);
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: views.ShowAllTransponders(); break;
        case 1: views.ShowTranspondersOf(sat); break;
        case 2: views.ShowAllChannels(kTv); break;
        case 3: views.ShowChannelsOfSatellite(sat, kTv); break;
        default: views.ShowChannelsOfTransponder(2000, kTv); break;
        }
    }
}
BENCHMARK(Filters)
    ->ArgName("all-tp/tp-of-sat/all-tv/tv-of-sat/tv-of-tp")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMicrosecond);

void DeleteOneTransponder(benchmark::State& state)
{
    OnFreshDatabase(state, [](CChannelDatabase& db) { db.DeleteTransponders({1000}); });
}
BENCHMARK(DeleteOneTransponder)->Unit(benchmark::kMillisecond);

void DeleteEveryTransponder(benchmark::State& state)
{
    std::vector<int> all(Image::kMaxTransponders);
    std::iota(all.begin(), all.end(), 0);
    OnFreshDatabase(state, [&all](CChannelDatabase& db) { db.DeleteTransponders(all); });
}
BENCHMARK(DeleteEveryTransponder)->Unit(benchmark::kMillisecond);

void DeleteSatelliteWith500Transponders(benchmark::State& state)
{
    CChannelDatabase full;
    LoadFull(full);
    const int crowded = CrowdedSatellite(full);
    OnFreshDatabase(state, [crowded](CChannelDatabase& db) { db.DeleteSatellites({crowded}); });
}
BENCHMARK(DeleteSatelliteWith500Transponders)->Unit(benchmark::kMillisecond);

void Delete1000TvChannels(benchmark::State& state)
{
    const std::vector<int> list = EveryNth(4000, 4);
    OnFreshDatabase(state, [&list](CChannelDatabase& db) { db.DeleteChannels(list, kTv); });
}
BENCHMARK(Delete1000TvChannels)->Unit(benchmark::kMillisecond);

void Move500Channels(benchmark::State& state)
{
    const std::vector<int> list = EveryNth(4000, 8, 3);
    OnFreshDatabase(state, [&list](CChannelDatabase& db) { db.MoveChannels(list, 100, kTv); });
}
BENCHMARK(Move500Channels)->Unit(benchmark::kMillisecond);

// The whole TV table as the unfiltered list shows it, sorted; the list's
// refill is the editor's and is measured with the window.
void SortWholeTvTable(benchmark::State& state)
{
    const auto key = ChannelSortKey(state.range(0));
    OnFreshDatabase(state, [key](CChannelDatabase& db) {
        CChannelViews views(db);
        views.ShowAllChannels(kTv);
        db.SortChannels(views.GetChannelViewSlots(kTv), key, false, kTv);
    });
}
BENCHMARK(SortWholeTvTable)
    ->ArgName("name/frequency/satellite/fta")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

// One keystroke in the search field over the 4467 rows of the TV list: the
// texts a person types on the way to "Discovery 24", and a PID.
void SearchKeystroke(benchmark::State& state)
{
    static const char* const kTyped[] = {"d", "disc", "discovery 24", "257"};
    CChannelDatabase db;
    LoadFull(db);
    CChannelViews views(db);
    views.ShowAllChannels(kTv);
    const std::vector<int> slots = views.GetChannelViewSlots(kTv);
    std::size_t found = 0;
    for (auto _ : state)
        found = ChannelSearch(kTyped[state.range(0)]).MatchingRows(db, slots, kTv).size();
    state.counters["rows found"] = double(found);
}
BENCHMARK(SearchKeystroke)
    ->ArgName("d/disc/discovery 24/257")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);

// Lock, audio and (with the recount that membership needs) a group set on
// 1000 TV channels at once.
void SetFlagsOn1000Channels(benchmark::State& state)
{
    const std::vector<int> list = EveryNth(4000, 4);
    ChannelFlagChanges changes;
    changes.lock = true;
    changes.audio = 2;
    if (state.range(0) == 1)
        changes.joinGroups = GroupBit(3);
    OnFreshDatabase(state, [&](CChannelDatabase& db) { db.SetChannelFlags(list, changes, kTv); });
}
BENCHMARK(SetFlagsOn1000Channels)->ArgName("with-groups")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

// --- Undo history ---------------------------------------------------------------

// The changes whose steps are measured, by their size: one TV channel at the
// table's start (every later slot and bouquet moves), a satellite with 500
// transponders and their channels, 500 channels moved, and a setting.
void HistoryChange(CChannelDatabase& db, int which)
{
    switch (which) {
    case 0: db.DeleteChannels({0}, kTv); break;
    case 1: db.DeleteSatellites({CrowdedSatellite(db)}); break;
    case 2: db.MoveChannels(EveryNth(4000, 8), 0, kTv); break;
    default: {
        SystemInfo info;
        db.GetSystemInfo(info);
        ++info.displayColor;
        db.SetSystemInfo(info);
    }
    }
}

// What recording a step adds to the change itself: the goal is under 2 ms.
void RecordStep(benchmark::State& state)
{
    CChannelDatabase db;
    CEditHistory history;
    for (auto _ : state) {
        state.PauseTiming();
        LoadFull(db);
        state.ResumeTiming();
        history.Begin(db);
        state.PauseTiming();
        HistoryChange(db, int(state.range(0)));
        state.ResumeTiming();
        history.Commit(db, "step", {});
    }
}
BENCHMARK(RecordStep)->ArgName("change")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Undo and Redo of a step, without the lists.
void UndoAndRedo(benchmark::State& state)
{
    CChannelDatabase db;
    LoadFull(db);
    CEditHistory history;
    history.Begin(db);
    HistoryChange(db, int(state.range(0)));
    history.Commit(db, "step", {});
    for (auto _ : state) {
        history.Undo(db, {});
        history.Redo(db, {});
    }
}
BENCHMARK(UndoAndRedo)->ArgName("change")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The memory of 100 steps of one kind, each on the data the last one left
// (the TV channel at the start, again and again): the goal is under 16 MB.
void HistoryOf100Steps(benchmark::State& state)
{
    for (auto _ : state) {
        CChannelDatabase db;
        LoadFull(db);
        CEditHistory history;
        for (int n = 0; n < 100; ++n) {
            history.Begin(db);
            HistoryChange(db, int(state.range(0)));
            history.Commit(db, "step", {});
        }
        state.counters["MB"] = double(history.Memory()) / (1024.0 * 1024.0);
    }
}
BENCHMARK(HistoryOf100Steps)
    ->ArgName("change")
    ->DenseRange(0, 3)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
