// volmaren-cli list satellites|transponders|tv|radio|groups IMAGE
//                  [--satellite S | --transponder T]
#include "CellText.h"
#include "ChannelViews.h"
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"

#include <bit>
#include <iostream>

namespace {

constexpr const char* kSynopsis =
    "list satellites|transponders|tv|radio|groups IMAGE [--satellite S | --transponder T]";

struct ListRequest {
    std::string table;
    std::string image;
    std::string satellite;  // empty: no --satellite
    std::string transponder;  // empty: no --transponder
};

Outcome ParseRequest(Arguments args, ListRequest& request)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string* option = args[i] == "--satellite"     ? &request.satellite
                              : args[i] == "--transponder" ? &request.transponder
                                                           : nullptr;
        if (!option) {
            positional.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size() || !option->empty())
            return UsageError(std::string("usage: volmaren-cli ") + kSynopsis);
        *option = args[++i];
    }
    if (positional.size() != 2 || (!request.satellite.empty() && !request.transponder.empty()))
        return UsageError(std::string("usage: volmaren-cli ") + kSynopsis);
    request.table = positional[0];
    request.image = positional[1];

    const bool channels = request.table == "tv" || request.table == "radio";
    const bool known = channels || request.table == "satellites" || request.table == "transponders" ||
                       request.table == "groups";
    if (!known)
        return UsageError("no list named '" + request.table + "'");
    if (!request.transponder.empty() && !channels)
        return UsageError("--transponder narrows only the tv and radio lists");
    if (!request.satellite.empty() && !channels && request.table != "transponders")
        return UsageError("--satellite narrows only the transponder, tv and radio lists");
    return Succeeded();
}

void PrintSatellites(const CChannelDatabase& db)
{
    const int count = db.GetSatelliteCount();
    for (int sat = 0; sat < count; ++sat) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, sat);
        std::cout << Cells::SatelliteText(satellite) << '\n';
    }
}

void PrintTransponderView(const CChannelDatabase& db, const CChannelViews& views)
{
    for (int row = 0; views.GetTransponderViewEntry(row) != -1; ++row) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, views.GetTransponderViewEntry(row));
        std::cout << Cells::TransponderText(transponder) << '\n';
    }
}

void PrintChannelView(const CChannelDatabase& db, const CChannelViews& views, ChannelKind kind)
{
    const int rows = views.GetChannelViewLength(kind);
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::string> cells =
            Cells::ChannelRow(db, row, views.GetChannelViewEntry(row, kind), kind);
        for (std::size_t c = 0; c < cells.size(); ++c)
            std::cout << (c ? "\t" : "") << cells[c];
        std::cout << '\n';
    }
}

void PrintGroups(const CChannelDatabase& db)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    CChannelViews views(db);
    views.ShowGroupsInUse();
    const int inUse = std::popcount(info.groupsInUse);
    for (int i = 0; i < inUse; ++i) {
        const int slot = views.GetGroupViewEntry(i);
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        std::cout << slot << '\t' << std::string(group.name, FieldTextLength(group.name)) << '\t'
                  << group.tvCount << '\t' << group.radioCount << '\n';
    }
}

// Narrows the view of the requested list as a click in the form would.
Outcome ShowRows(const CChannelDatabase& db, CChannelViews& views, const ListRequest& request)
{
    int index = 0;
    if (request.table == "transponders") {
        if (request.satellite.empty()) {
            views.ShowAllTransponders();
            return Succeeded();
        }
        Outcome parsed = ParseIndex(request.satellite, db.GetSatelliteCount(), "satellite", index);
        if (parsed.status == Exit::kOk)
            views.ShowTranspondersOf(index);
        return parsed;
    }
    ChannelKind kind = kTv;
    ParseKind(request.table, kind);
    return ShowChannelRange(db, views, kind, request.satellite, request.transponder);
}

}  // namespace

int RunList(Arguments args)
{
    ListRequest request;
    if (Outcome parsed = ParseRequest(args, request); parsed.status != Exit::kOk)
        return Report(parsed);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, request.image); opened.status != Exit::kOk)
        return Report(opened);

    const CChannelDatabase& db = document.m_database;
    if (request.table == "satellites") {
        PrintSatellites(db);
        return Exit::kOk;
    }
    if (request.table == "groups") {
        PrintGroups(db);
        return Exit::kOk;
    }
    CChannelViews views(db);
    if (Outcome shown = ShowRows(db, views, request); shown.status != Exit::kOk)
        return Report(shown);
    ChannelKind kind = kTv;
    if (ParseKind(request.table, kind))
        PrintChannelView(db, views, kind);
    else
        PrintTransponderView(db, views);
    return Exit::kOk;
}
