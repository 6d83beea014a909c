// volmaren-cli transponders IMAGE LIST OUT --satellite S --source POSITION|NAME
//     [--remove-missing] [--include-s2] [--json]
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "Latin1Text.h"
#include "ListFiles.h"
#include "ListTexts.h"
#include "TransponderFiles.h"
#include "TransponderUpdate.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

constexpr const char* kSynopsis = "transponders IMAGE LIST OUT --satellite S --source POSITION|NAME "
                                  "[--remove-missing] [--include-s2] [--json]";

struct Request {
    std::vector<std::string> files;  // IMAGE, LIST, OUT
    std::string satellite;
    std::string source;
    TransponderUpdate::Options options;
    bool json = false;
};

Outcome ParseRequest(Arguments args, Request& request)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool valued = arg == "--satellite" || arg == "--source";
        if (valued && i + 1 == args.size())
            return UsageError(arg + " needs a value");
        if (valued)
            (arg == "--satellite" ? request.satellite : request.source) = args[++i];
        else if (arg == "--remove-missing")
            request.options.removeMissing = true;
        else if (arg == "--include-s2")
            request.options.includeS2 = true;
        else if (arg == "--json")
            request.json = true;
        else if (arg.starts_with("--"))
            return UsageError("unknown option '" + arg + "'");
        else
            request.files.push_back(arg);
    }
    if (request.files.size() != 3 || request.satellite.empty() || request.source.empty())
        return UsageError(std::string("usage: volmaren-cli ") + kSynopsis);
    return Succeeded();
}

std::string ChannelText(const TransponderUpdate::Channel& channel)
{
    return Fill(channel.kind == kRadio ? Text::kRadioChannelNamed : Text::kTvChannelNamed,
                {Latin1::ToUtf8(channel.name)});
}

void PrintSummary(const TransponderUpdate::Summary& summary, bool json)
{
    if (json) {
        nlohmann::ordered_json channels = nlohmann::ordered_json::array();
        for (const TransponderUpdate::Channel& channel : summary.removedChannels)
            channels.push_back(
                {{"list", channel.kind == kRadio ? "radio" : "tv"}, {"name", Latin1::ToUtf8(channel.name)}});
        const nlohmann::ordered_json report{
            {"added", summary.added},         {"updated", summary.updated},
            {"unchanged", summary.unchanged}, {"not-in-list", summary.notInList},
            {"removed", summary.removed},     {"removed-channels", channels},
            {"skipped", summary.skipped}};
        std::cout << report.dump(2) << '\n';
        return;
    }
    std::vector<std::string> lines{
        "added: " + std::to_string(summary.added), "updated: " + std::to_string(summary.updated),
        "unchanged: " + std::to_string(summary.unchanged),
        "not-in-list: " + std::to_string(summary.notInList), "removed: " + std::to_string(summary.removed)};
    for (const TransponderUpdate::Channel& channel : summary.removedChannels)
        lines.push_back("  " + ChannelText(channel));
    lines.push_back("skipped: " + std::to_string(summary.skipped));
    PrintReport(lines);
}

}  // namespace

int RunTransponders(Arguments args)
{
    Request request;
    if (Outcome parsed = ParseRequest(args, request); parsed.status != Exit::kOk)
        return Report(parsed);
    const std::string &image = request.files[0], &list = request.files[1], &out = request.files[2];
    CImageDocument document;
    if (Outcome opened = OpenImage(document, image); opened.status != Exit::kOk)
        return Report(opened);
    CChannelDatabase& db = document.m_database;
    int satellite = 0;
    if (Outcome index = ParseIndex(request.satellite, db.GetSatelliteCount(), "satellite", satellite);
        index.status != Exit::kOk)
        return Report(index);
    std::vector<TransponderList::Satellite> satellites;
    if (Outcome read = ReadTransponderList(list, satellites); read.status != Exit::kOk)
        return Report(read);
    const TransponderList::Satellite* source = FindSource(satellites, request.source);
    if (!source)
        return Report(Refused(list + ": no satellite at or named '" + request.source + "'"));

    const TransponderUpdate::Plan plan = TransponderUpdate::MakePlan(db, satellite, *source, request.options);
    if (std::optional<PlaceholderText> refusal = TransponderUpdate::Apply(db, plan))
        return Report(Refused(Fill(*refusal)));
    if (Outcome saved = SaveImage(document, out); saved.status != Exit::kOk)
        return Report(saved);
    PrintSummary(TransponderUpdate::Summarize(plan), request.json);
    return Exit::kOk;
}
