// The editor's own settings (the port chosen last, the images used last),
// in the user's settings folder.
#pragma once

#include <QSettings>

inline QSettings AppSettings()
{
    return QSettings(QStringLiteral("Volmaren"), QStringLiteral("Volmaren"));
}
