// Adding, deleting, compacting and moving records.
//
// The deletions close all gaps in one compaction pass per table, whatever the
// number of records deleted; the bytes they leave are those of deleting and
// compacting one record at a time.
#include "ChannelDatabase.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint16_t ReadU16(const std::uint8_t* p)
{
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void WriteU16(std::uint8_t* p, std::uint16_t v)
{
    std::memcpy(p, &v, sizeof v);
}

bool AllZero(const std::uint8_t* p, std::size_t n)
{
    return std::all_of(p, p + n, [](std::uint8_t b) { return b == 0; });
}

// Sorted, duplicate-free copy of the indexes below `limit`.
std::vector<int> SortedUnique(std::vector<int> list, int limit)
{
    std::erase_if(list, [limit](int i) { return i < 0 || i >= limit; });
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

// How many entries of the sorted set are below v.
int CountBelow(const std::vector<int>& sorted, int v)
{
    return int(std::lower_bound(sorted.begin(), sorted.end(), v) - sorted.begin());
}

bool Contains(const std::vector<int>& sorted, int v)
{
    return std::binary_search(sorted.begin(), sorted.end(), v);
}

// A reference above its table's end value names nothing whatever is deleted;
// lowering it could turn it into the end value and cut the table short.
bool NamesARecord(std::uint16_t reference, std::uint16_t endValue)
{
    return reference < endValue;
}

// Moves the records that `keep` accepts to the front in their order and
// writes `empty` over every slot they left; returns the number removed.
template <class Record, class Keep>
int CompactRecords(std::uint8_t* table, int count, const Record& empty, Keep keep)
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        std::uint8_t* record = table + std::size_t(i) * sizeof(Record);
        if (!keep(record))
            continue;
        if (kept != i)
            std::memcpy(table + std::size_t(kept) * sizeof(Record), record, sizeof(Record));
        ++kept;
    }
    for (int i = kept; i < count; ++i)
        std::memcpy(table + std::size_t(i) * sizeof(Record), &empty, sizeof(Record));
    return count - kept;
}

}  // namespace

// --- Empty records -------------------------------------------------------------

void CChannelDatabase::MakeEmptySatellite(SatelliteRecord& record)
{
    record = SatelliteRecord{};
    record.index = Image::kSatelliteEnd;
    record.tvPosition = Image::kMaxTvChannels;
    record.radioPosition = Image::kMaxRadioChannels;
}

void CChannelDatabase::MakeEmptyTransponder(TransponderRecord& record)
{
    record = TransponderRecord{};
    record.satelliteIndex = Image::kTransponderEnd;
    record.reserved2 = 0xFF;
    record.reserved12 = 0xFF;
    record.polarization = 0xFF;
    record.reserved14[0] = record.reserved14[1] = 0xFF;
}

void CChannelDatabase::MakeEmptyChannel(ChannelRecord& record)
{
    record = ChannelRecord{};
    record.transponderIndex = Image::kChannelEnd;
    record.audioPid = record.videoPid = record.pcrPid = record.auxPid = 0x3FFF;
    record.spare = 0xFF;
    std::memcpy(record.name, "no name", 8);
    record.auxWord = 0x3FFF;
}

// --- Primitives ------------------------------------------------------------------

void CChannelDatabase::DeleteTransponder(int tp)
{
    MarkTranspondersDeleted({int(std::uint16_t(tp))});
}

int CChannelDatabase::CompactChannels(ChannelKind kind)
{
    ChannelRecord empty;
    MakeEmptyChannel(empty);
    // The slots up to the end marker (or the capacity) take part.
    const int count = GetChannelCount(kind);
    return CompactRecords(ChannelTable(kind), count, empty,
                          [](const std::uint8_t* slot) { return !AllZero(slot, kChannelRecordProper); });
}

int CChannelDatabase::CompactTransponders()
{
    TransponderRecord empty;
    MakeEmptyTransponder(empty);
    return CompactRecords(
        m_pTransponderTable.get(), GetTransponderCount(), empty,
        [](const std::uint8_t* record) { return !AllZero(record, sizeof(TransponderRecord)); });
}

namespace {

void RenumberSatellites(std::uint8_t* table)
{
    for (int j = 0; j < Image::kMaxSatellites; ++j) {
        std::uint8_t* index = table + std::size_t(j) * sizeof(SatelliteRecord) + 16;
        if (ReadU16(index) == Image::kSatelliteEnd)
            break;
        WriteU16(index, std::uint16_t(j));
    }
}

// Moves the non-zero satellites to the front and writes `empties` empty
// records after them; returns the number removed.
int CompactSatelliteTable(std::uint8_t* table, int count, int empties)
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        std::uint8_t* record = table + std::size_t(i) * sizeof(SatelliteRecord);
        if (AllZero(record, sizeof(SatelliteRecord)))
            continue;
        if (kept != i)
            std::memcpy(table + std::size_t(kept) * sizeof(SatelliteRecord), record, sizeof(SatelliteRecord));
        ++kept;
    }
    SatelliteRecord empty;
    CChannelDatabase::MakeEmptySatellite(empty);
    for (int i = kept; i < kept + empties && i < Image::kSatelliteSlots; ++i)
        std::memcpy(table + std::size_t(i) * sizeof(SatelliteRecord), &empty, sizeof empty);
    RenumberSatellites(table);
    return count - kept;
}

}  // namespace

int CChannelDatabase::CompactSatellites()
{
    return CompactSatelliteTable(m_pSatelliteTable.get(), GetSatelliteCount(), 1);
}

void CChannelDatabase::CompactBouquets(ChannelKind kind)
{
    std::uint8_t* part = BouquetEntryAt(0, kind);
    const int entries = ChannelCapacity(kind);
    const BouquetEntry zero{};
    CompactRecords(part, entries, zero,
                   [](const std::uint8_t* entry) { return entry[0] != Image::kBouquetDeleted; });
}

int CChannelDatabase::CompactChannelsAndBouquets(ChannelKind kind)
{
    // Entries go with their slots rather than by their first byte, so a
    // bouquet name that starts with the deletion byte is never taken for a
    // deleted entry.
    ChannelRecord empty;
    MakeEmptyChannel(empty);
    const BouquetEntry none{};
    std::uint8_t* slots = ChannelTable(kind);
    std::uint8_t* entries = BouquetEntryAt(0, kind);
    const int count = GetChannelCount(kind);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        std::uint8_t* slot = slots + std::size_t(i) * sizeof(ChannelRecord);
        if (AllZero(slot, kChannelRecordProper))
            continue;
        if (kept != i) {
            std::memcpy(slots + std::size_t(kept) * sizeof(ChannelRecord), slot, sizeof(ChannelRecord));
            std::memcpy(entries + std::size_t(kept) * sizeof(BouquetEntry),
                        entries + std::size_t(i) * sizeof(BouquetEntry), sizeof(BouquetEntry));
        }
        ++kept;
    }
    for (int i = kept; i < count; ++i) {
        std::memcpy(slots + std::size_t(i) * sizeof(ChannelRecord), &empty, sizeof empty);
        std::memcpy(entries + std::size_t(i) * sizeof(BouquetEntry), &none, sizeof none);
    }
    return count - kept;
}

void CChannelDatabase::ClearBouquetTails()
{
    for (ChannelKind kind : kChannelKinds) {
        const int count = GetChannelCount(kind);
        const int capacity = ChannelCapacity(kind);
        std::memset(BouquetEntryAt(0, kind) + std::size_t(count) * Image::kBouquetEntrySize, 0,
                    std::size_t(capacity - count) * Image::kBouquetEntrySize);
    }
}

void CChannelDatabase::LowerSatelliteReferences(int sat)
{
    std::uint8_t* table = m_pTransponderTable.get();
    for (int i = 0; i < Image::kMaxTransponders; ++i) {
        std::uint8_t* record = table + std::size_t(i) * sizeof(TransponderRecord);
        const std::uint16_t s = ReadU16(record);
        if (s == Image::kTransponderEnd)
            break;
        if (s > std::uint16_t(sat) && NamesARecord(s, Image::kTransponderEnd))
            WriteU16(record, std::uint16_t(s - 1));
    }
}

void CChannelDatabase::SwapChannels(int a, int b, ChannelKind kind)
{
    const int capacity = ChannelCapacity(kind);
    const unsigned ua = std::uint16_t(a), ub = std::uint16_t(b);
    if (ua == ub || ua >= unsigned(capacity) || ub >= unsigned(capacity))
        return;
    ChannelRecord first, second;
    GetChannel(first, a, kind);
    GetChannel(second, b, kind);
    SetChannel(second, a, kind);
    SetChannel(first, b, kind);
    std::swap_ranges(BouquetEntryAt(a, kind), BouquetEntryAt(a, kind) + Image::kBouquetEntrySize,
                     BouquetEntryAt(b, kind));
}

void CChannelDatabase::MoveChannelBlock(const ChannelRecord* records, const BouquetEntry* bouquets, int n,
                                        int position, ChannelKind kind)
{
    const int count = GetChannelCount(kind);
    const int insertAt = position < 0 || position > count ? count : position;
    std::vector<ChannelRecord> slots;
    std::vector<BouquetEntry> entries;
    slots.reserve(std::size_t(count));
    entries.reserve(std::size_t(count));
    auto takeRemaining = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            ChannelRecord slot;
            GetChannel(slot, i, kind);
            if (AllZero(reinterpret_cast<const std::uint8_t*>(&slot), kChannelRecordProper))
                continue;
            BouquetEntry entry;
            std::memcpy(&entry, BouquetEntryAt(i, kind), sizeof entry);
            slots.push_back(slot);
            entries.push_back(entry);
        }
    };
    takeRemaining(0, insertAt);
    for (int k = 0; k < n; ++k) {
        slots.push_back(records[k]);
        entries.push_back(bouquets ? bouquets[k] : BouquetEntry{});
    }
    takeRemaining(insertAt, count);

    // The block's slots were cleared in place, so the sequence has `count`
    // records. An image that already held deleted slots gives fewer: the
    // table then closes up behind them, as a compaction would, rather than
    // keep stale copies of moved channels.
    ChannelRecord empty;
    MakeEmptyChannel(empty);
    slots.resize(std::size_t(count), empty);
    entries.resize(std::size_t(count), BouquetEntry{});
    for (int i = 0; i < count; ++i) {
        SetChannel(slots[std::size_t(i)], i, kind);
        std::memcpy(BouquetEntryAt(i, kind), &entries[std::size_t(i)], sizeof(BouquetEntry));
    }
}

// --- Composite operations --------------------------------------------------------

void CChannelDatabase::AddSatellite(SatelliteRecord& record)
{
    const int n = GetSatelliteCount();
    if (n >= Image::kMaxSatellites)
        return;
    record.index = std::uint16_t(n);
    SetSatellite(record, n);
}

void CChannelDatabase::AddTransponder(int sat, const TransponderRecord& record)
{
    const int n = GetTransponderCount();
    if (n >= Image::kMaxTransponders)
        return;
    TransponderRecord added = record;
    added.satelliteIndex = std::uint16_t(sat);
    SetTransponder(added, n);
}

void CChannelDatabase::AddChannel(const ChannelRecord& record, const char* bouquet, ChannelKind kind)
{
    const int n = GetChannelCount(kind);
    if (n >= ChannelCapacity(kind))
        return;
    SetChannel(record, n, kind);
    SetBouquet(bouquet, n, kind);
    UpdateListContext();
}

void CChannelDatabase::MarkTranspondersDeleted(const std::vector<int>& sorted)
{
    for (int tp : sorted) {
        TransponderRecord zero{};
        SetTransponder(zero, tp);
    }
    for (ChannelKind kind : kChannelKinds) {
        std::uint8_t* table = ChannelTable(kind);
        for (int i = 0; i < ChannelCapacity(kind); ++i) {
            std::uint8_t* slot = table + std::size_t(i) * sizeof(ChannelRecord);
            const std::uint16_t t = ReadU16(slot);
            if (t == Image::kChannelEnd)
                break;
            if (Contains(sorted, t)) {
                ClearChannel(i, kind);
                MarkBouquetDeleted(i, kind);
            } else if (NamesARecord(t, Image::kChannelEnd)) {
                WriteU16(slot, std::uint16_t(t - CountBelow(sorted, t)));
            }
        }
    }
}

void CChannelDatabase::RemoveTransponderSet(const std::vector<int>& sorted)
{
    if (sorted.empty())
        return;
    MarkTranspondersDeleted(sorted);
    CompactTransponders();
    CompactChannelsAndBouquets(kTv);
    CompactChannelsAndBouquets(kRadio);
}

void CChannelDatabase::DeleteSatelliteContents(int sat)
{
    std::vector<int> transponders;
    const int count = GetTransponderCount();
    for (int i = 0; i < count; ++i) {
        TransponderRecord transponder;
        GetTransponder(transponder, i);
        if (transponder.satelliteIndex == std::uint16_t(sat))
            transponders.push_back(i);
    }
    RemoveTransponderSet(transponders);
    ClearBouquetTails();
    LowerSatelliteReferences(sat);
}

void CChannelDatabase::DeleteTransponders(const std::vector<int>& ascending)
{
    RemoveTransponderSet(SortedUnique(ascending, GetTransponderCount()));
    ClearBouquetTails();
    UpdateListContext();
}

void CChannelDatabase::DeleteSatellites(const std::vector<int>& ascending)
{
    const std::vector<int> satellites = SortedUnique(ascending, GetSatelliteCount());
    if (!satellites.empty()) {
        for (int s : satellites)
            ClearSatellite(s);
        CompactSatelliteTable(m_pSatelliteTable.get(), GetSatelliteCount(), int(satellites.size()));

        std::vector<int> transponders;
        const int count = GetTransponderCount();
        for (int i = 0; i < count; ++i) {
            TransponderRecord transponder;
            GetTransponder(transponder, i);
            if (Contains(satellites, transponder.satelliteIndex))
                transponders.push_back(i);
        }
        RemoveTransponderSet(transponders);
        ClearBouquetTails();

        std::uint8_t* table = m_pTransponderTable.get();
        for (int i = 0; i < Image::kMaxTransponders; ++i) {
            std::uint8_t* record = table + std::size_t(i) * sizeof(TransponderRecord);
            const std::uint16_t s = ReadU16(record);
            if (s == Image::kTransponderEnd)
                break;
            if (NamesARecord(s, Image::kTransponderEnd))
                WriteU16(record, std::uint16_t(s - CountBelow(satellites, s)));
        }
    }
    UpdateListContext();
}

void CChannelDatabase::DeleteChannels(const std::vector<int>& list, ChannelKind kind)
{
    // Clearing a slot past the table's end would erase its end marker.
    const int count = GetChannelCount(kind);
    for (int i : list) {
        if (i < 0 || i >= count)
            continue;
        ClearChannel(i, kind);
        MarkBouquetDeleted(i, kind);
    }
    CompactChannelsAndBouquets(kind);
    ClearBouquetTails();
    UpdateListContext();
}

void CChannelDatabase::MoveChannels(const std::vector<int>& list, int position, ChannelKind kind)
{
    // Each slot moves once, and only slots of channels that exist.
    const int count = GetChannelCount(kind);
    std::vector<int> block;
    block.reserve(list.size());
    for (int i : list) {
        if (i >= 0 && i < count && std::find(block.begin(), block.end(), i) == block.end())
            block.push_back(i);
    }
    std::vector<ChannelRecord> records(block.size());
    std::vector<BouquetEntry> bouquets(block.size());
    for (std::size_t k = 0; k < block.size(); ++k) {
        GetChannel(records[k], block[k], kind);
        std::memcpy(&bouquets[k], BouquetEntryAt(block[k], kind), sizeof(BouquetEntry));
        ClearChannel(block[k], kind);
    }
    MoveChannelBlock(records.data(), bouquets.data(), int(block.size()), position, kind);
}
