// volmaren-cli info IMAGE
#include "Commands.h"
#include "EntryLists.h"
#include "ImageDocument.h"
#include "ImageIo.h"

#include <iostream>

namespace {

std::string GroupsInUse(const CChannelDatabase& db)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    std::string names;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        if (!(info.groupsInUse & GroupBit(slot)))
            continue;
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        if (!names.empty())
            names += ',';
        names.append(group.name, FieldTextLength(group.name));
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
    std::cout << "variant: " << db.m_nVariant << '\n'
              << "satellites: " << db.GetSatelliteCount() << '\n'
              << "transponders: " << db.GetTransponderCount() << '\n'
              << "tv: " << db.GetChannelCount(kTv) << '\n'
              << "radio: " << db.GetChannelCount(kRadio) << '\n'
              << "groups: " << GroupsInUse(db) << '\n'
              << "menu-language: " << LanguageName(info.menuLanguage) << '\n'
              << "list-mode: " << int(info.listMode) << '\n'
              << "current-satellite: " << info.currentSatellite << '\n'
              << "current-group: " << int(info.currentGroup) << '\n'
              << "service-type: " << int(info.serviceType) << '\n';
    return Exit::kOk;
}
