// The image of a receiver that holds no satellite, transponder, channel or
// favourite group: every table filled with its empty records, the system
// block with its marker and the position pairs of satellites without
// channels. New images are built on top of it.
#pragma once

class CChannelDatabase;

namespace BlankImage {

// Puts the blank large image into the raw buffer and splits it into the
// tables; the database then holds variant 2 data.
void Load(CChannelDatabase& db);

}  // namespace BlankImage
