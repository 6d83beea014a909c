// The name field of a favourite group record: at most 7 characters and a NUL.
#pragma once

#include "ImageFormat.h"

#include <QString>

inline constexpr int kGroupNameLength = int(sizeof(FavoriteGroupRecord::name)) - 1;

QString GroupName(const FavoriteGroupRecord& record);
// Zeroes the field, then stores the name and its NUL; an unchanged name keeps
// its bytes.
void SetGroupName(FavoriteGroupRecord& record, const QString& name);
