#include "ChannelListFile.h"

#include "ChannelRows.h"
#include "ChosenFile.h"
#include "CoreText.h"
#include "UserPrompts.h"

#include <QFileInfo>

bool ChannelListFile::Read(QWidget* owner, const QString& path, std::vector<ChannelRows::Row>& rows,
                           ChannelRows::CsvForm& form)
{
    const std::optional<QByteArray> text =
        ReadChosenFile(owner, path, ChannelRows::kLargestCsv,
                       tr("%1 is larger than any channel list (%2 MiB).")
                           .arg(path, QString::number(ChannelRows::kLargestCsv >> 20)));
    if (!text)
        return false;
    if (const auto refusal = ChannelRows::FromCsv(
            std::string_view(text->constData(), std::size_t(text->size())), rows, form)) {
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
