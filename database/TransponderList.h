// Public transponder lists: satellites.xml and the dvbv5 DVB-S channel
// files, read into satellites with their transponders, and satellites.xml
// written from them. Positions are in tenths of a degree, east positive.
#pragma once

#include "PlaceholderText.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace TransponderList {

enum class Polarization : std::uint8_t { Horizontal, Vertical, Left, Right };
enum class DeliverySystem : std::uint8_t { DvbS, DvbS2 };

struct Transponder {
    std::uint32_t frequencyKhz = 0;
    std::uint32_t symbolRate = 0;  // symbols per second
    Polarization polarization = Polarization::Horizontal;
    DeliverySystem system = DeliverySystem::DvbS;

    bool operator==(const Transponder&) const = default;
};

struct Satellite {
    std::string name;  // UTF-8
    std::optional<int> position;  // a dvbv5 file's name may give none
    std::vector<Transponder> transponders;

    bool operator==(const Satellite&) const = default;
};

// Why a list is refused: the line, from 1, and the reason.
struct Refusal {
    int line = 0;
    PlaceholderText reason;
};

// Far more than any real list takes: a larger file is no transponder list.
constexpr std::uintmax_t kLargestList = 64u << 20;

// satellites.xml: <satellites>, its <sat name position> elements and their
// <transponder frequency symbol_rate polarization [system]> elements. Other
// elements and attributes are passed over. Nothing but a refusal is returned
// for a file that breaks a rule.
std::optional<Refusal> ReadSatellitesXml(std::string_view text, std::vector<Satellite>& satellites);
// The satellites that have a position, as satellites.xml reads them back.
std::string WriteSatellitesXml(std::span<const Satellite> satellites);

// A dvbv5 channel file: one satellite named after the file (its name without
// folders and extension), with the position that name gives, and a
// transponder for every [NAME] block.
std::optional<Refusal> ReadDvbChannelFile(std::string_view text, std::string_view fileName,
                                          Satellite& satellite);

// Either format, told by the text's first character other than white space
// ('<' is XML).
std::optional<Refusal> ReadList(std::string_view text, std::string_view fileName,
                                std::vector<Satellite>& satellites);

// --- Positions -------------------------------------------------------------------
// "19.2E", "5.0W".
std::string PositionText(int tenths);
// The whole text as a position: up to three digits, at most one decimal,
// then E or W, in any case; at most 180.0.
std::optional<int> ParsePosition(std::string_view text);
// The last word of a name that is a position ("ASTRA 19.2E", "THOR 1W",
// "Astra-19.2E", "Thor 5/6/7 (0.8W)"): a position between characters that
// are no letters, digits or points.
std::optional<int> PositionInName(std::string_view name);

}  // namespace TransponderList
