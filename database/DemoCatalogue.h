// What the demo image is made of: real satellites with real transponders,
// and plausible channel, bouquet and group names.
#pragma once

#include <cstdint>
#include <span>

namespace Demo {

struct TransponderPlan {
    std::uint16_t mhz;
    std::uint16_t symbolRate;
    char polarization;  // 'H' or 'V'
};

struct SatellitePlan {
    const char* name;
    int lnb;  // entry of the LNB list
    const char* bouquet;
    std::span<const TransponderPlan> transponders;
};

std::span<const SatellitePlan> RealSatellites();
std::span<const char* const> TvNames();
std::span<const char* const> RadioNames();
// Eight group names; the normal demo uses the first three.
std::span<const char* const> GroupNames();

}  // namespace Demo
