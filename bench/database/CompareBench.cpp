// Comparing the full demo image (every table at its limit) with another full
// image, and taking every difference. The comparison should stay under 50 ms.
#include "ChannelDatabase.h"
#include "Comparison.h"
#include "FullDemo.h"
#include "TakePlan.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <numeric>

namespace {

// 0: the full image itself. 1: its channels in reverse order, every seventh
// renamed, every eleventh locked, so that nearly every channel differs.
const CChannelDatabase& Other(int edited)
{
    static const auto db = [] {
        auto other = std::make_unique<CChannelDatabase>();
        other->CopyTablesFrom(FullDemo());
        for (ChannelKind kind : kChannelKinds) {
            const int count = other->GetChannelCount(kind);
            std::vector<int> reversed(static_cast<std::size_t>(count));
            std::iota(reversed.rbegin(), reversed.rend(), 0);
            other->MoveChannels(reversed, 0, kind);
            for (int slot = 0; slot < count; ++slot) {
                ChannelRecord channel;
                other->GetChannel(channel, slot, kind);
                if (slot % 7 == 0)
                    std::snprintf(channel.name, sizeof channel.name, "R%d", slot);
                if (slot % 11 == 0)
                    channel.flags |= ChannelFlag::kLocked;
                other->SetChannel(channel, slot, kind);
            }
        }
        return other;
    }();
    return edited ? *db : FullDemo();
}

// What opening the comparison takes: the other image's records, then the
// comparison.
void CompareFullImages(benchmark::State& state)
{
    const CChannelDatabase& other = Other(int(state.range(0)));
    std::size_t differences = 0;
    for (auto _ : state) {
        const Diff::Comparison comparison = Diff::Compare(FullDemo(), Diff::FromImage(other));
        differences = comparison.differences.size();
    }
    state.counters["differences"] = double(differences);
}
BENCHMARK(CompareFullImages)->ArgName("edited")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void TakeEverything(benchmark::State& state)
{
    const Diff::OtherSide other = Diff::FromImage(Other(1));
    const Diff::Comparison comparison = Diff::Compare(FullDemo(), other);
    CChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        db.CopyTablesFrom(FullDemo());
        state.ResumeTiming();
        Diff::TakePlan plan;
        Diff::PlanTake(db, other, comparison, Diff::Everything(comparison), plan);
        Diff::ApplyTake(db, plan);
    }
    state.counters["left"] = double(Diff::Compare(db, other).differences.size());
}
BENCHMARK(TakeEverything)->Unit(benchmark::kMillisecond);

}  // namespace
