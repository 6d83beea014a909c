#include "GroupName.h"

#include "EditDialog.h"

#include <algorithm>
#include <cstring>

QString GroupName(const FavoriteGroupRecord& record)
{
    return RecordText(std::string(record.name, FieldTextLength(record.name)));
}

void SetGroupName(FavoriteGroupRecord& record, const QString& name)
{
    if (name == GroupName(record))
        return;
    const std::string bytes = RecordBytes(name);
    std::memset(record.name, 0, sizeof record.name);
    std::memcpy(record.name, bytes.data(), std::min(bytes.size(), std::size_t(kGroupNameLength)));
}
