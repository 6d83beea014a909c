#include "ChangeRecord.h"

#include "ChannelDatabase.h"

#include <zstd.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Changed bytes are found and kept in blocks of this size: a record is
// smaller, so one block covers a record's neighbours at little cost, and
// comparing whole blocks is fast.
constexpr std::size_t kBlock = 64;

// One of the fast levels: a change is recorded while the user waits for it,
// and 100 of the largest still take under 10 MB.
constexpr int kCompressionLevel = -5;

}  // namespace

void CChangeRecord::TakeSnapshot(const CChannelDatabase& db, std::vector<std::uint8_t>& snapshot)
{
    snapshot.clear();
    for (const auto& region : db.EditableRegions())
        snapshot.insert(snapshot.end(), region.begin(), region.end());
}

CChangeRecord CChangeRecord::Between(std::span<const std::uint8_t> before, const CChannelDatabase& db)
{
    CChangeRecord record;
    std::vector<std::uint8_t> kept;
    std::size_t base = 0;
    for (const auto& region : db.EditableRegions()) {
        for (std::size_t at = 0; at < region.size(); at += kBlock) {
            const std::size_t n = std::min(kBlock, region.size() - at);
            if (std::memcmp(region.data() + at, before.data() + base + at, n) == 0)
                continue;
            const auto offset = std::uint32_t(base + at);
            // A span never crosses into the next region, even where the two
            // lie side by side in the offsets: Exchange writes each span into
            // one region's buffer.
            if (at != 0 && !record.m_spans.empty() &&
                record.m_spans.back().offset + record.m_spans.back().length == offset)
                record.m_spans.back().length += std::uint32_t(n);
            else
                record.m_spans.push_back({offset, std::uint32_t(n)});
            kept.insert(kept.end(), before.begin() + std::ptrdiff_t(base + at),
                        before.begin() + std::ptrdiff_t(base + at + n));
        }
        base += region.size();
    }
    record.Pack(kept);
    return record;
}

void CChangeRecord::Exchange(CChannelDatabase& db)
{
    std::vector<std::uint8_t> bytes = Unpack();
    const auto regions = db.EditableRegions();
    std::size_t at = 0;
    for (const Span& span : m_spans) {
        // A span lies within one region: blocks never cross a region's end.
        std::size_t base = 0;
        for (const auto& region : regions) {
            if (span.offset < base + region.size()) {
                std::swap_ranges(bytes.begin() + std::ptrdiff_t(at),
                                 bytes.begin() + std::ptrdiff_t(at + span.length),
                                 region.begin() + std::ptrdiff_t(span.offset - base));
                break;
            }
            base += region.size();
        }
        at += span.length;
    }
    Pack(bytes);
}

std::size_t CChangeRecord::Memory() const
{
    return m_spans.capacity() * sizeof(Span) + m_packed.capacity();
}

void CChangeRecord::Pack(const std::vector<std::uint8_t>& bytes)
{
    m_nBytes = bytes.size();
    m_packed.resize(ZSTD_compressBound(bytes.size()));
    const std::size_t packed =
        ZSTD_compress(m_packed.data(), m_packed.size(), bytes.data(), bytes.size(), kCompressionLevel);
    m_bCompressed = !ZSTD_isError(packed);
    if (m_bCompressed)
        m_packed.resize(packed);
    else
        m_packed = bytes;
    m_packed.shrink_to_fit();
}

std::vector<std::uint8_t> CChangeRecord::Unpack() const
{
    if (!m_bCompressed)
        return m_packed;
    std::vector<std::uint8_t> bytes(m_nBytes);
    ZSTD_decompress(bytes.data(), bytes.size(), m_packed.data(), m_packed.size());
    return bytes;
}
