#include "RecoveryFormat.h"

#include "ImageFormat.h"

#include <zstd.h>

#include <algorithm>
#include <string_view>

namespace RecoveryFormat {

namespace {

constexpr std::string_view kMagic = "VOLMAREN RECOVERY 1\n";
// Paths and labels longer than this are no copy of ours: it bounds what a
// damaged header can make the reader allocate.
constexpr std::size_t kMaxText = 64 * 1024;
constexpr std::size_t kMaxContent = 8 + 2 * (4 + kMaxText) + Image::kLargeSize;
// Fast enough for every change of a burst; the copy is written off the
// window's thread anyway.
constexpr int kCompressionLevel = 1;

void PutInteger(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text)
{
    PutInteger(out, text.size(), 4);
    out.insert(out.end(), text.begin(), text.end());
}

// Reads the content front to back; every read is bounded by what is left.
class CReader {
public:
    explicit CReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) { }

    bool Integer(std::uint64_t& value, int bytes)
    {
        if (m_bytes.size() < std::size_t(bytes))
            return false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= std::uint64_t(m_bytes[std::size_t(i)]) << (8 * i);
        m_bytes = m_bytes.subspan(std::size_t(bytes));
        return true;
    }
    bool Text(std::string& text)
    {
        std::uint64_t length = 0;
        if (!Integer(length, 4) || length > kMaxText || length > m_bytes.size())
            return false;
        text.assign(m_bytes.begin(), m_bytes.begin() + std::ptrdiff_t(length));
        m_bytes = m_bytes.subspan(std::size_t(length));
        return true;
    }
    std::span<const std::uint8_t> Rest() const { return m_bytes; }

private:
    std::span<const std::uint8_t> m_bytes;
};

}  // namespace

std::vector<std::uint8_t> Encode(const RecoverySnapshot& snapshot)
{
    std::vector<std::uint8_t> content;
    content.reserve(8 + 8 + snapshot.file.size() + snapshot.label.size() + snapshot.image.size());
    PutInteger(content, std::uint64_t(snapshot.time), 8);
    PutText(content, snapshot.file.substr(0, kMaxText));
    PutText(content, snapshot.label.substr(0, kMaxText));
    content.insert(content.end(), snapshot.image.begin(), snapshot.image.end());

    std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
    out.resize(kMagic.size() + ZSTD_compressBound(content.size()));
    ZSTD_CCtx* context = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(context, ZSTD_c_compressionLevel, kCompressionLevel);
    ZSTD_CCtx_setParameter(context, ZSTD_c_checksumFlag, 1);
    const std::size_t packed = ZSTD_compress2(context, out.data() + kMagic.size(), out.size() - kMagic.size(),
                                              content.data(), content.size());
    ZSTD_freeCCtx(context);
    out.resize(ZSTD_isError(packed) ? 0 : kMagic.size() + packed);
    return out;
}

bool Decode(std::span<const std::uint8_t> bytes, RecoverySnapshot& snapshot)
{
    if (bytes.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin()))
        return false;
    const std::span<const std::uint8_t> frame = bytes.subspan(kMagic.size());
    // Our frames always carry a checksum: a torn one, or one whose flag was
    // flipped, no longer ends where the file does.
    const unsigned long long size = ZSTD_getFrameContentSize(frame.data(), frame.size());
    if (size == ZSTD_CONTENTSIZE_UNKNOWN || size == ZSTD_CONTENTSIZE_ERROR || size > kMaxContent ||
        ZSTD_findFrameCompressedSize(frame.data(), frame.size()) != frame.size())
        return false;
    std::vector<std::uint8_t> content(std::size_t(size), 0);
    const std::size_t unpacked = ZSTD_decompress(content.data(), content.size(), frame.data(), frame.size());
    if (ZSTD_isError(unpacked) || unpacked != content.size())
        return false;

    CReader reader(content);
    std::uint64_t time = 0;
    if (!reader.Integer(time, 8) || !reader.Text(snapshot.file) || !reader.Text(snapshot.label) ||
        reader.Rest().size() != Image::kLargeSize)
        return false;
    snapshot.time = std::int64_t(time);
    snapshot.image.assign(reader.Rest().begin(), reader.Rest().end());
    return true;
}

}  // namespace RecoveryFormat
