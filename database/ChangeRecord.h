// The bytes one change of the database altered, kept compressed. A record
// holds the other side of its change: while the change is in effect it holds
// the bytes from before it, and once undone the bytes from after it, so
// undoing and redoing are the same exchange.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CChannelDatabase;

class CChangeRecord {
public:
    // Everything a change can alter: the tables, the bouquet table and the
    // system block, one after the other.
    static void TakeSnapshot(const CChannelDatabase& db, std::vector<std::uint8_t>& snapshot);

    // What differs between a snapshot taken before a change and the database
    // after it; Empty() when no byte changed.
    static CChangeRecord Between(std::span<const std::uint8_t> before, const CChannelDatabase& db);

    bool Empty() const { return m_spans.empty(); }
    // Exchanges the kept bytes with the database's.
    void Exchange(CChannelDatabase& db);
    // Heap memory the record holds.
    std::size_t Memory() const;

private:
    struct Span {
        std::uint32_t offset;  // in the snapshot's layout
        std::uint32_t length;
    };

    void Pack(const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> Unpack() const;

    std::vector<Span> m_spans;
    std::vector<std::uint8_t> m_packed;
    std::size_t m_nBytes = 0;
    bool m_bCompressed = false;
};
