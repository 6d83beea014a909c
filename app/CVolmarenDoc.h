// The editor's one document: the image document with its database and flags,
// File Open/Save/Save As, and the writes the close handler offers.
#pragma once

#include "ImageDocument.h"

#include <QObject>
#include <QString>

class CVolmarenView;

class CVolmarenDoc : public QObject {
    Q_OBJECT
public:
    explicit CVolmarenDoc(QObject* parent = nullptr);

    CImageDocument& Image() { return m_document; }
    CChannelDatabase& Database() { return m_document.m_database; }
    bool NoData() const { return m_document.m_bNoData; }
    bool Saved() const { return m_document.m_bSaved; }
    void SetSaved(bool saved) { m_document.m_bSaved = saved; }
    QString FilePath() const { return QString::fromStdString(m_document.m_szFilePath); }

    // The form that owns the document's messages and shows its data.
    CVolmarenView* m_pView = nullptr;

    // New document (start-up, Ctrl+N): no data, no path; the lists keep
    // what they show.
    void OnNewDocument();
    // File > Open of `path`; false when refused or unreadable (reported).
    bool OnOpenDocument(const QString& path);
    // File > Save: to the current path, or as Save As when there is none.
    bool OnFileSave();
    // File > Save As.
    bool OnFileSaveAs();

    // Before the document is replaced (Open, New, an upload): asks whether to
    // save unsaved changes. True when the caller may go on: the user said No,
    // or Yes and the save succeeded, or nothing was unsaved.
    bool SaveModified();

    // The close handler's save of the image already built into the raw
    // buffer: to the current path, or to a name asked for. False when the
    // user cancelled or the write failed (reported).
    bool SaveForClose();

    // "Volmaren - Untitled" or "Volmaren - " and the file's name.
    QString WindowTitle() const;

Q_SIGNALS:
    void TitleChanged(const QString& title);

private:
    bool SaveTo(const QString& path);
    QString AskSaveName() const;
    void ReportFileError(const std::string& error) const;

    CImageDocument m_document;
};
