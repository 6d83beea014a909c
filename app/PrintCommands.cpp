#include "PrintCommands.h"

#include "CVolmarenDoc.h"
#include "ChannelListPages.h"
#include "ImageFormat.h"
#include "PdfFile.h"
#include "UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

CPrintCommands::CPrintCommands(CVolmarenDoc& doc, QWidget* owner, std::function<ChannelKind()> kindInFront)
    : QObject(owner), m_doc(doc), m_pOwner(owner), m_kindInFront(std::move(kindInFront))
{
}

CPrintCommands::~CPrintCommands() = default;

void CPrintCommands::OnPrint()
{
    if (m_doc.NoData() || !AskOptions(tr("Print Channel List")))
        return;
    const ChannelListPages pages = Pages();
    QPrintPreviewDialog preview(&Printer(), m_pOwner);
    preview.setWindowTitle(tr("Print Channel List"));
    preview.resize(m_pOwner->size());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&pages](QPrinter* printer) { pages.Paint(*printer); });
    preview.exec();
}

void CPrintCommands::OnExportPdf()
{
    if (m_doc.NoData() || !AskOptions(tr("Export PDF")))
        return;
    const QString image = m_doc.FilePath();
    const QString proposed =
        image.isEmpty()
            ? QDir::home().filePath(QStringLiteral("channels.pdf"))
            : QFileInfo(image).dir().filePath(QFileInfo(image).completeBaseName() + QStringLiteral(".pdf"));
    const QString path =
        Prompts::Current().SaveFileName(m_pOwner, tr("Export PDF"), proposed, IUserPrompts::FileKind::Pdf);
    if (path.isEmpty())
        return;
    QString error;
    if (WritePdf(path, Pages(), Printer().pageLayout(), error) == 0)
        Prompts::Message(m_pOwner, tr("Export PDF: %1: %2").arg(path, error),
                         IUserPrompts::Icon::Exclamation);
}

bool CPrintCommands::AskOptions(const QString& caption)
{
    CPrintOptionsDlg dialog(caption, m_kindInFront() == kRadio, m_options, m_pOwner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_options = dialog.Chosen();
    return true;
}

ChannelListPages CPrintCommands::Pages() const
{
    PrintContent content;
    content.kinds = m_options.bothLists ? std::vector<ChannelKind>{kTv, kRadio}
                                        : std::vector<ChannelKind>{m_kindInFront()};
    content.groupSections = m_options.groupSections;
    const QString image = m_doc.FilePath();
    return ChannelListPages(PrintedList::Sections(m_doc.Database(), content),
                            image.isEmpty() ? tr("Untitled") : QFileInfo(image).fileName(),
                            QDate::currentDate());
}

QPrinter& CPrintCommands::Printer()
{
    // Made when first needed: asking the system for its printers takes a
    // moment.
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}
