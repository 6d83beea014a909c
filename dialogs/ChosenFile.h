// Reading a file a person chose to take data from, with what goes wrong
// reported to them through the prompts seam.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

// The bytes of `path`; nothing when the file is larger than `largest` bytes
// (then `tooLarge` is shown) or cannot be read (then why).
std::optional<QByteArray> ReadChosenFile(QWidget* owner, const QString& path, std::uintmax_t largest,
                                         const QString& tooLarge);
