#include "ChosenFile.h"

#include "UserPrompts.h"

#include <QCoreApplication>
#include <QFile>

std::optional<QByteArray> ReadChosenFile(QWidget* owner, const QString& path, std::uintmax_t largest,
                                         const QString& tooLarge)
{
    QFile file(path);
    if (file.size() > qint64(largest)) {
        Prompts::Message(owner, tooLarge, IUserPrompts::Icon::Exclamation);
        return std::nullopt;
    }
    QByteArray text;
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Prompts::Message(
            owner,
            QCoreApplication::translate("ChosenFile", "%1 cannot be read: %2").arg(path, file.errorString()),
            IUserPrompts::Icon::Exclamation);
        return std::nullopt;
    }
    return text;
}
