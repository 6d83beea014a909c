// Deleting, moving and swapping records, and the upkeep run.
#include "ChannelDatabase.h"
#include "EditOperations.h"

#include <algorithm>

namespace {

// The form collects a deletion's rows from the top of the list down.
std::vector<int> AscendingUnique(std::vector<int> indexes)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

}  // namespace

Outcome DeleteSatellites(CChannelDatabase& db, Arguments args)
{
    std::vector<int> list;
    Outcome parsed = ParseIndexList(args[0], db.GetSatelliteCount(), "satellite", list);
    if (parsed.status == Exit::kOk)
        db.DeleteSatellites(AscendingUnique(list));
    return parsed;
}

Outcome DeleteTransponders(CChannelDatabase& db, Arguments args)
{
    std::vector<int> list;
    Outcome parsed = ParseIndexList(args[0], db.GetTransponderCount(), "transponder", list);
    if (parsed.status == Exit::kOk)
        db.DeleteTransponders(AscendingUnique(list));
    return parsed;
}

Outcome DeleteChannels(CChannelDatabase& db, Arguments args)
{
    ChannelKind kind = kTv;
    if (Outcome parsed = ParseChannelKind(args[0], kind); parsed.status != Exit::kOk)
        return parsed;
    std::vector<int> list;
    Outcome parsed = ParseIndexList(args[1], db.GetChannelCount(kind), ChannelWord(kind), list);
    if (parsed.status == Exit::kOk)
        db.DeleteChannels(AscendingUnique(list), kind);
    return parsed;
}

Outcome MoveChannels(CChannelDatabase& db, Arguments args)
{
    ChannelKind kind = kTv;
    if (Outcome parsed = ParseChannelKind(args[0], kind); parsed.status != Exit::kOk)
        return parsed;
    const int count = db.GetChannelCount(kind);
    int position = -1;
    if (args[1] != "-1") {
        if (Outcome parsed = ParseIndex(args[1], count, ChannelWord(kind), position);
            parsed.status != Exit::kOk)
            return parsed;
    }
    std::vector<int> list;
    if (Outcome parsed = ParseIndexList(args[2], count, ChannelWord(kind), list); parsed.status != Exit::kOk)
        return parsed;
    if (AscendingUnique(list).size() != list.size())
        return UsageError("a channel is named twice in the list to move: " + args[2]);
    db.MoveChannels(list, position, kind);
    return Succeeded();
}

Outcome SwapChannels(CChannelDatabase& db, Arguments args)
{
    ChannelKind kind = kTv;
    if (Outcome parsed = ParseChannelKind(args[0], kind); parsed.status != Exit::kOk)
        return parsed;
    const int count = db.GetChannelCount(kind);
    int a = 0, b = 0;
    if (Outcome parsed = ParseIndex(args[1], count, ChannelWord(kind), a); parsed.status != Exit::kOk)
        return parsed;
    if (Outcome parsed = ParseIndex(args[2], count, ChannelWord(kind), b); parsed.status != Exit::kOk)
        return parsed;
    db.SwapChannels(a, b, kind);
    return Succeeded();
}

Outcome UpdateContext(CChannelDatabase& db, Arguments)
{
    db.UpdateListContext();
    return Succeeded();
}
