// File > Compare With... and Compare With Saved: the document against an
// image, a backup or a channel list, or against the file it is saved in, each
// in a compare window of its own.
#pragma once

#include <QObject>

#include <optional>

class CVolmarenDoc;
class QWidget;

namespace Diff {
struct OtherSide;
}

class CCompareCommands : public QObject {
    Q_OBJECT
public:
    CCompareCommands(CVolmarenDoc& doc, QWidget* owner);

    void OnCompareWith();
    void OnCompareWithSaved();
    // The document holds what its file does not: changes since it was
    // opened or saved, or an upload.
    bool CanCompareWithSaved() const;

private:
    // A window comparing with the file at `path`, which `label` names.
    void Open(const QString& path, const QString& label);
    // An image, or else a channel list; nothing when neither can be read
    // (reported).
    std::optional<Diff::OtherSide> Read(const QString& path) const;

    CVolmarenDoc& m_doc;
    QWidget* m_pOwner;
};
