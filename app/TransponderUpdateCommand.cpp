#include "TransponderUpdateCommand.h"

#include "CTransponderUpdateDlg.h"
#include "CVolmarenDoc.h"
#include "ChosenFile.h"
#include "CoreText.h"
#include "TransponderList.h"
#include "TransponderUpdate.h"
#include "UserPrompts.h"

#include <QFileInfo>

CTransponderUpdateCommand::CTransponderUpdateCommand(CVolmarenDoc& doc, QWidget* owner)
    : QObject(owner), m_doc(doc), m_pOwner(owner)
{
}

void CTransponderUpdateCommand::OnUpdateTransponders()
{
    if (m_doc.NoData())
        return;
    const QString path = Prompts::Current().OpenFileName(m_pOwner, tr("Update Transponders"),
                                                         IUserPrompts::FileKind::TransponderList);
    std::vector<TransponderList::Satellite> sources;
    if (path.isEmpty() || !ReadSources(path, sources))
        return;
    CTransponderUpdateDlg dialog(m_doc.Database(), std::move(sources), QFileInfo(path).fileName(), m_pOwner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TransponderUpdate::Plan& plan = dialog.ChosenPlan();
    std::optional<PlaceholderText> refusal;
    const bool changed =
        m_doc.Apply(tr("Update Transponders"), ListChange::Everything,
                    [&](CChannelDatabase& db) { refusal = TransponderUpdate::Apply(db, plan); });
    if (refusal)
        Prompts::Message(m_pOwner, CoreText(*refusal), IUserPrompts::Icon::Exclamation);
    else if (!changed)
        Prompts::Message(m_pOwner, tr("The transponders already are as the checked rows have them: nothing "
                                      "was changed."));
}

bool CTransponderUpdateCommand::ReadSources(const QString& path,
                                            std::vector<TransponderList::Satellite>& sources)
{
    const std::optional<QByteArray> text =
        ReadChosenFile(m_pOwner, path, TransponderList::kLargestList,
                       tr("%1 is larger than any transponder list (%2 MiB).")
                           .arg(path, QString::number(TransponderList::kLargestList >> 20)));
    if (!text)
        return false;
    const std::optional<TransponderList::Refusal> refusal = TransponderList::ReadList(
        std::string_view(text->constData(), std::size_t(text->size())), path.toStdString(), sources);
    if (refusal) {
        Prompts::Message(
            m_pOwner,
            tr("%1, line %2: %3\n\nNothing was changed.")
                .arg(QFileInfo(path).fileName(), QString::number(refusal->line), CoreText(refusal->reason)),
            IUserPrompts::Icon::Exclamation);
        return false;
    }
    if (sources.empty()) {
        Prompts::Message(m_pOwner, tr("%1 holds no satellite.").arg(QFileInfo(path).fileName()),
                         IUserPrompts::Icon::Exclamation);
        return false;
    }
    return true;
}
