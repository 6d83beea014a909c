// Byte layout of the receiver's data image: variants, regions, records and
// the values that end a table or mark an empty slot.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "records are read from the image in place; the image is little-endian");

namespace Image {

// Whole images.
inline constexpr std::size_t kSmallSize = 0x60800;  // variant 1
inline constexpr std::size_t kLargeSize = 0xA0800;  // variant 2, always written
inline constexpr std::size_t kSmallMarkerOffset = 0x60000;
inline constexpr std::size_t kLargeMarkerOffset = 0xA0000;
inline constexpr std::uint8_t kMarker = 0x5A;

// Regions of the large layout.
inline constexpr std::size_t kLeadingOffset = 0x00000, kLeadingSize = 0x10000;
inline constexpr std::size_t kBouquetOffset = 0x10000, kBouquetSize = 0x20000;
inline constexpr std::size_t kGapOffset = 0x30000, kGapSize = 0x10000;
inline constexpr std::size_t kTvOffset = 0x40000, kTvSize = 0x30000;
inline constexpr std::size_t kRadioOffset = 0x70000, kRadioSize = 0x10000;
inline constexpr std::size_t kTransponderOffset = 0x80000, kTransponderSize = 0x10000;
inline constexpr std::size_t kSatelliteOffset = 0x90000, kSatelliteSize = 0x10000;
inline constexpr std::size_t kSystemOffset = 0xA0000, kSystemSize = 0x800;

// A small image is the tail of a large one from this offset on.
inline constexpr std::size_t kSmallShift = 0x40000;

// Limits the editor keeps, and the values that end a table.
inline constexpr int kMaxSatellites = 300;
inline constexpr int kMaxTransponders = 4000;
inline constexpr int kMaxTvChannels = 4467;
inline constexpr int kMaxRadioChannels = 1489;
inline constexpr int kGroupCount = 8;

inline constexpr std::uint16_t kSatelliteEnd = 300;
inline constexpr std::uint16_t kTransponderEnd = 300;  // in satelliteIndex
inline constexpr std::uint16_t kChannelEnd = 4000;  // in transponderIndex

// Slots the satellite and transponder regions have room for. The channel
// regions hold exactly their capacity; the bytes after the last slot are
// carried unchanged.
inline constexpr int kSatelliteSlots = int(kSatelliteSize / 44);
inline constexpr int kTransponderSlots = int(kTransponderSize / 16);

// Bouquet table: one 20-byte entry per channel slot.
inline constexpr std::size_t kBouquetEntrySize = 20;
inline constexpr std::size_t kRadioBouquetStart = 89340;  // 4467 * 20
inline constexpr std::uint8_t kBouquetDeleted = 0xFF;

// System block.
inline constexpr std::size_t kSystemInfoSize = 64;
inline constexpr std::size_t kGroupTableOffset = 64;
inline constexpr std::size_t kPositionPairsOffset = 256;
inline constexpr std::uint16_t kCreatedTvPosition = 4914;
inline constexpr std::uint16_t kCreatedRadioPosition = 1638;

}  // namespace Image

// Which of the two channel tables: the value is also the table's index in
// the figures kept per kind.
enum class ChannelKind : int { kTv = 0, kRadio = 1 };
using enum ChannelKind;
inline constexpr std::array<ChannelKind, 2> kChannelKinds{kTv, kRadio};

// The index of a kind's entry in arrays kept per kind.
inline constexpr std::size_t KindIndex(ChannelKind kind)
{
    return std::size_t(kind);
}

inline constexpr int ChannelCapacity(ChannelKind kind)
{
    return kind == kRadio ? Image::kMaxRadioChannels : Image::kMaxTvChannels;
}

struct SatelliteRecord {
    char name[16];
    std::uint16_t index;
    std::uint8_t lnbPower;
    std::uint8_t reserved19;
    std::uint16_t lnbHigh;
    std::uint16_t lnbLow;
    std::uint8_t tone22k;
    std::uint8_t voltage;
    std::uint8_t diseqc;
    std::uint8_t reserved27[3];
    std::uint16_t tvPosition;
    std::uint16_t radioPosition;
    std::uint16_t tvCount;
    std::uint16_t radioCount;
    std::uint8_t createdMark;  // 100 when the editor creates the satellite
    std::uint8_t reserved39[3];
    std::uint16_t reserved42;
};
static_assert(sizeof(SatelliteRecord) == 44);
static_assert(offsetof(SatelliteRecord, index) == 16);
static_assert(offsetof(SatelliteRecord, lnbPower) == 18);
static_assert(offsetof(SatelliteRecord, lnbHigh) == 20);
static_assert(offsetof(SatelliteRecord, lnbLow) == 22);
static_assert(offsetof(SatelliteRecord, tone22k) == 24);
static_assert(offsetof(SatelliteRecord, voltage) == 25);
static_assert(offsetof(SatelliteRecord, diseqc) == 26);
static_assert(offsetof(SatelliteRecord, tvPosition) == 30);
static_assert(offsetof(SatelliteRecord, radioPosition) == 32);
static_assert(offsetof(SatelliteRecord, tvCount) == 34);
static_assert(offsetof(SatelliteRecord, radioCount) == 36);
static_assert(offsetof(SatelliteRecord, createdMark) == 38);
static_assert(offsetof(SatelliteRecord, reserved42) == 42);

struct TransponderRecord {
    std::uint16_t satelliteIndex;
    std::uint8_t reserved2;  // 0xFF in an empty slot
    std::uint8_t reserved3;
    std::uint16_t symbolRate;
    std::uint16_t reserved6;
    std::uint32_t frequency;  // kHz
    std::uint8_t reserved12;  // 0xFF in an empty slot
    std::uint8_t polarization;  // 0 vertical, anything else horizontal
    std::uint8_t reserved14[2];  // 0xFF in an empty slot
};
static_assert(sizeof(TransponderRecord) == 16);
static_assert(offsetof(TransponderRecord, symbolRate) == 4);
static_assert(offsetof(TransponderRecord, frequency) == 8);
static_assert(offsetof(TransponderRecord, reserved12) == 12);
static_assert(offsetof(TransponderRecord, polarization) == 13);
static_assert(offsetof(TransponderRecord, reserved14) == 14);

// Bits of ChannelRecord::flags.
namespace ChannelFlag {
inline constexpr std::uint8_t kLocked = 0x02;
inline constexpr std::uint8_t kSkipped = 0x04;
inline constexpr std::uint8_t kScrambled = 0x10;
inline constexpr std::uint8_t kAudioLeft = 0x20;
inline constexpr std::uint8_t kAudioRight = 0x40;
inline constexpr std::uint8_t kAudioBits = 0xE0;
}  // namespace ChannelFlag

// One 44-byte slot; the first 40 bytes are the record proper.
struct ChannelRecord {
    std::uint16_t transponderIndex;
    std::uint16_t status;
    std::uint16_t audioPid;
    std::uint16_t videoPid;
    std::uint16_t pcrPid;
    std::uint16_t auxPid;
    std::uint8_t flags;
    std::uint8_t favoriteMask;  // bit 0x80 >> g: member of group slot g
    std::uint8_t spare;
    char name[17];
    std::uint16_t auxWord;
    std::uint16_t caSystemId;
    std::uint8_t reserved36[4];
    std::uint8_t tail[4];
};
static_assert(sizeof(ChannelRecord) == 44);
static_assert(offsetof(ChannelRecord, status) == 2);
static_assert(offsetof(ChannelRecord, audioPid) == 4);
static_assert(offsetof(ChannelRecord, videoPid) == 6);
static_assert(offsetof(ChannelRecord, pcrPid) == 8);
static_assert(offsetof(ChannelRecord, auxPid) == 10);
static_assert(offsetof(ChannelRecord, flags) == 12);
static_assert(offsetof(ChannelRecord, favoriteMask) == 13);
static_assert(offsetof(ChannelRecord, spare) == 14);
static_assert(offsetof(ChannelRecord, name) == 15);
static_assert(offsetof(ChannelRecord, auxWord) == 32);
static_assert(offsetof(ChannelRecord, caSystemId) == 34);
static_assert(offsetof(ChannelRecord, tail) == 40);
inline constexpr std::size_t kChannelRecordProper = 40;

// Two channels of one table with the same key are duplicates: the same
// transponder and PIDs.
inline std::uint64_t DuplicateKey(const ChannelRecord& channel)
{
    return std::uint64_t(channel.transponderIndex) << 48 | std::uint64_t(channel.videoPid) << 32 |
           std::uint64_t(channel.audioPid) << 16 | channel.pcrPid;
}

struct BouquetEntry {
    char text[20];
};
static_assert(sizeof(BouquetEntry) == Image::kBouquetEntrySize);

struct FavoriteGroupRecord {
    std::uint8_t reserved0[4];
    std::uint16_t tvCount;
    std::uint16_t radioCount;
    char name[8];
};
static_assert(sizeof(FavoriteGroupRecord) == 16);
static_assert(offsetof(FavoriteGroupRecord, tvCount) == 4);
static_assert(offsetof(FavoriteGroupRecord, radioCount) == 6);
static_assert(offsetof(FavoriteGroupRecord, name) == 8);

// The first 64 bytes of the system block.
struct SystemInfo {
    std::uint8_t marker;
    std::uint8_t reserved1;
    std::uint16_t currentSatellite;  // 300: none
    std::uint8_t currentGroup;  // 1..8, 0: none
    std::uint8_t reserved5;
    std::uint16_t cleared6;
    std::uint16_t cleared8;
    std::uint16_t listTvCount;
    std::uint16_t listRadioCount;
    std::uint8_t menuLanguage;
    std::uint8_t reserved15[18];
    std::uint8_t groupsInUse;
    std::uint8_t reserved34[5];
    std::uint8_t textColor;
    std::uint8_t reserved40[6];
    std::uint8_t serviceType;  // 0 TV, 1 radio
    std::uint8_t displayColor;
    std::uint8_t listMode;  // 0 one satellite, 1 all channels, 2 one group
    std::uint8_t reserved49[3];
    std::uint16_t cleared52;
    std::uint16_t cleared54;
    std::uint16_t totalTvCount;
    std::uint16_t totalRadioCount;
    std::uint8_t reserved60[4];
};
static_assert(sizeof(SystemInfo) == Image::kSystemInfoSize);
static_assert(offsetof(SystemInfo, currentSatellite) == 2);
static_assert(offsetof(SystemInfo, currentGroup) == 4);
static_assert(offsetof(SystemInfo, cleared6) == 6);
static_assert(offsetof(SystemInfo, cleared8) == 8);
static_assert(offsetof(SystemInfo, listTvCount) == 10);
static_assert(offsetof(SystemInfo, listRadioCount) == 12);
static_assert(offsetof(SystemInfo, menuLanguage) == 14);
static_assert(offsetof(SystemInfo, groupsInUse) == 33);
static_assert(offsetof(SystemInfo, textColor) == 39);
static_assert(offsetof(SystemInfo, serviceType) == 46);
static_assert(offsetof(SystemInfo, displayColor) == 47);
static_assert(offsetof(SystemInfo, listMode) == 48);
static_assert(offsetof(SystemInfo, cleared52) == 52);
static_assert(offsetof(SystemInfo, cleared54) == 54);
static_assert(offsetof(SystemInfo, totalTvCount) == 56);
static_assert(offsetof(SystemInfo, totalRadioCount) == 58);

// The bit of group slot g (0..7) in favoriteMask and groupsInUse.
inline constexpr std::uint8_t GroupBit(int slot)
{
    return std::uint8_t(0x80u >> slot);
}

// Copies a NUL-terminated text out of a fixed field that may lack its NUL.
template <std::size_t N> inline std::size_t FieldTextLength(const char (&field)[N])
{
    std::size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return n;
}
