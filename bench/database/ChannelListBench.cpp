// Channel lists on the full demo image (every table at its limit): CSV
// export and import, applying the order of a reference, and the image check.
// Each should stay under 100 ms, the check under 20 ms.
#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "FullDemo.h"
#include "ImageCheck.h"
#include "ImportPlan.h"
#include "OrderPlan.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// The full image's rows in reverse order, so that every channel moves.
std::vector<ChannelRows::Row> ReversedRows()
{
    std::vector<ChannelRows::Row> rows = ChannelRows::ExportRows(FullDemo());
    std::reverse(rows.begin(), rows.end());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].position = std::uint32_t(i + 1);
    return rows;
}

void ExportCsv(benchmark::State& state)
{
    FullDemo();
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelRows::ToCsv(ChannelRows::ExportRows(FullDemo())));
}
BENCHMARK(ExportCsv)->Unit(benchmark::kMillisecond);

// Reading the CSV text, planning and applying; 0: the image's own export,
// which changes nothing, 1: every channel in reverse order.
void ImportCsv(benchmark::State& state)
{
    const std::string text =
        ChannelRows::ToCsv(state.range(0) ? ReversedRows() : ChannelRows::ExportRows(FullDemo()));
    CChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        db.CopyTablesFrom(FullDemo());
        state.ResumeTiming();
        std::vector<ChannelRows::Row> rows;
        ChannelRows::FromCsv(text, rows);
        ChannelRows::ImportPlan plan;
        ChannelRows::PlanImport(db, rows, false, plan);
        ChannelRows::ApplyChannelChange(db, plan.change);
    }
}
BENCHMARK(ImportCsv)->ArgName("reversed")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// A reference image's rows taken and applied.
void ApplyOrder(benchmark::State& state)
{
    CChannelDatabase reference;
    reference.CopyTablesFrom(FullDemo());
    ChannelRows::ImportPlan reversal;
    ChannelRows::PlanImport(reference, ReversedRows(), false, reversal);
    ChannelRows::ApplyChannelChange(reference, reversal.change);
    CChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        db.CopyTablesFrom(FullDemo());
        state.ResumeTiming();
        ChannelRows::OrderPlan plan;
        ChannelRows::PlanOrder(db, ChannelRows::ExportRows(reference), plan);
        ChannelRows::ApplyChannelChange(db, plan.change);
    }
}
BENCHMARK(ApplyOrder)->Unit(benchmark::kMillisecond);

void Check(benchmark::State& state)
{
    FullDemo();
    for (auto _ : state)
        benchmark::DoNotOptimize(ImageCheck::Check(FullDemo()));
}
BENCHMARK(Check)->Unit(benchmark::kMillisecond);

}  // namespace
