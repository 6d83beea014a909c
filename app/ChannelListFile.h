// A channel list file as the commands that take one read it: its rows, or
// why it cannot be taken, said to the person.
#pragma once

#include <QCoreApplication>

#include <vector>

class QWidget;

namespace ChannelRows {
struct CsvForm;
struct Refusal;
struct Row;
}  // namespace ChannelRows

class ChannelListFile {
    Q_DECLARE_TR_FUNCTIONS(ChannelListFile)
public:
    // The rows of the list at `path` and how it was written; false when it
    // cannot be read or is refused (reported over `owner`).
    static bool Read(QWidget* owner, const QString& path, std::vector<ChannelRows::Row>& rows,
                     ChannelRows::CsvForm& form);
    // Why the list at `path`, or what it asks for, was refused, at its line.
    static void ReportRefusal(QWidget* owner, const QString& path, const ChannelRows::Refusal& refusal);
};
