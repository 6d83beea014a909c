#include "CMainFrame.h"
#include "CVolmarenApp.h"
#include "PdfFile.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// With VOLMAREN_SCREENSHOT set, the main window is saved to that file once
// it has been shown with its image, for people running without a display.
void ScheduleScreenshot(CMainFrame* frame)
{
    const char* path = std::getenv("VOLMAREN_SCREENSHOT");
    if (!path || !*path)
        return;
    const QString file = QString::fromLocal8Bit(path);
    QTimer::singleShot(1500, frame, [frame, file] {
        if (frame->grab().save(file))
            std::fprintf(stderr, "Screenshot of the main window saved to %s\n", qPrintable(file));
        else
            std::fprintf(stderr, "Could not save the screenshot to %s\n", qPrintable(file));
    });
}

}  // namespace

int main(int argc, char** argv)
{
    // volmaren --export-pdf OUT.pdf IMAGE writes the printed list and opens no
    // window, so it needs no display.
    const bool exportPdf = argc > 1 && std::string_view(argv[1]) == "--export-pdf";
    if (exportPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CVolmarenApp app(argc, argv);
    if (exportPdf)
        return RunPdfExport(QApplication::arguments());
    if (!app.InitInstance())
        return 1;
    ScheduleScreenshot(app.MainFrame());
    return app.exec();
}
