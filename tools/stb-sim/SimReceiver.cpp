#include "SimReceiver.h"

#include "ImageFile.h"
#include "ImageFormat.h"
#include "ProtocolBytes.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <utility>

using namespace Protocol;
using namespace std::chrono_literals;

namespace {

// How long the editor may stay silent in the middle of a transfer before
// the receiver gives up on it and starts again.
constexpr auto kPatience = 10s;
// How often a receiver waiting for the hello says it is ready.
constexpr auto kSyncInterval = 250ms;

// Never SYNC before the hello, never ACK before the large receiver's ACK.
constexpr std::uint8_t kNoiseBeforeSync[] = {0x00, ACK, REPLY_LARGE, REPLY_REFUSED, 0xF2, 0xFF};
constexpr std::uint8_t kNoiseBeforeAck[] = {SYNC, REPLY_LARGE, REPLY_REFUSED, 0x00, 0xFF};

}  // namespace

CSimReceiver::CSimReceiver(CSimLine& line, const SimOptions& options, std::vector<std::uint8_t> image)
    : m_line(line), m_options(options), m_image(std::move(image)),
      m_nVariant(m_image.size() == Image::kSmallSize ? 1 : 2)
{
}

CSimReceiver::Outcome CSimReceiver::ServeOne()
{
    m_nFaults = 0;
    AwaitHello();
    m_line.Send(SYNC);
    std::uint8_t code[2];
    if (!m_line.Read(code, 2, kPatience))
        return Outcome::Abandoned;
    const std::uint16_t value = static_cast<std::uint16_t>(code[0] | code[1] << 8);
    if (m_options.code && value != *m_options.code) {
        m_line.Send(REPLY_REFUSED);
        m_line.WaitUntilTaken();
        std::fprintf(stderr, "stb-sim: refused system code %04x\n", value);
        return Outcome::Refused;
    }
    if (m_nVariant == 1) {
        m_line.Send(ACK);
    } else {
        m_line.Send(REPLY_LARGE);
        if (m_options.noise)
            m_line.Send(kNoiseBeforeAck, sizeof kNoiseBeforeAck);
        m_line.Send(ACK);
    }
    std::uint8_t command = 0;
    if (!m_line.Read(&command, 1, kPatience))
        return Outcome::Abandoned;
    if (command == CMD_SEND_IMAGE)
        return ServeUpload();
    if (command == CMD_REGION)
        return ServeDownload();
    Fault("unknown command 0x%02X after the system code", command);
    return Outcome::Abandoned;
}

void CSimReceiver::AwaitHello()
{
    for (;;) {
        if (m_options.noise)
            m_line.Offer(kNoiseBeforeSync, sizeof kNoiseBeforeSync);
        m_line.Offer(&SYNC, 1);
        std::uint8_t byte = 0;
        while (m_line.Read(&byte, 1, kSyncInterval)) {
            if (byte == ACK)
                return;
        }
    }
}

CSimReceiver::Outcome CSimReceiver::ServeUpload()
{
    if (m_image.empty()) {
        Fault("an upload was asked for, but no --image was given");
        return Outcome::Abandoned;
    }
    m_line.Send(ACK);
    if (!m_line.Send(m_image.data(), m_image.size(), kPatience))
        return Outcome::Abandoned;
    m_line.WaitUntilTaken();
    std::fprintf(stderr, "stb-sim: upload of %zu bytes sent\n", m_image.size());
    return Outcome::Uploaded;
}

CSimReceiver::Outcome CSimReceiver::ServeDownload()
{
    m_line.Send(ACK);
    const Framing::DownloadPlan plan = Framing::PlanFor(m_nVariant);
    const std::size_t mainLength = plan.main.blockCount * Framing::kBlockSize;
    std::vector<std::uint8_t> received(m_nVariant == 1 ? Image::kSmallSize : Image::kLargeSize);
    if (!ReceiveRegion(plan.main, BLOCK_MAIN, "main", received.data(), true) ||
        !ReceiveRegion(plan.tail, BLOCK_TAIL, "tail", received.data() + mainLength, false))
        return Outcome::Abandoned;
    // Stored before the last ACK, as a receiver writes its memory before it
    // says it is done: whoever waits for the editor finds the file complete.
    std::string error;
    if (!m_options.receivedPath.empty() &&
        !ImageFile::WriteAtomically(m_options.receivedPath, received.data(), received.size(), error))
        Fault("cannot store the received image: %s", error.c_str());
    std::fprintf(stderr, "stb-sim: download of %zu bytes received, %d fault(s)\n", received.size(),
                 m_nFaults);
    Store(std::move(received));
    m_line.Send(ACK);
    m_line.WaitUntilTaken();
    return m_nFaults == 0 ? Outcome::Downloaded : Outcome::Faulty;
}

void CSimReceiver::Store(std::vector<std::uint8_t> image)
{
    m_image = std::move(image);
    if (!m_options.flipBit)
        return;
    m_image[*m_options.flipBit] ^= 0x01;
    std::fprintf(stderr, "stb-sim: flipped the lowest bit of the stored byte at 0x%zX\n", *m_options.flipBit);
}

bool CSimReceiver::ReceiveRegion(const Framing::Region& region, std::uint8_t blockType, const char* name,
                                 std::uint8_t* target, bool ackLastBlock)
{
    std::uint8_t header[Framing::kHeaderSize];
    if (!m_line.Read(header, sizeof header, kPatience)) {
        Fault("the %s region header did not come", name);
        return false;
    }
    CheckHeader(header, region, name);
    m_line.Send(ACK);
    std::uint8_t block[1 + Framing::kBlockSize + 4];
    for (std::uint32_t j = 0; j < region.blockCount; ++j) {
        if (!m_line.Read(block, sizeof block, kPatience)) {
            Fault("%s block %u did not come", name, j);
            return false;
        }
        CheckBlock(block, blockType, j, name);
        std::memcpy(target + j * Framing::kBlockSize, block + 1, Framing::kBlockSize);
        if (j + 1 < region.blockCount || ackLastBlock)
            m_line.Send(ACK);
    }
    return true;
}

void CSimReceiver::CheckHeader(const std::uint8_t* bytes, const Framing::Region& region, const char* name)
{
    const Framing::RegionHeader got = Framing::DecodeHeader(bytes);
    const Framing::RegionHeader want = Framing::HeaderFor(region);
    if (got.checksum != Framing::HeaderChecksum(got))
        Fault("%s region header: checksum %04X, its fields sum to %04X", name, got.checksum,
              Framing::HeaderChecksum(got));
    if (got.recordType != want.recordType || got.blockSize != want.blockSize ||
        got.blockCount != want.blockCount || got.base != want.base)
        Fault("%s region header: type %u, %u blocks of %u bytes at %08X; expected type %u, %u "
              "blocks of %u bytes at %08X",
              name, got.recordType, got.blockCount, got.blockSize, got.base, want.recordType, want.blockCount,
              want.blockSize, want.base);
}

void CSimReceiver::CheckBlock(const std::uint8_t* bytes, std::uint8_t blockType, std::uint32_t number,
                              const char* name)
{
    const unsigned carried = unsigned(bytes[1025]) << 8 | bytes[1026];
    const unsigned sum = unsigned(bytes[1027]) << 8 | bytes[1028];
    const unsigned computed = Framing::BlockSum(bytes + 1);
    if (bytes[0] != blockType)
        Fault("%s block %u: opens with 0x%02X instead of 0x%02X", name, number, bytes[0], blockType);
    if (carried != (number & 0xFFFF))
        Fault("%s block %u: carries block number %u", name, number, carried);
    if (sum != computed)
        Fault("%s block %u: checksum %04X, its data sums to %04X", name, number, sum, computed);
}

void CSimReceiver::Fault(const char* format, ...)
{
    ++m_nFaults;
    std::fputs("stb-sim: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
}
