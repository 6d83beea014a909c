// How the edit dialogs read a record into their lists and write their lists
// back into it. The dialogs and the command-line tool share these rules, so a
// record made by either is the same to the byte. A list index of -1 means the
// list has no selection.
#pragma once

#include "ImageFormat.h"

#include <cstdint>
#include <string>

class CChannelDatabase;

namespace Rules {

// --- Numeric entry fields ---------------------------------------------------
enum class Field { Ok, NotANumber, TooLarge };
// A field holds an unsigned decimal number when it is one or more digits.
// Larger than max is TooLarge (the text is still a number).
Field ParseUnsigned(const std::string& text, std::uint32_t max, std::uint32_t& value);
inline constexpr std::uint32_t kAnyNumber = 0xFFFFFFFFu;
inline constexpr std::uint32_t kWordMax = 0xFFFFu;

// --- Limits checked before an addition opens its dialog -----------------
// The refusal message, or nullptr when the addition may go on.
const char* SatelliteAddRefusal(const CChannelDatabase& db);
const char* TransponderAddRefusal(const CChannelDatabase& db);
const char* ChannelAddRefusal(const CChannelDatabase& db, ChannelKind kind);

// --- Satellites ---------------------------------------------------------------
struct SatelliteChoices {
    std::string name;
    int lnb = -1;
    int power = -1;  // index in the dialog's own 0V/12V order
    int voltage = -1;
    int tone22k = -1;
    int diseqc = -1;
};

// "SAT_" and n + 1, the name Satellite Add proposes for satellite n.
std::string ProposedSatelliteName(int n);
// Satellite Add's defaults for satellite n.
SatelliteChoices SatelliteAddDefaults(int n);
// Satellite Add's OK: every field of the record (power in the Add order).
void WriteAddedSatellite(SatelliteRecord& record, const SatelliteChoices& choices, int n);

// The LNB entry Satellite Edit selects for a stored pair ("5150" when none fits).
int LnbIndexForEdit(std::uint16_t high, std::uint16_t low);
// Satellite Edit's selections (power in the Edit order).
SatelliteChoices SatelliteEditChoices(const SatelliteRecord& record);
// Satellite Edit's OK: the name text and the listed fields only.
void WriteEditedSatellite(SatelliteRecord& record, const SatelliteChoices& choices);

// --- Transponders -------------------------------------------------------------
struct TransponderChoices {
    std::uint32_t frequencyMhz = 0;
    std::uint32_t symbolRate = 0;
    int polarization = 0;
};
TransponderChoices TransponderEditChoices(const TransponderRecord& record);
// Either dialog's OK after its fields were taken: the refusal message
// (Text::kTransponderEmpty), or nullptr after writing the three fields.
const char* WriteTransponder(TransponderRecord& record, const TransponderChoices& choices);
// A record as Transponder Add starts it: zero with its satellite set.
TransponderRecord NewTransponderFor(int sat);

// --- Channels -----------------------------------------------------------------
struct ChannelChoices {
    std::string name = "no name";
    std::uint32_t videoPid = 0;
    std::uint32_t audioPid = 0;
    std::uint32_t pcrPid = 0;
    int lock = 0;
    int skip = 0;
    int audio = 0;
    int scramble = 36;  // "FTA"
    std::string bouquet;
};
// Channel Edit's fields and selections for a slot and its bouquet text.
ChannelChoices ChannelEditChoices(const ChannelRecord& record, const char* bouquet, ChannelKind kind);
// The required values (name, audio and PCR PIDs, a TV channel's video PID);
// returns false when one is missing.
bool HasRequiredChannelValues(const ChannelChoices& choices, ChannelKind kind);
// Channel Add's OK: the first 40 bytes of a zero-filled slot, and the bouquet.
void WriteAddedChannel(ChannelRecord& record, BouquetEntry& bouquet, const ChannelChoices& choices,
                       std::uint16_t transponder, ChannelKind kind);
// Channel Edit's OK. Like the name, the bouquet gets its text and NUL only.
// A scrambled channel whose id matched no entry and whose Scramble list was
// left without a selection keeps its id and scramble bit.
void WriteEditedChannel(ChannelRecord& record, BouquetEntry& bouquet, const ChannelChoices& choices,
                        ChannelKind kind);
// Channel Edit's writing of its Scramble selection (an Entries::kCaSystems
// index); one outside the list (no selection) changes nothing.
void WriteScramble(ChannelRecord& record, int scramble);

// Channel Edit's rules for one flag choice, shared by the edit of many
// channels at once: Lock and Skip each own one bit; an Audio choice (an
// Entries::kAudio index) replaces all audio bits, and one outside the list
// keeps them.
std::uint8_t SwitchedFlag(std::uint8_t flags, std::uint8_t bit, bool on);
std::uint8_t WithAudio(std::uint8_t flags, int audio);

}  // namespace Rules
