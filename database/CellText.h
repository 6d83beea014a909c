// The texts the lists show for records: made here once, without any widget
// code, for the main form, Favorite Group Edit and the command-line tool.
#pragma once

#include "ImageFormat.h"

#include <string>
#include <vector>

class CChannelDatabase;

namespace Cells {

inline constexpr const char* kAllSatellites = "'All Satellite'";
inline constexpr const char* kAllTransponders = "'All Transponder'";

// The words the channel cells show besides record data.
inline constexpr const char* kFreeToAir = "FTA";
inline constexpr const char* kCaStandard = "standard";
inline constexpr const char* kCaReserved = "reserved";
inline constexpr const char* kAudioLeft = "LEFT";
inline constexpr const char* kAudioRight = "RIGHT";
inline constexpr const char* kAudioStereo = "STEREO";
inline constexpr const char* kNoGroup = "NoGroup";
inline constexpr const char* kOn = "ON";
inline constexpr const char* kOff = "OFF";

enum class Align { Left, Center };
// What a column's cells hold: record data, only the system's own words (and
// the names of its CA list), kOn or kOff, or a group's name and kNoGroup for
// no group.
enum class Content { Data, Words, OnOff, Groups };
struct Column {
    const char* heading;
    Align align;
    int width;  // pixels
    Content content;
};
// Columns of a channel list; the radio list has no "V-PID" column.
const std::vector<Column>& ChannelColumns(ChannelKind kind);

std::string SatelliteText(const SatelliteRecord& satellite);
// "%-5d %-5d (%c)": whole MHz, symbol rate, H or V.
std::string TransponderText(const TransponderRecord& transponder);

std::string ScrambleText(const ChannelRecord& channel);
std::string AudioText(const ChannelRecord& channel);
// "NoGroup", or the lowest group's name, with "..." when there are more.
std::string FavoriteText(const CChannelDatabase& db, std::uint8_t favoriteMask);
std::string BouquetText(const CChannelDatabase& db, int slot, ChannelKind kind);

// Every cell of row `row` (slot `slot`) in column order.
std::vector<std::string> ChannelRow(const CChannelDatabase& db, int row, int slot, ChannelKind kind);

}  // namespace Cells
