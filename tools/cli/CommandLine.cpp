#include "CommandLine.h"

#include "ChannelDatabase.h"
#include "ChannelViews.h"
#include "RecordRules.h"

#include <iostream>

int Report(const Outcome& outcome)
{
    if (outcome.message.empty())
        return outcome.status;
    if (outcome.status == Exit::kRefused)
        std::cerr << outcome.message << '\n';
    else
        std::cerr << "volmaren-cli: " << outcome.message << '\n';
    return outcome.status;
}

Outcome CheckArgumentCount(Arguments args, std::size_t min, std::size_t max, const char* synopsis)
{
    if (args.size() < min || args.size() > max)
        return UsageError(std::string("usage: volmaren-cli ") + synopsis);
    return Succeeded();
}

bool ParseKind(const std::string& text, ChannelKind& kind)
{
    if (text == "tv")
        kind = kTv;
    else if (text == "radio")
        kind = kRadio;
    else
        return false;
    return true;
}

Outcome ParseChannelKind(const std::string& text, ChannelKind& kind)
{
    if (!ParseKind(text, kind))
        return UsageError("'" + text + "' is no channel kind (tv or radio)");
    return Succeeded();
}

const char* ChannelWord(ChannelKind kind)
{
    return kind == kRadio ? "radio channel" : "tv channel";
}

Outcome ParseIndex(const std::string& text, int count, const char* what, int& index)
{
    std::uint32_t value = 0;
    if (Rules::ParseUnsigned(text, Rules::kAnyNumber, value) != Rules::Field::Ok)
        return UsageError(std::string(what) + " index '" + text + "' is not a number");
    if (value >= std::uint32_t(count))
        return UsageError(std::string("no ") + what + " " + text + " (there are " + std::to_string(count) +
                          ")");
    index = int(value);
    return Succeeded();
}

Outcome ParseIndexList(const std::string& text, int count, const char* what, std::vector<int>& indexes)
{
    indexes.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        int index = 0;
        if (Outcome parsed = ParseIndex(item, count, what, index); parsed.status != Exit::kOk)
            return parsed;
        indexes.push_back(index);
        if (comma == std::string::npos)
            return Succeeded();
        start = comma + 1;
    }
}

Outcome ShowChannelRange(const CChannelDatabase& db, CChannelViews& views, ChannelKind kind,
                         const std::string& satellite, const std::string& transponder)
{
    int index = 0;
    if (!satellite.empty()) {
        Outcome parsed = ParseIndex(satellite, db.GetSatelliteCount(), "satellite", index);
        if (parsed.status == Exit::kOk)
            views.ShowChannelsOfSatellite(index, kind);
        return parsed;
    }
    if (!transponder.empty()) {
        Outcome parsed = ParseIndex(transponder, db.GetTransponderCount(), "transponder", index);
        if (parsed.status == Exit::kOk)
            views.ShowChannelsOfTransponder(index, kind);
        return parsed;
    }
    views.ShowAllChannels(kind);
    return Succeeded();
}
