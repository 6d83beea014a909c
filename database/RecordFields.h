// The named fields of the system block and of a favourite group, for the
// reports that name what differs in them: the image check, which compares
// the fields the upkeep writes, and the verify, which names every field.
#pragma once

#include "ImageFormat.h"

#include <cstddef>

struct RecordField {
    std::size_t offset;
    std::size_t size;
    const char* name;
    bool upkept;  // rewritten by the upkeep after every change of channels
};

// SystemInfo's fields; its other bytes are carried unchanged.
inline constexpr RecordField kSystemInfoFields[] = {
    {offsetof(SystemInfo, marker), 1, "marker", false},
    {offsetof(SystemInfo, currentSatellite), 2, "currentSatellite", true},
    {offsetof(SystemInfo, currentGroup), 1, "currentGroup", true},
    {offsetof(SystemInfo, cleared6), 2, "word 6", true},
    {offsetof(SystemInfo, cleared8), 2, "word 8", true},
    {offsetof(SystemInfo, listTvCount), 2, "listTvCount", true},
    {offsetof(SystemInfo, listRadioCount), 2, "listRadioCount", true},
    {offsetof(SystemInfo, menuLanguage), 1, "menuLanguage", false},
    {offsetof(SystemInfo, groupsInUse), 1, "groupsInUse", false},
    {offsetof(SystemInfo, textColor), 1, "textColor", false},
    {offsetof(SystemInfo, serviceType), 1, "serviceType", true},
    {offsetof(SystemInfo, displayColor), 1, "displayColor", false},
    {offsetof(SystemInfo, listMode), 1, "listMode", true},
    {offsetof(SystemInfo, cleared52), 2, "word 52", true},
    {offsetof(SystemInfo, cleared54), 2, "word 54", true},
    {offsetof(SystemInfo, totalTvCount), 2, "totalTvCount", true},
    {offsetof(SystemInfo, totalRadioCount), 2, "totalRadioCount", true},
};

inline constexpr RecordField kGroupFields[] = {
    {offsetof(FavoriteGroupRecord, reserved0), 4, "bytes 0 to 3", true},
    {offsetof(FavoriteGroupRecord, tvCount), 2, "tvCount", true},
    {offsetof(FavoriteGroupRecord, radioCount), 2, "radioCount", true},
    {offsetof(FavoriteGroupRecord, name), sizeof(FavoriteGroupRecord::name), "name", false},
};
