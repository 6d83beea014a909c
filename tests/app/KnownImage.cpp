#include "KnownImage.h"

#include "RecordRules.h"
#include "SampleDatabase.h"

void AddSatellite(CChannelDatabase& db, const char* name)
{
    SatelliteRecord record{};
    Rules::SatelliteChoices choices = Rules::SatelliteAddDefaults(db.GetSatelliteCount());
    choices.name = name;
    Rules::WriteAddedSatellite(record, choices, db.GetSatelliteCount());
    db.AddSatellite(record);
}

void AddTransponder(CChannelDatabase& db, int sat, std::uint32_t mhz, std::uint32_t symbolRate, int pol)
{
    TransponderRecord record = Rules::NewTransponderFor(sat);
    Rules::WriteTransponder(record, {mhz, symbolRate, pol});
    db.AddTransponder(sat, record);
}

void AddChannel(CChannelDatabase& db, ChannelKind kind, int tp, const char* name, std::uint8_t flags,
                std::uint16_t caId, std::uint8_t mask)
{
    ChannelRecord record{};
    BouquetEntry bouquet{};
    Rules::ChannelChoices choices;
    choices.name = name;
    choices.videoPid = kind == kTv ? 101 : 0;
    choices.audioPid = 102;
    choices.pcrPid = 103;
    Rules::WriteAddedChannel(record, bouquet, choices, std::uint16_t(tp), kind);
    record.flags = flags;
    record.caSystemId = caId;
    record.favoriteMask = mask;
    db.AddChannel(record, bouquet.text, kind);
}

void BuildKnownImage(CChannelDatabase& db)
{
    AddSatellite(db, "Astra 19.2E");
    AddSatellite(db, "Hotbird 13E");
    AddTransponder(db, 0, 11778, 27500, 1);
    AddTransponder(db, 1, 3840, 4340, 0);
    AddTransponder(db, 0, 12000, 27500, 0);
    Sample::AddGroup(db, 0, "News");
    Sample::AddGroup(db, 2, "Sport");
    Sample::AddGroup(db, 7, "Kids");
    AddChannel(db, kTv, 0, "Das Erste", 0x12, 0x0501, 0xA0);
    AddChannel(db, kTv, 1, "Left Ch", 0x60, 0x0501, 0x01);
    AddChannel(db, kTv, 2, "Right Ch", 0x54, 0x05FF, 0x00);
    AddChannel(db, kTv, 0, "Std", 0x90, 0x0001, 0x20);
    AddChannel(db, kTv, 0, "Unknown CA", 0x10, 0x7700, 0x00);
    AddChannel(db, kRadio, 1, "Radio One", 0x00, 0xFFFF, 0x00);
    db.UpdateListContext();
}
