// The printed channel list as a PDF file: for the editor's Export PDF... and
// for `volmaren --export-pdf OUT.pdf IMAGE`, which needs no window.
#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>

class ChannelListPages;

// A4 portrait with margins a printer can print to.
QPageLayout DefaultPdfLayout();

// Writes the pages to `path` in `layout` through a temporary file, so a
// failure leaves a file already there as it was. The number of pages, or 0
// with the reason in `error`.
int WritePdf(const QString& path, const ChannelListPages& pages, const QPageLayout& layout, QString& error);

// volmaren --export-pdf OUT.pdf IMAGE: the TV list, then the radio list of
// IMAGE. Exit status 0, or as volmaren-cli's with a message on stderr: 1 for
// a file that is no image, 2 for wrong arguments, 4 for a file that could
// not be read or written.
int RunPdfExport(const QStringList& arguments);
