#include "CompareCommands.h"

#include "CVolmarenDoc.h"
#include "ChannelListFile.h"
#include "CompareWindow.h"
#include "CoreText.h"
#include "UserPrompts.h"

#include <QFileInfo>

CCompareCommands::CCompareCommands(CVolmarenDoc& doc, QWidget* owner)
    : QObject(owner), m_doc(doc), m_pOwner(owner)
{
}

void CCompareCommands::OnCompareWith()
{
    if (m_doc.NoData())
        return;
    // A backup ("STB.dat.bak") is offered beside the images and lists.
    const QString path = Prompts::Current().OpenFileName(m_pOwner, tr("Compare With"),
                                                         IUserPrompts::FileKind::ImageBackupOrChannelList);
    if (!path.isEmpty())
        Open(path, QFileInfo(path).fileName());
}

bool CCompareCommands::CanCompareWithSaved() const
{
    return !m_doc.NoData() && !m_doc.FilePath().isEmpty() && !m_doc.Saved();
}

void CCompareCommands::OnCompareWithSaved()
{
    if (CanCompareWithSaved())
        //: The file on disk, beside the same file's unsaved data.
        Open(m_doc.FilePath(), tr("%1 as saved").arg(QFileInfo(m_doc.FilePath()).fileName()));
}

void CCompareCommands::Open(const QString& path, const QString& label)
{
    if (std::optional<Diff::OtherSide> theirs = Read(path))
        CCompareWindow::OpenForDocument(m_doc, std::move(*theirs), label, m_pOwner);
}

std::optional<Diff::OtherSide> CCompareCommands::Read(const QString& path) const
{
    CImageDocument image;
    PlaceholderText error;
    switch (image.LoadFile(path.toStdString(), error)) {
    case CImageDocument::Load::Loaded: return Diff::FromImage(image.m_database);
    case CImageDocument::Load::NotAnImage: {
        std::vector<ChannelRows::Row> rows;
        ChannelRows::CsvForm form;
        if (!ChannelListFile::Read(m_pOwner, path, rows, form))
            return std::nullopt;
        return Diff::FromRows(rows);
    }
    case CImageDocument::Load::Error: break;
    }
    Prompts::Message(m_pOwner, CoreText(error), IUserPrompts::Icon::Exclamation);
    return std::nullopt;
}
