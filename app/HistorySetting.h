// Whether the editor keeps each image read from the receiver in the receiver
// history: Transfer > Keep Receiver History, on unless the person turned it
// off.
#pragma once

#include "AppSettings.h"

namespace HistorySetting {

inline const QString kKey = QStringLiteral("Transfer/KeepReceiverHistory");

inline bool Keep()
{
    return AppSettings().value(kKey, true).toBool();
}

inline void SetKeep(bool keep)
{
    AppSettings().setValue(kKey, keep);
}

}  // namespace HistorySetting
