// Buffers, image conversions, record access and counting scans.
#include "ChannelDatabase.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

std::uint16_t ReadU16(const std::uint8_t* p)
{
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// A record index as the operations take it: an unsigned 16-bit value.
unsigned Slot(int index)
{
    return std::uint16_t(index);
}

template <class Record> bool ReadSlot(const std::uint8_t* table, unsigned slots, int index, Record& record)
{
    if (Slot(index) >= slots)
        return false;
    std::memcpy(&record, table + std::size_t(Slot(index)) * sizeof(Record), sizeof(Record));
    return true;
}

template <class Record> void WriteSlot(std::uint8_t* table, unsigned slots, int index, const Record& record)
{
    if (Slot(index) < slots)
        std::memcpy(table + std::size_t(Slot(index)) * sizeof(Record), &record, sizeof(Record));
}

std::unique_ptr<std::uint8_t[]> Buffer(std::size_t size)
{
    return std::make_unique<std::uint8_t[]>(size);
}

}  // namespace

CChannelDatabase::CChannelDatabase()
    : m_pRawImage(Buffer(Image::kLargeSize)), m_pWorkImage(Buffer(Image::kLargeSize)),
      m_pTvTable(Buffer(Image::kTvSize)), m_pRadioTable(Buffer(Image::kRadioSize)),
      m_pTransponderTable(Buffer(Image::kTransponderSize)), m_pSatelliteTable(Buffer(Image::kSatelliteSize)),
      m_pBouquetTable(Buffer(Image::kBouquetSize)), m_pLeadingRegion(Buffer(Image::kLeadingSize)),
      m_pSystemBlock(Buffer(Image::kSystemSize))
{
}

CChannelDatabase::~CChannelDatabase() = default;

// --- Buffers and conversions -----------------------------------------------

const std::uint8_t* CChannelDatabase::GetChannelTable(ChannelKind kind) const
{
    return kind == kRadio ? m_pRadioTable.get() : m_pTvTable.get();
}

std::array<std::span<std::uint8_t>, CChannelDatabase::kEditableRegions> CChannelDatabase::EditableRegions()
{
    return {{
        {m_pSatelliteTable.get(), Image::kSatelliteSize},
        {m_pTransponderTable.get(), Image::kTransponderSize},
        {m_pTvTable.get(), Image::kTvSize},
        {m_pRadioTable.get(), Image::kRadioSize},
        {m_pBouquetTable.get(), Image::kBouquetSize},
        {m_pSystemBlock.get(), Image::kSystemSize},
    }};
}

std::array<std::span<const std::uint8_t>, CChannelDatabase::kEditableRegions>
CChannelDatabase::EditableRegions() const
{
    const auto regions = const_cast<CChannelDatabase*>(this)->EditableRegions();
    std::array<std::span<const std::uint8_t>, kEditableRegions> view;
    std::copy(regions.begin(), regions.end(), view.begin());
    return view;
}

std::uint8_t* CChannelDatabase::ChannelTable(ChannelKind kind)
{
    return kind == kRadio ? m_pRadioTable.get() : m_pTvTable.get();
}

void CChannelDatabase::CopyTablesFrom(const CChannelDatabase& other)
{
    m_nVariant = other.m_nVariant;
    std::memcpy(m_pLeadingRegion.get(), other.m_pLeadingRegion.get(), Image::kLeadingSize);
    const auto from = other.EditableRegions();
    const auto to = EditableRegions();
    for (std::size_t k = 0; k < from.size(); ++k)
        std::copy(from[k].begin(), from[k].end(), to[k].begin());
}

void CChannelDatabase::ImageToTables(int variant)
{
    using namespace Image;
    const std::uint8_t* raw = m_pRawImage.get();
    if (variant == 1) {
        std::memcpy(m_pTvTable.get(), raw + kTvOffset - kSmallShift, kTvSize);
        std::memcpy(m_pRadioTable.get(), raw + kRadioOffset - kSmallShift, kRadioSize);
        std::memcpy(m_pTransponderTable.get(), raw + kTransponderOffset - kSmallShift, kTransponderSize);
        std::memcpy(m_pSatelliteTable.get(), raw + kSatelliteOffset - kSmallShift, kSatelliteSize);
        std::memcpy(m_pSystemBlock.get(), raw + kSystemOffset - kSmallShift, kSystemSize);
        std::memset(m_pBouquetTable.get(), 0, kBouquetSize);
        std::memset(m_pLeadingRegion.get(), 0xFF, kLeadingSize);
        TablesToWorkImage();
        return;
    }
    std::memcpy(m_pWorkImage.get(), raw, kLargeSize);
    std::memcpy(m_pLeadingRegion.get(), raw + kLeadingOffset, kLeadingSize);
    std::memcpy(m_pBouquetTable.get(), raw + kBouquetOffset, kBouquetSize);
    std::memcpy(m_pTvTable.get(), raw + kTvOffset, kTvSize);
    std::memcpy(m_pRadioTable.get(), raw + kRadioOffset, kRadioSize);
    std::memcpy(m_pTransponderTable.get(), raw + kTransponderOffset, kTransponderSize);
    std::memcpy(m_pSatelliteTable.get(), raw + kSatelliteOffset, kSatelliteSize);
    std::memcpy(m_pSystemBlock.get(), raw + kSystemOffset, kSystemSize);
}

void CChannelDatabase::TablesToWorkImage()
{
    BuildWorkImage(m_pWorkImage.get());
}

void CChannelDatabase::BuildWorkImage(std::uint8_t* work) const
{
    using namespace Image;
    std::memset(work, 0xFF, kLargeSize);
    std::memcpy(work + kLeadingOffset, m_pLeadingRegion.get(), kLeadingSize);
    std::memcpy(work + kBouquetOffset, m_pBouquetTable.get(), kBouquetSize);
    std::memcpy(work + kTvOffset, m_pTvTable.get(), kTvSize);
    std::memcpy(work + kRadioOffset, m_pRadioTable.get(), kRadioSize);
    std::memcpy(work + kTransponderOffset, m_pTransponderTable.get(), kTransponderSize);
    std::memcpy(work + kSatelliteOffset, m_pSatelliteTable.get(), kSatelliteSize);
    std::memcpy(work + kSystemOffset, m_pSystemBlock.get(), kSystemSize);
}

void CChannelDatabase::WorkImageToRaw()
{
    std::memset(m_pRawImage.get(), 0xFF, Image::kLargeSize);
    std::memcpy(m_pRawImage.get(), m_pWorkImage.get(), Image::kLargeSize);
}

void CChannelDatabase::ClearBouquetTable()
{
    std::memset(m_pBouquetTable.get(), 0, Image::kBouquetSize);
}

// --- Record access -----------------------------------------------------------

void CChannelDatabase::GetSatellite(SatelliteRecord& record, int index) const
{
    if (!ReadSlot(m_pSatelliteTable.get(), Image::kSatelliteSlots, index, record))
        MakeEmptySatellite(record);
}

void CChannelDatabase::SetSatellite(const SatelliteRecord& record, int index)
{
    WriteSlot(m_pSatelliteTable.get(), Image::kSatelliteSlots, index, record);
}

void CChannelDatabase::ClearSatellite(int index)
{
    const SatelliteRecord zero{};
    SetSatellite(zero, index);
}

void CChannelDatabase::GetTransponder(TransponderRecord& record, int index) const
{
    if (!ReadSlot(m_pTransponderTable.get(), Image::kTransponderSlots, index, record))
        MakeEmptyTransponder(record);
}

void CChannelDatabase::SetTransponder(const TransponderRecord& record, int index)
{
    WriteSlot(m_pTransponderTable.get(), Image::kTransponderSlots, index, record);
}

void CChannelDatabase::GetChannel(ChannelRecord& record, int index, ChannelKind kind) const
{
    if (!ReadSlot(GetChannelTable(kind), unsigned(ChannelCapacity(kind)), index, record))
        MakeEmptyChannel(record);
}

void CChannelDatabase::SetChannel(const ChannelRecord& record, int index, ChannelKind kind)
{
    WriteSlot(ChannelTable(kind), unsigned(ChannelCapacity(kind)), index, record);
}

void CChannelDatabase::ClearChannel(int index, ChannelKind kind)
{
    if (Slot(index) < unsigned(ChannelCapacity(kind)))
        std::memset(ChannelTable(kind) + std::size_t(Slot(index)) * sizeof(ChannelRecord), 0,
                    kChannelRecordProper);
}

const std::uint8_t* CChannelDatabase::BouquetEntryAt(int index, ChannelKind kind) const
{
    if (Slot(index) >= unsigned(ChannelCapacity(kind)))
        return nullptr;
    const std::size_t part = kind == kRadio ? Image::kRadioBouquetStart : 0;
    return m_pBouquetTable.get() + part + std::size_t(Slot(index)) * Image::kBouquetEntrySize;
}

std::uint8_t* CChannelDatabase::BouquetEntryAt(int index, ChannelKind kind)
{
    return const_cast<std::uint8_t*>(std::as_const(*this).BouquetEntryAt(index, kind));
}

int CChannelDatabase::GetBouquet(char* text, int index, ChannelKind kind) const
{
    const std::uint8_t* entry = BouquetEntryAt(index, kind);
    std::size_t n = 0;
    while (entry && n < Image::kBouquetEntrySize - 1 && entry[n] != 0) {
        text[n] = char(entry[n]);
        ++n;
    }
    text[n] = '\0';
    return int(n) + 1;
}

void CChannelDatabase::SetBouquet(const char* text, int index, ChannelKind kind)
{
    std::uint8_t* entry = BouquetEntryAt(index, kind);
    if (!entry)
        return;
    std::memset(entry, 0, Image::kBouquetEntrySize);
    for (std::size_t n = 0; n < Image::kBouquetEntrySize - 1 && text[n] != '\0'; ++n)
        entry[n] = std::uint8_t(text[n]);
}

void CChannelDatabase::MarkBouquetDeleted(int index, ChannelKind kind)
{
    if (std::uint8_t* entry = BouquetEntryAt(index, kind))
        std::memset(entry, Image::kBouquetDeleted, Image::kBouquetEntrySize);
}

void CChannelDatabase::GetBouquetEntry(BouquetEntry& entry, int index, ChannelKind kind) const
{
    if (const std::uint8_t* at = BouquetEntryAt(index, kind))
        std::memcpy(&entry, at, sizeof entry);
    else
        entry = BouquetEntry{};
}

void CChannelDatabase::SetBouquetEntry(const BouquetEntry& entry, int index, ChannelKind kind)
{
    if (std::uint8_t* at = BouquetEntryAt(index, kind))
        std::memcpy(at, &entry, sizeof entry);
}

void CChannelDatabase::GetGroup(FavoriteGroupRecord& record, int slot) const
{
    if (slot < 0 || slot >= Image::kGroupCount) {
        record = FavoriteGroupRecord{};
        return;
    }
    std::memcpy(&record, m_pSystemBlock.get() + Image::kGroupTableOffset + 16 * std::size_t(slot),
                sizeof record);
}

void CChannelDatabase::SetGroup(const FavoriteGroupRecord& record, int slot)
{
    if (slot >= 0 && slot < Image::kGroupCount)
        std::memcpy(m_pSystemBlock.get() + Image::kGroupTableOffset + 16 * std::size_t(slot), &record,
                    sizeof record);
}

void CChannelDatabase::GetSystemInfo(SystemInfo& info) const
{
    std::memcpy(&info, m_pSystemBlock.get(), sizeof info);
}

void CChannelDatabase::SetSystemInfo(const SystemInfo& info)
{
    std::memcpy(m_pSystemBlock.get(), &info, sizeof info);
}

// --- Counts ------------------------------------------------------------------

int CChannelDatabase::GetSatelliteCount() const
{
    const std::uint8_t* table = m_pSatelliteTable.get();
    int n = 0;
    while (n < Image::kMaxSatellites &&
           ReadU16(table + std::size_t(n) * sizeof(SatelliteRecord) + 16) != Image::kSatelliteEnd)
        ++n;
    return n;
}

int CChannelDatabase::GetTransponderCount() const
{
    const std::uint8_t* table = m_pTransponderTable.get();
    int n = 0;
    while (n < Image::kMaxTransponders &&
           ReadU16(table + std::size_t(n) * sizeof(TransponderRecord)) != Image::kTransponderEnd)
        ++n;
    return n;
}

int CChannelDatabase::GetTransponderCountOf(int sat) const
{
    if (Slot(sat) >= unsigned(GetSatelliteCount()))
        return 0;
    const std::uint8_t* table = m_pTransponderTable.get();
    const int count = GetTransponderCount();
    int n = 0;
    for (int i = 0; i < count; ++i) {
        if (ReadU16(table + std::size_t(i) * sizeof(TransponderRecord)) == Slot(sat))
            ++n;
    }
    return n;
}

int CChannelDatabase::GetChannelCount(ChannelKind kind) const
{
    const std::uint8_t* table = GetChannelTable(kind);
    const int capacity = ChannelCapacity(kind);
    int n = 0;
    while (n < capacity && ReadU16(table + std::size_t(n) * sizeof(ChannelRecord)) != Image::kChannelEnd)
        ++n;
    return n;
}

int CChannelDatabase::GetGroupChannelCount(int group, ChannelKind kind) const
{
    if (group < 0 || group >= Image::kGroupCount)
        return 0;
    const std::uint8_t* table = GetChannelTable(kind);
    const int count = GetChannelCount(kind);
    int n = 0;
    for (int i = 0; i < count; ++i) {
        if (table[std::size_t(i) * sizeof(ChannelRecord) + offsetof(ChannelRecord, favoriteMask)] &
            GroupBit(group))
            ++n;
    }
    return n;
}

int CChannelDatabase::SatelliteOfChannel(const ChannelRecord& channel, int transponderCount,
                                         int satelliteCount) const
{
    if (channel.transponderIndex >= transponderCount)
        return -1;
    TransponderRecord transponder;
    GetTransponder(transponder, channel.transponderIndex);
    return transponder.satelliteIndex < satelliteCount ? transponder.satelliteIndex : -1;
}

int CChannelDatabase::SatelliteOfSlot(int slot, ChannelKind kind, int transponderCount,
                                      int satelliteCount) const
{
    const std::uint16_t tp = ReadU16(GetChannelTable(kind) + std::size_t(slot) * sizeof(ChannelRecord));
    if (tp >= transponderCount)
        return -1;
    const std::uint16_t sat =
        ReadU16(m_pTransponderTable.get() + std::size_t(tp) * sizeof(TransponderRecord));
    return sat < satelliteCount ? sat : -1;
}

int CChannelDatabase::GetSatelliteChannelCount(int sat, ChannelKind kind) const
{
    return ChannelsOnSatellite(sat, kind, GetTransponderCount(), GetSatelliteCount());
}

int CChannelDatabase::ChannelsOnSatellite(int sat, ChannelKind kind, int transponders, int satellites) const
{
    const int count = GetChannelCount(kind);
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const int owner = SatelliteOfSlot(i, kind, transponders, satellites);
        if (owner >= 0 && unsigned(owner) == Slot(sat))
            ++n;
    }
    return n;
}
