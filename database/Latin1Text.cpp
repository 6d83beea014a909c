#include "Latin1Text.h"

namespace Latin1 {

namespace {

// The length of a sequence from its lead byte (C2 to F4).
std::size_t SequenceLength(unsigned char lead)
{
    return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

bool ContinuationsFollow(std::string_view text, std::size_t lead, std::size_t n)
{
    if (lead + n >= text.size())
        return false;
    for (std::size_t k = 1; k <= n; ++k) {
        if ((static_cast<unsigned char>(text[lead + k]) & 0xC0) != 0x80)
            return false;
    }
    return true;
}

}  // namespace

std::string ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += char(0xC0 | b >> 6);
            text += char(0x80 | (b & 0x3F));
        }
    }
    return text;
}

Decoded FromUtf8(std::string_view text, std::string& bytes)
{
    bytes.clear();
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += char(lead);
            continue;
        }
        if (lead < 0xC2 || lead > 0xF4 || !ContinuationsFollow(text, i, SequenceLength(lead) - 1))
            return Decoded::NotUtf8;
        // U+0080 to U+00FF are the two-byte sequences led by C2 and C3.
        if (lead > 0xC3)
            return Decoded::BeyondLatin1;
        bytes += char((lead & 0x03) << 6 | (static_cast<unsigned char>(text[++i]) & 0x3F));
    }
    return Decoded::Ok;
}

std::string FromAnyUtf8(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += char(lead);
        } else if (lead < 0xC2 || lead > 0xF4 || !ContinuationsFollow(text, i, SequenceLength(lead) - 1)) {
            bytes += '?';
        } else if (lead > 0xC3) {
            bytes += '?';
            i += SequenceLength(lead) - 1;
        } else {
            bytes += char((lead & 0x03) << 6 | (static_cast<unsigned char>(text[++i]) & 0x3F));
        }
    }
    return bytes;
}

}  // namespace Latin1
