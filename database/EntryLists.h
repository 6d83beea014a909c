// The fixed choice lists of the edit dialogs, in list order, with the codes
// each entry stores. The list index is what a dialog selects.
#pragma once

#include <array>
#include <cstdint>

namespace Entries {

struct LnbChoice {
    const char* label;
    std::uint16_t high;  // lnbHigh
    std::uint16_t low;  // lnbLow
};
inline constexpr std::array<LnbChoice, 9> kLnb{{
    {"5150", 5150, 5150},
    {"9750", 9750, 9750},
    {"10600", 10600, 10600},
    {"10750", 10750, 10750},
    {"11300", 11300, 11300},
    {"11475", 11475, 11475},
    {"Standard Universal", 10600, 9750},
    {"9750/10700", 10700, 9750},
    {"9750/10750", 10750, 9750},
}};
inline constexpr int kLnbStandardUniversal = 6;

// 0V/12V Control: the two satellite dialogs list the entries in opposite order.
inline constexpr std::array<const char*, 2> kPowerAddOrder{"ON", "OFF"};
inline constexpr std::array<const char*, 2> kPowerEditOrder{"OFF", "ON"};
inline constexpr std::array<const char*, 4> kVoltage{"AUTO", "13V", "18V", "OFF"};
inline constexpr std::array<const char*, 3> kTone22k{"AUTO", "ON", "OFF"};
inline constexpr std::array<const char*, 7> kDiseqc{"LNB1",   "LNB2",   "LNB3", "LNB4",
                                                    "TONE A", "TONE B", "OFF"};

inline constexpr std::array<const char*, 2> kPolarization{"Vertical", "Horizontal"};

inline constexpr std::array<const char*, 2> kOffOn{"OFF", "ON"};  // Lock, Skip
inline constexpr std::array<const char*, 3> kAudio{"STEREO", "RIGHT", "LEFT"};

struct CaSystem {
    const char* name;
    std::uint16_t id;
};
inline constexpr std::array<CaSystem, 37> kCaSystems{{
    {"Standard", 0x0001}, {"BARCO AS", 0x2301},     {"BetaCrypt", 0x1701}, {"CCETT", 0x0201},
    {"Conax", 0x0B01},    {"CryptoWorks", 0x0D01},  {"Deutsche", 0x0301},  {"Eurodec", 0x0401},
    {"European", 0x2601}, {"General Inst", 0x4701}, {"HPT", 0x1301},       {"HRT", 0x1401},
    {"IBM", 0x1501},      {"Irdeto", 0x0601},       {"Jerrold", 0x0701},   {"Matra", 0x0801},
    {"Mentor", 0x2501},   {"NagraVision", 0x1801},  {"NDS", 0x0901},       {"Nera", 0x1601},
    {"Nokia", 0x0A01},    {"NTL", 0x0C01},          {"PowerVu", 0x0E01},   {"SECA", 0x0101},
    {"Sony", 0x0F01},     {"StarGuide", 0x2401},    {"STENTOR", 0x2101},   {"Tadiran", 0x2201},
    {"Tandberg", 0x1001}, {"Telefonica", 0x2001},   {"Telemann", 0x4801},  {"Thomson", 0x1101},
    {"Titan", 0x1901},    {"TV/Com", 0x1201},       {"Viaccess", 0x0501},  {"Reserved", 0x0000},
    {"FTA", 0xFFFF},
}};
inline constexpr int kCaStandard = 0;
inline constexpr int kCaReserved = 35;
inline constexpr int kCaFta = 36;

// The entry a stored id matches: 0x0001 is "Standard", 0x0000 "Reserved",
// any other id the vendor entry with the same high byte; -1 when none does.
// "FTA" is never matched: free to air is told by the flags, not the id.
constexpr int CaSystemIndexOf(std::uint16_t id)
{
    if (id == 0x0001)
        return kCaStandard;
    if (id == 0x0000)
        return kCaReserved;
    for (int i = 1; i <= 34; ++i) {
        if (kCaSystems[std::size_t(i)].id == std::uint16_t((id & 0xFF00) + 1))
            return i;
    }
    return -1;
}

inline constexpr std::array<const char*, 13> kMenuLanguages{
    "English",  "Arabic",  "Turkish",   "Germany", "French",  "Italian", "Romanian",
    "Albanian", "Russian", "Bulgarian", "Serbian", "Persian", "Swedish"};
inline constexpr std::array<const char*, 4> kDisplayColors{"Blue", "Green", "Yellow", "Purple"};
inline constexpr std::array<const char*, 6> kTextColors{"Black",  "Blue",   "Green",
                                                        "Yellow", "Purple", "White"};

}  // namespace Entries
