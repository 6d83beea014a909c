// volmaren-cli info IMAGE
#include "Commands.h"
#include "EntryLists.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "JsonOutput.h"

#include <iostream>

namespace {

std::vector<std::string> GroupsInUse(const CChannelDatabase& db)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    std::vector<std::string> names;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        if (!(info.groupsInUse & GroupBit(slot)))
            continue;
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        names.emplace_back(group.name, FieldTextLength(group.name));
    }
    return names;
}

std::string LanguageName(std::uint8_t language)
{
    if (language < Entries::kMenuLanguages.size())
        return Entries::kMenuLanguages[language];
    return "unknown (" + std::to_string(language) + ")";
}

}  // namespace

int RunInfo(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 1, 1, "info IMAGE"); count.status != Exit::kOk)
        return Report(count);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);

    const CChannelDatabase& db = document.m_database;
    SystemInfo info;
    db.GetSystemInfo(info);
    const std::vector<std::string> groups = GroupsInUse(db);
    Json groupNames = Json::array();
    for (const std::string& name : groups)
        groupNames.push_back(ReceiverText(name));
    const Json fields = {
        {"variant", db.m_nVariant},
        {"satellites", db.GetSatelliteCount()},
        {"transponders", db.GetTransponderCount()},
        {"tv", db.GetChannelCount(kTv)},
        {"radio", db.GetChannelCount(kRadio)},
        {"groups", groupNames},
        {"menu-language", LanguageName(info.menuLanguage)},
        {"list-mode", info.listMode},
        {"current-satellite", info.currentSatellite},
        {"current-group", info.currentGroup},
        {"service-type", info.serviceType},
    };
    if (JsonWanted()) {
        PrintJson(fields);
        return Exit::kOk;
    }
    for (const auto& [key, value] : fields.items()) {
        std::cout << key << ": ";
        if (key == "groups") {
            // The names' own bytes, as the receiver stores them.
            for (std::size_t g = 0; g < groups.size(); ++g)
                std::cout << (g ? "," : "") << groups[g];
        } else {
            std::cout << (value.is_string() ? value.get<std::string>() : value.dump());
        }
        std::cout << '\n';
    }
    return Exit::kOk;
}
