// The images opened or saved last, newest first, kept across runs and shown
// in the File menu above Exit.
#pragma once

#include <QStringList>

namespace RecentFiles {

inline constexpr int kCount = 6;

QStringList List();
// `path` becomes the newest entry; the oldest beyond kCount is dropped.
void Add(const QString& path);
// An entry that could not be opened is forgotten.
void Remove(const QString& path);

}  // namespace RecentFiles
