#include "ChannelSearch.h"

#include "CellText.h"
#include "ChannelDatabase.h"

#include <algorithm>
#include <charconv>

ChannelSearch::ChannelSearch(std::string_view text) : m_text(text)
{
    for (char& c : m_text)
        c = char(UpperAZ(static_cast<unsigned char>(c)));
}

bool ChannelSearch::FoundIn(const char* text, std::size_t length) const
{
    const auto equal = [](char a, char b) {
        return UpperAZ(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
    };
    return std::search(text, text + length, m_text.begin(), m_text.end(), equal) != text + length;
}

bool ChannelSearch::FoundIn(std::uint16_t pid) const
{
    char digits[8];
    const auto written = std::to_chars(digits, digits + sizeof digits, pid);
    return FoundIn(digits, std::size_t(written.ptr - digits));
}

bool ChannelSearch::Finds(const CChannelDatabase& db, int slot, ChannelKind kind) const
{
    if (m_text.empty())
        return true;
    if (slot < 0 || slot >= ChannelCapacity(kind))
        return false;
    ChannelRecord channel;
    db.GetChannel(channel, slot, kind);
    if (FoundIn(channel.name, FieldTextLength(channel.name)))
        return true;
    const std::string bouquet = Cells::BouquetText(db, slot, kind);
    return FoundIn(bouquet.data(), bouquet.size()) || (kind == kTv && FoundIn(channel.videoPid)) ||
           FoundIn(channel.audioPid) || FoundIn(channel.pcrPid);
}

std::vector<int> ChannelSearch::MatchingRows(const CChannelDatabase& db, std::span<const int> slots,
                                             ChannelKind kind) const
{
    std::vector<int> rows;
    rows.reserve(slots.size());
    for (std::size_t row = 0; row < slots.size(); ++row) {
        if (Finds(db, slots[row], kind))
            rows.push_back(int(row));
    }
    return rows;
}
