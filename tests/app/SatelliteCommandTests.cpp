// The form's satellite, transponder, favourite group and system commands:
// their checks in order, their effect on the tables, lists and selection,
// and the unsaved-changes flag.
#include "AppFixture.h"

#include "CFavoriteGroupDlg.h"
#include "CSatelliteAddDlg.h"
#include "CSatelliteEditDlg.h"
#include "CSystemInfoDlg.h"
#include "CTransponderAddDlg.h"
#include "CTransponderEditDlg.h"
#include "ChannelDatabase.h"
#include "TemplateIds.h"
#include "TestDatabase.h"

#include <QAbstractButton>
#include <QScrollBar>

namespace {

QStringList AfterAll(const QStringList& rows)
{
    return rows.mid(1);
}

void FillWithSatellites(CChannelDatabase& db, int count)
{
    BuildKnownImage(db);
    while (db.GetSatelliteCount() < count)
        AddSatellite(db, "Filler");
}

}  // namespace

class SatelliteCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doNothingWithoutAnImage();
    void addsSatellitesUpToTheLimit();
    void editsTheClickedSatellite();
    void checksTheSelectionBeforeEditing();
    void deletesTheSelectedSatellites();
    void deleteAfterMenuAddNeedsAClick();
    void addsATransponderToTheChosenSatellite();
    void checksTheSatelliteBeforeAddingATransponder();
    void editsATransponder();
    void deletesTransponders();
    void groupChangesRefillTheChannelLists();
    void systemInfoChangeMarksTheImageUnsaved();
};

void SatelliteCommandsTest::doNothingWithoutAnImage()
{
    AppFixture app;
    CVolmarenView& view = app.view();
    AppFixture::rightClick(view.SatelliteList(), -1);
    AppFixture::rightClick(view.TransponderList(), -1);
    using namespace DialogIds::MainWindow;
    for (int id : {kSatelliteAdd, kSatelliteEdit, kSatelliteDelete, kTransponderAdd, kTransponderEdit,
                   kTransponderDelete, kFavoriteGroups, kSystem})
        AppFixture::clickButton(view.Button(id));
    QCoreApplication::processEvents();
    QVERIFY(app.prompts().asked.isEmpty());
    QVERIFY(app.prompts().menus.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void SatelliteCommandsTest::addsSatellitesUpToTheLimit()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"),
                                    [](CChannelDatabase& db) { FillWithSatellites(db, 299); })));
    CVolmarenView& view = app.view();

    QString proposed;
    AppFixture::whenModal<CSatelliteAddDlg>([&proposed](CSatelliteAddDlg* dialog) {
        proposed = AppFixture::fieldText(dialog, DialogIds::Satellite::kName);
        AppFixture::typeInto(dialog, DialogIds::Satellite::kName, QStringLiteral("Thor 1W"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteAdd));
    QCOMPARE(proposed, QStringLiteral("SAT_300"));
    QCOMPARE(app.db().GetSatelliteCount(), 300);
    SatelliteRecord added;
    app.db().GetSatellite(added, 299);
    QCOMPARE(QString::fromLatin1(added.name), QStringLiteral("Thor 1W"));
    QCOMPARE(added.index, 299);
    QCOMPARE(AppFixture::rows(view.SatelliteList()).last(), QStringLiteral("Thor 1W"));
    QCOMPARE(AppFixture::selectedRows(view.SatelliteList()), QList<int>{300});
    QCOMPARE(view.State().SatelliteRow(), 300);
    QCOMPARE(view.State().FirstSatelliteSelection(), 300);
    QVERIFY(!app.doc().Saved());

    // The 301st is refused before any dialog opens.
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteAdd));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Satellite Count is full.")});
    QCOMPARE(app.db().GetSatelliteCount(), 300);
}

void SatelliteCommandsTest::editsTheClickedSatellite()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();

    AppFixture::whenModal<CSatelliteEditDlg>([](CSatelliteEditDlg* dialog) {
        QCOMPARE(AppFixture::fieldText(dialog, DialogIds::Satellite::kName), QStringLiteral("Hotbird 13E"));
        AppFixture::typeInto(dialog, DialogIds::Satellite::kName, QStringLiteral("Hot Bird"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::doubleClick(view.SatelliteList(), 2);
    QCoreApplication::processEvents();
    QCOMPARE(AfterAll(AppFixture::rows(view.SatelliteList())), (QStringList{"Astra 19.2E", "Hot Bird"}));
    QCOMPARE(AppFixture::selectedRows(view.SatelliteList()), QList<int>{2});
    QVERIFY(!app.doc().Saved());

    // A cancelled edit changes nothing.
    app.save();
    AppFixture::cancelModal<CSatelliteEditDlg>();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteEdit));
    QVERIFY(app.doc().Saved());
}

void SatelliteCommandsTest::checksTheSelectionBeforeEditing()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();

    // The last click on "All Satellite": nothing at all.
    AppFixture::click(view.SatelliteList(), 0);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteEdit));
    QVERIFY(app.prompts().asked.isEmpty());

    AppFixture::click(view.SatelliteList(), 1);
    AppFixture::click(view.SatelliteList(), 2, Qt::ControlModifier);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteEdit));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose only one Satellite")});

    app.prompts().asked.clear();
    view.SatelliteList()->clearSelection();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteEdit));
    QCOMPARE(app.prompts().texts(),
             QStringList{QStringLiteral("No Satellite has been selected, or Satellite does not exist")});
}

void SatelliteCommandsTest::deletesTheSelectedSatellites()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), [](CChannelDatabase& db) {
        BuildKnownImage(db);
        AddSatellite(db, "Third");
        AddSatellite(db, "Fourth");
        AddSatellite(db, "Fifth");
    })));
    CVolmarenView& view = app.view();

    // "All Satellite" alone: confirmed, then nothing to delete.
    AppFixture::click(view.SatelliteList(), 0);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteDelete));
    QCOMPARE(app.prompts().texts(),
             (QStringList{"Do you want to delete the current Satellite(s)?", "Please choose the Satellite"}));
    QCOMPARE(app.prompts().asked.first().caption, QStringLiteral("WARNING : Volmaren"));

    // Declined: nothing changes.
    app.prompts().asked.clear();
    AppFixture::click(view.SatelliteList(), 2, Qt::ControlModifier);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteDelete));
    QCOMPARE(app.db().GetSatelliteCount(), 5);
    QVERIFY(app.doc().Saved());

    // "All Satellite" with satellites 2 and 5 deletes indexes 1 and 4 with
    // their transponders and channels.
    AppFixture::click(view.SatelliteList(), 5, Qt::ControlModifier);
    QCOMPARE(AppFixture::selectedRows(view.SatelliteList()), (QList<int>{0, 2, 5}));
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteDelete));
    QCOMPARE(AfterAll(AppFixture::rows(view.SatelliteList())),
             (QStringList{"Astra 19.2E", "Third", "Fourth"}));
    QCOMPARE(app.db().GetTransponderCount(), 2);
    QCOMPARE(app.db().GetChannelCount(kTv), 4);
    QCOMPARE(app.db().GetChannelCount(kRadio), 0);
    QCOMPARE(view.State().Filter(), ChannelFilter::All);
    QCOMPARE(view.State().ChannelRow(kTv), -1);
    QCOMPARE(view.State().ChannelRow(kRadio), -1);
    QCOMPARE(view.State().FirstChannelSelection(), -1);
    QVERIFY(!app.doc().Saved());
}

void SatelliteCommandsTest::deleteAfterMenuAddNeedsAClick()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();

    app.prompts().ChooseMenuItem(QStringLiteral("Add Satellite"));
    AppFixture::whenModal<CSatelliteAddDlg>([](CSatelliteAddDlg* dialog) {
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::rightClick(view.SatelliteList(), 1);
    QCOMPARE(app.prompts().menus, QList<QStringList>{(QStringList{"Add Satellite", "Delete Satellite"})});
    QCOMPARE(app.db().GetSatelliteCount(), 3);
    QCOMPARE(view.State().FirstSatelliteSelection(), -1);

    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteDelete));
    QCOMPARE(app.prompts().texts().last(), QStringLiteral("Please choose the Satellite"));
    QCOMPARE(app.db().GetSatelliteCount(), 3);
}

void SatelliteCommandsTest::addsATransponderToTheChosenSatellite()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), [](CChannelDatabase& db) {
        BuildKnownImage(db);
        for (int k = 0; k < 3; ++k)
            AddTransponder(db, 1, 10700 + 100 * std::uint32_t(k), 22000, 0);
    })));
    CVolmarenView& view = app.view();
    AppFixture::click(view.SatelliteList(), 2);
    QCOMPARE(view.TransponderList()->model()->rowCount(), 5);

    QString satellite;
    AppFixture::whenModal<CTransponderAddDlg>([&satellite](CTransponderAddDlg* dialog) {
        satellite = AppFixture::fieldText(dialog, DialogIds::Transponder::kSatelliteName);
        AppFixture::typeInto(dialog, DialogIds::Transponder::kFrequency, QStringLiteral("11034"));
        AppFixture::typeInto(dialog, DialogIds::Transponder::kSymbolRate, QStringLiteral("27500"));
        AppFixture::pickEntry(dialog, DialogIds::Transponder::kPolarization, 1);
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderAdd));
    QCOMPARE(satellite, QStringLiteral("Hotbird 13E"));
    QCOMPARE(app.db().GetTransponderCount(), 7);
    TransponderRecord added;
    app.db().GetTransponder(added, 6);
    QCOMPARE(added.satelliteIndex, 1);
    QCOMPARE(added.frequency, 11034000u);
    QCOMPARE(added.symbolRate, 27500);
    QCOMPARE(added.polarization, 1);
    QCOMPARE(AppFixture::rows(view.TransponderList()).last(), QStringLiteral("11034 27500 (H)"));
    QCOMPARE(AppFixture::selectedRows(view.TransponderList()), QList<int>{5});
    QCOMPARE(view.State().TransponderRow(), 5);
    QCOMPARE(view.State().FirstTransponderSelection(), -1);
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
    QVERIFY(!app.doc().Saved());
}

void SatelliteCommandsTest::checksTheSatelliteBeforeAddingATransponder()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();

    // A right-click beside the rows still shows the menu and forgets the row.
    app.prompts().ChooseMenuItem(QStringLiteral("Add Satellite"));
    AppFixture::cancelModal<CSatelliteAddDlg>();
    AppFixture::rightClick(view.SatelliteList(), -1);
    QCOMPARE(app.prompts().menus.size(), 1);
    QCOMPARE(view.State().SatelliteRow(), -1);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderAdd));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose the Satellite")});

    // Two satellites selected, the last click on a satellite.
    app.prompts().asked.clear();
    AppFixture::click(view.SatelliteList(), 1);
    AppFixture::click(view.SatelliteList(), 2, Qt::ControlModifier);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderAdd));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose only one Satellite")});

    // The last click on "All Satellite".
    app.prompts().asked.clear();
    AppFixture::click(view.SatelliteList(), 0);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderAdd));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose the Satellite")});
}

void SatelliteCommandsTest::editsATransponder()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();
    AppFixture::click(view.SatelliteList(), 1);

    AppFixture::whenModal<CTransponderEditDlg>([](CTransponderEditDlg* dialog) {
        QCOMPARE(AppFixture::fieldText(dialog, DialogIds::Transponder::kFrequency), QStringLiteral("12000"));
        AppFixture::typeInto(dialog, DialogIds::Transponder::kSymbolRate, QStringLiteral("30000"));
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::doubleClick(view.TransponderList(), 2);
    QCoreApplication::processEvents();
    TransponderRecord edited;
    app.db().GetTransponder(edited, 2);
    QCOMPARE(edited.symbolRate, 30000);
    QCOMPARE(AppFixture::rows(view.TransponderList()).at(2), QStringLiteral("12000 30000 (V)"));
    QCOMPARE(AppFixture::selectedRows(view.TransponderList()), QList<int>{2});
    QVERIFY(!app.doc().Saved());

    app.prompts().asked.clear();
    view.TransponderList()->clearSelection();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderEdit));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose the Transponder")});
}

void SatelliteCommandsTest::deletesTransponders()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();

    // Nothing selected: refused before the question.
    view.TransponderList()->clearSelection();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderDelete));
    QCOMPARE(app.prompts().texts(), QStringList{QStringLiteral("Please choose the Transponder")});

    app.prompts().asked.clear();
    AppFixture::click(view.TransponderList(), 1);
    AppFixture::click(view.TransponderList(), 3, Qt::ControlModifier);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kTransponderDelete));
    QCOMPARE(app.prompts().texts(),
             QStringList{QStringLiteral("Do you want to delete the current Transponder(s)?")});
    QCOMPARE(app.db().GetTransponderCount(), 1);
    QCOMPARE(AppFixture::rows(view.TransponderList()), (QStringList{"'All Transponder'", "3840  4340  (V)"}));
    QCOMPARE(app.db().GetChannelCount(kTv), 1);
    QCOMPARE(app.db().GetChannelCount(kRadio), 1);
    // Both channel lists stay empty until the next click, with filter 2.
    QCOMPARE(view.ChannelList(kTv)->model()->rowCount(), 0);
    QCOMPARE(view.ChannelList(kRadio)->model()->rowCount(), 0);
    QCOMPARE(view.State().Filter(), ChannelFilter::Transponder);
    QCOMPARE(view.State().ChannelRow(kTv), -1);
    QCOMPARE(view.State().ChannelRow(kRadio), -1);
    QVERIFY(!app.doc().Saved());

    // Adding a channel now would use a row that no longer names the
    // transponder clicked: refused.
    app.prompts().asked.clear();
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kChannelAdd));
    QCOMPARE(app.prompts().texts(),
             QStringList{QStringLiteral("Please choose the Satellite and Transponder for channel ADD")});
}

void SatelliteCommandsTest::groupChangesRefillTheChannelLists()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CVolmarenView& view = app.view();
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 2).at(4), QStringLiteral("NoGroup"));

    // A click on row 2 of the TV list puts channel 2 into group "News".
    AppFixture::whenModal<CFavoriteGroupDlg>([](CFavoriteGroupDlg* dialog) {
        auto* list = FindByTemplateId<QAbstractItemView>(dialog, DialogIds::FavoriteGroupEdit::kTvList);
        QVERIFY(list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(2, 1)).center());
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kFavoriteGroups));
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 2).at(4), QStringLiteral("News"));
    FavoriteGroupRecord news;
    app.db().GetGroup(news, 0);
    QCOMPARE(news.tvCount, 2);
    QVERIFY(!app.doc().Saved());

    // Closed through the title bar and answered No: the change is written,
    // so the form recounts and marks it unsaved all the same.
    app.save();
    AppFixture::whenModal<CFavoriteGroupDlg>([&app](CFavoriteGroupDlg* dialog) {
        auto* list = FindByTemplateId<QAbstractItemView>(dialog, DialogIds::FavoriteGroupEdit::kTvList);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 1)).center());
        app.prompts().Answer(IUserPrompts::Answer::No);
        dialog->close();
    });
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kFavoriteGroups));
    app.db().GetGroup(news, 0);
    QCOMPARE(news.tvCount, 3);
    QCOMPARE(AppFixture::cells(view.ChannelList(kTv), 1).at(4), QStringLiteral("News..."));
    QVERIFY(!app.doc().Saved());
}

void SatelliteCommandsTest::systemInfoChangeMarksTheImageUnsaved()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    AppFixture::whenModal<CSystemInfoDlg>([](CSystemInfoDlg* dialog) {
        AppFixture::pickEntry(dialog, DialogIds::SystemInformation::kLanguage, 4);
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    AppFixture::clickButton(app.view().Button(DialogIds::MainWindow::kSystem));
    SystemInfo info;
    app.db().GetSystemInfo(info);
    QCOMPARE(info.menuLanguage, 4);
    QVERIFY(!app.doc().Saved());

    // OK without a change leaves the image saved.
    app.save();
    AppFixture::whenModal<CSystemInfoDlg>([](CSystemInfoDlg* dialog) {
        AppFixture::clickButton(AppFixture::FindButton(dialog, DialogIds::kOk));
    });
    app.frame().m_pSystemInfoAction->trigger();
    QVERIFY(app.doc().Saved());
}

QTEST_MAIN(SatelliteCommandsTest)
#include "SatelliteCommandTests.moc"
