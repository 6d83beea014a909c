#include "TrafficLogCommand.h"

#include "UserPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

void SaveTrafficLog(QWidget* owner, const std::string& text)
{
    const QString path = Prompts::Current().SaveFileName(
        owner, QCoreApplication::translate("SaveTrafficLog", "Save Traffic Log"),
        QDir::home().filePath(QStringLiteral("volmaren-traffic.log")), IUserPrompts::FileKind::Log);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.commit())
        return;
    Prompts::Message(owner,
                     QCoreApplication::translate("SaveTrafficLog", "Cannot write the traffic log to %1: %2")
                         .arg(path, file.errorString()));
}
