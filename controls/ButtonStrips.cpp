#include "ButtonStrips.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace {

const QSize kSmall(64, 32);
const QSize kLarge(120, 40);

const std::array<ButtonStrip, 11> kStrips{{
    {143, kSmall, QT_TRANSLATE_NOOP("CHoverButton", "Add")},
    {144, kSmall, QT_TRANSLATE_NOOP("CHoverButton", "Edit")},
    {146, kSmall, QT_TRANSLATE_NOOP("CHoverButton", "Delete")},
    {147, kSmall, QT_TRANSLATE_NOOP("CHoverButton", "STOP")},
    {149, kSmall, QT_TRANSLATE_NOOP("CHoverButton", "OK")},
    {151, kLarge, QT_TRANSLATE_NOOP("CHoverButton", "Fav-Group")},
    {152, kLarge, QT_TRANSLATE_NOOP("CHoverButton", "System")},
    {153, kLarge, QT_TRANSLATE_NOOP("CHoverButton", "Channel Down")},
    {154, kLarge, QT_TRANSLATE_NOOP("CHoverButton", "Channel UP")},
    //: Writes the image into the receiver. A bracketed part may go on a second line.
    {155, kLarge, QT_TRANSLATE_NOOP("CHoverButton", "DOWNLOAD (PC -> STB)")},
    //: Reads the image from the receiver. A bracketed part may go on a second line.
    {156, kLarge, QT_TRANSLATE_NOOP("CHoverButton", "UPLOAD (STB -> PC)")},
}};

}  // namespace

std::span<const ButtonStrip> ButtonStrips()
{
    return kStrips;
}

const ButtonStrip* FindButtonStrip(int resourceId)
{
    const auto found = std::find_if(kStrips.begin(), kStrips.end(), [resourceId](const ButtonStrip& strip) {
        return strip.resourceId == resourceId;
    });
    return found == kStrips.end() ? nullptr : &*found;
}
