// Download and Verify from the editor against the receiver simulator, and the
// receiver history the editor keeps of what it reads: the setting, a folder
// that cannot be written, and File > Receiver History.
#include "AppFixture.h"

#include "CReceiverHistoryDlg.h"
#include "CompareWindow.h"
#include "HistoryCommands.h"
#include "HistorySetting.h"
#include "ImageFormat.h"
#include "ReceiverHistory.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

constexpr int kTransferTimeout = 120000;
const QString kVerified = QStringLiteral("Verified: the receiver holds exactly what was sent.");

// The window with the simulator started with `arguments` on COM1, and the
// demo image open.
struct Station {
    explicit Station(const QStringList& arguments) : receiver(arguments), app(receiver.device())
    {
        QTRY_VERIFY(app.transfers().PortOpen());
        QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    }
    CHistoryCommands& history() { return *app.frame().HistoryCommands(); }
    // Transfer > Download and Verify, run to its end.
    void verify()
    {
        history().VerifyAction()->trigger();
        QVERIFY(app.transfers().Verify().Active());
        QTRY_VERIFY_WITH_TIMEOUT(!app.transfers().Verify().Active(), kTransferTimeout);
    }
    void upload()
    {
        QSignalSpy arrived(&app.transfers(), &CTransferPanel::UploadArrived);
        AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kUpload));
        QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 1, kTransferTimeout);
    }

    Receiver receiver;
    AppFixture app;
};

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifiesAndKeepsWhatIsReadWhileTheSettingSaysSo();
    void namesTheDifferingRecordAndShowsBothImages();
    void stopEndsTheReadBackAndTheDownloadStaysDone();
};

void HistoryTest::verifiesAndKeepsWhatIsReadWhileTheSettingSaysSo()
{
    Station station({QStringLiteral("--repeat")});
    AppFixture& app = station.app;
    QVERIFY(station.history().KeepAction()->isChecked());
    station.verify();
    QCOMPARE(app.transfers().StatusText(), kVerified);
    QCOMPARE(app.prompts().texts(), QStringList{kVerified});
    QCOMPARE(ReceiverHistory::List().size(), 1u);
    // Its traffic log holds the download and the read-back.
    app.prompts().SaveFile(app.path(QStringLiteral("traffic.log")));
    app.frame().m_pSaveLogAction->trigger();
    QFile log(app.path(QStringLiteral("traffic.log")));
    QVERIFY(log.open(QIODevice::ReadOnly) && log.readAll().count("\n# transfer: ") == 2);

    // Turned off (and stored so), neither a verify nor an upload keeps anything.
    station.history().KeepAction()->trigger();
    QVERIFY(!HistorySetting::Keep());
    station.verify();
    station.upload();
    QCOMPARE(ReceiverHistory::List().size(), 1u);
    station.history().KeepAction()->trigger();
    station.upload();
    const std::vector<ReceiverHistory::Entry> entries = ReceiverHistory::List();
    QCOMPARE(entries.size(), 2u);

    // Enter opens the newest, after the question about the change in hand.
    app.edit();
    AppFixture::whenModal<CReceiverHistoryDlg>([&](CReceiverHistoryDlg* dialog) {
        QCOMPARE(dialog->EntryList()->topLevelItemCount(), 2);
        const QTreeWidgetItem* newest = dialog->EntryList()->topLevelItem(0);
        QCOMPARE(newest->text(0), QString::fromStdString(entries[0].date));
        QCOMPARE(newest->text(1), QStringLiteral("large (2)"));
        QCOMPARE(newest->text(2), QString::number(app.db().GetChannelCount(kTv)));
        QVERIFY(dialog->CompareButton()->isEnabled());
        QTest::keyClick(dialog->EntryList(), Qt::Key_Return);
    });
    app.prompts().Answer(IUserPrompts::Answer::No);
    station.history().HistoryAction()->trigger();
    QCOMPARE(app.prompts().texts().last(), QStringLiteral("Save changes to current STB file?"));
    // A copy, so that Save never writes over what the receiver held.
    QVERIFY(app.doc().FilePath().isEmpty() && !app.doc().CanUndo() && app.db().GetChannelCount(kTv) > 0);

    // A history that cannot be written (a file where its folder would be)
    // costs a warning, never the upload; an empty one says so.
    qputenv("XDG_DATA_HOME", app.path(QStringLiteral("demo.dat")).toLocal8Bit());
    station.upload();
    QVERIFY(app.prompts().asked.last().text.startsWith(
        QStringLiteral("The image read from the receiver was not kept in the receiver history: ")));
    QVERIFY(!app.doc().Saved() && app.db().GetChannelCount(kTv) > 0);
    AppFixture::whenModal<CReceiverHistoryDlg>([](CReceiverHistoryDlg* dialog) {
        QVERIFY(dialog->EntryList()->isHidden() && !dialog->OpenButton()->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    station.history().HistoryAction()->trigger();
}

void HistoryTest::namesTheDifferingRecordAndShowsBothImages()
{
    // The lowest bit of the first byte of TV channel 0's name.
    const std::size_t flipped = Image::kTvOffset + offsetof(ChannelRecord, name);
    Station station({QStringLiteral("--repeat"), QStringLiteral("--flip-bit"), QString::number(flipped)});
    AppFixture& app = station.app;
    int shownDifferences = 0;
    AppFixture::whenModal<CCompareWindow>(
        [&shownDifferences](CCompareWindow* window) {
            shownDifferences = window->DifferenceList()->model()->rowCount();
            QTest::keyClick(window, Qt::Key_Escape);
        },
        kTransferTimeout / 10);
    station.verify();
    QCOMPARE(app.transfers().StatusText(),
             QStringLiteral("Not verified: the receiver holds other data than what was sent."));
    const QString name = AppFixture::channelNames(app.db(), kTv).constFirst();
    QCOMPARE(app.prompts().reports.size(), 1);
    QCOMPARE(app.prompts().reports[0].lines, QStringList{QStringLiteral("tv 0 \"%1\": byte 15").arg(name)});
    QVERIFY(shownDifferences > 0);
    // What came back is kept all the same.
    QCOMPARE(ReceiverHistory::List().size(), 1u);
}

void HistoryTest::stopEndsTheReadBackAndTheDownloadStaysDone()
{
    Station station({QStringLiteral("--repeat"), QStringLiteral("--manual-reset")});
    AppFixture& app = station.app;
    station.history().VerifyAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(),
                              QStringLiteral("Download complete. Reset your STB and Wait for verifying..."),
                              kTransferTimeout);
    QVERIFY(!station.history().VerifyAction()->isEnabled());
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kStop));
    QTRY_VERIFY(!app.transfers().Verify().Active());
    QCOMPARE(app.transfers().StatusText(),
             QStringLiteral(
                 "Download complete, but not verified: the read-back was stopped. Please Reset your STB."));
    QVERIFY(ReceiverHistory::List().empty());
}

QTEST_MAIN(HistoryTest)
#include "HistoryTests.moc"
