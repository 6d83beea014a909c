// Runs with QT_QPA_PLATFORM=offscreen (set here when unset):
//   build/bench/app/app_bench
// and prints, for a full database (4467 TV channels, 4000 transponders):
// the time to refill the TV list and paint it, the time of a click on
// 'All Satellite', the time Favorite Group Edit takes to open, and the event
// loop's latency during a full-speed upload.
#include "CFavoriteGroupDlg.h"
#include "CMainFrame.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "BlankImage.h"
#include "DemoImage.h"
#include "ImageDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median;
    double worst;
};

Figures Summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void Report(const char* what, const Figures& figures, const char* goal)
{
    std::printf("%-52s median %8.2f ms   worst %8.2f ms   (goal: %s)\n", what, figures.median, figures.worst,
                goal);
}

QString WriteFullImage(const QTemporaryDir& dir)
{
    CImageDocument document;
    BlankImage::Load(document.m_database);
    Demo::Build(document.m_database, Demo::Size::Full);
    const QString file = dir.filePath(QStringLiteral("full.dat"));
    std::string error;
    if (!document.SaveFile(file.toStdString(), error))
        qFatal("%s", error.c_str());
    return file;
}

double Milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

Figures TimeRefill(CVolmarenView& view)
{
    std::vector<double> samples;
    QTreeView* list = view.ChannelList(kTv);
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer timer;
        timer.start();
        view.ClearList(list);
        view.Database().ShowAllChannels(kTv);
        view.FillChannelList(kTv);
        list->viewport()->repaint();
        samples.push_back(Milliseconds(timer));
    }
    return Summarise(samples);
}

Figures TimeAllSatelliteClick(CVolmarenView& view)
{
    std::vector<double> samples;
    QListView* list = view.SatelliteList();
    const QPoint allRow = list->visualRect(list->model()->index(0, 0)).center();
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, allRow);
        QCoreApplication::processEvents();
        view.TransponderList()->viewport()->repaint();
        view.ChannelList(kTv)->viewport()->repaint();
        samples.push_back(Milliseconds(timer));
    }
    return Summarise(samples);
}

// The dialog lists every channel of both tables with its check box.
Figures TimeFavoriteGroupOpening(CVolmarenView& view)
{
    std::vector<double> samples;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer timer;
        timer.start();
        CFavoriteGroupDlg dialog(view.Database(), &view);
        dialog.open();
        if (!QTest::qWaitForWindowExposed(&dialog))
            qFatal("Favorite Group Edit did not open");
        QCoreApplication::processEvents();
        samples.push_back(Milliseconds(timer));
    }
    return Summarise(samples);
}

// A timer asks for the event loop every millisecond; the lateness of each
// wake-up is the latency a user would feel.
Figures TimeLatencyDuringUpload(CVolmarenView& view, CVolmarenDoc& doc, double& seconds)
{
    std::vector<double> lateness;
    QElapsedTimer clock;
    clock.start();
    qint64 expected = clock.nsecsElapsed() + 1000000;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        lateness.push_back(std::max<qint64>(0, now - expected) / 1e6);
        expected = now + 1000000;
    });
    doc.OnNewDocument();
    QElapsedTimer transfer;
    transfer.start();
    tick.start();
    view.OnUpload();
    while (doc.NoData() && transfer.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    tick.stop();
    seconds = transfer.elapsed() / 1000.0;
    return Summarise(lateness);
}

// The window on the full image, with the simulator's receiver on COM1.
class Editor {
public:
    Editor(const QString& image, const QStringList& simulatorOptions)
    {
        m_simulator.start(QStringLiteral(STB_SIM_PATH),
                          QStringList{QStringLiteral("--image"), image} + simulatorOptions);
        if (!m_simulator.waitForReadyRead(10000))
            qFatal("the receiver simulator did not start");
        qputenv("VOLMAREN_COM1", m_simulator.readLine().trimmed());
        m_frame = std::make_unique<CMainFrame>(m_doc);
        m_doc.OnNewDocument();
        m_frame->View()->OnInitialUpdate();
        m_frame->show();
        if (!m_doc.OnOpenDocument(image))
            qFatal("cannot open the full image");
        QElapsedTimer waiting;
        waiting.start();
        while (!view().PortOpen() && waiting.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!view().PortOpen())
            qFatal("the port to the receiver simulator did not open");
    }
    ~Editor()
    {
        m_frame.reset();
        m_simulator.kill();
        m_simulator.waitForFinished();
    }
    CVolmarenView& view() { return *m_frame->View(); }
    CVolmarenDoc& doc() { return m_doc; }

private:
    QProcess m_simulator;
    CVolmarenDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("VOLMAREN_CODE_FILE", dir.filePath(QStringLiteral("code.tmp")).toLocal8Bit());
    QApplication app(argc, argv);
    const QString image = WriteFullImage(dir);

    {
        Editor editor(image, {});
        Report("refill the TV list of 4467 rows and paint it", TimeRefill(editor.view()), "under 30 ms");
        Report("click on 'All Satellite' (4000 transponders)", TimeAllSatelliteClick(editor.view()),
               "under 30 ms");
        Report("open Favorite Group Edit on the full image", TimeFavoriteGroupOpening(editor.view()),
               "under 200 ms");
        double seconds = 0;
        const Figures latency = TimeLatencyDuringUpload(editor.view(), editor.doc(), seconds);
        std::printf("full-speed upload of a large image, with the refill after it: %.2f s\n", seconds);
        Report("event loop latency during the full-speed upload", latency, "under 50 ms");
    }
    {
        // At 200000 bytes a second the upload lasts long enough to feel it.
        Editor editor(image, {QStringLiteral("--rate"), QStringLiteral("200000")});
        double seconds = 0;
        const Figures latency = TimeLatencyDuringUpload(editor.view(), editor.doc(), seconds);
        std::printf("upload of a large image at 200000 bytes/s: %.2f s\n", seconds);
        Report("event loop latency during that upload", latency, "under 50 ms");
    }
    return 0;
}
