#include "CMainFrame.h"
#include "CVolmarenApp.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>

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
    CVolmarenApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    ScheduleScreenshot(app.MainFrame());
    return app.exec();
}
