// What the commands share: outcomes with their exit status and message, and
// the parsing of kinds, indexes and index lists.
#pragma once

#include "ExitCodes.h"
#include "ImageFormat.h"

#include <span>
#include <string>
#include <vector>

class CChannelDatabase;
class CChannelViews;

using Arguments = std::span<const std::string>;

struct Outcome {
    int status = Exit::kOk;
    std::string message;
};

inline Outcome Succeeded()
{
    return {};
}
// The system's own message for a refused action.
inline Outcome Refused(std::string message)
{
    return {Exit::kRefused, std::move(message)};
}
inline Outcome UsageError(std::string message)
{
    return {Exit::kUsage, std::move(message)};
}
inline Outcome IoError(std::string message)
{
    return {Exit::kIo, std::move(message)};
}

// Prints the outcome's message on stderr (a refusal as the system words it,
// anything else after the program's name) and returns its exit status.
int Report(const Outcome& outcome);

// A usage error unless there are `min` to `max` arguments; `synopsis` is
// the command's usage line.
Outcome CheckArgumentCount(Arguments args, std::size_t min, std::size_t max, const char* synopsis);

// "tv" or "radio" as a channel kind.
bool ParseKind(const std::string& text, ChannelKind& kind);
// The same, with a usage error for anything else.
Outcome ParseChannelKind(const std::string& text, ChannelKind& kind);

// "tv channel" or "radio channel", for messages about an index.
const char* ChannelWord(ChannelKind kind);

// A 0-based index of one of `count` records; the message says what is wrong.
Outcome ParseIndex(const std::string& text, int count, const char* what, int& index);

// Comma-separated indexes of records, each below `count`, in the given order.
Outcome ParseIndexList(const std::string& text, int count, const char* what, std::vector<int>& indexes);

// Narrows the kind's channel view as a click in the form would: to satellite
// `satellite` or transponder `transponder` (an index as text; empty: none),
// or to all channels when neither is given.
Outcome ShowChannelRange(const CChannelDatabase& db, CChannelViews& views, ChannelKind kind,
                         const std::string& satellite, const std::string& transponder);
