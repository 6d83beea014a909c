#include "RecentFiles.h"

#include "AppSettings.h"

#include <QFileInfo>

namespace {

const QString kKey = QStringLiteral("File/Recent");

void Store(const QStringList& files)
{
    AppSettings().setValue(kKey, files);
}

}  // namespace

namespace RecentFiles {

QStringList List()
{
    return AppSettings().value(kKey).toStringList().mid(0, kCount);
}

void Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = List();
    files.removeAll(absolute);
    files.prepend(absolute);
    Store(files.mid(0, kCount));
}

void Remove(const QString& path)
{
    QStringList files = List();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    Store(files);
}

}  // namespace RecentFiles
