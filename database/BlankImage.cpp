#include "BlankImage.h"

#include "ChannelDatabase.h"

#include <cstring>

namespace BlankImage {

namespace {

// Regions the editor never interprets are left as erased flash reads.
constexpr std::uint8_t kErased = 0xFF;

template <class Record>
void FillSlots(std::uint8_t* region, std::size_t regionSize, int slots, const Record& empty)
{
    std::memset(region, kErased, regionSize);
    for (int i = 0; i < slots; ++i)
        std::memcpy(region + std::size_t(i) * sizeof(Record), &empty, sizeof(Record));
}

void FillSystemBlock(std::uint8_t* block)
{
    std::memset(block, 0, Image::kSystemSize);
    SystemInfo info{};
    info.marker = Image::kMarker;
    info.currentSatellite = Image::kSatelliteEnd;
    info.listMode = 1;  // all channels
    info.textColor = 5;  // "White"
    std::memcpy(block, &info, sizeof info);

    const std::uint16_t pair[2] = {Image::kCreatedTvPosition, Image::kCreatedRadioPosition};
    for (int sat = 0; sat < Image::kMaxSatellites; ++sat)
        std::memcpy(block + Image::kPositionPairsOffset + 4 * std::size_t(sat), pair, sizeof pair);
}

}  // namespace

void Load(CChannelDatabase& db)
{
    using namespace Image;
    std::uint8_t* raw = db.GetRawImage();
    std::memset(raw + kLeadingOffset, kErased, kLeadingSize);
    std::memset(raw + kBouquetOffset, 0, kBouquetSize);
    std::memset(raw + kGapOffset, kErased, kGapSize);

    ChannelRecord channel;
    CChannelDatabase::MakeEmptyChannel(channel);
    FillSlots(raw + kTvOffset, kTvSize, kMaxTvChannels, channel);
    FillSlots(raw + kRadioOffset, kRadioSize, kMaxRadioChannels, channel);
    TransponderRecord transponder;
    CChannelDatabase::MakeEmptyTransponder(transponder);
    FillSlots(raw + kTransponderOffset, kTransponderSize, kTransponderSlots, transponder);
    SatelliteRecord satellite;
    CChannelDatabase::MakeEmptySatellite(satellite);
    FillSlots(raw + kSatelliteOffset, kSatelliteSize, kSatelliteSlots, satellite);
    FillSystemBlock(raw + kSystemOffset);

    db.m_nVariant = 2;
    db.ImageToTables(2);
}

}  // namespace BlankImage
