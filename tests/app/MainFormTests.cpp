// The main form and frame: start-up, opening images, the cell texts, the
// narrowing clicks, the tab switch, the menu rules and the close questions.
#include "AppFixture.h"

#include "ChannelDatabase.h"
#include "TemplateIds.h"
#include "TestDatabase.h"

#include <QAction>
#include <QMenu>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QTabBar>

#include <cstring>

class MainFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithoutAnImage();
    void refusesFilesThatAreNoImage();
    void showsEveryCellText();
    void narrowsByClicks();
    void switchesTabs();
    void appliesTheMenuRules();
    void newDocumentKeepsTheLists();
    void asksBeforeClosingWithUnsavedData();
    void keepsRunningWhenTheCloseSaveFails();
    void asksBeforeReplacingUnsavedWork();
    void aboutBoxClosesWithEnter();
    void fileMenuListsTheImagesUsedLast();
};

void MainFormTest::startsWithoutAnImage()
{
    AppFixture app;
    CVolmarenView& view = app.view();
    QCOMPARE(app.frame().windowTitle(), QStringLiteral("Volmaren - Untitled"));
    QVERIFY(!(app.frame().windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(app.frame().windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(app.doc().NoData());
    QVERIFY(app.doc().Saved());
    for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{
             view.SatelliteList(), view.TransponderList(), view.ChannelList(kTv), view.ChannelList(kRadio)})
        QCOMPARE(list->model()->rowCount(), 0);
    QCOMPARE(view.State().SatelliteRow(), -1);
    QCOMPARE(view.State().TransponderRow(), -1);
    QCOMPARE(view.State().ChannelRow(kTv), -1);
    QCOMPARE(view.State().ChannelRow(kRadio), -1);
    QCOMPARE(view.State().Filter(), ChannelFilter::All);
    QCOMPARE(view.State().Tab(), kTv);
    QVERIFY(view.ChannelList(kTv)->isVisible());
    QVERIFY(!view.ChannelList(kRadio)->isVisible());
    QCOMPARE(view.Tabs()->tabText(0), QStringLiteral("TV Channel        "));
    QCOMPARE(view.Tabs()->tabText(1), QStringLiteral("Radio Channel     "));

    const QStringList tvHeadings{"No",    "Name",  "Scramble", "Bouquet", "Favorite", "Audio",
                                 "V-PID", "A-PID", "P-PID",    "Lock",    "Skip"};
    const QList<int> tvWidths{30, 120, 90, 140, 90, 70, 60, 60, 60, 45, 45};
    QHeaderView* header = view.ChannelList(kTv)->header();
    for (int c = 0; c < tvHeadings.size(); ++c) {
        QCOMPARE(header->model()->headerData(c, Qt::Horizontal).toString(), tvHeadings[c]);
        QCOMPARE(header->sectionSize(c), tvWidths[c]);
    }
    QCOMPARE(view.ChannelList(kRadio)->model()->columnCount(), 10);
    QCOMPARE(view.ChannelList(kRadio)->model()->headerData(6, Qt::Horizontal).toString(),
             QStringLiteral("A-PID"));

    // The form asks nothing at exit when nothing was loaded or edited.
    QVERIFY(app.frame().close());
    QVERIFY(app.prompts().asked.isEmpty());
}

void MainFormTest::refusesFilesThatAreNoImage()
{
    AppFixture app;
    const QString good = app.writeImage(QStringLiteral("STB.dat"), BuildKnownImage);
    QVERIFY(app.open(good));
    QCOMPARE(app.frame().windowTitle(), QStringLiteral("Volmaren - STB.dat"));

    QFile::copy(good, app.path(QStringLiteral("short.dat")));
    QFile shortFile(app.path(QStringLiteral("short.dat")));
    QVERIFY(shortFile.resize(shortFile.size() - 1));
    QFile in(good);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    bytes[0xA0000] = 'Y';
    QFile marker(app.path(QStringLiteral("marker.dat")));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.write(bytes);
    marker.close();

    for (const QString& name : {QStringLiteral("short.dat"), QStringLiteral("marker.dat")}) {
        app.prompts().asked.clear();
        QVERIFY(!app.open(app.path(name)));
        QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("File is not STB Data image.")});
        QCOMPARE(app.prompts().asked.first().caption, QStringLiteral("Volmaren"));
        QCOMPARE(app.doc().FilePath(), good);
        QCOMPARE(app.frame().windowTitle(), QStringLiteral("Volmaren - STB.dat"));
        QCOMPARE(AppFixture::rows(app.view().SatelliteList()).size(), 3);
    }
}

void MainFormTest::showsEveryCellText()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("known.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();
    QCOMPARE(AppFixture::rows(view.SatelliteList()),
             (QStringList{"'All Satellite'", "Astra 19.2E", "Hotbird 13E"}));
    QCOMPARE(AppFixture::rows(view.TransponderList()),
             (QStringList{"'All Transponder'", "11778 27500 (H)", "3840  4340  (V)", "12000 27500 (V)"}));

    QTreeView* tv = view.ChannelList(kTv);
    // After the refresh both "All" rows and the first channel are selected.
    QCOMPARE(AppFixture::selectedRows(view.SatelliteList()), QList<int>{0});
    QCOMPARE(AppFixture::selectedRows(view.TransponderList()), QList<int>{0});
    QCOMPARE(AppFixture::selectedRows(tv), QList<int>{0});
    QCOMPARE(view.State().FirstChannelSelection(), 0);

    // Bouquet names are never taken from a file; one set afterwards shows.
    app.edit([](CChannelDatabase& db) { db.SetBouquet("ARD", 0, kTv); });
    view.FillChannelList(kTv);
    QCOMPARE(AppFixture::cells(tv, 0), (QStringList{"1", "Das Erste", "Viaccess", "ARD", "News...", "STEREO",
                                                    "101", "102", "103", "ON", "OFF"}));
    QCOMPARE(AppFixture::cells(tv, 1),
             (QStringList{"2", "Left Ch", "FTA", "", "Kids", "LEFT", "101", "102", "103", "OFF", "OFF"}));
    QCOMPARE(AppFixture::cells(tv, 2), (QStringList{"3", "Right Ch", "Viaccess", "", "NoGroup", "RIGHT",
                                                    "101", "102", "103", "OFF", "ON"}));
    QCOMPARE(AppFixture::cells(tv, 3),
             (QStringList{"4", "Std", "standard", "", "Sport", "", "101", "102", "103", "OFF", "OFF"}));
    QCOMPARE(AppFixture::cells(tv, 4).mid(1, 2), (QStringList{"Unknown CA", ""}));
    QCOMPARE(AppFixture::cells(view.ChannelList(kRadio), 0),
             (QStringList{"1", "Radio One", "FTA", "", "NoGroup", "STEREO", "102", "103", "OFF", "OFF"}));

    // A name without its NUL is shown up to the end of its field.
    app.edit([](CChannelDatabase& db) {
        ChannelRecord record;
        db.GetChannel(record, 1, kTv);
        std::memset(record.name, 'X', sizeof record.name);
        db.SetChannel(record, 1, kTv);
    });
    view.FillChannelList(kTv);
    QCOMPARE(AppFixture::cells(tv, 1).at(1), QString(17, QLatin1Char('X')));
}

void MainFormTest::narrowsByClicks()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("known.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);

    AppFixture::click(view.SatelliteList(), 1);
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
    QCOMPARE(view.State().SatelliteRow(), 1);
    QCOMPARE(view.State().TransponderRow(), 0);
    QCOMPARE(view.State().ChannelRow(kTv), -1);
    QCOMPARE(view.State().ChannelRow(kRadio), -1);
    QCOMPARE(AppFixture::rows(view.TransponderList()),
             (QStringList{"'All Transponder'", "11778 27500 (H)", "12000 27500 (V)"}));
    QCOMPARE(tv->model()->rowCount(), 4);
    QCOMPARE(AppFixture::cells(tv, 3).mid(0, 2), (QStringList{"4", "Unknown CA"}));
    QCOMPARE(view.ChannelList(kRadio)->model()->rowCount(), 0);

    AppFixture::click(view.TransponderList(), 2);
    QCOMPARE(view.State().Filter(), ChannelFilter::Transponder);
    QCOMPARE(AppFixture::rows(tv), QStringList{"1"});
    QCOMPARE(AppFixture::cells(tv, 0).at(1), QStringLiteral("Right Ch"));

    // "All Transponder" after a satellite click shows that satellite's channels.
    AppFixture::click(view.TransponderList(), 0);
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
    QCOMPARE(tv->model()->rowCount(), 4);

    AppFixture::click(view.SatelliteList(), 0);
    QCOMPARE(view.State().Filter(), ChannelFilter::All);
    QCOMPARE(view.State().SatelliteRow(), 0);
    QCOMPARE(tv->model()->rowCount(), 5);
    QCOMPARE(view.TransponderList()->model()->rowCount(), 4);

    // "All Transponder" after "All Satellite" shows every channel.
    AppFixture::click(view.TransponderList(), 1);
    QCOMPARE(view.State().Filter(), ChannelFilter::Transponder);
    QCOMPARE(tv->model()->rowCount(), 3);
    AppFixture::click(view.TransponderList(), 0);
    QCOMPARE(view.State().Filter(), ChannelFilter::All);
    QCOMPARE(tv->model()->rowCount(), 5);

    // A click beside the rows changes nothing but the hit row.
    AppFixture::click(view.SatelliteList(), 2);
    const int transponders = view.TransponderList()->model()->rowCount();
    AppFixture::click(view.SatelliteList(), -1);
    QCOMPARE(view.State().SatelliteRow(), -1);
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
    QCOMPARE(view.TransponderList()->model()->rowCount(), transponders);

    // A transponder click beside the rows empties both channel lists.
    AppFixture::click(view.TransponderList(), -1);
    QCOMPARE(view.State().TransponderRow(), -1);
    QCOMPARE(tv->model()->rowCount(), 0);
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);

    AppFixture::click(view.SatelliteList(), 0);
    AppFixture::click(tv, 3);
    QCOMPARE(view.State().ChannelRow(kTv), 3);
    QCOMPARE(view.State().FirstChannelSelection(), 3);
    AppFixture::click(tv, 1, Qt::ControlModifier);
    QCOMPARE(view.State().ChannelRow(kTv), 1);
    QCOMPARE(view.State().FirstChannelSelection(), 1);
}

void MainFormTest::switchesTabs()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("known.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();
    AppFixture::click(view.ChannelList(kTv), 2);
    QCOMPARE(view.State().ChannelRow(kTv), 2);

    QTabBar* tabs = view.Tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(view.State().Tab(), kRadio);
    QVERIFY(view.ChannelList(kRadio)->isVisible());
    QVERIFY(!view.ChannelList(kTv)->isVisible());
    QCOMPARE(view.State().FirstChannelSelection(), -1);
    QCOMPARE(view.State().ChannelRow(kTv), 2);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QCOMPARE(view.State().Tab(), kTv);
    QVERIFY(view.ChannelList(kTv)->isVisible());
}

void MainFormTest::appliesTheMenuRules()
{
    AppFixture app;
    CMainFrame& frame = app.frame();
    frame.UpdateCommandStates();
    QVERIFY(frame.m_pOpenAction->isEnabled());
    QVERIFY(frame.m_pExitAction->isEnabled());
    QVERIFY(!frame.m_pSaveAction->isEnabled());
    QVERIFY(!frame.m_pSaveAsAction->isEnabled());
    QVERIFY(!frame.m_pSystemInfoAction->isEnabled());
    QVERIFY(frame.m_pConnectAction->isEnabled());
    // No port is open in this test.
    QVERIFY(!frame.m_pUploadAction->isEnabled());
    QVERIFY(!frame.m_pDownloadAction->isEnabled());

    // Ctrl+S is refused like the menu entry while there is no image.
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(app.prompts().fileDialogs, 0);

    QVERIFY(app.open(app.writeImage(QStringLiteral("known.dat"), BuildKnownImage)));
    frame.UpdateCommandStates();
    QVERIFY(frame.m_pSaveAction->isEnabled());
    QVERIFY(frame.m_pSaveAsAction->isEnabled());
    QVERIFY(frame.m_pSystemInfoAction->isEnabled());

    // File > Open through the menu's accelerator.
    app.prompts().OpenFile(app.writeImage(QStringLiteral("other.dat"), BuildKnownImage));
    QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Volmaren - other.dat"));

    // Save As writes a large image under the chosen name.
    app.prompts().SaveFile(app.path(QStringLiteral("saved.dat")));
    frame.m_pSaveAsAction->trigger();
    QCOMPARE(QFileInfo(app.path(QStringLiteral("saved.dat"))).size(), qint64(0xA0800));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Volmaren - saved.dat"));
}

void MainFormTest::newDocumentKeepsTheLists()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("known.dat"), BuildKnownImage)));
    QTest::keyClick(&app.frame(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(app.doc().NoData());
    QVERIFY(app.doc().FilePath().isEmpty());
    QCOMPARE(app.frame().windowTitle(), QStringLiteral("Volmaren - Untitled"));
    QCOMPARE(app.view().SatelliteList()->model()->rowCount(), 3);
    // The copy key reaches nothing.
    QTest::keyClick(&app.frame(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(app.prompts().asked.isEmpty());
}

void MainFormTest::asksBeforeClosingWithUnsavedData()
{
    AppFixture app;
    const QString file = app.writeImage(QStringLiteral("known.dat"), BuildKnownImage);
    QVERIFY(app.open(file));
    app.edit([](CChannelDatabase& db) { db.SetBouquet("Edited", 0, kTv); });

    app.prompts().Answer(IUserPrompts::Answer::Cancel);
    QVERIFY(!app.frame().close());
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Save changes to current STB file?")});
    QCOMPARE(app.prompts().asked.first().buttons, IUserPrompts::Buttons::YesNoCancel);

    app.prompts().Answer(IUserPrompts::Answer::Yes);
    QVERIFY(app.frame().close());
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes.size(), 0xA0800);
    QCOMPARE(bytes.mid(0x10000, 7), QByteArray("Edited\0", 7));
}

void MainFormTest::keepsRunningWhenTheCloseSaveFails()
{
    // Data without a file: uploaded into a new document, then edited.
    QTemporaryDir images;
    const QString image = images.filePath(QStringLiteral("known.dat"));
    AppFixture::WriteImage(image, BuildKnownImage);
    Receiver receiver({QStringLiteral("--image"), image});
    AppFixture app(receiver.device());
    QTRY_VERIFY(app.transfers().PortOpen());
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kUpload));
    QTRY_VERIFY_WITH_TIMEOUT(!app.doc().NoData(), 60000);
    QVERIFY(app.doc().FilePath().isEmpty());
    app.edit();

    // Yes, then the file dialog cancelled: nothing written, still running.
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    QVERIFY(!app.frame().close());
    QCOMPARE(app.prompts().fileDialogs, 1);

    // Yes, then a name that cannot be written: reported, still running.
    app.prompts().asked.clear();
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    app.prompts().SaveFile(app.path(QStringLiteral("missing/folder/STB.dat")));
    QVERIFY(!app.frame().close());
    QCOMPARE(app.prompts().asked.size(), 2);
    QVERIFY(app.prompts().asked.at(1).text.contains(QStringLiteral("missing/folder")));

    app.prompts().Answer(IUserPrompts::Answer::No);
    QVERIFY(app.frame().close());
}

void MainFormTest::asksBeforeReplacingUnsavedWork()
{
    AppFixture app;
    const QString first = app.writeImage(QStringLiteral("first.dat"), BuildKnownImage);
    const QString second = app.writeDemo(QStringLiteral("second.dat"));
    auto edit = [&app] { app.edit([](CChannelDatabase& db) { db.SetBouquet("Edited", 0, kTv); }); };
    // The first image lies in a folder that vanishes, and comes back.
    const QString folder = app.path(QStringLiteral("stick"));
    QVERIFY(QDir().mkpath(folder));
    const QString onStick = QDir(folder).filePath(QStringLiteral("first.dat"));
    QVERIFY(QFile::copy(first, onStick));
    QVERIFY(app.open(onStick));
    const QString question = QStringLiteral("Save changes to current STB file?");

    // Cancel changes nothing, for Open and for New alike.
    edit();
    app.prompts().Answer(IUserPrompts::Answer::Cancel);
    app.frame().m_pOpenAction->trigger();
    app.prompts().Answer(IUserPrompts::Answer::Cancel);
    QTest::keyClick(&app.frame(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(app.prompts().texts(), (QStringList{question, question}));
    QCOMPARE(app.prompts().fileDialogs, 0);
    QVERIFY(!app.doc().NoData());
    QCOMPARE(app.doc().FilePath(), onStick);

    // Yes with a save that fails goes no further.
    app.prompts().asked.clear();
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    QVERIFY(QDir(folder).removeRecursively());
    app.frame().m_pOpenAction->trigger();
    QCOMPARE(app.prompts().asked.size(), 2);
    QCOMPARE(app.prompts().fileDialogs, 0);
    QVERIFY(!app.doc().Saved());

    // Yes saves, then opens.
    QVERIFY(QDir().mkpath(folder));
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    app.prompts().OpenFile(second);
    app.frame().m_pOpenAction->trigger();
    QCOMPARE(app.doc().FilePath(), second);
    QVERIFY(app.doc().Saved());
    QFile saved(onStick);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().mid(0x10000, 7), QByteArray("Edited\0", 7));

    // No goes on without saving.
    edit();
    app.prompts().Answer(IUserPrompts::Answer::No);
    QTest::keyClick(&app.frame(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(app.doc().NoData());
    QVERIFY(app.doc().FilePath().isEmpty());
}

void MainFormTest::aboutBoxClosesWithEnter()
{
    AppFixture app;
    bool closed = false;
    AppFixture::whenModal<QDialog>([&closed](QDialog* about) {
        QTest::keyClick(about, Qt::Key_Return);
        closed = !about->isVisible();
        about->reject();
    });
    app.frame().m_pAboutAction->trigger();
    QVERIFY(closed);
}

void MainFormTest::fileMenuListsTheImagesUsedLast()
{
    AppFixture app;
    const QString first = app.writeImage(QStringLiteral("first.dat"), BuildKnownImage);
    const QString second = app.writeImage(QStringLiteral("second.dat"), BuildKnownImage);
    QVERIFY(app.open(first));
    QVERIFY(app.open(second));
    app.prompts().SaveFile(app.path(QStringLiteral("third.dat")));
    app.frame().m_pSaveAsAction->trigger();
    QVERIFY(app.open(first));

    auto* file = qobject_cast<QMenu*>(app.frame().m_pOpenAction->parent());
    auto recent = [file] {
        Q_EMIT file->aboutToShow();
        QStringList names;
        const auto actions = file->actions();
        for (QAction* action : actions) {
            if (action->text().size() > 2 && action->text()[1].isDigit())
                names.append(action->text());
        }
        return names;
    };
    QCOMPARE(recent(), (QStringList{"&1 first.dat", "&2 third.dat", "&3 second.dat"}));
    QCOMPARE(file->actions().last(), app.frame().m_pExitAction);

    // An entry opens its image; one that is gone is said so and forgotten.
    QFile::remove(second);
    const auto entries = [file](int n) {
        Q_EMIT file->aboutToShow();
        for (QAction* action : file->actions()) {
            if (action->text().startsWith(QStringLiteral("&%1 ").arg(n)))
                return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    entries(2)->trigger();
    QCOMPARE(app.doc().FilePath(), app.path(QStringLiteral("third.dat")));
    entries(3)->trigger();
    QCOMPARE(app.prompts().asked.size(), 1);
    QCOMPARE(recent(), (QStringList{"&1 third.dat", "&2 first.dat"}));
}

QTEST_MAIN(MainFormTest)
#include "MainFormTests.moc"
