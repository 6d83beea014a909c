// The form's channel commands under each filter: add, edit, delete, the
// moves, cut and paste, with their checks, selection and unsaved flag.
#include "AppFixture.h"

#include "CChannelAddDlg.h"
#include "CChannelEditDlg.h"
#include "ChannelCommands.h"
#include "ChannelDatabase.h"
#include "TemplateIds.h"
#include "TestDatabase.h"
#include "TestTiming.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabBar>

namespace {

// Ten TV channels "C0".."C9" on transponder 0 of satellite 0.
void TenChannels(CChannelDatabase& db)
{
    AddSatelliteWithTwoTransponders(db);
    for (int i = 0; i < 10; ++i)
        AddChannel(db, kTv, 0, qPrintable(QStringLiteral("C%1").arg(i)));
    AddChannel(db, kRadio, 0, "R0");
}

// Transponder 1 owns the channels in slots 3, 8 and 12 of fourteen.
void InterleavedChannels(CChannelDatabase& db)
{
    AddSatelliteWithTwoTransponders(db);
    for (int i = 0; i < 14; ++i)
        AddChannel(db, kTv, i == 3 || i == 8 || i == 12 ? 1 : 0, qPrintable(QStringLiteral("C%1").arg(i)));
}

QStringList Order(std::initializer_list<int> indexes)
{
    QStringList names;
    for (int i : indexes)
        names.append(QStringLiteral("C%1").arg(i));
    return names;
}

}  // namespace

class ChannelCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addsToTheChosenTransponderOnly();
    void refusesAnAddToAFullTable();
    void editsTheClickedChannel();
    void checksTheSelectionBeforeEditAndDelete();
    void deletesTheSelectedChannels();
    void deletesWithinOneSatellite();
    void movesUpAndDown();
    void movesWithinOneTransponder();
    void cutsAndPastes();
    void pastesOnlyInTheContextOfTheCut();
    void neverPastesAStaleCut();
    void movesFiveHundredRowsQuickly();
    void commandsTakeTheRowLastClickedInTheListInFront();
    void movedRowsStayInSightAndAMoveWithoutRowsSaysSo();
};

void ChannelCommandsTest::addsToTheChosenTransponderOnly()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();

    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelAdd));
    QCOMPARE(app.prompts().texts(),
             QStringList{QStringLiteral("Please choose the Satellite and Transponder for channel ADD")});

    AppFixture::click(view.SatelliteList(), 1);
    AppFixture::click(view.TransponderList(), 2);
    QCOMPARE(view.State().Filter(), ChannelFilter::Transponder);
    AppFixture::whenModal<CChannelAddDlg>([](CChannelAddDlg* dialog) {
        AppFixture::typeInto(dialog, DialogIds::Channel::kName, QStringLiteral("New One"));
        AppFixture::typeInto(dialog, DialogIds::Channel::kVideo, QStringLiteral("160"));
        AppFixture::typeInto(dialog, DialogIds::Channel::kAudioPid, QStringLiteral("80"));
        AppFixture::typeInto(dialog, DialogIds::Channel::kPcr, QStringLiteral("160"));
        AppFixture::typeInto(dialog, DialogIds::Channel::kBouquet, QStringLiteral("Sky"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelAdd));
    QCOMPARE(app.db().GetChannelCount(kTv), 11);
    ChannelRecord added;
    app.db().GetChannel(added, 10, kTv);
    QCOMPARE(added.transponderIndex, 1);
    QCOMPARE(added.videoPid, 160);
    QCOMPARE(AppFixture::rows(view.ChannelList(kTv)), QStringList{"1"});
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 0).mid(1, 3), (QStringList{"New One", "FTA", "Sky"}));
    QVERIFY(!app.doc().Saved());
    SystemInfo info;
    app.db().GetSystemInfo(info);
    QCOMPARE(info.totalTvCount, 11);

    // "All Transponder" as the last transponder click: refused.
    app.prompts().asked.clear();
    AppFixture::click(view.TransponderList(), 0);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelAdd));
    QCOMPARE(app.prompts().texts(),
             QStringList{QStringLiteral("Please choose the Satellite and Transponder for channel ADD")});
}

void ChannelCommandsTest::refusesAnAddToAFullTable()
{
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("full.dat"), true)));
    CVolmarenView& view = app.view();
    QCOMPARE(app.db().GetChannelCount(kTv), 4467);
    AppFixture::click(view.SatelliteList(), 1);
    AppFixture::click(view.TransponderList(), 1);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelAdd));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("TV Channel is full")});
    QVERIFY(!QApplication::activeModalWidget());

    // With 4466 channels the dialog opens and the table fills up.
    app.prepare([](CChannelDatabase& db) { db.DeleteChannels({0}, kTv); });
    AppFixture::whenModal<CChannelAddDlg>([](CChannelAddDlg* dialog) {
        for (int id : {DialogIds::Channel::kVideo, DialogIds::Channel::kAudioPid, DialogIds::Channel::kPcr})
            AppFixture::typeInto(dialog, id, QStringLiteral("33"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelAdd));
    QCOMPARE(app.db().GetChannelCount(kTv), 4467);
}

void ChannelCommandsTest::editsTheClickedChannel()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    AppFixture::whenModal<CChannelEditDlg>([](CChannelEditDlg* dialog) {
        QCOMPARE(AppFixture::fieldText(dialog, DialogIds::Channel::kName), QStringLiteral("C4"));
        AppFixture::typeInto(dialog, DialogIds::Channel::kName, QStringLiteral("Renamed"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::doubleClick(view.ChannelList(kTv), 4);
    QCoreApplication::processEvents();
    QCOMPARE(AppFixture::channelNames(app.db(), kTv).at(4), QStringLiteral("Renamed"));
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 4).at(1), QStringLiteral("Renamed"));
    QCOMPARE(AppFixture::selectedRows(view.ChannelList(kTv)), QList<int>{4});
    QVERIFY(!app.doc().Saved());
}

void ChannelCommandsTest::checksTheSelectionBeforeEditAndDelete()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);

    tv->clearSelection();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelEdit));
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    AppFixture::select(tv, {1, 2});
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelEdit));
    QCOMPARE(app.prompts().texts(), (QStringList{"Please choose the channel", "Please choose the channel",
                                                 "Please choose only one Channel"}));

    // After a tab switch the first selection is gone until the next click.
    app.prompts().asked.clear();
    QTabBar* tabs = view.Tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    AppFixture::click(view.ChannelList(kRadio), 0);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("There is not Selected Channel.")});
}

void ChannelCommandsTest::deletesTheSelectedChannels()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    app.prepare([](CChannelDatabase& db) { db.SetBouquet("B7", 7, kTv); });
    AppFixture::select(view.ChannelList(kTv), {2, 5});

    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Do you want to delete channel(s)?")});
    QCOMPARE(app.db().GetChannelCount(kTv), 10);

    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 3, 4, 6, 7, 8, 9}));
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 5).mid(1, 3), (QStringList{"C7", "FTA", "B7"}));
    QCOMPARE(view.State().FirstChannelSelection(), -1);
    QVERIFY(!app.doc().Saved());
}

void ChannelCommandsTest::deletesWithinOneSatellite()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    AppFixture::click(view.SatelliteList(), 1);
    QCOMPARE(tv->model()->rowCount(), 4);

    // Rows 1 and 3 of the satellite's list are table slots 2 and 4.
    AppFixture::select(tv, {1, 3});
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), (QStringList{"Das Erste", "Left Ch", "Std"}));
    QCOMPARE(tv->model()->rowCount(), 2);
    QCOMPARE(AppFixture::cells(tv, 1).mid(0, 2), (QStringList{"2", "Std"}));
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
}

void ChannelCommandsTest::movesUpAndDown()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    app.prepare([](CChannelDatabase& db) { db.SetBouquet("B5", 5, kTv); });

    AppFixture::select(tv, {0, 1, 5});
    const int scrolled = tv->verticalScrollBar()->value();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelUp));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 3, 5, 4, 6, 7, 8, 9}));
    QCOMPARE(AppFixture::selectedRows(tv), (QList<int>{0, 1, 4}));
    QCOMPARE(tv->verticalScrollBar()->value(), scrolled);
    QCOMPARE(view.State().FirstChannelSelection(), 0);
    // The bouquet name moves with its channel.
    QCOMPARE(AppFixture::cells(tv, 4).at(3), QStringLiteral("B5"));
    QVERIFY(!app.doc().Saved());

    // The last row cannot move down: nothing changes, not even the flag.
    app.save();
    AppFixture::select(tv, {9});
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDown));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 3, 5, 4, 6, 7, 8, 9}));
    QVERIFY(app.doc().Saved());

    AppFixture::select(tv, {3, 8});
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDown));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 5, 3, 4, 6, 7, 9, 8}));
    QCOMPARE(AppFixture::selectedRows(tv), (QList<int>{4, 9}));
}

void ChannelCommandsTest::movesWithinOneTransponder()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), InterleavedChannels)));
    CVolmarenView& view = app.view();
    AppFixture::click(view.SatelliteList(), 1);
    AppFixture::click(view.TransponderList(), 2);
    QCOMPARE(view.ChannelList(kTv)->model()->rowCount(), 3);

    AppFixture::select(view.ChannelList(kTv), {2});
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelUp));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 3, 4, 5, 6, 7, 12, 9, 10, 11, 8, 13}));
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 1).at(1), QStringLiteral("C12"));
    QCOMPARE(AppFixture::selectedRows(view.ChannelList(kTv)), QList<int>{1});
}

void ChannelCommandsTest::cutsAndPastes()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    app.prepare([](CChannelDatabase& db) { db.SetBouquet("B6", 6, kTv); });

    AppFixture::select(tv, {5, 6});
    app.chooseFromMenu(tv, 6, QStringLiteral("Cut"));
    QCOMPARE(app.prompts().menus.first(),
             (QStringList{"Add TV-Channel", "Delete TV-Channel", "", "Cut", "Paste", "",
                          "Edit Selected Channels...", "Sort Channels..."}));
    QVERIFY(app.frame().ChannelCommands()->HasCutList());
    app.chooseFromMenu(tv, 2, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 5, 6, 2, 3, 4, 7, 8, 9}));
    QCOMPARE(AppFixture::selectedRows(tv), (QList<int>{2, 3}));
    QCOMPARE(AppFixture::cells(tv, 3).at(3), QStringLiteral("B6"));
    QVERIFY(!app.frame().ChannelCommands()->HasCutList());
    QCOMPARE(view.State().ChannelRow(kTv), -1);
    QVERIFY(!app.doc().Saved());

    // Pasted below the last row: appended.
    AppFixture::select(tv, {2, 3});
    app.chooseFromMenu(tv, 3, QStringLiteral("Cut"));
    app.chooseFromMenu(tv, -1, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 3, 4, 7, 8, 9, 5, 6}));
    QCOMPARE(AppFixture::selectedRows(tv), (QList<int>{8, 9}));
}

void ChannelCommandsTest::pastesOnlyInTheContextOfTheCut()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    QTabBar* tabs = view.Tabs();

    AppFixture::select(tv, {5, 6});
    app.chooseFromMenu(tv, 6, QStringLiteral("Cut"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    app.chooseFromMenu(view.ChannelList(kRadio), 0, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(AppFixture::channelNames(app.db(), kRadio), QStringList{"R0"});
    QVERIFY(app.frame().ChannelCommands()->HasCutList());

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    app.chooseFromMenu(tv, 0, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({5, 6, 0, 1, 2, 3, 4, 7, 8, 9}));
}

void ChannelCommandsTest::neverPastesAStaleCut()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TenChannels)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);

    // A deletion since the Cut moved other channels into the cut slots.
    AppFixture::select(tv, {5, 6});
    app.chooseFromMenu(tv, 6, QStringLiteral("Cut"));
    AppFixture::select(tv, {1});
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    app.save();
    app.chooseFromMenu(tv, 0, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 2, 3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(app.doc().Saved());

    // Cut past the end after deletions: the slots hold no channel any more.
    AppFixture::select(tv, {7, 8});
    app.chooseFromMenu(tv, 8, QStringLiteral("Cut"));
    AppFixture::select(tv, {0, 1, 2});
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    app.save();
    app.chooseFromMenu(tv, 0, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({4, 5, 6, 7, 8, 9}));
    QVERIFY(app.doc().Saved());
}

void ChannelCommandsTest::movesFiveHundredRowsQuickly()
{
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("full.dat"), true)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    AppFixture::click(tv, 0);
    tv->selectionModel()->select(QItemSelection(tv->model()->index(0, 0), tv->model()->index(499, 0)),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QElapsedTimer timer;
    timer.start();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDown));
    const qint64 elapsed = timer.elapsed();
    qInfo("moving 500 of 4467 rows down took %lld ms", elapsed);
    QCOMPARE(AppFixture::selectedRows(tv).first(), 1);
    QCOMPARE(AppFixture::selectedRows(tv).size(), 500);
    QVERIFY2(elapsed < 100 * kSlowdown, "moving 500 rows took too long");
}

void ChannelCommandsTest::commandsTakeTheRowLastClickedInTheListInFront()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), [](CChannelDatabase& db) {
        TenChannels(db);
        AddChannel(db, kRadio, 0, "R1");
    })));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    auto expectEditOf = [](const QString& name) {
        AppFixture::whenModal<CChannelEditDlg>([name](CChannelEditDlg* dialog) {
            QCOMPARE(AppFixture::fieldText(dialog, DialogIds::Channel::kName), name);
            AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kCancel));
        });
    };

    // The click after a double-clicked dialog counts, for Edit and Delete.
    AppFixture::cancelModal<CChannelEditDlg>();
    AppFixture::doubleClickHeld(tv, 7);
    AppFixture::click(tv, 3);
    expectEditOf(QStringLiteral("C3"));
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelEdit));
    AppFixture::cancelModal<CChannelEditDlg>();
    AppFixture::doubleClickHeld(tv, 7);
    AppFixture::click(tv, 3);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), Order({0, 1, 2, 4, 5, 6, 7, 8, 9}));

    // A row clicked in the TV list names no radio channel.
    app.prompts().asked.clear();
    AppFixture::click(tv, 1);
    QTabBar* tabs = view.Tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QTreeView* radio = view.ChannelList(kRadio);
    radio->setCurrentIndex(radio->model()->index(0, 0));
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelEdit));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose the channel")});
    AppFixture::click(radio, 0);
    expectEditOf(QStringLiteral("R0"));
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelEdit));
}

void ChannelCommandsTest::movedRowsStayInSightAndAMoveWithoutRowsSaysSo()
{
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("full.dat"), true)));
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);
    auto topRow = [tv] { return tv->indexAt(QPoint(2, 2)).row(); };

    AppFixture::click(tv, 300);
    for (int i = 0; i < 10; ++i)
        AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelUp));
    QCOMPARE(AppFixture::selectedRows(tv), QList<int>{290});
    QCOMPARE(topRow(), 290);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDown));
    QCOMPARE(topRow(), 291);

    AppFixture::select(tv, {2000});
    app.chooseFromMenu(tv, 2000, QStringLiteral("Cut"));
    app.chooseFromMenu(tv, 100, QStringLiteral("Paste"));
    QCOMPARE(AppFixture::selectedRows(tv), QList<int>{100});
    QCOMPARE(topRow(), 100);

    // A selection changed without a click or a key (as a program does)
    // leaves no selected row at or below the first selection.
    const QStringList names = AppFixture::channelNames(app.db(), kTv);
    AppFixture::click(tv, 5);
    tv->setCurrentIndex(tv->model()->index(4, 0));
    app.prompts().asked.clear();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelUp));
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDown));
    QCOMPARE(app.prompts().texts(), (QStringList{"Please choose the channel", "Please choose the channel"}));
    QCOMPARE(AppFixture::selectedRows(tv), QList<int>{4});
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), names);
}

QTEST_MAIN(ChannelCommandsTest)
#include "ChannelCommandTests.moc"
