#include "DownloadFraming.h"

#include "ImageFormat.h"

namespace Framing {

namespace {

std::uint32_t ReadLe32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

void WriteLe32(std::uint8_t* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Halves(std::uint32_t value)
{
    return (value & 0xFFFF) + (value >> 16);
}

// Both main regions end where the receiver's tail region begins.
constexpr std::uint32_t kMainRegionEnd = 0x7FFF0000;
constexpr Region kTail{Image::kSystemOffset, Image::kSystemSize / kBlockSize, 0};

}  // namespace

DownloadPlan PlanFor(int variant)
{
    const std::size_t start = variant == 1 ? Image::kSmallShift : 0;
    const std::size_t mainLength = Image::kSystemOffset - start;
    const std::size_t total = mainLength + Image::kSystemSize;
    const Region main{start, static_cast<std::uint32_t>(mainLength / kBlockSize),
                      static_cast<std::uint32_t>(kMainRegionEnd - mainLength)};
    return DownloadPlan{main, kTail, total / 100};
}

RegionHeader HeaderFor(const Region& region)
{
    RegionHeader header{kHeaderType, kBlockSize, region.blockCount, region.base, 0};
    header.checksum = HeaderChecksum(header);
    return header;
}

std::uint16_t HeaderChecksum(const RegionHeader& header)
{
    return static_cast<std::uint16_t>(header.recordType + Halves(header.blockSize) +
                                      Halves(header.blockCount) + Halves(header.base));
}

std::array<std::uint8_t, kHeaderSize> EncodeHeader(const RegionHeader& header)
{
    std::array<std::uint8_t, kHeaderSize> bytes{};
    bytes[0] = header.recordType;
    WriteLe32(&bytes[4], header.blockSize);
    WriteLe32(&bytes[8], header.blockCount);
    WriteLe32(&bytes[12], header.base);
    bytes[16] = static_cast<std::uint8_t>(header.checksum & 0xFF);
    bytes[17] = static_cast<std::uint8_t>(header.checksum >> 8);
    return bytes;
}

RegionHeader DecodeHeader(const std::uint8_t* bytes)
{
    return RegionHeader{bytes[0], ReadLe32(bytes + 4), ReadLe32(bytes + 8), ReadLe32(bytes + 12),
                        static_cast<std::uint16_t>(bytes[16] | bytes[17] << 8)};
}

std::uint16_t BlockSum(const std::uint8_t* block)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kBlockSize; ++i)
        sum += block[i];
    return static_cast<std::uint16_t>(sum);
}

}  // namespace Framing
