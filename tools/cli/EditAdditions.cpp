// Adding satellites, transponders and channels as the Add commands and their
// dialogs do: the limits are checked before anything else, then the fields in
// the dialog's order.
#include "ChannelDatabase.h"
#include "EditOperations.h"
#include "RecordRules.h"
#include "SystemTexts.h"

namespace {

// Longest texts the dialogs' edit fields take.
constexpr std::size_t kSatelliteNameMax = 15;
constexpr std::size_t kChannelNameMax = 12;
constexpr std::size_t kBouquetMax = 19;
constexpr std::uint32_t kFiveDigits = 99999;

Outcome CheckLength(const std::string& text, std::size_t max, const char* what)
{
    if (text.size() > max)
        return UsageError(std::string(what) + " '" + text + "' is longer than " + std::to_string(max) +
                          " characters");
    return Succeeded();
}

// A 16-bit numeric field as the dialogs take it.
Outcome ParseWordField(const std::string& text, std::uint32_t& value)
{
    switch (Rules::ParseUnsigned(text, Rules::kWordMax, value)) {
    case Rules::Field::Ok: return Succeeded();
    case Rules::Field::TooLarge: return Refused(Text::kAbove65535);
    case Rules::Field::NotANumber: break;
    }
    return Refused(Text::kPositiveInteger);
}

}  // namespace

Outcome AddSatellite(CChannelDatabase& db, Arguments args)
{
    if (const char* refusal = Rules::SatelliteAddRefusal(db))
        return Refused(refusal);
    const std::string& name = args[0];
    if (Outcome length = CheckLength(name, kSatelliteNameMax, "satellite name"); length.status != Exit::kOk)
        return length;
    if (name.empty())
        return Refused(Text::kSatelliteNameEmptyAdd);

    const int n = db.GetSatelliteCount();
    Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(n);
    choices.name = name;
    SatelliteRecord record{};
    Rules::WriteAddedSatellite(record, choices, n);
    db.AddSatellite(record);
    return Succeeded();
}

Outcome AddTransponder(CChannelDatabase& db, Arguments args)
{
    int sat = 0;
    if (Outcome parsed = ParseIndex(args[0], db.GetSatelliteCount(), "satellite", sat);
        parsed.status != Exit::kOk)
        return parsed;
    if (const char* refusal = Rules::TransponderAddRefusal(db))
        return Refused(refusal);
    if (args[3] != "V" && args[3] != "H")
        return UsageError("polarization '" + args[3] + "' is neither V nor H");

    Rules::TransponderChoices choices;
    choices.polarization = args[3] == "H" ? 1 : 0;
    if (Outcome parsed = ParseWordField(args[2], choices.symbolRate); parsed.status != Exit::kOk)
        return parsed;
    switch (Rules::ParseUnsigned(args[1], kFiveDigits, choices.frequencyMhz)) {
    case Rules::Field::Ok: break;
    case Rules::Field::TooLarge: return UsageError("MHZ takes at most 5 digits: " + args[1]);
    case Rules::Field::NotANumber: return Refused(Text::kPositiveInteger);
    }

    TransponderRecord record = Rules::NewTransponderFor(sat);
    if (const char* refusal = Rules::WriteTransponder(record, choices))
        return Refused(refusal);
    db.AddTransponder(sat, record);
    return Succeeded();
}

Outcome AddChannel(CChannelDatabase& db, Arguments args)
{
    ChannelKind kind = kTv;
    if (Outcome parsed = ParseChannelKind(args[0], kind); parsed.status != Exit::kOk)
        return parsed;
    int tp = 0;
    if (Outcome parsed = ParseIndex(args[1], db.GetTransponderCount(), "transponder", tp);
        parsed.status != Exit::kOk)
        return parsed;
    if (const char* refusal = Rules::ChannelAddRefusal(db, kind))
        return Refused(refusal);

    Rules::ChannelChoices choices;
    choices.name = args[2];
    choices.bouquet = args.size() > 6 ? args[6] : std::string();
    if (Outcome length = CheckLength(choices.name, kChannelNameMax, "channel name");
        length.status != Exit::kOk)
        return length;
    if (Outcome length = CheckLength(choices.bouquet, kBouquetMax, "bouquet"); length.status != Exit::kOk)
        return length;
    // Channel Add takes the PCR PID, then the video PID (disabled for a
    // radio channel), then the audio PID.
    if (Outcome parsed = ParseWordField(args[5], choices.pcrPid); parsed.status != Exit::kOk)
        return parsed;
    if (kind == kTv) {
        if (Outcome parsed = ParseWordField(args[3], choices.videoPid); parsed.status != Exit::kOk)
            return parsed;
    }
    if (Outcome parsed = ParseWordField(args[4], choices.audioPid); parsed.status != Exit::kOk)
        return parsed;
    if (!Rules::HasRequiredChannelValues(choices, kind))
        return Refused(Text::kChannelEmptyAdd);

    ChannelRecord record{};
    BouquetEntry bouquet{};
    Rules::WriteAddedChannel(record, bouquet, choices, std::uint16_t(tp), kind);
    db.AddChannel(record, bouquet.text, kind);
    return Succeeded();
}
