// Channel lists in the window: File > Export Channels..., Import Channels...
// and Apply Order From..., and Tools > Check Image..., each change one step.
#include "AppFixture.h"

#include "ChannelRows.h"
#include "DemoImage.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "Latin1Text.h"
#include "TestDatabase.h"

#include <QAction>
#include <QFile>

#include <cstring>
#include <numeric>

namespace {

using FileKind = IUserPrompts::FileKind;

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteRows(const QString& path, const std::vector<ChannelRows::Row>& rows, const std::string& extra = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string text = ChannelRows::ToCsv(rows) + extra;
    file.write(text.data(), qint64(text.size()));
}

QStringList TvNames(const CChannelDatabase& db)
{
    return AppFixture::channelNames(db, kTv);
}

}  // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anExportedListImportsBackByteForByteAndRestoresItsOrderInOneStep();
    void aBadListChangesNothingAndUnmatchedRowsAreAddedOnlyWhenAsked();
    void applyOrderShowsItsResultBeforeItIsApplied();
    void checkImageOffersTheRepairAsOneStep();
};

void ListCommandsTest::anExportedListImportsBackByteForByteAndRestoresItsOrderInOneStep()
{
    AppFixture app;
    CMainFrame& frame = app.frame();
    QAction* const listActions[] = {frame.m_pExportAction, frame.m_pImportAction, frame.m_pApplyOrderAction,
                                    frame.m_pCheckAction};
    frame.UpdateCommandStates();
    for (QAction* action : listActions)
        QVERIFY(!action->isEnabled());

    QVERIFY(app.open(app.writeDemo(QStringLiteral("demo.dat"))));
    frame.UpdateCommandStates();
    for (QAction* action : listActions)
        QVERIFY(action->isEnabled());
    const std::vector<std::uint8_t> original = AppFixture::Bytes(app.db());
    const QStringList firstRow = AppFixture::cells(app.view().ChannelList(kTv), 0);

    // A file that cannot be written is reported; the one that can holds
    // what the command-line export writes.
    app.prompts().SaveFile(app.path(QStringLiteral("no-such-folder/list.csv")));
    frame.m_pExportAction->trigger();
    QCOMPARE(app.prompts().asked.size(), 1);
    QVERIFY(app.prompts().asked[0].text.contains(QStringLiteral("no-such-folder")));
    QCOMPARE(app.prompts().asked[0].icon, IUserPrompts::Icon::Exclamation);
    app.prompts().asked.clear();
    const QString csv = app.path(QStringLiteral("list.csv"));
    app.prompts().SaveFile(csv);
    frame.m_pExportAction->trigger();
    QCOMPARE(app.prompts().fileKinds, (QList<FileKind>{FileKind::ChannelList, FileKind::ChannelList}));
    const std::string expected = ChannelRows::ToCsv(ChannelRows::ExportRows(app.db()));
    QCOMPARE(FileBytes(csv), QByteArray::fromStdString(expected));

    // Imported back at once: every byte stays and no step is recorded.
    app.prompts().OpenFile(csv);
    frame.m_pImportAction->trigger();
    QVERIFY(AppFixture::Bytes(app.db()) == original);
    QVERIFY(!app.doc().CanUndo());
    QCOMPARE(app.prompts().reports.size(), 1);
    const int channels = app.db().GetChannelCount(kTv) + app.db().GetChannelCount(kRadio);
    QVERIFY(
        app.prompts().reports[0].summary.startsWith(QStringLiteral("Matched: %1\nMoved: 0\n").arg(channels)));

    // After moves by hand the list brings its order back as one step.
    app.edit([](CChannelDatabase& db) { db.MoveChannels({0, 1, 2}, -1, kTv); });
    app.edit([](CChannelDatabase& db) { db.MoveChannels({5}, 0, kRadio); });
    const std::vector<std::uint8_t> moved = AppFixture::Bytes(app.db());
    app.prompts().OpenFile(csv);
    frame.m_pImportAction->trigger();
    QVERIFY(AppFixture::Bytes(app.db()) == original);
    QCOMPARE(frame.m_pUndoAction->text(), QStringLiteral("U&ndo Import Channels"));
    QCOMPARE(AppFixture::cells(app.view().ChannelList(kTv), 0), firstRow);
    app.doc().Undo();
    QVERIFY(AppFixture::Bytes(app.db()) == moved);
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Test Change"));
    QVERIFY(app.prompts().asked.isEmpty());

    // For a spreadsheet: semicolons when chosen, and that list saved in the
    // Windows code page comes back, with a note on how it was read.
    app.edit([](CChannelDatabase& db) {
        ChannelRecord channel;
        db.GetChannel(channel, 0, kTv);
        std::strcpy(channel.name, "Caf\xE9");
        db.SetChannel(channel, 0, kTv);
    });
    const std::vector<std::uint8_t> renamed = AppFixture::Bytes(app.db());
    app.prompts().SaveFile(csv);
    app.prompts().SaveFormat(1);
    frame.m_pExportAction->trigger();
    QCOMPARE(app.prompts().formatsOffered.last(),
             (QStringList{QStringLiteral("CSV (comma) (*.csv)"), QStringLiteral("CSV (semicolon) (*.csv)")}));
    const std::string semicolons = ChannelRows::ToCsv(ChannelRows::ExportRows(app.db()), ';');
    QCOMPARE(FileBytes(csv), QByteArray::fromStdString(semicolons));
    std::string windows1252;
    QCOMPARE(Latin1::FromUtf8(semicolons, windows1252), Latin1::Decoded::Ok);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(windows1252.c_str()) > 0);
    file.close();
    app.edit([](CChannelDatabase& db) { db.MoveChannels({0}, -1, kTv); });
    app.prompts().OpenFile(csv);
    frame.m_pImportAction->trigger();
    QVERIFY(AppFixture::Bytes(app.db()) == renamed);
    QVERIFY2(app.prompts().reports.last().summary.startsWith(
                 QStringLiteral("The list is not UTF-8 text: it was read as Windows-1252.\n\nMatched: ")),
             qPrintable(app.prompts().reports.last().summary));
}

void ListCommandsTest::aBadListChangesNothingAndUnmatchedRowsAreAddedOnlyWhenAsked()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    const std::vector<std::uint8_t> original = AppFixture::Bytes(app.db());
    const std::vector<ChannelRows::Row> rows = ChannelRows::ExportRows(app.db());
    QCOMPARE(rows.size(), std::size_t(6));

    // A row with too few cells after the header and six rows, and a group
    // the image lacks in the second row: refused with the line, nothing
    // changed, nothing reported but the refusal.
    const QString shortRow = app.path(QStringLiteral("short.csv"));
    WriteRows(shortRow, rows, "tv,7,Extra\r\n");
    std::vector<ChannelRows::Row> unknownGroup = rows;
    unknownGroup[1].groups = "Movies";
    const QString badGroup = app.path(QStringLiteral("group.csv"));
    WriteRows(badGroup, unknownGroup);
    for (const auto& [path, line] : {std::pair{shortRow, 8}, std::pair{badGroup, 3}}) {
        app.prompts().asked.clear();
        app.prompts().OpenFile(path);
        app.frame().m_pImportAction->trigger();
        QCOMPARE(app.prompts().asked.size(), 1);
        QVERIFY2(app.prompts().asked[0].text.contains(QStringLiteral("line %1:").arg(line)),
                 qPrintable(app.prompts().asked[0].text));
        QVERIFY(AppFixture::Bytes(app.db()) == original);
        QVERIFY(!app.doc().CanUndo());
        QVERIFY(app.prompts().reports.isEmpty());
    }

    // A row naming no channel on an existing transponder: declined, the rest
    // of the list is imported and the row reported; agreed, it is added too.
    std::vector<ChannelRows::Row> withNew = rows;
    ChannelRows::Row fresh = rows[0];
    fresh.name = "Fresh";
    fresh.videoPid = 901;
    fresh.audioPid = 902;
    fresh.position = 9;
    withNew.push_back(fresh);
    withNew[1].name = "Renamed";
    const QString list = app.path(QStringLiteral("new.csv"));
    WriteRows(list, withNew);
    app.prompts().asked.clear();
    app.prompts().OpenFile(list);
    app.prompts().Answer(IUserPrompts::Answer::No);
    app.frame().m_pImportAction->trigger();
    QCOMPARE(app.prompts().asked.size(), 1);
    QVERIFY(app.prompts().asked[0].text.contains(QStringLiteral("no channel: 1. Of them 1 can be added")));
    QCOMPARE(app.db().GetChannelCount(kTv), 5);
    QCOMPARE(TvNames(app.db())[1], QStringLiteral("Renamed"));
    QCOMPARE(app.prompts().reports.last().lines,
             QStringList{QStringLiteral("Line 8: ") + QString::fromStdString(ChannelRows::RowText(fresh))});
    app.doc().Undo();
    QVERIFY(AppFixture::Bytes(app.db()) == original);

    app.prompts().OpenFile(list);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    app.frame().m_pImportAction->trigger();
    QCOMPARE(app.db().GetChannelCount(kTv), 6);
    QCOMPARE(TvNames(app.db()).last(), QStringLiteral("Fresh"));
    QVERIFY(app.prompts().reports.last().summary.endsWith(QStringLiteral("Unmatched: 0\nAdded: 1")));
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Import Channels"));
    app.doc().Undo();
    QVERIFY(AppFixture::Bytes(app.db()) == original);
}

void ListCommandsTest::applyOrderShowsItsResultBeforeItIsApplied()
{
    AppFixture app;
    QVERIFY(app.open(app.writeDemo(QStringLiteral("new-scan.dat"))));
    const std::vector<std::uint8_t> original = AppFixture::Bytes(app.db());
    CImageDocument reference;
    const QString referencePath = app.writeImage(QStringLiteral("sorted.dat"), [](CChannelDatabase& db) {
        Demo::Build(db, Demo::Size::Normal);
        std::vector<int> all(std::size_t(db.GetChannelCount(kTv)));
        std::iota(all.begin(), all.end(), 0);
        db.SortChannels(all, ChannelSortKey::Name, true, kTv);
    });
    std::string error;
    QCOMPARE(reference.LoadFile(referencePath.toStdString(), error), CImageDocument::Load::Loaded);
    const int channels = app.db().GetChannelCount(kTv) + app.db().GetChannelCount(kRadio);

    // Cancelled after the preview: nothing changes.
    app.prompts().OpenFile(referencePath);
    app.prompts().Answer(IUserPrompts::Answer::Cancel);
    app.frame().m_pApplyOrderAction->trigger();
    QCOMPARE(app.prompts().fileKinds, QList<FileKind>{FileKind::ImageOrChannelList});
    QCOMPARE(app.prompts().reports.size(), 1);
    const ScriptedPrompts::Report preview = app.prompts().reports[0];
    QCOMPARE(preview.acceptText, QStringLiteral("Apply"));
    QVERIFY2(preview.summary.startsWith(QStringLiteral("Matched: %1\nMoved: ").arg(channels)),
             qPrintable(preview.summary));
    QVERIFY(preview.lines.isEmpty());
    QVERIFY(AppFixture::Bytes(app.db()) == original);
    QVERIFY(!app.doc().CanUndo());

    // Applied: the reference's order, as one step.
    app.prompts().OpenFile(referencePath);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    app.frame().m_pApplyOrderAction->trigger();
    QCOMPARE(TvNames(app.db()), TvNames(reference.m_database));
    QVERIFY(AppFixture::cells(app.view().ChannelList(kTv), 0).contains(TvNames(reference.m_database)[0]));
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Apply Order"));
    app.doc().Undo();
    QVERIFY(AppFixture::Bytes(app.db()) == original);
}

void ListCommandsTest::checkImageOffersTheRepairAsOneStep()
{
    AppFixture app;
    const QString damaged = app.writeImage(QStringLiteral("damaged.dat"), [](CChannelDatabase& db) {
        Demo::Build(db, Demo::Size::Normal);
        ChannelRecord channel;
        db.GetChannel(channel, 4, kTv);
        channel.transponderIndex = std::uint16_t(db.GetTransponderCount() + 5);
        db.SetChannel(channel, 4, kTv);
    });
    QVERIFY(app.open(damaged));
    const std::vector<std::uint8_t> before = AppFixture::Bytes(app.db());
    const int tv = app.db().GetChannelCount(kTv);
    const ImageCheck::Findings findings = ImageCheck::Check(app.db());
    QVERIFY(!findings.empty());

    // Every finding is listed; declining the repair leaves the image.
    app.frame().m_pCheckAction->trigger();
    QCOMPARE(app.prompts().reports.size(), 1);
    QCOMPARE(app.prompts().reports[0].acceptText, QStringLiteral("Repair"));
    QCOMPARE(app.prompts().reports[0].lines.size(), qsizetype(findings.size()));
    QCOMPARE(app.prompts().reports[0].lines[0], QString::fromStdString(findings[0]));
    QVERIFY(AppFixture::Bytes(app.db()) == before);
    QVERIFY(!app.doc().CanUndo());

    // The repair is one step, and the image then checks clean.
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    app.frame().m_pCheckAction->trigger();
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Repair Image"));
    QCOMPARE(app.db().GetChannelCount(kTv), tv - 1);
    QCOMPARE(app.view().ChannelList(kTv)->model()->rowCount(), tv - 1);
    app.frame().m_pCheckAction->trigger();
    QCOMPARE(app.prompts().reports.size(), 2);
    QCOMPARE(app.prompts().asked.size(), 1);
    QVERIFY(app.prompts().asked[0].text.contains(QStringLiteral("nothing to repair")));
    app.doc().Undo();
    QVERIFY(AppFixture::Bytes(app.db()) == before);
}

QTEST_MAIN(ListCommandsTest)
#include "ListCommandTests.moc"
