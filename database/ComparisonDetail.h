// What the comparisons of the tables share.
#pragma once

#include "Comparison.h"

#include <optional>
#include <unordered_map>

namespace Diff::Detail {

// The k-th key of theirs takes the k-th equal key of ours; a key of theirs
// without a value takes nothing. For every key of theirs, the index of ours
// it took, or -1.
template <class Key>
std::vector<int> MatchInOrder(const std::vector<Key>& ours, const std::vector<std::optional<Key>>& theirs)
{
    struct Queue {
        std::vector<int> indexes;
        std::size_t next = 0;
    };
    std::unordered_map<Key, Queue> queues;
    for (std::size_t i = 0; i < ours.size(); ++i)
        queues[ours[i]].indexes.push_back(int(i));
    std::vector<int> match(theirs.size(), -1);
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        if (!theirs[i])
            continue;
        const auto found = queues.find(*theirs[i]);
        if (found != queues.end() && found->second.next < found->second.indexes.size())
            match[i] = found->second.indexes[found->second.next++];
    }
    return match;
}

// Which records of ours a record of theirs took.
std::vector<bool> Taken(const std::vector<int>& match, std::size_t ours);

// Adds the field when the values differ.
inline void CompareField(std::vector<Field>& fields, const char* name, Value ours, Value theirs)
{
    if (ours != theirs)
        fields.push_back({name, std::move(ours), std::move(theirs)});
}

// Appends a difference of these records; the caller fills in the rest.
inline Difference& Append(Comparison& comparison, Table table, Change change, int ours, int theirs,
                          std::string name = {})
{
    Difference& difference = comparison.differences.emplace_back();
    difference.table = table;
    difference.change = change;
    difference.ours = ours;
    difference.theirs = theirs;
    difference.name = std::move(name);
    return difference;
}

// Appends the channel differences of both lists.
void CompareChannels(const CChannelDatabase& ours, const OtherSide& theirs, Comparison& comparison);

}  // namespace Diff::Detail
