// The composite editing operations done the slow way, step by step as the
// receiver's editor has always done them: one record deleted and every table
// compacted before the next, on plain copies of the tables. The fast
// operations must leave exactly the same bytes.
#pragma once

#include "ImageFormat.h"

#include <cstdint>
#include <vector>

class CChannelDatabase;

class ReferenceTables {
public:
    explicit ReferenceTables(const CChannelDatabase& db);

    // Puts these tables into `db` in place of its own, keeping its other
    // regions and its system block.
    void CopyInto(CChannelDatabase& db) const;

    // The composite operations without their final upkeep run.
    void DeleteTransponders(const std::vector<int>& ascending);
    void DeleteSatellites(const std::vector<int>& ascending);
    void DeleteChannels(const std::vector<int>& list, ChannelKind kind);
    void MoveChannels(const std::vector<int>& list, int position, ChannelKind kind);

private:
    std::uint8_t* Slot(int index, ChannelKind kind);
    std::uint8_t* Bouquet(int index, ChannelKind kind);
    std::uint8_t* Transponder(int index);
    std::uint8_t* Satellite(int index);
    int ChannelCount(ChannelKind kind);
    int TransponderCount();
    int SatelliteCount();

    void DeleteTransponder(int tp);
    void DeleteTransponderList(const std::vector<int>& ascending);
    void DeleteSatelliteContents(int sat);
    void CompactChannels(ChannelKind kind);
    void CompactTransponders();
    void CompactSatellites();
    void CompactBouquets(ChannelKind kind);
    void ClearBouquetTails();
    void LowerSatelliteReferences(int sat);

    std::vector<std::uint8_t> m_tv, m_radio, m_transponders, m_satellites, m_bouquets;
};
