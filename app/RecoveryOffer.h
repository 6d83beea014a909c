// At start-up, before any file is opened: offers each recovery copy that no
// running editor holds, one after another. Recover takes the copy as the
// document; Compare shows it against its saved file and asks again; Discard
// deletes it after a confirmation; Later keeps it for the next start. A damaged copy is named and offered for deletion.
#pragma once

#include "RecoveryFolder.h"

#include <QCoreApplication>

class CRecoveryKeeper;
class CVolmarenDoc;
class QWidget;

class CRecoveryOffer {
    Q_DECLARE_TR_FUNCTIONS(CRecoveryOffer)
public:
    CRecoveryOffer(CVolmarenDoc& doc, CRecoveryKeeper& keeper, QWidget* owner)
        : m_doc(doc), m_keeper(keeper), m_pOwner(owner)
    {
    }

    // True when a copy was recovered into the document; the copies not yet
    // offered then stay for the next start.
    bool Run(const std::filesystem::path& folder = Recovery::Folder());

private:
    // True when the person recovered it.
    bool Offer(COrphanedRecoveryCopy& copy, const RecoverySnapshot& snapshot);
    // The saved file as ours, the recovered changes as theirs; an unreadable
    // file is reported.
    void CompareWithSaved(const RecoverySnapshot& snapshot);
    void OfferDeletion(COrphanedRecoveryCopy& copy);
    void Recover(COrphanedRecoveryCopy& copy, const RecoverySnapshot& snapshot);
    // The FILE and TIME of "the unsaved changes to FILE from TIME".
    static QString FileOf(const RecoverySnapshot& snapshot);
    static QString TimeOf(const RecoverySnapshot& snapshot);

    CVolmarenDoc& m_doc;
    CRecoveryKeeper& m_keeper;
    QWidget* m_pOwner;
};
