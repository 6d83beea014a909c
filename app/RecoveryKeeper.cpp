#include "RecoveryKeeper.h"

#include "CVolmarenDoc.h"

#include <QtGlobal>

#include <ctime>

CRecoveryKeeper::CRecoveryKeeper(CVolmarenDoc& doc, const std::filesystem::path& folder)
    : m_doc(doc), m_writer(folder, [](const PlaceholderText& why) {
          // The writer's thread may not touch the window; the next change
          // tries again.
          qWarning("The recovery copy could not be written: %s", Fill(why).c_str());
      })
{
    connect(&doc, &CVolmarenDoc::HistoryChanged, this, &CRecoveryKeeper::FollowDocument);
    connect(&doc, &CVolmarenDoc::ChangesDiscarded, this, [this] { m_writer.Remove(); });
}

void CRecoveryKeeper::FollowDocument()
{
    if (!m_doc.HasUnsavedChanges() || m_doc.NoData()) {
        m_writer.Remove();
        return;
    }
    RecoverySnapshot snapshot;
    snapshot.time = std::time(nullptr);
    snapshot.file = m_doc.FilePath().toStdString();
    snapshot.label = m_doc.UndoLabel().toStdString();
    snapshot.image = m_writer.TakeBuffer();
    m_doc.Database().BuildWorkImage(snapshot.image.data());
    m_writer.Keep(std::move(snapshot));
}
