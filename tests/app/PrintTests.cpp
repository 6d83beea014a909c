// The channel list on paper: the PDF that `volmaren --export-pdf` and Export
// PDF... write holds every channel once on numbered pages, and the print
// preview shows the same pages.
#include "AppFixture.h"

#include "CPrintOptionsDlg.h"
#include "ChannelListPages.h"
#include "ChannelRows.h"
#include "ImageDocument.h"
#include "PdfFile.h"

#include <QCheckBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>

#include <algorithm>

namespace {

// Runs a program to its end; its standard output.
QString Run(const QString& program, const QStringList& arguments, int* status = nullptr,
            QString* errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (errors)
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& pdf)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run(QStringLiteral("pdfinfo"), {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The lines of the PDF's text as laid out, each with its runs of blanks made
// one, sorted so that the lines a text begins are together.
QStringList PdfLines(const QString& pdf)
{
    QStringList lines =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.simplified();
    lines.sort();
    return lines;
}

// How many of the sorted `lines` are `start` or begin with it and a blank.
int Count(const QStringList& lines, const QString& start)
{
    int count = 0;
    for (auto line = std::lower_bound(lines.begin(), lines.end(), start);
         line != lines.end() && line->startsWith(start); ++line)
        count += line->size() == start.size() || line->at(start.size()) == QLatin1Char(' ');
    return count;
}

// What a channel's row begins with: its number, name and satellite.
QString RowStart(const ChannelRows::Row& row)
{
    return QStringLiteral("%1 %2 %3")
        .arg(row.position)
        .arg(QString::fromLatin1(row.name).simplified(), QString::fromLatin1(row.satellite).simplified());
}

// Every "Page N of M" once.
void VerifyPageNumbers(const QStringList& lines, int pages)
{
    QVERIFY(pages > 0);
    for (int page = 1; page <= pages; ++page)
        QCOMPARE(Count(lines, QStringLiteral("Page %1 of %2").arg(page).arg(pages)), 1);
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thePdfHoldsEveryChannelOnceOnNumberedPages();
    void theEditorPrintsAndExportsTheListInFrontByGroup();
};

void PrintTest::thePdfHoldsEveryChannelOnceOnNumberedPages()
{
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("full.dat")),
                  pdf = dir.filePath(QStringLiteral("full.pdf"));
    AppFixture::WriteDemo(image, true);
    const QString volmaren = QStringLiteral(VOLMAREN_PATH);
    int status = -1;
    QString errors;
    Run(volmaren, {QStringLiteral("--export-pdf"), pdf, image}, &status);
    QCOMPARE(status, 0);
    const QStringList lines = PdfLines(pdf);
    VerifyPageNumbers(lines, PdfPages(pdf));
    CImageDocument document;
    std::string error;
    QCOMPARE(document.LoadFile(image.toStdString(), error), CImageDocument::Load::Loaded);
    const CChannelDatabase& db = document.m_database;
    for (const ChannelRows::Row& row : ChannelRows::ExportRows(db))
        QCOMPARE(Count(lines, RowStart(row)), 1);
    const auto rows = std::count_if(lines.begin(), lines.end(), [](const QString& line) {
        return QRegularExpression(QStringLiteral("^\\d+ ")).match(line).hasMatch();
    });
    QCOMPARE(rows, db.GetChannelCount(kTv) + db.GetChannelCount(kRadio));

    // The TV list alone fits on fewer than 120 pages of A4.
    const ChannelListPages tv(PrintedList::Sections(db, {{kTv}, false}), QStringLiteral("full.dat"),
                              QDate::currentDate());
    QString reason;
    const int tvPages = WritePdf(dir.filePath(QStringLiteral("tv.pdf")), tv, DefaultPdfLayout(), reason);
    QVERIFY2(tvPages > 0 && tvPages < 120, qPrintable(QString::number(tvPages) + reason));

    // Without an image, or with one that is not there: a message, no file.
    QFile::remove(pdf);
    Run(volmaren, {QStringLiteral("--export-pdf"), pdf, dir.filePath(QStringLiteral("missing.dat"))}, &status,
        &errors);
    QCOMPARE(status, 4);
    QVERIFY2(errors.contains(QStringLiteral("missing.dat")), qPrintable(errors));
    Run(volmaren, {QStringLiteral("--export-pdf"), pdf}, &status);
    QCOMPARE(status, 2);
    QVERIFY(!QFile::exists(pdf));
}

void PrintTest::theEditorPrintsAndExportsTheListInFrontByGroup()
{
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    app.view().Tabs()->setCurrentIndex(int(kRadio));
    AppFixture::whenModal<CPrintOptionsDlg>([](CPrintOptionsDlg* dialog) {
        dialog->ListInFrontButton()->setChecked(true);
        dialog->GroupSectionsBox()->setChecked(true);
        dialog->accept();
    });
    const QString pdf = app.path(QStringLiteral("demo.pdf"));
    app.prompts().SaveFile(pdf);
    app.frame().m_pExportPdfAction->trigger();
    QCOMPARE(app.prompts().fileKinds, QList<IUserPrompts::FileKind>{IUserPrompts::FileKind::Pdf});
    const int pages = PdfPages(pdf);
    const QStringList lines = PdfLines(pdf);
    VerifyPageNumbers(lines, pages);

    // The radio channels of each group in their group's section; no TV.
    for (const ChannelRows::Row& row : ChannelRows::ExportRows(app.db())) {
        if (row.kind == kRadio)
            QCOMPARE(Count(lines, RowStart(row)),
                     row.groups.empty() ? 0 : 1 + int(std::count(row.groups.begin(), row.groups.end(), '|')));
    }
    QCOMPARE(Count(lines, QStringLiteral("Music: Radio channels")), 1);
    QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("TV channels")));

    // The preview shows the same pages; the choices of before are offered.
    AppFixture::whenModal<CPrintOptionsDlg>([](CPrintOptionsDlg* dialog) {
        QVERIFY(dialog->ListInFrontButton()->isChecked() && dialog->GroupSectionsBox()->isChecked());
        dialog->accept();
    });
    int previewPages = 0;
    AppFixture::whenModal<QPrintPreviewDialog>([&previewPages](QPrintPreviewDialog* preview) {
        previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    app.frame().m_pPrintAction->trigger();
    QCOMPARE(previewPages, pages);
}

QTEST_MAIN(PrintTest)
#include "PrintTests.moc"
