// How a download cuts the image into regions and blocks, and how headers and
// blocks look on the wire. The simulator checks what it receives with these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace Framing {

inline constexpr std::size_t kBlockSize = 1024;
inline constexpr std::size_t kHeaderSize = 20;
inline constexpr std::uint8_t kHeaderType = 5;

struct Region {
    std::size_t sourceOffset;  // in the raw buffer, which holds the large layout
    std::uint32_t blockCount;
    std::uint32_t base;  // announced in the region's header
};

struct DownloadPlan {
    Region main;
    Region tail;
    std::size_t progressStep;  // bytes between two progress positions
};

// The regions for a receiver of variant 1 (small) or 2 (large).
DownloadPlan PlanFor(int variant);

struct RegionHeader {
    std::uint8_t recordType;
    std::uint32_t blockSize;
    std::uint32_t blockCount;
    std::uint32_t base;
    std::uint16_t checksum;
};

// A header for the region, with its checksum.
RegionHeader HeaderFor(const Region& region);
// The sum of the type and of the 16-bit halves of the three 32-bit fields.
std::uint16_t HeaderChecksum(const RegionHeader& header);
// The 20 bytes as they go out: little-endian fields, zero padding.
std::array<std::uint8_t, kHeaderSize> EncodeHeader(const RegionHeader& header);
RegionHeader DecodeHeader(const std::uint8_t* bytes);

// The sum of a block's bytes, modulo 65536 (sent high byte first).
std::uint16_t BlockSum(const std::uint8_t* block);

}  // namespace Framing
