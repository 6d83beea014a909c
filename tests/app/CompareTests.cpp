// The compare window: File > Compare With Saved and Compare With... and when
// they are offered, the filter, taking rows from the keyboard as one undo
// step, a take the receiver cannot hold, Take All, and the read-only window.
#include "AppFixture.h"

#include "ChannelRows.h"
#include "CompareWindow.h"
#include "DemoImage.h"
#include "ImageDocument.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Table = Diff::Table;

// Keys as the window system delivers them: to the focused widget, after the
// window's shortcuts.
void Press(CCompareWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
    QCoreApplication::processEvents();
}

void Type(CCompareWindow* window, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(window->windowHandle(), c.toLatin1());
}

CCompareWindow* OpenedWindow(AppFixture& app)
{
    auto* window = app.frame().findChild<CCompareWindow*>();
    if (window && !QTest::qWaitFor([window] { return window->isActiveWindow(); }))
        qWarning("the compare window is not active");
    return window;
}

QList<Table> Tables(const CCompareWindow* window)
{
    QList<Table> tables;
    for (const Diff::Difference& d : window->Comparison().differences)
        tables.append(d.table);
    return tables;
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compareWithSavedFiltersTakesAsOneStepAndTakesAll();
    void compareWithAFileRefusesWhatATableCannotHold();
};

void CompareTest::compareWithSavedFiltersTakesAsOneStepAndTakesAll()
{
    AppFixture app;
    CMainFrame& frame = app.frame();
    auto offered = [&frame] {
        frame.UpdateCommandStates();
        return QList<bool>{frame.m_pCompareAction->isEnabled(), frame.m_pCompareSavedAction->isEnabled()};
    };
    QCOMPARE(offered(), (QList<bool>{false, false}));
    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    QCOMPARE(offered(), (QList<bool>{true, false}));
    const QStringList saved = AppFixture::channelNames(app.db(), kTv);

    // Two channels deleted, one locked, and the display colour changed.
    app.edit([](CChannelDatabase& db) {
        db.DeleteChannels({0, 1}, kTv);
        ChannelRecord channel;
        db.GetChannel(channel, 10, kTv);
        channel.flags |= ChannelFlag::kLocked;
        db.SetChannel(channel, 10, kTv);
    });
    app.edit();
    QCOMPARE(offered(), (QList<bool>{true, true}));
    const std::vector<std::uint8_t> edited = AppFixture::Bytes(app.db());
    frame.m_pCompareSavedAction->trigger();
    CCompareWindow* window = OpenedWindow(app);
    QVERIFY(window);
    QCOMPARE(
        AppFixture::rows(window->DifferenceList()),
        (QStringList{QStringLiteral("TV channels: added (2)"), QStringLiteral("TV channels: changed (1)"),
                     QStringLiteral("System settings: changed (1)")}));
    QVERIFY(window->windowTitle().contains(QStringLiteral("demo.dat as saved")));

    // Narrowed to the additions, both taken with the keys, as one step.
    Press(window, Qt::Key_F, Qt::ControlModifier);
    Type(window, QStringLiteral("ADDED"));
    QCOMPARE(AppFixture::rows(window->DifferenceList()),
             QStringList{QStringLiteral("TV channels: added (2)")});
    Press(window, Qt::Key_Return);
    Press(window, Qt::Key_Down, Qt::ShiftModifier);
    Press(window, Qt::Key_Return);
    QCOMPARE(AppFixture::channelNames(app.db(), kTv).mid(0, 2), saved.mid(0, 2));
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Take From Other"));
    QCOMPARE(Tables(window), (QList<Table>{Table::Tv, Table::System}));
    Press(window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(AppFixture::Bytes(app.db()) == edited);
    QCOMPARE(window->Comparison().differences.size(), 4u);

    // Take All leaves the receiver's own settings to be taken one by one.
    Press(window, Qt::Key_F, Qt::ControlModifier);
    Press(window, Qt::Key_Escape);
    QVERIFY(window->FilterField()->text().isEmpty());
    AppFixture::clickButton(window->TakeAllButton());
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), saved);
    QCOMPARE(Tables(window), QList<Table>{Table::System});
    QVERIFY(!window->TakeAllButton()->isEnabled());
    window->DifferenceList()->setFocus();
    Press(window, Qt::Key_Return);
    QVERIFY(window->Comparison().Same());

    // Escape with an empty filter closes the window, which goes.
    const QPointer<CCompareWindow> open(window);
    Press(window, Qt::Key_Escape);
    QTRY_VERIFY(!open);
}

void CompareTest::compareWithAFileRefusesWhatATableCannotHold()
{
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("full.dat"), true)));
    // Theirs has a first TV channel ours lacks, and lacks our first one.
    const QString backup = app.writeImage(QStringLiteral("other.dat.bak"), [](CChannelDatabase& db) {
        Demo::Build(db, Demo::Size::Full);
        ChannelRecord channel;
        db.GetChannel(channel, 0, kTv);
        std::snprintf(channel.name, sizeof channel.name, "NEW ONE");
        channel.videoPid = channel.audioPid = channel.pcrPid = 7001;
        db.SetChannel(channel, 0, kTv);
    });
    app.prompts().OpenFile(app.path(QStringLiteral("missing.csv")));
    app.frame().m_pCompareAction->trigger();
    QCOMPARE(app.prompts().fileKinds.constLast(), IUserPrompts::FileKind::ImageBackupOrChannelList);
    QVERIFY(!app.frame().findChild<CCompareWindow*>());
    QCOMPARE(app.prompts().asked.size(), 1);

    // The same from the backup and from its channel list, which compares
    // channels only: the addition is refused and nothing changes.
    CImageDocument theirs;
    std::string error;
    QCOMPARE(theirs.LoadFile(backup.toStdString(), error), CImageDocument::Load::Loaded);
    const std::string csv = ChannelRows::ToCsv(ChannelRows::ExportRows(theirs.m_database));
    QFile list(app.path(QStringLiteral("other.csv")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(csv.data(), qint64(csv.size()));
    list.close();
    const std::vector<std::uint8_t> before = AppFixture::Bytes(app.db());
    for (const QString& file : {backup, list.fileName()}) {
        app.prompts().OpenFile(file);
        app.frame().m_pCompareAction->trigger();
        CCompareWindow* window = OpenedWindow(app);
        QVERIFY(window);
        QCOMPARE(Tables(window), (QList<Table>{Table::Tv, Table::Tv}));
        QCOMPARE(AppFixture::rows(window->DifferenceList()).constFirst(),
                 QStringLiteral("TV channels: added (1)"));
        // Enter goes from the filter to the list, and there takes the first row.
        Press(window, Qt::Key_Return);
        Press(window, Qt::Key_Return);
        QVERIFY(app.prompts().asked.constLast().text.startsWith(QStringLiteral("TV Channel is full")));
        QCOMPARE(app.prompts().asked.constLast().icon, IUserPrompts::Icon::Exclamation);
        QVERIFY(AppFixture::Bytes(app.db()) == before);
        QVERIFY(!app.doc().CanUndo());
        delete window;
    }

    // Read only, as a recovery copy or the receiver's image is shown.
    AppFixture::whenModal<CCompareWindow>([](CCompareWindow* shown) {
        QCOMPARE(Tables(shown), (QList<Table>{Table::Tv, Table::Tv}));
        QVERIFY(!shown->TakeButton()->isVisible() && !shown->TakeAllButton()->isVisible());
        Press(shown, Qt::Key_Escape);
    });
    CCompareWindow::ShowImages(app.db(), QStringLiteral("full.dat"), theirs.m_database,
                               QStringLiteral("other.dat.bak"), &app.frame());
}

QTEST_MAIN(CompareTest)
#include "CompareTests.moc"
