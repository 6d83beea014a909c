// A small image chosen to show every kind of cell text, and the helpers
// that build images for the window tests.
#pragma once

#include "ChannelDatabase.h"

#include <cstdint>

void AddSatellite(CChannelDatabase& db, const char* name);
void AddTransponder(CChannelDatabase& db, int sat, std::uint32_t mhz, std::uint32_t symbolRate, int pol);
// Adds a channel, then gives it the flags, CA id and group mask that the
// dialogs would not set by themselves.
void AddChannel(CChannelDatabase& db, ChannelKind kind, int tp, const char* name, std::uint8_t flags,
                std::uint16_t caId, std::uint8_t mask);

// Satellites "Astra 19.2E" (transponders 0 and 2) and "Hotbird 13E"
// (transponder 1); TV channels 0, 3, 4 on transponder 0, 1 on 1, 2 on 2;
// one radio channel on transponder 1; groups "News", "Sport", "Kids" in
// slots 0, 2 and 7.
void BuildKnownImage(CChannelDatabase& db);
