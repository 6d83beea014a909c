// The editor's one document: the image document with its database and flags,
// the one path every change of the data takes (with its undo history), File
// Open/Save/Save As, and the writes the close handler offers.
#pragma once

#include "EditHistory.h"
#include "ImageDocument.h"

#include <QFlags>
#include <QObject>
#include <QString>

#include <any>
#include <cstdint>
#include <functional>
#include <span>

class QWidget;

// The lists a change of the data leaves out of date.
enum class ListChange {
    None = 0,
    Satellites = 1,
    Transponders = 2,
    TvChannels = 4,
    RadioChannels = 8,
    Channels = TvChannels | RadioChannels,
    // New data: the lists start again from everything.
    Everything = 16,
};
Q_DECLARE_FLAGS(ListChanges, ListChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(ListChanges)

inline ListChange ChannelListChange(ChannelKind kind)
{
    return kind == kRadio ? ListChange::RadioChannels : ListChange::TvChannels;
}

class CVolmarenDoc : public QObject {
    Q_OBJECT
public:
    explicit CVolmarenDoc(QObject* parent = nullptr);

    // The data, to read: every change goes through Apply.
    const CChannelDatabase& Database() const { return m_document.m_database; }
    bool NoData() const { return m_document.m_bNoData; }
    // The data in hand was loaded from or saved to a file as it is: a
    // download may send it.
    bool Saved() const { return m_document.m_bSaved; }
    // The data differs from what was last loaded, saved or uploaded.
    bool HasUnsavedChanges() const { return !m_history.IsClean(); }
    QString FilePath() const { return QString::fromStdString(m_document.m_szFilePath); }

    // The window that owns the document's messages.
    void SetPromptOwner(QWidget* owner) { m_pPromptOwner = owner; }
    // What the lists show now, kept with each undo step (see ListContext).
    void SetContextSource(std::function<std::any()> source) { m_contextSource = std::move(source); }

    // --- Changes -------------------------------------------------------------
    using Change = std::function<void(CChannelDatabase&)>;
    // Makes a change a person asked for, as one step they can undo under
    // `label`, and announces it. False when it changed no byte: then nothing
    // is recorded or announced. A change runs to its end without asking
    // anything; one asked for while another runs is refused (false).
    bool Apply(const QString& label, ListChanges lists, const Change& change);
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    QString UndoLabel() const { return QString::fromStdString(m_history.UndoLabel()); }
    QString RedoLabel() const { return QString::fromStdString(m_history.RedoLabel()); }
    void Undo();
    void Redo();
    const CEditHistory& History() const { return m_history; }

    // --- Files and uploads ---------------------------------------------------
    // New document (start-up, Ctrl+N): no data, no path; the lists keep what
    // they show.
    void OnNewDocument();
    // File > Open of `path`; false when refused or unreadable (reported).
    bool OnOpenDocument(const QString& path);
    // Opens a copy of the image at `path` as data no file holds yet, as an
    // upload brings it: Save asks for a name, so the file itself (an image
    // the receiver history keeps) is never written over.
    bool OpenCopy(const QString& path);
    // Takes a recovery copy's working image (Image::kLargeSize bytes) as the
    // unsaved data of `path` (empty: none); its undo history starts here.
    void OpenRecovered(const std::uint8_t* image, const QString& path);
    // Takes the image a completed upload brought, in the layout of `variant`,
    // with the notice for a small one: new data, no change to undo.
    void AcceptUpload(std::span<const std::uint8_t> image, int variant);
    // Builds the image a download sends from the data in hand.
    std::span<const std::uint8_t> PrepareDownload() { return m_document.PrepareDownload(); }
    // File > Save: to the current path, or as Save As when there is none.
    bool OnFileSave();
    // File > Save As.
    bool OnFileSaveAs();

    // Before the document is replaced (Open, New, an upload): asks whether to
    // save unsaved changes. True when the caller may go on: the user said No,
    // or Yes and the save succeeded, or nothing was unsaved.
    bool SaveModified();

    // Before the window closes: asks whether to save unsaved changes, and
    // writes the image to the current path or to a name asked for. True when
    // the window may close: the user said No, or Yes and the write
    // succeeded, or nothing was unsaved.
    bool SaveModifiedForClose();

    // "Volmaren - Untitled" or "Volmaren - " and the file's name.
    QString WindowTitle() const;

Q_SIGNALS:
    void TitleChanged(const QString& title);
    // An image file was opened or saved at `path`.
    void FileUsed(const QString& path);
    // The data changed. After Undo and Redo `context` is what the lists
    // showed on that side of the step; otherwise it is null.
    void Changed(ListChanges lists, const std::any* context);
    // What Undo and Redo would do, or the saved state, changed; also after
    // every change of the data.
    void HistoryChanged();
    // The unsaved changes are given up; nothing of them is to be kept.
    void ChangesDiscarded();

private:
    // Reads the image at `path` into the document; false when refused or
    // unreadable (reported).
    bool LoadFile(const QString& path);
    // Starts a new history: the data in hand is the clean data.
    void StartHistory();
    void FollowHistory();
    std::any CurrentContext() const;
    // After Undo or Redo: every list follows, back to `context`.
    void Announce(const std::any& context);
    // The one question whether to save: Yes runs `save`, No goes on without,
    // Cancel stays. True when the caller may go on.
    bool AskToSave(bool (CVolmarenDoc::*save)());
    bool SaveTo(const QString& path);
    // The close handler's write, which marks nothing saved: the program ends.
    bool SaveForClose();
    QString AskSaveName() const;
    void ReportFileError(const PlaceholderText& error) const;

    CImageDocument m_document;
    CEditHistory m_history;
    // The clean data came from a file, not from an upload.
    bool m_bCleanIsFile = true;
    QWidget* m_pPromptOwner = nullptr;
    // A change is being made.
    bool m_bApplying = false;
    std::function<std::any()> m_contextSource;
};
