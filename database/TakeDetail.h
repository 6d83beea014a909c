// What the parts of planning a take share.
#pragma once

#include "ChannelChange.h"
#include "Comparison.h"
#include "ListTexts.h"
#include "Latin1Text.h"
#include "PlaceholderText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CChannelDatabase;

namespace Diff::Detail {

// The chosen differences of one channel list, by slot or by place in theirs.
struct ListChoice {
    std::vector<bool> removed, moved;  // per slot of ours
    std::vector<bool> added;  // per channel of theirs
    std::vector<std::vector<const Difference*>> edits;  // per slot: renamed, retuned, changed
};

// The tables besides the channel lists as the take leaves them: what the
// channels refer to.
struct TakenTables {
    std::vector<int> transponders;  // ours to their new index, -1 when deleted
    std::vector<int> deletedTransponders;  // ours, sorted, with those of deleted satellites
    std::map<int, int> newTransponders;  // theirs to their new index
    std::array<std::string, Image::kGroupCount> groups;  // the names as they will be
    std::uint8_t named = 0;  // the slots of named groups, as they will be
    std::uint8_t restarted = 0;  // groups that get or lose their name: they start without channels
};

// How many entries of the sorted set are below v.
inline int CountBelow(const std::vector<int>& sorted, int v)
{
    return int(std::lower_bound(sorted.begin(), sorted.end(), v) - sorted.begin());
}

// The edit dialogs' way with a name: its text and NUL; the bytes after stay.
template <std::size_t N> void WriteText(char (&field)[N], const std::string& text)
{
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
    field[std::min(text.size(), N - 1)] = '\0';
}

// Only a name that keeps its NUL in its field is written: the refusal for
// one that does not.
template <std::size_t N>
std::optional<PlaceholderText> Unstorable(const std::string& text, const char (&)[N], const char* what)
{
    if (text.size() < N)
        return std::nullopt;
    return PlaceholderText{Text::kCellTooLong, {what, Latin1::ToUtf8(text), std::to_string(N - 1)}};
}

// Lays out the channel list of `kind` as the take leaves it, into `change`;
// the refusal when it cannot be.
std::optional<PlaceholderText> LayOutChannels(const CChannelDatabase& ours, const OtherSide& theirs,
                                              const Comparison& comparison, const TakenTables& tables,
                                              const ListChoice& choice, ChannelKind kind,
                                              ChannelRows::ChannelChange& change);

}  // namespace Diff::Detail
