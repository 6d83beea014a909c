// Databases for the dialog tests, built with the database's own operations.
#pragma once

#include "ChannelDatabase.h"

#include <cstdint>
#include <string>

namespace Sample {

// Every table empty, system block marked, no group in use.
void MakeEmpty(CChannelDatabase& db);

// Satellites "SAT_1"...; transponder t on satellite t % satellites with
// frequency 10700 + t MHz; channel i of a kind on transponder i % transponders,
// named "TV i" or "R i", bouquet "B i", every third one scrambled (Irdeto).
void Fill(CChannelDatabase& db, int satellites, int transponders, int tv, int radio);

// Names group slot `slot` and marks it in use.
void AddGroup(CChannelDatabase& db, int slot, const char* name);

// The favourite mask of one channel.
std::uint8_t MaskOf(const CChannelDatabase& db, int index, ChannelKind kind);
void SetMask(CChannelDatabase& db, int index, ChannelKind kind, std::uint8_t mask);

}  // namespace Sample
