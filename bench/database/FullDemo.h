// The full demo image (every table at its limit), built once for all
// benchmarks that read it.
#pragma once

#include "ChannelDatabase.h"
#include "DemoImage.h"

#include <memory>

inline const CChannelDatabase& FullDemo()
{
    static const auto db = [] {
        auto built = std::make_unique<CChannelDatabase>();
        Demo::Build(*built, Demo::Size::Full);
        return built;
    }();
    return *db;
}
