#include "RecordRules.h"

#include "ChannelDatabase.h"
#include "EntryLists.h"
#include "SystemTexts.h"

#include <algorithm>
#include <cstring>

namespace Rules {

namespace {

template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, FieldTextLength(field));
}

template <std::size_t N> void CopyNameWithNul(char (&field)[N], const std::string& text)
{
    // A text the person left as it was keeps its bytes, also one that fills
    // the whole field without a NUL.
    if (text == FieldText(field))
        return;
    const std::size_t n = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

bool InRange(int index, std::size_t size)
{
    return index >= 0 && std::size_t(index) < size;
}

}  // namespace

Field ParseUnsigned(const std::string& text, std::uint32_t max, std::uint32_t& value)
{
    if (text.empty() || text.size() > 10)
        return Field::NotANumber;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return Field::NotANumber;
        v = v * 10 + std::uint64_t(c - '0');
    }
    if (v > 0xFFFFFFFFull)
        return Field::NotANumber;
    if (v > max)
        return Field::TooLarge;
    value = std::uint32_t(v);
    return Field::Ok;
}

const char* SatelliteAddRefusal(const CChannelDatabase& db)
{
    return db.GetSatelliteCount() >= Image::kMaxSatellites ? Text::kSatellitesFull : nullptr;
}

const char* TransponderAddRefusal(const CChannelDatabase& db)
{
    return db.GetTransponderCount() >= Image::kMaxTransponders ? Text::kTranspondersFull : nullptr;
}

const char* ChannelAddRefusal(const CChannelDatabase& db, ChannelKind kind)
{
    if (db.GetChannelCount(kind) < ChannelCapacity(kind))
        return nullptr;
    return kind == kRadio ? Text::kRadioFull : Text::kTvFull;
}

// --- Satellites ---------------------------------------------------------------

std::string ProposedSatelliteName(int n)
{
    return "SAT_" + std::to_string(n + 1);
}

SatelliteChoices SatelliteAddDefaults(int n)
{
    SatelliteChoices c;
    c.name = ProposedSatelliteName(n);
    c.lnb = Entries::kLnbStandardUniversal;
    c.power = 1;  // "OFF" in the Add order
    c.voltage = 0;
    c.tone22k = 0;
    c.diseqc = 6;
    return c;
}

void WriteAddedSatellite(SatelliteRecord& r, const SatelliteChoices& c, int n)
{
    CopyNameWithNul(r.name, c.name);
    r.index = std::uint16_t(n);
    r.lnbPower = c.power == 0 ? 1 : 0;
    if (InRange(c.lnb, Entries::kLnb.size())) {
        r.lnbHigh = Entries::kLnb[std::size_t(c.lnb)].high;
        r.lnbLow = Entries::kLnb[std::size_t(c.lnb)].low;
    }
    r.tone22k = std::uint8_t(InRange(c.tone22k, 2) ? c.tone22k : 2);
    r.voltage = std::uint8_t(InRange(c.voltage, 3) ? c.voltage : 3);
    r.diseqc = std::uint8_t(InRange(c.diseqc, 6) ? c.diseqc : 6);
    std::memset(r.reserved27, 0, sizeof r.reserved27);
    r.tvPosition = Image::kCreatedTvPosition;
    r.radioPosition = Image::kCreatedRadioPosition;
    r.tvCount = 0;
    r.radioCount = 0;
    r.createdMark = 100;
    std::memset(r.reserved39, 0, sizeof r.reserved39);
    r.reserved42 = 0;
}

int LnbIndexForEdit(std::uint16_t high, std::uint16_t low)
{
    for (std::size_t i = 0; i < Entries::kLnb.size(); ++i) {
        if (Entries::kLnb[i].high == high && Entries::kLnb[i].low == low)
            return int(i);
    }
    return 0;
}

SatelliteChoices SatelliteEditChoices(const SatelliteRecord& r)
{
    SatelliteChoices c;
    c.name = FieldText(r.name);
    c.lnb = LnbIndexForEdit(r.lnbHigh, r.lnbLow);
    c.power = r.lnbPower <= 1 ? r.lnbPower : -1;
    c.voltage = r.voltage < Entries::kVoltage.size() ? r.voltage : -1;
    c.tone22k = r.tone22k < Entries::kTone22k.size() ? r.tone22k : -1;
    c.diseqc = r.diseqc < Entries::kDiseqc.size() ? r.diseqc : -1;
    return c;
}

void WriteEditedSatellite(SatelliteRecord& r, const SatelliteChoices& c)
{
    CopyNameWithNul(r.name, c.name);
    if (InRange(c.voltage, Entries::kVoltage.size()))
        r.voltage = std::uint8_t(c.voltage);
    if (InRange(c.tone22k, Entries::kTone22k.size()))
        r.tone22k = std::uint8_t(c.tone22k);
    if (InRange(c.diseqc, Entries::kDiseqc.size()))
        r.diseqc = std::uint8_t(c.diseqc);
    if (InRange(c.lnb, Entries::kLnb.size())) {
        r.lnbHigh = Entries::kLnb[std::size_t(c.lnb)].high;
        r.lnbLow = Entries::kLnb[std::size_t(c.lnb)].low;
    }
    r.lnbPower = c.power == 0 ? 0 : 1;
}

// --- Transponders -------------------------------------------------------------

TransponderChoices TransponderEditChoices(const TransponderRecord& r)
{
    TransponderChoices c;
    c.frequencyMhz = r.frequency / 1000;
    c.symbolRate = r.symbolRate;
    c.polarization = r.polarization != 0 ? 1 : 0;
    return c;
}

const char* WriteTransponder(TransponderRecord& r, const TransponderChoices& c)
{
    if (c.frequencyMhz == 0 || c.symbolRate == 0)
        return Text::kTransponderEmpty;
    r.frequency = c.frequencyMhz * 1000;
    r.symbolRate = std::uint16_t(c.symbolRate);
    r.polarization = c.polarization == 0 ? 0 : 1;
    return nullptr;
}

TransponderRecord NewTransponderFor(int sat)
{
    TransponderRecord r{};
    r.satelliteIndex = std::uint16_t(sat);
    return r;
}

// --- Channels -----------------------------------------------------------------

ChannelChoices ChannelEditChoices(const ChannelRecord& r, const char* bouquet, ChannelKind kind)
{
    using namespace ChannelFlag;
    ChannelChoices c;
    c.name = FieldText(r.name);
    char text[21] = {};
    std::memcpy(text, bouquet, 20);
    c.bouquet = text;
    c.audioPid = r.audioPid;
    c.pcrPid = r.pcrPid;
    c.videoPid = kind == kTv ? r.videoPid : 0;
    c.lock = (r.flags & kLocked) ? 1 : 0;
    c.skip = (r.flags & kSkipped) ? 1 : 0;
    c.audio = -1;
    if ((r.flags & kAudioBits) == 0)
        c.audio = 0;
    if (r.flags & kAudioRight)
        c.audio = 1;
    if (r.flags & kAudioLeft)
        c.audio = 2;
    c.scramble = (r.flags & kScrambled) ? Entries::CaSystemIndexOf(r.caSystemId) : Entries::kCaFta;
    return c;
}

bool HasRequiredChannelValues(const ChannelChoices& c, ChannelKind kind)
{
    return !c.name.empty() && c.audioPid != 0 && c.pcrPid != 0 && (kind != kTv || c.videoPid != 0);
}

namespace {

std::uint8_t AudioBits(int audio)
{
    if (audio == 1)
        return ChannelFlag::kAudioRight;
    if (audio == 2)
        return ChannelFlag::kAudioLeft;
    return 0;
}

void WriteBouquet(BouquetEntry& bouquet, const std::string& text)
{
    std::memset(bouquet.text, 0, sizeof bouquet.text);
    CopyNameWithNul(bouquet.text, text);
}

}  // namespace

void WriteAddedChannel(ChannelRecord& r, BouquetEntry& bouquet, const ChannelChoices& c,
                       std::uint16_t transponder, ChannelKind kind)
{
    using namespace ChannelFlag;
    std::memset(&r, 0, kChannelRecordProper);
    r.transponderIndex = transponder;
    r.status = 1;
    r.audioPid = std::uint16_t(c.audioPid);
    r.videoPid = kind == kTv ? std::uint16_t(c.videoPid) : 0;
    r.pcrPid = std::uint16_t(c.pcrPid);
    r.auxPid = 0x3FFF;
    std::uint8_t flags = 0;
    if (c.lock == 1)
        flags |= kLocked;
    if (c.skip == 1)
        flags |= kSkipped;
    const int scramble = InRange(c.scramble, Entries::kCaSystems.size()) ? c.scramble : Entries::kCaFta;
    if (scramble != Entries::kCaFta)
        flags |= kScrambled;
    flags |= AudioBits(c.audio);
    r.flags = flags;
    CopyNameWithNul(r.name, c.name);
    r.caSystemId = Entries::kCaSystems[std::size_t(scramble)].id;
    WriteBouquet(bouquet, c.bouquet);
}

void WriteEditedChannel(ChannelRecord& r, BouquetEntry& bouquet, const ChannelChoices& c, ChannelKind kind)
{
    using namespace ChannelFlag;
    CopyNameWithNul(r.name, c.name);
    if (kind == kTv)
        r.videoPid = std::uint16_t(c.videoPid);
    r.audioPid = std::uint16_t(c.audioPid);
    r.pcrPid = std::uint16_t(c.pcrPid);
    r.flags = SwitchedFlag(r.flags, kLocked, c.lock == 1);
    r.flags = SwitchedFlag(r.flags, kSkipped, c.skip == 1);
    r.flags = WithAudio(r.flags, c.audio);
    WriteScramble(r, c.scramble);
    CopyNameWithNul(bouquet.text, c.bouquet);
}

std::uint8_t SwitchedFlag(std::uint8_t flags, std::uint8_t bit, bool on)
{
    return std::uint8_t(on ? flags | bit : flags & ~bit);
}

std::uint8_t WithAudio(std::uint8_t flags, int audio)
{
    if (!InRange(audio, Entries::kAudio.size()))
        return flags;
    return std::uint8_t((flags & ~ChannelFlag::kAudioBits) | AudioBits(audio));
}

void WriteScramble(ChannelRecord& r, int scramble)
{
    if (scramble == Entries::kCaFta) {
        r.flags &= std::uint8_t(~ChannelFlag::kScrambled);
        r.caSystemId = 0xFFFF;
    } else if (InRange(scramble, Entries::kCaSystems.size())) {
        r.flags |= ChannelFlag::kScrambled;
        r.caSystemId = Entries::kCaSystems[std::size_t(scramble)].id;
    }
}

}  // namespace Rules
