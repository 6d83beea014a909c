#include "DemoCatalogue.h"

#include "EntryLists.h"

namespace Demo {

namespace {

constexpr TransponderPlan kAstra19[] = {
    {10744, 22000, 'H'}, {10773, 22000, 'H'}, {10788, 22000, 'V'}, {10832, 22000, 'H'}, {10847, 22000, 'V'},
    {10862, 22000, 'H'}, {10921, 22000, 'H'}, {10979, 22000, 'V'}, {11038, 22000, 'V'}, {11067, 22000, 'V'},
    {11097, 22000, 'V'}, {11244, 22000, 'H'}, {11273, 22000, 'H'}, {11362, 22000, 'H'}, {11494, 22000, 'H'},
    {11523, 22000, 'H'}, {11538, 22000, 'V'}, {11597, 22000, 'V'}, {11627, 22000, 'V'}, {11719, 27500, 'H'},
    {11739, 27500, 'V'}, {11758, 27500, 'H'}, {11778, 27500, 'V'}, {11836, 27500, 'H'}, {11953, 27500, 'H'},
    {12109, 27500, 'H'}, {12188, 27500, 'H'}, {12226, 27500, 'V'}, {12266, 27500, 'H'}, {12480, 27500, 'V'},
    {12544, 22000, 'H'}, {12603, 22000, 'V'},
};

constexpr TransponderPlan kHotbird13[] = {
    {10719, 27500, 'V'}, {10775, 29900, 'H'}, {10873, 27500, 'V'}, {10992, 27500, 'V'}, {11013, 29900, 'H'},
    {11034, 27500, 'V'}, {11137, 27500, 'H'}, {11200, 27500, 'V'}, {11240, 27500, 'V'}, {11334, 27500, 'H'},
    {11355, 27500, 'V'}, {11373, 27500, 'H'}, {11393, 27500, 'V'}, {11411, 27500, 'H'}, {11470, 27500, 'V'},
    {11604, 27500, 'H'}, {11623, 27500, 'V'}, {11642, 27500, 'H'}, {11727, 27500, 'V'}, {11747, 27500, 'H'},
    {11766, 27500, 'V'}, {12111, 27500, 'V'}, {12245, 27500, 'H'}, {12380, 27500, 'V'}, {12476, 29900, 'H'},
    {12520, 27500, 'V'}, {12597, 27500, 'V'},
};

constexpr TransponderPlan kAstra28[] = {
    {10714, 22000, 'H'}, {10729, 22000, 'V'}, {10758, 22000, 'V'}, {10788, 22000, 'V'},
    {10818, 22000, 'V'}, {10847, 23000, 'V'}, {10876, 22000, 'V'}, {10906, 22000, 'V'},
    {10936, 22000, 'V'}, {11426, 27500, 'H'}, {11464, 22000, 'H'}, {11954, 27500, 'H'},
    {12304, 27500, 'H'}, {12344, 27500, 'H'}, {12402, 27500, 'V'}, {12441, 27500, 'V'},
};

constexpr TransponderPlan kTurksat42[] = {
    {10962, 16666, 'H'}, {11012, 30000, 'V'}, {11053, 30000, 'H'}, {11096, 30000, 'H'},
    {11473, 5600, 'V'},  {11594, 4800, 'H'},  {11746, 17000, 'H'}, {11794, 30000, 'V'},
    {11916, 30000, 'V'}, {11958, 27500, 'V'}, {12015, 27500, 'V'}, {12130, 27500, 'V'},
    {12170, 27500, 'H'}, {12207, 27500, 'V'}, {12524, 30000, 'V'}, {12605, 30000, 'V'},
};

constexpr TransponderPlan kNilesat7W[] = {
    {10719, 27500, 'V'}, {10758, 27500, 'V'}, {10796, 27500, 'V'}, {10853, 27500, 'H'}, {10892, 27500, 'H'},
    {10971, 27500, 'H'}, {11013, 27500, 'H'}, {11219, 27500, 'H'}, {11373, 27500, 'H'}, {11411, 27500, 'H'},
    {11565, 27500, 'H'}, {11603, 27500, 'H'}, {11747, 27500, 'H'}, {11785, 27500, 'H'}, {11862, 27500, 'H'},
    {12034, 27500, 'V'}, {12111, 27500, 'V'}, {12226, 27500, 'V'}, {12303, 27500, 'V'},
};

constexpr TransponderPlan kThor1W[] = {
    {10778, 25000, 'V'}, {10872, 25000, 'H'}, {11216, 24500, 'V'}, {11247, 24500, 'V'},
    {11278, 24500, 'V'}, {11325, 24500, 'H'}, {11421, 24500, 'H'}, {12015, 28000, 'H'},
    {12207, 28000, 'V'}, {12284, 28000, 'V'}, {12380, 28000, 'H'}, {12418, 28000, 'V'},
};

constexpr TransponderPlan kEutelsat16[] = {
    {10721, 27500, 'H'}, {10804, 30000, 'H'}, {10845, 30000, 'V'}, {11221, 27500, 'V'},
    {11262, 30000, 'H'}, {11596, 30000, 'V'}, {11678, 30000, 'H'}, {12520, 27500, 'V'},
};

// C band, received with a 5150 MHz oscillator.
constexpr TransponderPlan kAsiasat105[] = {
    {3760, 26000, 'H'}, {3840, 4340, 'V'},  {3960, 27500, 'H'},
    {4000, 26000, 'H'}, {4091, 13240, 'V'}, {4148, 14400, 'H'},
};

constexpr int kUniversal = Entries::kLnbStandardUniversal;
constexpr int kCBand = 0;  // "5150"

constexpr SatellitePlan kSatellites[] = {
    {"ASTRA 19.2E", kUniversal, "ASTRA", kAstra19},        {"HOTBIRD 13E", kUniversal, "HOTBIRD", kHotbird13},
    {"ASTRA 28.2E", kUniversal, "ASTRA 2", kAstra28},      {"TURKSAT 42E", kUniversal, "TURKSAT", kTurksat42},
    {"NILESAT 7W", kUniversal, "NILESAT", kNilesat7W},     {"THOR 1W", kUniversal, "NORDIC", kThor1W},
    {"EUTELSAT 16E", kUniversal, "EUTELSAT", kEutelsat16}, {"ASIASAT 100.5E", kCBand, "ASIASAT", kAsiasat105},
};

constexpr const char* kTvNames[] = {
    "Das Erste",  "ZDF",       "RTL",      "SAT.1",       "ProSieben",    "VOX",        "kabel eins",
    "arte",       "3sat",      "KiKA",     "phoenix",     "n-tv",         "WELT",       "BR",
    "SWR",        "WDR",       "NDR",      "MDR",         "hr-fernsehen", "ORF 1",      "ORF 2",
    "SRF 1",      "Rai 1",     "Rai 2",    "Rai 3",       "Rai News 24",  "TVE Intl",   "TV5MONDE",
    "France 24",  "Euronews",  "BBC One",  "BBC Two",     "ITV",          "Channel 4",  "Channel 5",
    "Sky News",   "BBC News",  "CNN Intl", "Bloomberg",   "CNBC Europe",  "Al Jazeera", "TRT 1",
    "TRT Haber",  "Show TV",   "Star TV",  "ATV",         "Kanal D",      "NTV",        "Nile TV",
    "Al Masriya", "MBC 1",     "MBC 2",    "Dubai TV",    "Rotana",       "NRK1",       "SVT1",
    "DR1",        "TV 2",      "Polsat",   "TVP Polonia", "Nova",         "Mezzo",      "Fashion TV",
    "Travel",     "Eurosport", "Sport 1",  "Cartoon",     "Boomerang",    "Discovery",  "Nat Geo",
    "History",    "Film 1",    "Cinema 2", "Series+",     "Comedy",       "Music Box",  "VIVA",
    "Deluxe",     "Shopping",  "Weather",  "Parliament",  "Bible TV",     "Tele 5",     "DMAX",
};

constexpr const char* kRadioNames[] = {
    "Bayern 3",    "SWR3",    "WDR 2",        "NDR 2",  "hr3",    "MDR Jump",  "Deutschlandf", "DLF Kultur",
    "Antenne",     "Klassik", "BBC R1",       "BBC R2", "BBC R4", "BBC WS",    "Classic FM",   "Rai Radio 1",
    "Rai Radio 3", "RNE 1",   "France Inter", "RFI",    "TRT FM", "TRT Nagme", "Radio Swiss",  "NRK P1",
    "SR P1",       "DR P3",   "Radio Nile",   "Mix FM", "Jazz",   "Oldies",
};

constexpr const char* kGroupNames[] = {
    "News", "Movies", "Music", "Sports", "Kids", "Docu", "Series", "Local",
};

}  // namespace

std::span<const SatellitePlan> RealSatellites()
{
    return kSatellites;
}

std::span<const char* const> TvNames()
{
    return kTvNames;
}

std::span<const char* const> RadioNames()
{
    return kRadioNames;
}

std::span<const char* const> GroupNames()
{
    return kGroupNames;
}

}  // namespace Demo
