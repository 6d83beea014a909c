#include "CVolmarenDoc.h"

#include "CVolmarenView.h"
#include "SystemTexts.h"
#include "UserPrompts.h"

#include <QFileInfo>

namespace {

const QString kDefaultFileName = QStringLiteral("STB.dat");

}  // namespace

CVolmarenDoc::CVolmarenDoc(QObject* parent) : QObject(parent)
{
}

void CVolmarenDoc::OnNewDocument()
{
    m_document.NewDocument();
    Q_EMIT TitleChanged(WindowTitle());
}

bool CVolmarenDoc::OnOpenDocument(const QString& path)
{
    std::string error;
    switch (m_document.LoadFile(path.toStdString(), error)) {
    case CImageDocument::Load::NotAnImage:
        Prompts::Message(m_pView, QString::fromLatin1(Text::kNotAnImage));
        return false;
    case CImageDocument::Load::Error: ReportFileError(error); return false;
    case CImageDocument::Load::Loaded: break;
    }
    if (m_pView)
        m_pView->RefreshAllLists();
    Q_EMIT TitleChanged(WindowTitle());
    return true;
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
    std::string error;
    if (!m_document.SaveFile(path.toStdString(), error)) {
        ReportFileError(error);
        return false;
    }
    Q_EMIT TitleChanged(WindowTitle());
    return true;
}

bool CVolmarenDoc::SaveModified()
{
    // Without data nothing can be saved, and nothing would be lost.
    if (Saved() || NoData())
        return true;
    switch (Prompts::Current().Ask(m_pView, QString::fromLatin1(Text::kSaveChanges),
                                   QString::fromLatin1(Text::kAppTitle), IUserPrompts::Buttons::YesNoCancel,
                                   IUserPrompts::Icon::None)) {
    case IUserPrompts::Answer::Yes: return OnFileSave();
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
    std::string error;
    if (!m_document.WriteImageFile(error)) {
        ReportFileError(error);
        return false;
    }
    return true;
}

QString CVolmarenDoc::AskSaveName() const
{
    const QString current = FilePath();
    const QString proposed = current.isEmpty() ? kDefaultFileName : current;
    return Prompts::Current().SaveFileName(m_pView, QStringLiteral("Save As"), proposed);
}

void CVolmarenDoc::ReportFileError(const std::string& error) const
{
    Prompts::Message(m_pView, QString::fromStdString(error), IUserPrompts::Icon::Exclamation);
}

QString CVolmarenDoc::WindowTitle() const
{
    const QString name =
        m_document.m_szFilePath.empty() ? QStringLiteral("Untitled") : QFileInfo(FilePath()).fileName();
    return QString::fromLatin1(Text::kAppTitle) + QStringLiteral(" - ") + name;
}
