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

CHistoryCommands& History(AppFixture& app)
{
    return *app.frame().HistoryCommands();
}

// Transfer > Download and Verify, run to its end.
void Verify(AppFixture& app)
{
    History(app).VerifyAction()->trigger();
    QVERIFY(app.transfers().Verify().Active());
    QTRY_VERIFY_WITH_TIMEOUT(!app.transfers().Verify().Active(), kTransferTimeout);
}

void Upload(AppFixture& app)
{
    QSignalSpy arrived(&app.transfers(), &CTransferPanel::UploadArrived);
    AppFixture::clickButton(app.view().Button(1058));
    QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 1, kTransferTimeout);
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifiesAndKeepsWhatIsReadWhileTheSettingSaysSo();
    void namesTheDifferingRecordAndShowsBothImages();
    void stopEndsTheReadBackAndTheDownloadStaysDone();
    void aRefusedCodeEndsTheVerify();
    void aHistoryThatCannotBeWrittenWarnsAndTheUploadStands();
};

void HistoryTest::verifiesAndKeepsWhatIsReadWhileTheSettingSaysSo()
{
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo.dat"));
    AppFixture::WriteDemo(demo);
    Receiver receiver({QStringLiteral("--repeat")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(!History(app).VerifyAction()->isEnabled() || app.doc().NoData());
    QVERIFY(app.open(demo));
    QVERIFY(History(app).KeepAction()->isChecked());

    Verify(app);
    QCOMPARE(app.transfers().StatusText(), kVerified);
    QCOMPARE(app.prompts().texts(), QStringList{kVerified});
    QCOMPARE(ReceiverHistory::List().size(), 1u);
    // Its traffic log holds the download and the read-back.
    app.prompts().SaveFile(app.path(QStringLiteral("traffic.log")));
    app.frame().UpdateCommandStates();
    app.frame().m_pSaveLogAction->trigger();
    QFile log(app.path(QStringLiteral("traffic.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY(text.startsWith("# Volmaren traffic log\n# transfer: download\n"));
    QVERIFY(text.contains("\n# Volmaren traffic log\n# transfer: upload\n"));

    // Turned off, neither a verify nor an upload keeps anything, and the
    // setting is stored.
    History(app).KeepAction()->trigger();
    Verify(app);
    QCOMPARE(app.transfers().StatusText(), kVerified);
    Upload(app);
    QCOMPARE(ReceiverHistory::List().size(), 1u);
    QVERIFY(!HistorySetting::Keep());
    History(app).KeepAction()->trigger();
    Upload(app);
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
    History(app).HistoryAction()->trigger();
    QCOMPARE(app.prompts().texts().last(), QStringLiteral("Save changes to current STB file?"));
    QCOMPARE(app.doc().FilePath(), QString::fromStdString(entries[0].path.string()));
    QVERIFY(app.doc().Saved());
}

void HistoryTest::namesTheDifferingRecordAndShowsBothImages()
{
    // The lowest bit of the first byte of TV channel 0's name.
    const std::size_t flipped = Image::kTvOffset + offsetof(ChannelRecord, name);
    Receiver receiver({QStringLiteral("--repeat"), QStringLiteral("--flip-bit"), QString::number(flipped)});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    const QString name = AppFixture::channelNames(app.db(), kTv).constFirst();

    int shownDifferences = 0;
    AppFixture::whenModal<CCompareWindow>(
        [&shownDifferences](CCompareWindow* window) {
            shownDifferences = window->DifferenceList()->model()->rowCount();
            QTest::keyClick(window, Qt::Key_Escape);
        },
        kTransferTimeout / 10);
    Verify(app);
    QCOMPARE(app.transfers().StatusText(),
             QStringLiteral("Not verified: the receiver holds other data than what was sent."));
    QCOMPARE(app.prompts().reports.size(), 1);
    QCOMPARE(app.prompts().reports[0].lines, QStringList{QStringLiteral("tv 0 \"%1\": byte 15").arg(name)});
    QVERIFY(shownDifferences > 0);
    // What came back is kept all the same.
    QCOMPARE(ReceiverHistory::List().size(), 1u);
}

void HistoryTest::stopEndsTheReadBackAndTheDownloadStaysDone()
{
    Receiver receiver({QStringLiteral("--repeat"), QStringLiteral("--manual-reset")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));

    History(app).VerifyAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(app.transfers().StatusText(),
                              QStringLiteral("Download complete. Reset your STB and Wait for verifying..."),
                              kTransferTimeout);
    QVERIFY(!History(app).VerifyAction()->isEnabled());
    AppFixture::clickButton(app.view().Button(1009));
    QTRY_VERIFY(!app.transfers().Verify().Active());
    QCOMPARE(app.transfers().StatusText(),
             QStringLiteral(
                 "Download complete, but not verified: the read-back was stopped. Please Reset your STB."));
    QVERIFY(app.prompts().asked.isEmpty());
    QVERIFY(app.view().Button(1059)->isEnabled());
    QVERIFY(ReceiverHistory::List().empty());
}

void HistoryTest::aRefusedCodeEndsTheVerify()
{
    Receiver receiver({QStringLiteral("--code"), QStringLiteral("1234"), QStringLiteral("--repeat")});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    Verify(app);
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Invalid System Code")});
    QCOMPARE(app.transfers().Verify().Outcome(), CVerifiedDownload::Result::Refused);
    QVERIFY(History(app).VerifyAction()->isEnabled());
}

void HistoryTest::aHistoryThatCannotBeWrittenWarnsAndTheUploadStands()
{
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo.dat"));
    AppFixture::WriteDemo(demo);
    Receiver receiver({QStringLiteral("--image"), demo});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    // A file where the history's folder would be.
    QVERIFY(QFile(demo).copy(app.path(QStringLiteral("blocked"))));
    qputenv("XDG_DATA_HOME", app.path(QStringLiteral("blocked")).toLocal8Bit());

    Upload(app);
    QCOMPARE(app.prompts().asked.size(), 1);
    QVERIFY(app.prompts().asked[0].text.startsWith(
        QStringLiteral("The image read from the receiver was not kept in the receiver history: ")));
    QCOMPARE(app.prompts().asked[0].icon, IUserPrompts::Icon::Exclamation);
    QCOMPARE(app.db().GetChannelCount(kTv), AppFixture::channelNames(app.db(), kTv).size());
    QVERIFY(!app.doc().Saved());

    // An empty history says so; Escape closes it.
    AppFixture::whenModal<CReceiverHistoryDlg>([](CReceiverHistoryDlg* dialog) {
        QVERIFY(dialog->EntryList()->isHidden());
        QVERIFY(!dialog->OpenButton()->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    History(app).HistoryAction()->trigger();
    QCOMPARE(app.prompts().asked.size(), 1);
}

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
