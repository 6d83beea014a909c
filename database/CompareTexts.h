// Why differences cannot be taken from the other side of a comparison: shared
// by the editor, which shows them translated, and the command-line tool.
#pragma once

namespace Text {

// %1 is the channel's name.
inline constexpr const char* kTakeWithoutTransponder = "'%1' cannot be added: it is on no transponder.";
// %1 is the transponder's frequency and polarization, e.g. "11362 H".
inline constexpr const char* kTakeWithoutSatellite =
    "The transponder %1 cannot be added: it belongs to no satellite.";

// %1 is the name of a favourite group a channel list names.
inline constexpr const char* kTakeGroupsFull =
    "The group '%1' cannot be created: every favourite group is in use.";

}  // namespace Text
