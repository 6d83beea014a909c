// Transponder lists: reading a satellites.xml of 100 satellites with 100
// transponders each (under 100 ms), and updating a satellite of the full demo
// image from a list, deleting what the list lacks.
#include "ChannelDatabase.h"
#include "DemoImage.h"
#include "TransponderList.h"
#include "TransponderUpdate.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using TransponderList::Polarization;

TransponderList::Satellite ListSatellite(int s)
{
    TransponderList::Satellite satellite{"Satellite " + std::to_string(s), s * 30 - 1500, {}};
    for (int t = 0; t < 100; ++t)
        satellite.transponders.push_back(
            {std::uint32_t(10700000 + t * 19500 + s), 27500000, Polarization(t % 4),
             t % 3 ? TransponderList::DeliverySystem::DvbS : TransponderList::DeliverySystem::DvbS2});
    return satellite;
}

void ReadSatellitesXml(benchmark::State& state)
{
    std::vector<TransponderList::Satellite> satellites;
    for (int s = 0; s < 100; ++s)
        satellites.push_back(ListSatellite(s));
    // With the attributes published lists carry and the reader passes over.
    std::string text = TransponderList::WriteSatellitesXml(satellites);
    const std::string ignored = R"( fec_inner="3" modulation="2" rolloff="0" pilot="2")";
    for (std::size_t end = text.find(" />"); end != std::string::npos;
         end = text.find(" />", end + ignored.size() + 3))
        text.insert(end, ignored);
    for (auto _ : state) {
        std::vector<TransponderList::Satellite> read;
        if (TransponderList::ReadSatellitesXml(text, read) || read.size() != 100 ||
            read[99].transponders.size() != 100)
            state.SkipWithError("the list was not read whole");
        benchmark::DoNotOptimize(read.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(ReadSatellitesXml)->Unit(benchmark::kMillisecond);

void UpdateSatellite(benchmark::State& state)
{
    static const auto full = [] {
        auto built = std::make_unique<CChannelDatabase>();
        Demo::Build(*built, Demo::Size::Full);
        return built;
    }();
    const TransponderList::Satellite source = ListSatellite(0);
    CChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        db.CopyTablesFrom(*full);
        state.ResumeTiming();
        const TransponderUpdate::Plan plan =
            TransponderUpdate::MakePlan(db, 0, source, {.removeMissing = true, .includeS2 = true});
        benchmark::DoNotOptimize(TransponderUpdate::Apply(db, plan));
    }
}
BENCHMARK(UpdateSatellite)->Unit(benchmark::kMillisecond);

}  // namespace
