#include "CVolmarenDoc.h"

#include "CoreText.h"
#include "SystemTexts.h"
#include "TransferTexts.h"
#include "UserPrompts.h"

#include <QFileInfo>

namespace {

const QString kDefaultFileName = QStringLiteral("STB.dat");

}  // namespace

CVolmarenDoc::CVolmarenDoc(QObject* parent) : QObject(parent)
{
}

// --- Changes ------------------------------------------------------------------

bool CVolmarenDoc::Apply(const QString& label, ListChanges lists, const Change& change)
{
    // A change made inside another would land in the other's undo step, and
    // the history would record a nested snapshot as its own.
    if (m_bApplying)
        return false;
    std::any context = CurrentContext();
    CChannelDatabase& db = m_document.m_database;
    m_bApplying = true;
    m_history.Begin(db);
    change(db);
    const bool changed = m_history.Commit(db, label.toStdString(), std::move(context));
    m_bApplying = false;
    if (!changed)
        return false;
    FollowHistory();
    Q_EMIT Changed(lists, nullptr);
    return true;
}

void CVolmarenDoc::Undo()
{
    if (m_history.CanUndo())
        Announce(m_history.Undo(m_document.m_database, CurrentContext()));
}

void CVolmarenDoc::Redo()
{
    if (m_history.CanRedo())
        Announce(m_history.Redo(m_document.m_database, CurrentContext()));
}

std::any CVolmarenDoc::CurrentContext() const
{
    return m_contextSource ? m_contextSource() : std::any();
}

void CVolmarenDoc::Announce(const std::any& context)
{
    FollowHistory();
    Q_EMIT Changed(ListChange::Satellites | ListChange::Transponders | ListChange::Channels, &context);
}

void CVolmarenDoc::StartHistory()
{
    m_history.Clear();
    Q_EMIT HistoryChanged();
}

void CVolmarenDoc::FollowHistory()
{
    m_document.m_bSaved = m_history.IsClean() && m_bCleanIsFile;
    Q_EMIT HistoryChanged();
}

// --- Files and uploads --------------------------------------------------------

void CVolmarenDoc::OnNewDocument()
{
    m_document.NewDocument();
    StartHistory();
    Q_EMIT TitleChanged(WindowTitle());
}

bool CVolmarenDoc::OnOpenDocument(const QString& path)
{
    if (!LoadFile(path))
        return false;
    m_bCleanIsFile = true;
    StartHistory();
    Q_EMIT Changed(ListChange::Everything, nullptr);
    Q_EMIT TitleChanged(WindowTitle());
    Q_EMIT FileUsed(path);
    return true;
}

bool CVolmarenDoc::OpenCopy(const QString& path)
{
    if (!LoadFile(path))
        return false;
    m_document.m_szFilePath.clear();
    m_bCleanIsFile = false;
    StartHistory();
    Q_EMIT Changed(ListChange::Everything, nullptr);
    Q_EMIT TitleChanged(WindowTitle());
    return true;
}

bool CVolmarenDoc::LoadFile(const QString& path)
{
    PlaceholderText error;
    switch (m_document.LoadFile(path.toStdString(), error)) {
    case CImageDocument::Load::NotAnImage:
        Prompts::Message(m_pPromptOwner, CoreText(Text::kNotAnImage));
        return false;
    case CImageDocument::Load::Error: ReportFileError(error); return false;
    case CImageDocument::Load::Loaded: return true;
    }
    return false;
}

void CVolmarenDoc::OpenRecovered(const std::uint8_t* image, const QString& path)
{
    m_document.RestoreWorkImage(image, path.toStdString());
    m_bCleanIsFile = true;
    m_history.Clear();
    m_history.MarkUnsaved();
    FollowHistory();
    Q_EMIT Changed(ListChange::Everything, nullptr);
    Q_EMIT TitleChanged(WindowTitle());
}

void CVolmarenDoc::AcceptUpload(std::span<const std::uint8_t> image, int variant)
{
    if (m_document.AcceptUpload(image, variant))
        Prompts::Message(m_pPromptOwner, CoreText(Text::kBouquetNotice));
    // An upload is new data that no file holds yet.
    m_bCleanIsFile = false;
    StartHistory();
    Q_EMIT Changed(ListChange::Everything, nullptr);
}

bool CVolmarenDoc::OnFileSave()
{
    if (m_document.m_szFilePath.empty())
        return OnFileSaveAs();
    return SaveTo(FilePath());
}

bool CVolmarenDoc::OnFileSaveAs()
{
    const QString path = AskSaveName();
    return !path.isEmpty() && SaveTo(path);
}

bool CVolmarenDoc::SaveTo(const QString& path)
{
    PlaceholderText error;
    if (!m_document.SaveFile(path.toStdString(), error, ImageFile::Backup::Keep)) {
        ReportFileError(error);
        return false;
    }
    m_bCleanIsFile = true;
    m_history.MarkClean();
    FollowHistory();
    Q_EMIT TitleChanged(WindowTitle());
    Q_EMIT FileUsed(path);
    return true;
}

bool CVolmarenDoc::SaveModified()
{
    // Without data nothing can be saved, and nothing would be lost.
    if (!HasUnsavedChanges() || NoData())
        return true;
    return AskToSave(&CVolmarenDoc::OnFileSave);
}

bool CVolmarenDoc::SaveModifiedForClose()
{
    if (!HasUnsavedChanges())
        return true;
    // A cancelled file dialog or a failed write keeps the program open, so
    // no unsaved work is lost.
    const bool mayClose = AskToSave(&CVolmarenDoc::SaveForClose);
    // Closing without saving: the person gave the changes up.
    if (mayClose && HasUnsavedChanges())
        Q_EMIT ChangesDiscarded();
    return mayClose;
}

bool CVolmarenDoc::AskToSave(bool (CVolmarenDoc::*save)())
{
    switch (Prompts::Current().Ask(m_pPromptOwner, CoreText(Text::kSaveChanges),
                                   QString::fromLatin1(Text::kAppTitle), IUserPrompts::Buttons::YesNoCancel,
                                   IUserPrompts::Icon::None)) {
    case IUserPrompts::Answer::Yes: return (this->*save)();
    case IUserPrompts::Answer::No: return true;
    default: return false;
    }
}

bool CVolmarenDoc::SaveForClose()
{
    if (m_document.m_szFilePath.empty()) {
        const QString path = AskSaveName();
        if (path.isEmpty())
            return false;
        m_document.m_szFilePath = path.toStdString();
    }
    PlaceholderText error;
    if (!m_document.WriteImageFile(error, ImageFile::Backup::Keep)) {
        ReportFileError(error);
        return false;
    }
    m_bCleanIsFile = true;
    m_history.MarkClean();
    FollowHistory();
    return true;
}

QString CVolmarenDoc::AskSaveName() const
{
    const QString current = FilePath();
    const QString proposed = current.isEmpty() ? kDefaultFileName : current;
    return Prompts::Current().SaveFileName(m_pPromptOwner, tr("Save As"), proposed,
                                           IUserPrompts::FileKind::Image);
}

void CVolmarenDoc::ReportFileError(const PlaceholderText& error) const
{
    Prompts::Message(m_pPromptOwner, CoreText(error), IUserPrompts::Icon::Exclamation);
}

QString CVolmarenDoc::WindowTitle() const
{
    const QString name = m_document.m_szFilePath.empty() ? tr("Untitled") : QFileInfo(FilePath()).fileName();
    return QString::fromLatin1(Text::kAppTitle) + QStringLiteral(" - ") + name;
}
