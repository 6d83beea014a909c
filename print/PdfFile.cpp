#include "PdfFile.h"

#include "ChannelListPages.h"
#include "CoreText.h"
#include "ImageDocument.h"
#include "SystemTexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

// volmaren-cli's exit statuses.
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kIo = 4;

int Fail(int status, const QString& message)
{
    std::fprintf(stderr, "volmaren: %s\n", qPrintable(message));
    return status;
}

}  // namespace

QPageLayout DefaultPdfLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

int WritePdf(const QString& path, const ChannelListPages& pages, const QPageLayout& layout, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return 0;
    }
    QPdfWriter writer(&file);
    writer.setPageLayout(layout);
    writer.setTitle(pages.FileName());
    writer.setCreator(QCoreApplication::applicationName());
    const int count = pages.Paint(writer);
    if (count == 0) {
        error = QCoreApplication::translate("PdfFile", "the pages could not be drawn");
        file.cancelWriting();
        return 0;
    }
    if (!file.commit()) {
        error = file.errorString();
        return 0;
    }
    return count;
}

int RunPdfExport(const QStringList& arguments)
{
    if (arguments.size() != 4)
        return Fail(kUsage,
                    QCoreApplication::translate("PdfFile", "usage: volmaren --export-pdf OUT.pdf IMAGE"));
    const QString& out = arguments[2];
    const QString& image = arguments[3];
    CImageDocument document;
    PlaceholderText error;
    switch (document.LoadFile(image.toStdString(), error)) {
    case CImageDocument::Load::Loaded: break;
    case CImageDocument::Load::NotAnImage:
        return Fail(kRefused, QStringLiteral("%1: %2").arg(image, CoreText(Text::kNotAnImage)));
    case CImageDocument::Load::Error: return Fail(kIo, CoreText(error));
    }
    const ChannelListPages pages(PrintedList::Sections(document.m_database, {{kTv, kRadio}, false}),
                                 QFileInfo(image).fileName(), QDate::currentDate());
    QString reason;
    if (WritePdf(out, pages, DefaultPdfLayout(), reason) == 0)
        return Fail(kIo, QStringLiteral("%1: %2").arg(out, reason));
    return 0;
}
