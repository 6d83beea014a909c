// Uploads and downloads from the form against the receiver simulator on a
// pseudo-terminal: status texts, progress, STOP, refusals, the command rules
// while a transfer runs, and closing the window during one.
#include "AppFixture.h"

#include "CGradientProgressCtrl.h"
#include "ChangeRecord.h"
#include "ChannelDatabase.h"
#include "ImageDocument.h"
#include "TemplateIds.h"
#include "ImageFormat.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

constexpr int kTransferTimeout = 60000;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A demo image of the given size in a folder that outlives the test's window.
class Images {
public:
    QString demo()
    {
        const QString file = m_dir.filePath(QStringLiteral("demo.dat"));
        AppFixture::WriteDemo(file);
        return file;
    }
    // The demo image as an older, small receiver holds it.
    QString small()
    {
        const QString file = path(QStringLiteral("small.dat"));
        if (!WriteFile(file, ReadFile(demo()).mid(int(Image::kSmallShift))))
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// A pseudo-terminal that nothing answers on.
class QuietPort {
public:
    QuietPort() : m_fd(posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_fd < 0 || grantpt(m_fd) != 0 || unlockpt(m_fd) != 0)
            qFatal("no pseudo-terminal");
    }
    ~QuietPort() { ::close(m_fd); }
    QByteArray device() const { return QByteArray(ptsname(m_fd)); }

private:
    int m_fd;
};

QStringList Recorded(const QSignalSpy& spy)
{
    QStringList texts;
    for (const QList<QVariant>& arguments : spy)
        texts.append(arguments.first().toString());
    return texts;
}

QLineEdit* StatusLine(CVolmarenView& view)
{
    return FindByTemplateId<QLineEdit>(&view, DialogIds::MainWindow::kStatusLine);
}

}  // namespace

class TransfersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uploadsALargeImage();
    void uploadsASmallImageWithTheBouquetNotice();
    void downloadsTheSavedImage();
    void refusesADownloadWithoutSavedData();
    void reportsARefusedCode();
    void stopsAnUpload();
    void aStoppedOrRefusedUploadLeavesTheDocument();
    void ignoresStopWhileTheReceiverIsWritten();
    void closingTheWindowStopsATransfer();
    void configuresTheProgressBar();
    void comBoxOpensThePickedPort();
    void uploadAsksFirstAndShowsItsNoticeOverEmptyLists();
    void aRefusedStartSaysWhyAndCloseJoinsAStoppedWorker();
};

void TransfersTest::uploadsALargeImage()
{
    Images images;
    const QString image = images.demo();
    Receiver receiver({QStringLiteral("--image"), image});
    AppFixture app(receiver.device());
    CVolmarenView& view = app.view();
    QTRY_VERIFY(app.transfers().PortOpen());
    QCOMPARE(app.transfers().StatusText(), QStringLiteral("COM(1) port Connect OK"));

    QSignalSpy status(StatusLine(view), &QLineEdit::textChanged);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kUpload));
    QCOMPARE(app.transfers().StatusText(), QStringLiteral("Reset your STB and Wait for uploading..."));
    QVERIFY(!view.Button(DialogIds::MainWindow::kUpload)->isEnabled());
    QVERIFY(!view.SatelliteList()->isEnabled());
    QVERIFY(view.Button(DialogIds::MainWindow::kStop)->isEnabled());
    app.frame().UpdateCommandStates();
    for (QAction* action :
         {app.frame().m_pOpenAction, app.frame().m_pExitAction, app.frame().m_pConnectAction,
          app.frame().m_pUploadAction, app.frame().m_pDownloadAction})
        QVERIFY(!action->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(!app.doc().NoData(), kTransferTimeout);
    const QStringList texts = Recorded(status);
    QVERIFY(texts.contains(QStringLiteral("Receiving DATA...")));
    QVERIFY(texts.contains(QStringLiteral("(6575 / 657408) 1%")));
    QVERIFY(texts.contains(QStringLiteral("(657408 / 657408) 100%")));
    QCOMPARE(texts.last(), QString());
    QCOMPARE(app.db().m_nVariant, 2);
    QVERIFY(!app.doc().Saved());
    QCOMPARE(app.transfers().Progress()->GetPos(), 0);
    QVERIFY(view.Button(DialogIds::MainWindow::kUpload)->isEnabled());
    QVERIFY(view.SatelliteList()->isEnabled());
    QVERIFY(app.prompts().asked.isEmpty());

    // The tables hold the receiver's image and the lists show it.
    CImageDocument sent;
    std::string error;
    QVERIFY(sent.LoadFile(image.toStdString(), error) == CImageDocument::Load::Loaded);
    QCOMPARE(view.SatelliteList()->model()->rowCount(), 1 + sent.m_database.GetSatelliteCount());
    QCOMPARE(view.ChannelList(kTv)->model()->rowCount(), sent.m_database.GetChannelCount(kTv));
    app.prompts().SaveFile(app.path(QStringLiteral("uploaded.dat")));
    app.frame().m_pSaveAsAction->trigger();
    QCOMPARE(ReadFile(app.path(QStringLiteral("uploaded.dat"))).mid(int(Image::kTvOffset)),
             ReadFile(image).mid(int(Image::kTvOffset)));
    app.frame().UpdateCommandStates();
    QVERIFY(app.frame().m_pUploadAction->isEnabled());
    QVERIFY(app.frame().m_pSaveAction->isEnabled());
}

void TransfersTest::uploadsASmallImageWithTheBouquetNotice()
{
    Images images;
    const QByteArray large = ReadFile(images.demo());
    Receiver receiver({QStringLiteral("--image"), images.small()});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());

    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kUpload));
    QTRY_VERIFY_WITH_TIMEOUT(!app.doc().NoData(), kTransferTimeout);
    QCOMPARE(app.prompts().texts(),
             QStringList{QStringLiteral("Notice : Your current Bouquet data will be initialized")});
    QCOMPARE(app.db().m_nVariant, 1);
    QCOMPARE(app.view().SatelliteList()->model()->rowCount(), 9);

    // Saved, it becomes a large image with the small one's tables.
    app.prompts().SaveFile(app.path(QStringLiteral("saved.dat")));
    app.frame().m_pSaveAsAction->trigger();
    const QByteArray saved = ReadFile(app.path(QStringLiteral("saved.dat")));
    QCOMPARE(saved.size(), int(Image::kLargeSize));
    QCOMPARE(saved.mid(int(Image::kTvOffset)), large.mid(int(Image::kTvOffset)));
}

void TransfersTest::downloadsTheSavedImage()
{
    Images images;
    const QString image = images.demo();
    const QString received = images.path(QStringLiteral("received.dat"));
    Receiver receiver({QStringLiteral("--received"), received});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(image));
    QVERIFY(!app.frame().m_pSaveLogAction->isEnabled());

    QSignalSpy status(StatusLine(app.view()), &QLineEdit::textChanged);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QCOMPARE(app.transfers().StatusText(), QStringLiteral("Reset your STB and Wait for Downloading..."));
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(), QStringLiteral("Download complete"),
                              kTransferTimeout);
    QVERIFY(Recorded(status).contains(QStringLiteral("Sending DATA...")));
    QVERIFY(app.view().Button(DialogIds::MainWindow::kDownload)->isEnabled());
    QVERIFY(!app.transfers().Link().DownloadLocked());
    QTRY_COMPARE(ReadFile(received), ReadFile(image));
    QVERIFY(app.prompts().asked.isEmpty());

    // Its traffic log, for a bug report.
    const QString log = images.path(QStringLiteral("traffic.log"));
    app.prompts().SaveFile(log);
    app.frame().m_pSaveLogAction->trigger();
    const QByteArray text = ReadFile(log);
    QVERIFY(text.startsWith("# Volmaren traffic log\n# transfer: download\n"));
    for (const char* line :
         {"\tPC->STB\tmain block 639\t05 ", "\tSTB->PC\tACK for tail block 1\t12\n", "\n# end: completed\n"})
        QVERIFY2(text.contains(line), line);
}

void TransfersTest::refusesADownloadWithoutSavedData()
{
    AppFixture app;
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    app.edit();
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QCOMPARE(app.prompts().texts(),
             (QStringList{"No downloading data has been selected", "STB image File don't saved"}));
    QVERIFY(app.view().Button(DialogIds::MainWindow::kDownload)->isEnabled());
    QVERIFY(!app.transfers().TransferRunning());
}

void TransfersTest::reportsARefusedCode()
{
    Images images;
    Receiver receiver({QStringLiteral("--code"), QStringLiteral("1234"), QStringLiteral("--repeat")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(images.demo()));

    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QTRY_COMPARE_WITH_TIMEOUT(app.prompts().texts(), QStringList{QStringLiteral("Invalid System Code")},
                              kTransferTimeout);
    QTRY_VERIFY(app.view().Button(DialogIds::MainWindow::kDownload)->isEnabled());
    QCOMPARE(app.transfers().StatusText(), QStringLiteral("Reset your STB and Wait for Downloading..."));
    QVERIFY(!app.transfers().Link().DownloadLocked());

    // Typing the right code makes the next transfer go through.
    auto* code = FindByTemplateId<QLineEdit>(&app.view(), DialogIds::MainWindow::kSystemCode);
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("1234"));
    QCOMPARE(app.transfers().SystemCode().Get(), 0x1234);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(), QStringLiteral("Download complete"),
                              kTransferTimeout);
}

void TransfersTest::stopsAnUpload()
{
    Images images;
    const QString image = images.demo();
    Receiver receiver({QStringLiteral("--image"), image, QStringLiteral("--rate"), QStringLiteral("20000")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());

    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kUpload));
    QTRY_VERIFY_WITH_TIMEOUT(app.transfers().StatusText().startsWith(QLatin1Char('(')), kTransferTimeout);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kStop));
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(),
                              QStringLiteral("Interupted by User.  Please Reset your STB."),
                              kTransferTimeout);
    QVERIFY(app.doc().NoData());
    QCOMPARE(app.view().SatelliteList()->model()->rowCount(), 0);
    QVERIFY(app.view().Button(DialogIds::MainWindow::kUpload)->isEnabled());
    QCOMPARE(app.transfers().Progress()->GetPos(), 0);
}

void TransfersTest::aStoppedOrRefusedUploadLeavesTheDocument()
{
    Images images;
    const QString small = images.small();
    Receiver receiver({QStringLiteral("--image"), images.demo(), QStringLiteral("--code"),
                       QStringLiteral("1234"), QStringLiteral("--rate"), QStringLiteral("20000"),
                       QStringLiteral("--repeat")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(small));
    app.edit();
    auto bytes = [&app] {
        std::vector<std::uint8_t> snapshot;
        CChangeRecord::TakeSnapshot(app.db(), snapshot);
        return snapshot;
    };
    const std::vector<std::uint8_t> before = bytes();
    auto expectUntouched = [&] {
        QVERIFY(bytes() == before);
        QCOMPARE(app.db().m_nVariant, 1);
        QVERIFY(app.doc().HasUnsavedChanges());
        QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Test Change"));
        QVERIFY(!app.doc().CanRedo());
        QCOMPARE(app.doc().FilePath(), small);
    };

    // The receiver refuses the code.
    app.prompts().Answer(IUserPrompts::Answer::No);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kUpload));
    QTRY_COMPARE_WITH_TIMEOUT(app.prompts().texts().last(), QStringLiteral("Invalid System Code"),
                              kTransferTimeout);
    QTRY_VERIFY(app.view().Button(DialogIds::MainWindow::kUpload)->isEnabled());
    expectUntouched();

    // STOP while the large image arrives, after the receiver named its variant.
    auto* code = FindByTemplateId<QLineEdit>(&app.view(), DialogIds::MainWindow::kSystemCode);
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("1234"));
    app.prompts().Answer(IUserPrompts::Answer::No);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kUpload));
    QTRY_VERIFY_WITH_TIMEOUT(app.transfers().StatusText().startsWith(QLatin1Char('(')), kTransferTimeout);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kStop));
    QTRY_VERIFY_WITH_TIMEOUT(app.view().Button(DialogIds::MainWindow::kUpload)->isEnabled(),
                             kTransferTimeout);
    expectUntouched();
}

void TransfersTest::ignoresStopWhileTheReceiverIsWritten()
{
    Images images;
    const QString image = images.demo();
    Receiver receiver({QStringLiteral("--rate"), QStringLiteral("200000")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(image));

    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(), QStringLiteral("Sending DATA..."),
                              kTransferTimeout);
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kStop));
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(), QStringLiteral("Download complete"),
                              kTransferTimeout);
}

void TransfersTest::closingTheWindowStopsATransfer()
{
    Images images;
    const QString image = images.demo();
    Receiver receiver({QStringLiteral("--rate"), QStringLiteral("20000")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(image));

    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kDownload));
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(), QStringLiteral("Sending DATA..."),
                              kTransferTimeout);
    // Even a locked download ends when the window closes; with nothing
    // unsaved no question is asked.
    QVERIFY(app.frame().close());
    QVERIFY(!app.transfers().TransferRunning());
    QVERIFY(app.prompts().asked.isEmpty());
}

void TransfersTest::configuresTheProgressBar()
{
    AppFixture app;
    CGradientProgressCtrl* progress = app.transfers().Progress();
    QCOMPARE(progress->GetLower(), 0);
    QCOMPARE(progress->GetUpper(), 100);
    progress->SetPos(0);
    QCOMPARE(progress->FilledLength(), 0);
    QCOMPARE(progress->DisplayedText(), QString());
    progress->SetPos(42);
    const int inner = progress->width() - 4;
    QCOMPARE(progress->FilledLength(), inner * 42 / 100);
    QCOMPARE(progress->DisplayedText(), QStringLiteral("42%"));
}

void TransfersTest::comBoxOpensThePickedPort()
{
    QuietPort com2;
    qputenv("VOLMAREN_COM2", com2.device());
    AppFixture app;
    CVolmarenView& view = app.view();
    QTRY_VERIFY(app.transfers().PortOpen());
    auto* box = FindByTemplateId<QComboBox>(&view, DialogIds::MainWindow::kComPort);
    QAbstractItemView* entries = box->view();
    auto openList = [box] {
        box->showPopup();
        // The list ignores a release that comes too soon after it opened.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
    };

    openList();
    const QRect second = entries->visualRect(entries->model()->index(1, 0));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {},
                      QPoint(second.left() + 4, second.center().y()));
    QTRY_COMPARE(app.transfers().StatusText(), QStringLiteral("COM(2) port Connect OK"));
    QCOMPARE(app.transfers().ComIndex(), 1);

    openList();
    QTest::keyClick(entries, Qt::Key_Up);
    QTest::keyClick(entries, Qt::Key_Return);
    QTRY_COMPARE(app.transfers().StatusText(), QStringLiteral("COM(1) port Connect OK"));
    QCOMPARE(app.transfers().ComIndex(), 0);
    qunsetenv("VOLMAREN_COM2");
}

void TransfersTest::uploadAsksFirstAndShowsItsNoticeOverEmptyLists()
{
    Images images;
    Receiver receiver({QStringLiteral("--image"), images.small()});
    AppFixture app(receiver.device());
    CVolmarenView& view = app.view();
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(app.writeDemo(QStringLiteral("edited.dat"))));
    app.edit();

    app.prompts().Answer(IUserPrompts::Answer::Cancel);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kUpload));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Save changes to current STB file?")});
    QVERIFY(!app.transfers().TransferRunning());
    QVERIFY(view.Button(DialogIds::MainWindow::kUpload)->isEnabled());

    QList<int> rowsUnderNotice;
    app.prompts().whileAsking = [&view, &rowsUnderNotice](const QString& text) {
        if (!text.startsWith(QStringLiteral("Notice")))
            return;
        for (QAbstractItemView* list :
             std::initializer_list<QAbstractItemView*>{view.SatelliteList(), view.TransponderList(),
                                                       view.ChannelList(kTv), view.ChannelList(kRadio)})
            rowsUnderNotice.append(list->model()->rowCount());
    };
    app.prompts().Answer(IUserPrompts::Answer::No);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kUpload));
    QTRY_COMPARE_WITH_TIMEOUT(rowsUnderNotice.size(), 4, kTransferTimeout);
    QCOMPARE(rowsUnderNotice, (QList<int>{0, 0, 0, 0}));
    QTRY_COMPARE(view.SatelliteList()->model()->rowCount(), 9);
}

void TransfersTest::aRefusedStartSaysWhyAndCloseJoinsAStoppedWorker()
{
    Images images;
    Receiver receiver(
        {QStringLiteral("--image"), images.demo(), QStringLiteral("--rate"), QStringLiteral("20000")});
    AppFixture app(receiver.device());
    CVolmarenView& view = app.view();
    QTRY_VERIFY(app.transfers().PortOpen());
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kUpload));
    QTRY_VERIFY_WITH_TIMEOUT(app.transfers().StatusText().startsWith(QLatin1Char('(')), kTransferTimeout);

    // STOP, and UPLOAD from the menu before the stopped worker has been
    // joined: refused, with the reason; closing then joins that worker.
    app.transfers().OnStop();
    app.frame().UpdateCommandStates();
    app.frame().m_pUploadAction->trigger();
    QCOMPARE(app.transfers().StatusText(),
             QStringLiteral("The last transfer is still ending. Please try again."));
    QVERIFY(app.frame().close());
    QVERIFY(!app.transfers().Link().HasWorker());
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(),
                              QStringLiteral("Interupted by User.  Please Reset your STB."),
                              kTransferTimeout);
    QVERIFY(view.Button(DialogIds::MainWindow::kUpload)->isEnabled());
}

QTEST_MAIN(TransfersTest)
#include "TransferTests.moc"
