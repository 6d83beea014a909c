// Tools > Update Transponders...: a public transponder list read, the update
// chosen in its preview, and applied as one step that Undo takes back.
#pragma once

#include <QObject>

#include <vector>

class CVolmarenDoc;
class QWidget;

namespace TransponderList {
struct Satellite;
}

class CTransponderUpdateCommand : public QObject {
    Q_OBJECT
public:
    // `owner` owns the command, its messages and its dialogs.
    CTransponderUpdateCommand(CVolmarenDoc& doc, QWidget* owner);

    void OnUpdateTransponders();

private:
    // The satellites of the list at `path`; false when it cannot be read, is
    // refused or holds none (reported).
    bool ReadSources(const QString& path, std::vector<TransponderList::Satellite>& sources);

    CVolmarenDoc& m_doc;
    QWidget* m_pOwner;
};
