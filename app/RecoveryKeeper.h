// Keeps a recovery copy of the document while it has unsaved changes, and
// removes it once they are saved, undone or given up. The window's thread
// only takes a snapshot; a thread of the writer's puts it on disk.
#pragma once

#include "RecoveryWriter.h"

#include <QObject>

class CVolmarenDoc;

class CRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    explicit CRecoveryKeeper(CVolmarenDoc& doc, const std::filesystem::path& folder = Recovery::Folder());

    // Returns once the copy on disk is the document's current state.
    void Flush() { m_writer.Flush(); }
    // This editor's copy; empty until the first one is written.
    std::filesystem::path CopyPath() const { return m_writer.Path(); }

private:
    // Follows the document's history: every change, save and undo.
    void FollowDocument();

    CVolmarenDoc& m_doc;
    CRecoveryWriter m_writer;
};
