// The in-memory form of one receiver image: raw and working images and one
// buffer per table, with the records, counts and layout they hold. What the
// lists show of it is kept apart (CChannelViews).
//
// Record indexes are taken as unsigned 16-bit values. Every access is bounded
// by its buffer: a read past a table's room yields that table's empty record
// and a write there is ignored, whatever an image holds.
#pragma once

#include "ChannelArranging.h"
#include "ImageFormat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CChannelDatabase {
public:
    CChannelDatabase();
    virtual ~CChannelDatabase();
    CChannelDatabase(const CChannelDatabase&) = delete;
    CChannelDatabase& operator=(const CChannelDatabase&) = delete;

    // Variant of the data in hand: 0 none yet, 1 small, 2 large. Written by
    // the document's load and by the upload worker (while no one else looks).
    int m_nVariant = 0;

    // --- Buffers and conversions -----------------------------------------
    std::uint8_t* GetRawImage() { return m_pRawImage.get(); }
    const std::uint8_t* GetRawImage() const { return m_pRawImage.get(); }
    const std::uint8_t* GetWorkImage() const { return m_pWorkImage.get(); }
    const std::uint8_t* GetSystemBlock() const { return m_pSystemBlock.get(); }
    const std::uint8_t* GetSatelliteTable() const { return m_pSatelliteTable.get(); }
    const std::uint8_t* GetTransponderTable() const { return m_pTransponderTable.get(); }
    const std::uint8_t* GetChannelTable(ChannelKind kind) const;
    const std::uint8_t* GetBouquetTable() const { return m_pBouquetTable.get(); }
    // The bytes an edit can change, in a fixed order: satellites,
    // transponders, TV and radio channels, bouquets, the system block.
    static constexpr std::size_t kEditableRegions = 6;
    std::array<std::span<std::uint8_t>, kEditableRegions> EditableRegions();
    std::array<std::span<const std::uint8_t>, kEditableRegions> EditableRegions() const;

    // Copies what an image holds (the tables, the leading region and the
    // system block) and the variant from `other`; the images stay.
    void CopyTablesFrom(const CChannelDatabase& other);
    // Splits the raw image into the tables (1: small layout, else large) and
    // rebuilds the working image.
    void ImageToTables(int variant);
    // Builds the working image from the tables.
    void TablesToWorkImage();
    // Lays the tables out as the working image into `image`, which has room
    // for Image::kLargeSize bytes.
    void BuildWorkImage(std::uint8_t* image) const;
    // Raw image = 0xFF, then the whole working image over it.
    void WorkImageToRaw();
    void ClearBouquetTable();

    // --- Record access ---------------------------------------------------
    void GetSatellite(SatelliteRecord& record, int index) const;
    void SetSatellite(const SatelliteRecord& record, int index);
    void ClearSatellite(int index);
    void GetTransponder(TransponderRecord& record, int index) const;
    void SetTransponder(const TransponderRecord& record, int index);
    void GetChannel(ChannelRecord& record, int index, ChannelKind kind) const;
    void SetChannel(const ChannelRecord& record, int index, ChannelKind kind);
    void ClearChannel(int index, ChannelKind kind);
    // Copies the entry's text (at most 19 characters, read only up to the
    // entry's end) and its NUL into text[20]; returns its length plus 1.
    int GetBouquet(char* text, int index, ChannelKind kind) const;
    void SetBouquet(const char* text, int index, ChannelKind kind);
    void MarkBouquetDeleted(int index, ChannelKind kind);
    // The whole 20-byte entry, bytes after its NUL included.
    void GetBouquetEntry(BouquetEntry& entry, int index, ChannelKind kind) const;
    void SetBouquetEntry(const BouquetEntry& entry, int index, ChannelKind kind);
    void GetGroup(FavoriteGroupRecord& record, int slot) const;
    void SetGroup(const FavoriteGroupRecord& record, int slot);
    void GetSystemInfo(SystemInfo& info) const;
    void SetSystemInfo(const SystemInfo& info);

    // --- Counts ----------------------------------------------------------
    // The satellite and transponder scans also stop at the editor's limits
    // (300 and 4000), so an image that lacks its end record stays bounded.
    int GetSatelliteCount() const;
    int GetTransponderCount() const;
    int GetTransponderCountOf(int sat) const;
    int GetChannelCount(ChannelKind kind) const;
    int GetGroupChannelCount(int group, ChannelKind kind) const;
    int GetSatelliteChannelCount(int sat, ChannelKind kind) const;

    // Satellite a channel belongs to through its transponder, or -1 when its
    // transponder or that transponder's satellite does not exist.
    int SatelliteOfChannel(const ChannelRecord& channel, int transponderCount, int satelliteCount) const;

    // --- Adding, deleting, compacting, moving -----------------------------
    static void MakeEmptySatellite(SatelliteRecord& record);
    static void MakeEmptyTransponder(TransponderRecord& record);
    static void MakeEmptyChannel(ChannelRecord& record);

    void DeleteTransponder(int tp);
    void DeleteSatelliteContents(int sat);
    int CompactChannels(ChannelKind kind);
    int CompactTransponders();
    int CompactSatellites();
    void CompactBouquets(ChannelKind kind);
    void ClearBouquetTails();
    void LowerSatelliteReferences(int sat);
    // Exchanges slots a and b with their bouquet entries.
    void SwapChannels(int a, int b, ChannelKind kind);
    // Reinserts n whole slots (with their bouquet entries, when given) taken
    // out of the table before position (-1: after the last channel).
    void MoveChannelBlock(const ChannelRecord* records, const BouquetEntry* bouquets, int n, int position,
                          ChannelKind kind);

    // Composite operations: the whole sequence one user command performs.
    void AddSatellite(SatelliteRecord& record);
    void AddTransponder(int sat, const TransponderRecord& record);
    void AddChannel(const ChannelRecord& record, const char* bouquet, ChannelKind kind);
    void DeleteSatellites(const std::vector<int>& ascending);
    void DeleteTransponders(const std::vector<int>& ascending);
    void DeleteChannels(const std::vector<int>& list, ChannelKind kind);
    void MoveChannels(const std::vector<int>& list, int position, ChannelKind kind);

    // --- Arranging many channels at once -----------------------------------
    // Both take any slots (a whole table, a view, the rows a search shows);
    // duplicates and slots past the table's end are ignored.
    //
    // Sorts the channels held in `slots` stably by `key` (equal keys keep
    // their order in both directions) and puts them back into the same slots,
    // in ascending slot order, with their bouquet entries. Every other slot
    // keeps its bytes. Like a move it changes no count, so no upkeep follows.
    void SortChannels(std::span<const int> slots, ChannelSortKey key, bool descending, ChannelKind kind);
    // Sets the given flags of the channels in `slots`, with Channel Edit's
    // bit rules. A change of group membership is recounted as after Favorite
    // Group Edit (RecountGroups, then UpdateListContext); any other change
    // needs no upkeep, as after Channel Edit.
    void SetChannelFlags(std::span<const int> slots, const ChannelFlagChanges& changes, ChannelKind kind);

    // --- System block upkeep ---------------------------------------------
    void UpdateListContext();
    // UpdateListContext until its figures settle: a run that resets the list
    // mode leaves the figures of the old mode, which the next run replaces.
    void SettleListContext();
    void RecountGroups();
    void UpdateSatellitePositions();
    void UpdateSatelliteCounts();
    int FirstChannelSatellite() const;

private:
    // SatelliteOfChannel for the channel in a slot below the count, read in
    // place: the upkeep asks it of every channel several times.
    int SatelliteOfSlot(int slot, ChannelKind kind, int transponderCount, int satelliteCount) const;
    // GetSatelliteChannelCount with the table counts the caller has.
    int ChannelsOnSatellite(int sat, ChannelKind kind, int transponders, int satellites) const;
    std::uint8_t* ChannelTable(ChannelKind kind);
    std::uint8_t* BouquetEntryAt(int index, ChannelKind kind);
    const std::uint8_t* BouquetEntryAt(int index, ChannelKind kind) const;
    // Removes every channel slot whose first 40 bytes are zero, and its
    // bouquet entry, in one pass; returns the number removed.
    int CompactChannelsAndBouquets(ChannelKind kind);
    // Deletes the transponders of a sorted, duplicate-free index set with
    // their channels and closes all gaps in one pass.
    void RemoveTransponderSet(const std::vector<int>& sortedOriginal);
    // Marks the transponders of a sorted, duplicate-free index set and their
    // channels deleted, and lowers the references to later transponders.
    void MarkTranspondersDeleted(const std::vector<int>& sortedOriginal);

    std::unique_ptr<std::uint8_t[]> m_pRawImage;
    std::unique_ptr<std::uint8_t[]> m_pWorkImage;
    std::unique_ptr<std::uint8_t[]> m_pTvTable;
    std::unique_ptr<std::uint8_t[]> m_pRadioTable;
    std::unique_ptr<std::uint8_t[]> m_pTransponderTable;
    std::unique_ptr<std::uint8_t[]> m_pSatelliteTable;
    std::unique_ptr<std::uint8_t[]> m_pBouquetTable;
    std::unique_ptr<std::uint8_t[]> m_pLeadingRegion;
    std::unique_ptr<std::uint8_t[]> m_pSystemBlock;
};
