// Arranging channels in the window: Find with the commands on the rows it
// shows, dragging rows, Sort Channels, Edit Selected Channels, and a walk
// through the editor by keyboard alone.
#include "AppFixture.h"

#include "CChannelEditDlg.h"
#include "CChannelFlagsDlg.h"
#include "CChannelListView.h"
#include "CSortChannelsDlg.h"
#include "TemplateIds.h"
#include "TestDatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Two transponders of one satellite; "News" channels between the others.
const char* const kNames[] = {"News 1", "Sport",  "News 2", "Movies", "News 3",  "Kids",
                              "Music",  "News 4", "Series", "Docs",   "Weather", "Shop"};

void TwelveChannels(CChannelDatabase& db)
{
    AddSatelliteWithTwoTransponders(db);
    for (int i = 0; i < 12; ++i)
        AddChannel(db, kTv, i % 3 == 2 ? 1 : 0, kNames[i]);
}

// The same image in a database of the test's own, to change directly.
void LoadInto(CChannelDatabase& reference, const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::memcpy(reference.GetRawImage(), bytes.constData(), std::size_t(bytes.size()));
    reference.ImageToTables(2);
    reference.ClearBouquetTable();
}

// The window on the twelve channels, and the same image in a database of
// the test's own.
struct Scene {
    Scene() : image(app.writeImage(QStringLiteral("stb.dat"), TwelveChannels))
    {
        if (app.open(image))
            LoadInto(reference, image);
    }
    AppFixture app;
    const QString image;
    CChannelDatabase reference;
};

QPoint RowPoint(QAbstractItemView* list, int row, int dy = 0)
{
    return list->visualRect(list->model()->index(row, 0)).center() + QPoint(0, dy);
}

}  // namespace

class ArrangingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandsActOnTheRowsTheSearchShows();
    void aDropMovesAsCutAndPasteDo();
    void aPlainPressDragsTheRowUnderIt();
    void sortAndEditManyChangeOnlyWhatTheyShouldAsOneStep();
    void aWholeEditWithoutTheMouse();
};

void ArrangingTest::commandsActOnTheRowsTheSearchShows()
{
    Scene scene;
    AppFixture& app = scene.app;
    CChannelDatabase& reference = scene.reference;
    QVERIFY(!app.doc().NoData());
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);

    QTest::keyClick(&app.frame(), Qt::Key_F, Qt::ControlModifier);
    auto* search = app.frame().findChild<QLineEdit*>(QStringLiteral("searchEdit"));
    QVERIFY(search->hasFocus());
    QTest::keyClicks(search, QStringLiteral("nEwS"));
    QCOMPARE(tv->model()->rowCount(), 4);
    QCOMPARE(app.frame().findChild<QLabel*>(QStringLiteral("searchCount"))->text(),
             QStringLiteral("4 of 12"));

    // Rows 0..3 are the slots 0, 2, 4 and 7.
    AppFixture::whenModal<CChannelEditDlg>([](CChannelEditDlg* dialog) {
        QCOMPARE(AppFixture::fieldText(dialog, DialogIds::Channel::kName), QStringLiteral("News 3"));
        AppFixture::typeInto(dialog, DialogIds::Channel::kName, QStringLiteral("News Three"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::doubleClick(tv, 2);
    ChannelRecord renamed;
    reference.GetChannel(renamed, 4, kTv);
    std::memcpy(renamed.name, "News Three", 11);
    reference.SetChannel(renamed, 4, kTv);

    AppFixture::select(tv, {3});
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelUp));
    reference.SwapChannels(7, 4, kTv);

    AppFixture::select(tv, {0});
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelDelete));
    reference.DeleteChannels({0}, kTv);

    // Now rows 0..2 are slots 1, 3 and 6; the last goes before the first.
    AppFixture::select(tv, {2});
    app.chooseFromMenu(tv, 2, QStringLiteral("Cut"));
    app.chooseFromMenu(tv, 0, QStringLiteral("Paste"));
    reference.MoveChannels({6}, 1, kTv);
    QVERIFY(AppFixture::Bytes(app.db()) == AppFixture::Bytes(reference));

    // A narrowing click keeps the search: the list shows what both choose.
    AppFixture::click(view.SatelliteList(), 0);
    QCOMPARE(tv->model()->rowCount(), 3);
    QCOMPARE(app.frame().findChild<QLabel*>(QStringLiteral("searchCount"))->text(),
             QStringLiteral("3 of 11"));

    // Escape empties the search: every channel is shown again.
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Escape);
    QCOMPARE(search->text(), QString());
    QCOMPARE(tv->model()->rowCount(), 11);
}

void ArrangingTest::aDropMovesAsCutAndPasteDo()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TwelveChannels)));
    CVolmarenView& view = app.view();
    auto* tv = static_cast<CChannelListView*>(view.ChannelList(kTv));
    const std::vector<std::uint8_t> original = AppFixture::Bytes(app.db());

    // Rows 1 and 3 dragged by the pointer to the upper half of row 8.
    AppFixture::select(tv, {1, 3});
    QWidget* viewport = tv->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowPoint(tv, 3));
    QTest::mouseMove(viewport, RowPoint(tv, 5));
    QTest::mouseMove(viewport, RowPoint(tv, 8, -3));
    QVERIFY(tv->IsDragging());
    QCOMPARE(tv->DropRow(), 8);
    QVERIFY(tv->DropLine()->isVisible());
    QCOMPARE(tv->DropLine()->y() + 1, tv->visualRect(tv->model()->index(8, 0)).top());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowPoint(tv, 8, -3));
    QCoreApplication::processEvents();
    QVERIFY(!tv->DropLine()->isVisible());
    QCOMPARE(AppFixture::selectedRows(tv), (QList<int>{6, 7}));
    QCOMPARE(app.frame().m_pUndoAction->text(), QStringLiteral("U&ndo Move Channels"));
    const std::vector<std::uint8_t> dropped = AppFixture::Bytes(app.db());

    // One step back, then Cut and Paste to the same place: the same bytes.
    app.frame().m_pUndoAction->trigger();
    QVERIFY(AppFixture::Bytes(app.db()) == original);
    AppFixture::select(tv, {1, 3});
    app.chooseFromMenu(tv, 3, QStringLiteral("Cut"));
    app.chooseFromMenu(tv, 8, QStringLiteral("Paste"));
    QVERIFY(AppFixture::Bytes(app.db()) == dropped);
}

void ArrangingTest::aPlainPressDragsTheRowUnderIt()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), TwelveChannels)));
    auto* tv = static_cast<CChannelListView*>(app.view().ChannelList(kTv));
    const QStringList names = AppFixture::channelNames(app.db(), kTv);
    // The pointer goes to the window, as the window system delivers it.
    QWindow* window = app.frame().windowHandle();
    auto at = [&app, tv](int row, int dy = 0) {
        return tv->viewport()->mapTo(&app.frame(), RowPoint(tv, row, dy));
    };

    // Ctrl and Shift presses extend the selection and drag nothing.
    for (const Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
        AppFixture::click(tv, 1);
        QTest::mousePress(window, Qt::LeftButton, modifier, at(3));
        QTest::mouseMove(window, at(5));
        QVERIFY(!tv->IsDragging());
        QTest::mouseRelease(window, Qt::LeftButton, modifier, at(5));
        const QList<int> selected = AppFixture::selectedRows(tv);
        QVERIFY(selected.contains(3) && selected.contains(4) && selected.contains(5));
        QCOMPARE(AppFixture::channelNames(app.db(), kTv), names);
    }

    // A plain press on a row that is not selected chooses that row alone,
    // and the drag moves it.
    AppFixture::click(tv, 1);
    QTest::mousePress(window, Qt::LeftButton, {}, at(4));
    QCOMPARE(AppFixture::selectedRows(tv), QList<int>{4});
    QTest::mouseMove(window, at(6));
    QTest::mouseMove(window, at(9, -3));
    QVERIFY(tv->IsDragging());
    // The line shows in the window.
    const QPoint line = tv->DropLine()->mapTo(&app.frame(), QPoint(20, 1));
    QCOMPARE(app.frame().grab().toImage().pixelColor(line), tv->palette().color(QPalette::Highlight));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(9, -3));
    QCoreApplication::processEvents();
    QStringList moved = names;
    moved.move(4, 8);
    QCOMPARE(AppFixture::channelNames(app.db(), kTv), moved);
    QCOMPARE(AppFixture::selectedRows(tv), QList<int>{8});
}

void ArrangingTest::sortAndEditManyChangeOnlyWhatTheyShouldAsOneStep()
{
    Scene scene;
    AppFixture& app = scene.app;
    CChannelDatabase& reference = scene.reference;
    QVERIFY(!app.doc().NoData());
    CVolmarenView& view = app.view();
    QTreeView* tv = view.ChannelList(kTv);

    // Sorted by name, descending, within the second transponder only.
    AppFixture::click(view.SatelliteList(), 1);
    AppFixture::click(view.TransponderList(), 2);
    AppFixture::whenModal<CSortChannelsDlg>([](CSortChannelsDlg* dialog) {
        dialog->KeyList()->setCurrentIndex(0);
        dialog->DescendingButton()->setChecked(true);
        dialog->accept();
    });
    app.frame().m_pSortAction->trigger();
    reference.SortChannels(std::vector<int>{2, 5, 8, 11}, ChannelSortKey::Name, true, kTv);
    QVERIFY(AppFixture::Bytes(app.db()) == AppFixture::Bytes(reference));
    QCOMPARE(AppFixture::cells(tv, 0).at(1), QStringLiteral("Shop"));

    // Lock set on three channels; Skip, Audio and the groups left as they
    // were on each.
    ChannelRecord skipped;
    reference.GetChannel(skipped, 5, kTv);
    skipped.flags |= ChannelFlag::kSkipped | ChannelFlag::kAudioLeft;
    reference.SetChannel(skipped, 5, kTv);
    app.edit([&skipped](CChannelDatabase& db) { db.SetChannel(skipped, 5, kTv); });
    AppFixture::select(tv, {0, 1, 3});
    AppFixture::whenModal<CChannelFlagsDlg>([](CChannelFlagsDlg* dialog) {
        QCOMPARE(dialog->SkipList()->currentText(), QStringLiteral("(unchanged)"));
        dialog->LockList()->setCurrentIndex(2);
        dialog->accept();
    });
    app.chooseFromMenu(tv, 3, QStringLiteral("Edit Selected Channels..."));
    ChannelFlagChanges lock;
    lock.lock = true;
    reference.SetChannelFlags(std::vector<int>{2, 5, 11}, lock, kTv);
    QVERIFY(AppFixture::Bytes(app.db()) == AppFixture::Bytes(reference));
    QCOMPARE(app.frame().m_pUndoAction->text(), QStringLiteral("U&ndo Edit Channels"));
    app.frame().m_pUndoAction->trigger();
    QCOMPARE(app.frame().m_pUndoAction->text(), QStringLiteral("U&ndo Test Change"));
}

void ArrangingTest::aWholeEditWithoutTheMouse()
{
    Scene scene;
    AppFixture& app = scene.app;
    CChannelDatabase& reference = scene.reference;
    QVERIFY(!app.doc().NoData());
    CVolmarenView& view = app.view();
    // Each key goes to the window, as the window system delivers it: to
    // the focused widget of the window, after the window's shortcuts.
    QWindow* window = app.frame().windowHandle();
    auto key = [&app, window](QWidget* widget, Qt::Key code, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = app.frame().focusWidget();
        QVERIFY(focus == widget || widget->isAncestorOf(focus));
        QTest::keyClick(window, code, modifiers);
        QCoreApplication::processEvents();
    };

    // The satellite, then its second transponder, chosen with the arrows.
    view.SatelliteList()->setFocus();
    key(view.SatelliteList(), Qt::Key_Down);
    QCOMPARE(view.State().SatelliteRow(), 1);
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
    view.TransponderList()->setFocus();
    key(view.TransponderList(), Qt::Key_Down);
    key(view.TransponderList(), Qt::Key_Down);
    QCOMPARE(view.State().Filter(), ChannelFilter::Transponder);
    QTreeView* tv = view.ChannelList(kTv);
    QCOMPARE(tv->model()->rowCount(), 4);

    // Its third channel moved up, its first deleted, and the image saved.
    tv->setFocus();
    key(tv, Qt::Key_Home);
    key(tv, Qt::Key_Down);
    key(tv, Qt::Key_Down);
    {
        // As on an X server without a window manager, the keys reach the
        // window under the pointer while it is not the active one: then no
        // shortcut of the window is tried and only the list sees the key.
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        key(tv, Qt::Key_Up, Qt::AltModifier);
    }
    reference.SwapChannels(8, 5, kTv);
    QVERIFY(AppFixture::Bytes(app.db()) == AppFixture::Bytes(reference));
    // In the active window the Edit menu takes the key first: the channel
    // moves once.
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    key(tv, Qt::Key_Down, Qt::AltModifier);
    reference.SwapChannels(5, 8, kTv);
    QVERIFY(AppFixture::Bytes(app.db()) == AppFixture::Bytes(reference));
    key(tv, Qt::Key_Home);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    key(tv, Qt::Key_Delete);
    reference.DeleteChannels({2}, kTv);
    QVERIFY(AppFixture::Bytes(app.db()) == AppFixture::Bytes(reference));
    key(&app.frame(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(app.doc().Saved());
    CChannelDatabase saved;
    LoadInto(saved, scene.image);
    QVERIFY(AppFixture::Bytes(saved) == AppFixture::Bytes(reference));
}

QTEST_MAIN(ArrangingTest)
#include "ArrangingTests.moc"
