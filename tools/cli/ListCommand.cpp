// volmaren-cli list satellites|transponders|tv|radio|groups IMAGE
//                  [--satellite S | --transponder T]
#include "CellText.h"
#include "ChannelViews.h"
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "JsonOutput.h"

#include <array>
#include <bit>

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

void PrintSatellites(const CChannelDatabase& db, ListOutput& out)
{
    const int count = db.GetSatelliteCount();
    for (int sat = 0; sat < count; ++sat) {
        SatelliteRecord satellite;
        db.GetSatellite(satellite, sat);
        const std::string name = Cells::SatelliteText(satellite);
        out.Row(name, {{"name", ReceiverText(name)}});
    }
}

// The frequency in MHz, with its fraction when it has one.
Json Megahertz(std::uint32_t khz)
{
    if (khz % 1000 == 0)
        return khz / 1000;
    return khz / 1000.0;
}

void PrintTransponderView(const CChannelDatabase& db, const CChannelViews& views, ListOutput& out)
{
    for (int row = 0; views.GetTransponderViewEntry(row) != -1; ++row) {
        TransponderRecord transponder;
        db.GetTransponder(transponder, views.GetTransponderViewEntry(row));
        out.Row(Cells::TransponderText(transponder),
                {{"frequency_mhz", Megahertz(transponder.frequency)},
                 {"symbol_rate", transponder.symbolRate},
                 {"polarization", transponder.polarization ? "H" : "V"}});
    }
}

using GroupNames = std::array<std::string, Image::kGroupCount>;

GroupNames NamesOfGroups(const CChannelDatabase& db)
{
    GroupNames names;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        names[std::size_t(slot)].assign(group.name, FieldTextLength(group.name));
    }
    return names;
}

// The row's cells by the names of the CSV's columns; the groups in full
// where the list shows the first.
Json ChannelFields(const CChannelDatabase& db, const GroupNames& groupNames, int slot, ChannelKind kind)
{
    ChannelRecord channel;
    db.GetChannel(channel, slot, kind);
    Json groups = Json::array();
    for (int g = 0; g < Image::kGroupCount; ++g) {
        if ((channel.favoriteMask & GroupBit(g)) && !groupNames[std::size_t(g)].empty())
            groups.push_back(ReceiverText(groupNames[std::size_t(g)]));
    }
    Json fields = {
        {"name", ReceiverText(std::string(channel.name, FieldTextLength(channel.name)))},
        {"scramble", Cells::ScrambleText(channel)},
        {"bouquet", ReceiverText(Cells::BouquetText(db, slot, kind))},
        {"groups", groups},
        {"audio", Cells::AudioText(channel)},
    };
    if (kind == kTv)
        fields["video_pid"] = channel.videoPid;
    fields["audio_pid"] = channel.audioPid;
    fields["pcr_pid"] = channel.pcrPid;
    fields["lock"] = (channel.flags & ChannelFlag::kLocked) != 0;
    fields["skip"] = (channel.flags & ChannelFlag::kSkipped) != 0;
    return fields;
}

void PrintChannelView(const CChannelDatabase& db, const CChannelViews& views, ChannelKind kind,
                      ListOutput& out)
{
    const GroupNames groupNames = NamesOfGroups(db);
    const int rows = views.GetChannelViewLength(kind);
    for (int row = 0; row < rows; ++row) {
        const int slot = views.GetChannelViewEntry(row, kind);
        const std::vector<std::string> cells = Cells::ChannelRow(db, row, slot, kind);
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c)
            line += (c ? "\t" : "") + cells[c];
        out.Row(line, ChannelFields(db, groupNames, slot, kind));
    }
}

void PrintGroups(const CChannelDatabase& db, ListOutput& out)
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
        const std::string name(group.name, FieldTextLength(group.name));
        out.Row(std::to_string(slot) + '\t' + name + '\t' + std::to_string(group.tvCount) + '\t' +
                    std::to_string(group.radioCount),
                {{"slot", slot},
                 {"name", ReceiverText(name)},
                 {"tv_count", group.tvCount},
                 {"radio_count", group.radioCount}});
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
    CChannelViews views(db);
    if (request.table != "satellites" && request.table != "groups") {
        if (Outcome shown = ShowRows(db, views, request); shown.status != Exit::kOk)
            return Report(shown);
    }
    ListOutput out;
    ChannelKind kind = kTv;
    if (request.table == "satellites")
        PrintSatellites(db, out);
    else if (request.table == "groups")
        PrintGroups(db, out);
    else if (ParseKind(request.table, kind))
        PrintChannelView(db, views, kind, out);
    else
        PrintTransponderView(db, views, out);
    out.Finish();
    return Exit::kOk;
}
