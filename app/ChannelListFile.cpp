#include "ChannelListFile.h"

#include "ChannelRows.h"
#include "CoreText.h"
#include "UserPrompts.h"

#include <QFile>
#include <QFileInfo>

bool ChannelListFile::Read(QWidget* owner, const QString& path, std::vector<ChannelRows::Row>& rows,
                           ChannelRows::CsvForm& form)
{
    QFile file(path);
    if (file.size() > qint64(ChannelRows::kLargestCsv)) {
        Prompts::Message(owner,
                         tr("%1 is larger than any channel list (%2 MiB).")
                             .arg(path, QString::number(ChannelRows::kLargestCsv >> 20)),
                         IUserPrompts::Icon::Exclamation);
        return false;
    }
    QByteArray text;
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Prompts::Message(owner, tr("%1 cannot be read: %2").arg(path, file.errorString()),
                         IUserPrompts::Icon::Exclamation);
        return false;
    }
    if (const auto refusal =
            ChannelRows::FromCsv(std::string_view(text.constData(), std::size_t(text.size())), rows, form)) {
        ReportRefusal(owner, path, *refusal);
        return false;
    }
    return true;
}

void ChannelListFile::ReportRefusal(QWidget* owner, const QString& path, const ChannelRows::Refusal& refusal)
{
    Prompts::Message(
        owner,
        tr("%1, line %2: %3\n\nNothing was changed.")
            .arg(QFileInfo(path).fileName(), QString::number(refusal.line), CoreText(refusal.message)),
        IUserPrompts::Icon::Exclamation);
}
