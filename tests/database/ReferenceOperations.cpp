#include "ReferenceOperations.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kSlot = 44, kProper = 40, kTransponder = 16, kSatellite = 44, kEntry = 20;
constexpr int kTvSlots = 4467, kRadioSlots = 1489;

std::uint16_t U16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

void SetU16(std::uint8_t* p, unsigned v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

bool Zero(const std::uint8_t* p, std::size_t n)
{
    return std::all_of(p, p + n, [](std::uint8_t b) { return b == 0; });
}

void CopyBack(std::uint8_t* to, const std::vector<std::uint8_t>& bytes)
{
    if (!bytes.empty())
        std::memcpy(to, bytes.data(), bytes.size());
}

int Capacity(ChannelKind kind)
{
    return kind == kRadio ? kRadioSlots : kTvSlots;
}

// Spelled out byte by byte, independently of the database's own templates.
void EmptyChannel(std::uint8_t* slot)
{
    std::memset(slot, 0, kSlot);
    SetU16(slot, 4000);
    for (std::size_t at : {4u, 6u, 8u, 10u})
        SetU16(slot + at, 0x3FFF);
    slot[14] = 0xFF;
    std::memcpy(slot + 15, "no name", 7);
    SetU16(slot + 32, 0x3FFF);
}

void EmptyTransponder(std::uint8_t* record)
{
    std::memset(record, 0, kTransponder);
    SetU16(record, 300);
    record[2] = 0xFF;
    std::memset(record + 12, 0xFF, 4);
}

void EmptySatellite(std::uint8_t* record)
{
    std::memset(record, 0, kSatellite);
    SetU16(record + 16, 300);
    SetU16(record + 30, 4467);
    SetU16(record + 32, 1489);
}

}  // namespace

ReferenceTables::ReferenceTables(const CChannelDatabase& db)
    : m_tv(db.GetChannelTable(kTv), db.GetChannelTable(kTv) + Image::kTvSize),
      m_radio(db.GetChannelTable(kRadio), db.GetChannelTable(kRadio) + Image::kRadioSize),
      m_transponders(db.GetTransponderTable(), db.GetTransponderTable() + Image::kTransponderSize),
      m_satellites(db.GetSatelliteTable(), db.GetSatelliteTable() + Image::kSatelliteSize),
      m_bouquets(db.GetBouquetTable(), db.GetBouquetTable() + Image::kBouquetSize)
{
}

void ReferenceTables::CopyInto(CChannelDatabase& db) const
{
    db.TablesToWorkImage();
    std::uint8_t* raw = db.GetRawImage();
    std::memcpy(raw, db.GetWorkImage(), Image::kLargeSize);
    std::memcpy(raw + Image::kTvOffset, m_tv.data(), m_tv.size());
    std::memcpy(raw + Image::kRadioOffset, m_radio.data(), m_radio.size());
    std::memcpy(raw + Image::kTransponderOffset, m_transponders.data(), m_transponders.size());
    std::memcpy(raw + Image::kSatelliteOffset, m_satellites.data(), m_satellites.size());
    std::memcpy(raw + Image::kBouquetOffset, m_bouquets.data(), m_bouquets.size());
    db.ImageToTables(2);
}

std::uint8_t* ReferenceTables::Slot(int index, ChannelKind kind)
{
    return (kind == kRadio ? m_radio : m_tv).data() + std::size_t(index) * kSlot;
}

std::uint8_t* ReferenceTables::Bouquet(int index, ChannelKind kind)
{
    return m_bouquets.data() + (kind == kRadio ? 89340 : 0) + std::size_t(index) * kEntry;
}

std::uint8_t* ReferenceTables::Transponder(int index)
{
    return m_transponders.data() + std::size_t(index) * kTransponder;
}

std::uint8_t* ReferenceTables::Satellite(int index)
{
    return m_satellites.data() + std::size_t(index) * kSatellite;
}

int ReferenceTables::ChannelCount(ChannelKind kind)
{
    int n = 0;
    while (n < Capacity(kind) && U16(Slot(n, kind)) != 4000)
        ++n;
    return n;
}

// The editor's scans have no bound here; the region's room stops a test
// whose tables lost their end record.
int ReferenceTables::TransponderCount()
{
    int n = 0;
    while (n < 4096 && U16(Transponder(n)) != 300)
        ++n;
    return n;
}

int ReferenceTables::SatelliteCount()
{
    int n = 0;
    while (n < 1489 && U16(Satellite(n) + 16) != 300)
        ++n;
    return n;
}

void ReferenceTables::DeleteTransponder(int tp)
{
    std::memset(Transponder(tp), 0, kTransponder);
    for (ChannelKind kind : kChannelKinds) {
        for (int i = 0; i < Capacity(kind) && U16(Slot(i, kind)) != 4000; ++i) {
            const int t = U16(Slot(i, kind));
            if (t == tp) {
                std::memset(Slot(i, kind), 0, kProper);
                std::memset(Bouquet(i, kind), 0xFF, kEntry);
            } else if (t > tp) {
                SetU16(Slot(i, kind), unsigned(t - 1));
            }
        }
    }
}

void ReferenceTables::CompactChannels(ChannelKind kind)
{
    std::vector<std::uint8_t> kept;
    int removed = 0;
    for (int i = 0; i < Capacity(kind) && U16(Slot(i, kind)) != 4000; ++i) {
        if (Zero(Slot(i, kind), kProper))
            ++removed;
        else
            kept.insert(kept.end(), Slot(i, kind), Slot(i, kind) + kSlot);
    }
    CopyBack(Slot(0, kind), kept);
    const int survivors = int(kept.size() / kSlot);
    for (int k = 0; k < removed; ++k)
        EmptyChannel(Slot(survivors + k, kind));
}

void ReferenceTables::CompactTransponders()
{
    std::vector<std::uint8_t> kept;
    const int count = TransponderCount();
    for (int i = 0; i < count; ++i) {
        if (!Zero(Transponder(i), kTransponder))
            kept.insert(kept.end(), Transponder(i), Transponder(i) + kTransponder);
    }
    CopyBack(Transponder(0), kept);
    for (int i = int(kept.size() / kTransponder); i < count; ++i)
        EmptyTransponder(Transponder(i));
}

void ReferenceTables::CompactSatellites()
{
    std::vector<std::uint8_t> kept;
    const int count = SatelliteCount();
    for (int i = 0; i < count; ++i) {
        if (!Zero(Satellite(i), kSatellite))
            kept.insert(kept.end(), Satellite(i), Satellite(i) + kSatellite);
    }
    CopyBack(Satellite(0), kept);
    EmptySatellite(Satellite(int(kept.size() / kSatellite)));
    const int renumbered = SatelliteCount();
    for (int j = 0; j < renumbered; ++j)
        SetU16(Satellite(j) + 16, unsigned(j));
}

void ReferenceTables::CompactBouquets(ChannelKind kind)
{
    std::vector<std::uint8_t> kept;
    for (int i = 0; i < Capacity(kind); ++i) {
        if (Bouquet(i, kind)[0] != 0xFF)
            kept.insert(kept.end(), Bouquet(i, kind), Bouquet(i, kind) + kEntry);
    }
    kept.resize(std::size_t(Capacity(kind)) * kEntry, 0);
    CopyBack(Bouquet(0, kind), kept);
}

void ReferenceTables::ClearBouquetTails()
{
    for (ChannelKind kind : kChannelKinds) {
        for (int i = ChannelCount(kind); i < Capacity(kind); ++i)
            std::memset(Bouquet(i, kind), 0, kEntry);
    }
}

void ReferenceTables::LowerSatelliteReferences(int sat)
{
    const int count = TransponderCount();
    for (int i = 0; i < count; ++i) {
        if (U16(Transponder(i)) > sat)
            SetU16(Transponder(i), U16(Transponder(i)) - 1u);
    }
}

void ReferenceTables::DeleteTransponderList(const std::vector<int>& ascending)
{
    // Every deletion moves the later transponders down by one.
    for (std::size_t k = 0; k < ascending.size(); ++k) {
        DeleteTransponder(ascending[k] - int(k));
        CompactTransponders();
        CompactChannels(kTv);
        CompactChannels(kRadio);
        CompactBouquets(kTv);
        CompactBouquets(kRadio);
    }
    ClearBouquetTails();
}

void ReferenceTables::DeleteTransponders(const std::vector<int>& ascending)
{
    DeleteTransponderList(ascending);
}

void ReferenceTables::DeleteSatelliteContents(int sat)
{
    std::vector<int> owned;
    const int count = TransponderCount();
    for (int i = 0; i < count; ++i) {
        if (U16(Transponder(i)) == sat)
            owned.push_back(i);
    }
    DeleteTransponderList(owned);
    LowerSatelliteReferences(sat);
}

void ReferenceTables::DeleteSatellites(const std::vector<int>& ascending)
{
    for (std::size_t k = 0; k < ascending.size(); ++k) {
        std::memset(Satellite(ascending[k] - int(k)), 0, kSatellite);
        CompactSatellites();
    }
    for (std::size_t k = 0; k < ascending.size(); ++k)
        DeleteSatelliteContents(ascending[k] - int(k));
}

void ReferenceTables::DeleteChannels(const std::vector<int>& list, ChannelKind kind)
{
    for (int i : list) {
        std::memset(Slot(i, kind), 0, kProper);
        std::memset(Bouquet(i, kind), 0xFF, kEntry);
    }
    CompactChannels(kind);
    CompactBouquets(kind);
    ClearBouquetTails();
}

void ReferenceTables::MoveChannels(const std::vector<int>& list, int position, ChannelKind kind)
{
    std::vector<std::uint8_t> block, blockBouquets;
    for (int i : list) {
        block.insert(block.end(), Slot(i, kind), Slot(i, kind) + kSlot);
        blockBouquets.insert(blockBouquets.end(), Bouquet(i, kind), Bouquet(i, kind) + kEntry);
        std::memset(Slot(i, kind), 0, kProper);
    }
    const int count = ChannelCount(kind);
    const int insertAt = position < 0 ? count : position;
    std::vector<std::uint8_t> slots, bouquets;
    auto takeRemaining = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            if (Zero(Slot(i, kind), kProper))
                continue;
            slots.insert(slots.end(), Slot(i, kind), Slot(i, kind) + kSlot);
            bouquets.insert(bouquets.end(), Bouquet(i, kind), Bouquet(i, kind) + kEntry);
        }
    };
    takeRemaining(0, insertAt);
    slots.insert(slots.end(), block.begin(), block.end());
    bouquets.insert(bouquets.end(), blockBouquets.begin(), blockBouquets.end());
    takeRemaining(insertAt, count);
    CopyBack(Slot(0, kind), slots);
    CopyBack(Bouquet(0, kind), bouquets);
}
