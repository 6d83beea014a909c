#include "RecoveryOffer.h"

#include "CVolmarenDoc.h"
#include "CompareWindow.h"
#include "CoreText.h"
#include "ImageDocument.h"
#include "RecoveryKeeper.h"
#include "SystemTexts.h"
#include "UserPrompts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// The question's answers in the order it offers them; a copy of a new image
// has no saved file to compare with.
enum class Choice { Recover, Compare, Discard, Later };

QString Native(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

}  // namespace

bool CRecoveryOffer::Run(const std::filesystem::path& folder)
{
    std::vector<COrphanedRecoveryCopy> copies = FindOrphanedCopies(folder);
    for (COrphanedRecoveryCopy& copy : copies) {
        RecoverySnapshot snapshot;
        if (!copy.Read(snapshot))
            OfferDeletion(copy);
        else if (Offer(copy, snapshot))
            return true;
    }
    return false;
}

bool CRecoveryOffer::Offer(COrphanedRecoveryCopy& copy, const RecoverySnapshot& snapshot)
{
    QString question =
        tr("Volmaren was not closed properly. The unsaved changes to %1 from %2 can be recovered.")
            .arg(FileOf(snapshot), TimeOf(snapshot));
    if (!snapshot.label.empty())
        question +=
            QStringLiteral("\n\n") + tr("The last change: %1").arg(QString::fromStdString(snapshot.label));
    std::vector<Choice> offered{Choice::Recover, Choice::Compare, Choice::Discard, Choice::Later};
    QStringList choices{tr("&Recover"), tr("&Compare"), tr("&Discard"), tr("&Later")};
    if (snapshot.file.empty()) {
        offered.erase(offered.begin() + 1);
        choices.removeAt(1);
    }
    for (;;) {
        const int chosen =
            Prompts::Current().Choose(m_pOwner, question, QString::fromLatin1(Text::kAppTitle), choices);
        switch (chosen >= 0 && chosen < int(offered.size()) ? offered[std::size_t(chosen)] : Choice::Later) {
        case Choice::Recover: Recover(copy, snapshot); return true;
        case Choice::Compare: CompareWithSaved(snapshot); continue;
        case Choice::Discard:
            if (!Prompts::Confirm(m_pOwner,
                                  tr("The unsaved changes to %1 from %2 will be lost. Discard them?")
                                      .arg(FileOf(snapshot), TimeOf(snapshot))))
                continue;
            copy.Delete();
            return false;
        default: return false;
        }
    }
}

void CRecoveryOffer::CompareWithSaved(const RecoverySnapshot& snapshot)
{
    CImageDocument saved;
    PlaceholderText error;
    if (saved.LoadFile(snapshot.file, error) != CImageDocument::Load::Loaded) {
        Prompts::Message(m_pOwner, CoreText(error), IUserPrompts::Icon::Exclamation);
        return;
    }
    CImageDocument recovered;
    recovered.RestoreWorkImage(snapshot.image.data(), snapshot.file);
    CCompareWindow::ShowImages(saved.m_database, QFileInfo(FileOf(snapshot)).fileName(), recovered.m_database,
                               tr("recovered from %1").arg(TimeOf(snapshot)), m_pOwner);
}

void CRecoveryOffer::OfferDeletion(COrphanedRecoveryCopy& copy)
{
    if (Prompts::AskYesNo(m_pOwner, tr("The recovery file %1 is damaged and cannot be recovered. Delete it?")
                                        .arg(Native(copy.Path()))))
        copy.Delete();
}

void CRecoveryOffer::Recover(COrphanedRecoveryCopy& copy, const RecoverySnapshot& snapshot)
{
    m_doc.OpenRecovered(snapshot.image.data(), QString::fromStdString(snapshot.file));
    // The old copy goes only once this editor's own copy holds the changes;
    // while no copy can be written it stays for the next start.
    m_keeper.Flush();
    std::error_code ec;
    if (std::filesystem::exists(m_keeper.CopyPath(), ec))
        copy.Delete();
}

QString CRecoveryOffer::FileOf(const RecoverySnapshot& snapshot)
{
    return snapshot.file.empty() ? tr("a new image") : Native(snapshot.file);
}

QString CRecoveryOffer::TimeOf(const RecoverySnapshot& snapshot)
{
    return QDateTime::fromSecsSinceEpoch(snapshot.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
