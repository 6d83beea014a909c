#include "DemoImage.h"

#include "BlankImage.h"
#include "ChannelDatabase.h"
#include "DemoCatalogue.h"
#include "EntryLists.h"
#include "RecordRules.h"

#include <cstdio>
#include <string>

namespace Demo {

namespace {

// In the full image one satellite carries this many transponders, so that a
// large satellite deletion can be measured.
constexpr int kCrowdedTransponders = 500;

// The CA systems scrambled channels use, in turn.
constexpr int kCaRotation[] = {13, 34, 4, 17, 5, 18, 23, 0};

void AddSatellite(CChannelDatabase& db, const std::string& name, int lnb, int diseqc)
{
    const int n = db.GetSatelliteCount();
    Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(n);
    choices.name = name;
    choices.lnb = lnb;
    choices.diseqc = diseqc;
    SatelliteRecord record{};
    Rules::WriteAddedSatellite(record, choices, n);
    db.AddSatellite(record);
}

void AddTransponder(CChannelDatabase& db, int sat, const TransponderPlan& plan)
{
    TransponderRecord record = Rules::NewTransponderFor(sat);
    Rules::WriteTransponder(record, {plan.mhz, plan.symbolRate, plan.polarization == 'H' ? 1 : 0});
    db.AddTransponder(sat, record);
}

// A synthetic Ku-band transponder: the k-th of its satellite.
TransponderPlan SyntheticTransponder(int k)
{
    constexpr std::uint16_t kRates[] = {27500, 22000, 30000, 29900};
    return {std::uint16_t(10700 + (k * 23) % 2050), kRates[k % 4], k % 2 ? 'H' : 'V'};
}

// Channel names repeat with a number once the catalogue is used up.
std::string NameFor(std::span<const char* const> names, int n)
{
    std::string name = names[std::size_t(n) % names.size()];
    const int round = n / int(names.size());
    if (round > 0)
        name = name.substr(0, 9) + " " + std::to_string(round + 1);
    return name;
}

std::string BouquetOf(const CChannelDatabase& db, int tp)
{
    TransponderRecord transponder;
    db.GetTransponder(transponder, tp);
    const auto real = RealSatellites();
    if (transponder.satelliteIndex < real.size())
        return real[transponder.satelliteIndex].bouquet;
    return "Bouquet " + std::to_string(transponder.satelliteIndex + 1);
}

// The n-th channel of its kind on transponder tp; PIDs follow the usual
// layout of a multiplex: video, audio and PCR of a service close together.
void AddChannel(CChannelDatabase& db, ChannelKind kind, int n, int tp, int onTransponder)
{
    Rules::ChannelChoices choices;
    const int base = 0x100 + 0x20 * (onTransponder % 48);
    if (kind == kTv) {
        choices.name = NameFor(TvNames(), n);
        choices.videoPid = std::uint32_t(base + 1);
        choices.audioPid = std::uint32_t(base + 2);
        choices.pcrPid = std::uint32_t(base + 1);
        if (n % 4 == 3)
            choices.scramble = kCaRotation[(n / 4) % std::size(kCaRotation)];
    } else {
        choices.name = NameFor(RadioNames(), n);
        choices.audioPid = std::uint32_t(0x1000 + base + 3);
        choices.pcrPid = choices.audioPid;
        if (n % 19 == 18)
            choices.scramble = kCaRotation[(n / 19) % std::size(kCaRotation)];
    }
    choices.lock = n % 29 == 7 ? 1 : 0;
    choices.skip = n % 31 == 11 ? 1 : 0;
    choices.audio = n % 23 == 5 ? 2 : n % 37 == 9 ? 1 : 0;
    choices.bouquet = BouquetOf(db, tp);

    ChannelRecord record{};
    BouquetEntry bouquet{};
    Rules::WriteAddedChannel(record, bouquet, choices, std::uint16_t(tp), kind);
    db.AddChannel(record, bouquet.text, kind);
}

void AddRealSatellites(CChannelDatabase& db)
{
    const auto satellites = RealSatellites();
    for (std::size_t s = 0; s < satellites.size(); ++s) {
        const SatellitePlan& plan = satellites[s];
        const int diseqc = s < 4 ? int(s) : 6;  // the first four on a DiSEqC switch
        AddSatellite(db, plan.name, plan.lnb, diseqc);
        for (const TransponderPlan& transponder : plan.transponders)
            AddTransponder(db, int(s), transponder);
    }
}

// Fills the satellite and transponder tables to their limits: one crowded
// satellite, the rest shared out evenly.
void AddSyntheticSatellites(CChannelDatabase& db)
{
    const int first = db.GetSatelliteCount();
    while (db.GetSatelliteCount() < Image::kMaxSatellites)
        AddSatellite(db, Rules::ProposedSatelliteName(db.GetSatelliteCount()), Entries::kLnbStandardUniversal,
                     6);
    for (int k = 0; k < kCrowdedTransponders; ++k)
        AddTransponder(db, first, SyntheticTransponder(k));

    const int others = Image::kMaxSatellites - first - 1;
    const int remaining = Image::kMaxTransponders - db.GetTransponderCount();
    for (int i = 0; i < others; ++i) {
        const int sat = first + 1 + i;
        const int share = remaining * (i + 1) / others - remaining * i / others;
        for (int k = 0; k < share; ++k)
            AddTransponder(db, sat, SyntheticTransponder(k));
    }
}

// Spreads `count` channels of a kind over the transponders in table order.
void AddChannels(CChannelDatabase& db, ChannelKind kind, int count)
{
    const int transponders = db.GetTransponderCount();
    int previous = -1, onTransponder = 0;
    for (int n = 0; n < count; ++n) {
        const int tp = int(std::int64_t(n) * transponders / count);
        onTransponder = tp == previous ? onTransponder + 1 : 0;
        previous = tp;
        AddChannel(db, kind, n, tp, onTransponder);
    }
}

// What Favorite Group Edit writes: names, memberships and groupsInUse.
void AddGroups(CChannelDatabase& db, int groups)
{
    const auto names = GroupNames();
    SystemInfo info;
    db.GetSystemInfo(info);
    for (int g = 0; g < groups; ++g) {
        FavoriteGroupRecord group{};
        std::snprintf(group.name, sizeof group.name, "%s", names[std::size_t(g)]);
        db.SetGroup(group, g);
        info.groupsInUse |= GroupBit(g);
    }
    db.SetSystemInfo(info);

    for (ChannelKind kind : kChannelKinds) {
        const int count = db.GetChannelCount(kind);
        for (int i = 0; i < count; ++i) {
            ChannelRecord channel;
            db.GetChannel(channel, i, kind);
            const int g = kind == kRadio ? (i % 3 == 0 ? 2 % groups : -1) : (i * 7 + 3) % 11;
            if (g >= 0 && g < groups)
                channel.favoriteMask |= GroupBit(g);
            if (kind == kTv && i % 13 == 0)
                channel.favoriteMask |= GroupBit(0);
            db.SetChannel(channel, i, kind);
        }
    }
    db.RecountGroups();
    db.UpdateListContext();
}

// What the System Information dialog writes, and the receiver's last list.
void SetSystemSettings(CChannelDatabase& db)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    info.menuLanguage = 0;  // "English"
    info.textColor = 5;  // "White"
    info.displayColor = 0;  // "Blue"
    info.listMode = 0;  // the channels of one satellite
    info.currentSatellite = 0;
    info.currentGroup = 1;
    info.serviceType = 0;
    db.SetSystemInfo(info);
}

}  // namespace

void Build(CChannelDatabase& db, Size size)
{
    BlankImage::Load(db);
    AddRealSatellites(db);
    if (size == Size::Full) {
        AddSyntheticSatellites(db);
        AddChannels(db, kTv, Image::kMaxTvChannels);
        AddChannels(db, kRadio, Image::kMaxRadioChannels);
        AddGroups(db, Image::kGroupCount);
    } else {
        AddChannels(db, kTv, 320);
        AddChannels(db, kRadio, 96);
        AddGroups(db, 3);
    }
    SetSystemSettings(db);
    db.UpdateListContext();
}

std::vector<std::uint8_t> ImageBytes(Size size)
{
    CChannelDatabase db;
    Build(db, size);
    db.TablesToWorkImage();
    return std::vector<std::uint8_t>(db.GetWorkImage(), db.GetWorkImage() + Image::kLargeSize);
}

}  // namespace Demo
