// What the demo image is made of: real satellites with real transponders,
// and plausible channel, bouquet and group names.
#pragma once

#include <cstdint>
#include <span>

namespace Demo {

struct TransponderSpec {
    std::uint16_t mhz;
    std::uint16_t symbolRate;
    char polarization;  // 'H' or 'V'
};

struct SatelliteSpec {
    const char* name;
    int lnb;  // entry of the LNB list
    const char* bouquet;
    std::span<const TransponderSpec> transponders;
};

std::span<const SatelliteSpec> RealSatellites();
std::span<const char* const> TvNames();
std::span<const char* const> RadioNames();
// Eight group names; the normal demo uses the first three.
std::span<const char* const> GroupNames();

}  // namespace Demo
