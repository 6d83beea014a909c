// Which channels a search text finds: the text is looked for, ignoring the
// case of A-Z, in what a channel list shows of a channel that a person would
// search by: its name, its bouquet and its PIDs as decimal numbers (a radio
// list shows no video PID, so a radio channel is not found by it).
#pragma once

#include "ImageFormat.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class CChannelDatabase;

class ChannelSearch {
public:
    explicit ChannelSearch(std::string_view text);

    // An empty text finds every channel.
    bool Finds(const CChannelDatabase& db, int slot, ChannelKind kind) const;

    // The rows of a list showing `slots` (in row order) whose channels it finds.
    std::vector<int> MatchingRows(const CChannelDatabase& db, std::span<const int> slots,
                                  ChannelKind kind) const;

private:
    bool FoundIn(const char* text, std::size_t length) const;
    bool FoundIn(std::uint16_t pid) const;

    std::string m_text;  // upper-cased
};
