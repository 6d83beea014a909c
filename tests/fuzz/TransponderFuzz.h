// What the transponder list fuzzers check of every list that is taken: it
// writes as satellites.xml and reads back as itself, and updating the demo
// image from each of its first satellites keeps the image valid and changes
// the transponder count as the plan says, or nothing when refused.
#pragma once

#include "ChannelDatabase.h"
#include "DemoImage.h"
#include "ImageCheck.h"
#include "TransponderUpdate.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>

namespace TransponderFuzz {

[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// `choice` picks the options: bit 0 removes what the list lacks, bit 1 takes
// DVB-S2, bit 2 makes a new satellite.
inline void ExpectSound(const std::vector<TransponderList::Satellite>& satellites, unsigned choice)
{
    std::vector<TransponderList::Satellite> positioned, again;
    std::copy_if(satellites.begin(), satellites.end(), std::back_inserter(positioned),
                 [](const auto& satellite) { return satellite.position.has_value(); });
    if (TransponderList::ReadSatellitesXml(TransponderList::WriteSatellitesXml(satellites), again) ||
        again != positioned)
        Fail("a list that was taken does not read back as itself");

    static CChannelDatabase db;
    static const auto demo = [] {
        auto built = std::make_unique<CChannelDatabase>();
        Demo::Build(*built, Demo::Size::Normal);
        return built;
    }();
    const TransponderUpdate::Options options{.removeMissing = (choice & 1) != 0,
                                             .includeS2 = (choice & 2) != 0};
    for (std::size_t s = 0; s < satellites.size() && s < 4; ++s) {
        db.CopyTablesFrom(*demo);
        const int ours = choice & 4 ? TransponderUpdate::kNewSatellite : int(s);
        const TransponderUpdate::Plan plan = TransponderUpdate::MakePlan(db, ours, satellites[s], options);
        const TransponderUpdate::Summary summary = TransponderUpdate::Summarize(plan);
        const int before = db.GetTransponderCount();
        const bool refused = TransponderUpdate::Apply(db, plan).has_value();
        if (db.GetTransponderCount() != (refused ? before : before - summary.removed + summary.added))
            Fail("an update left another transponder count than its plan");
        if (!ImageCheck::CheckStructure(db).empty())
            Fail("an update broke the image");
    }
}

}  // namespace TransponderFuzz
