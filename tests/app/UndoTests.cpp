// Undo and Redo in the window: the Edit menu's texts and greying, the keys,
// the saved state across Save, Undo and Redo, and the lists coming back.
#include "AppFixture.h"

#include "TemplateIds.h"
#include "TestDatabase.h"

#include <QAction>
#include <QLineEdit>

class UndoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void undoAndRedoNameTheirStepAndFollowTheSavedState();
    void theCodeBoxKeepsItsOwnEditingKeys();
    void aChangeCannotBeMadeInsideAnother();
};

void UndoTest::undoAndRedoNameTheirStepAndFollowTheSavedState()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    CMainFrame& frame = app.frame();
    CVolmarenView& view = app.view();
    QAction* undo = frame.m_pUndoAction;
    QAction* redo = frame.m_pRedoAction;
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("U&ndo"));

    // Hotbird chosen, then deleted: the lists show everything again.
    const std::vector<std::uint8_t> before = AppFixture::Bytes(app.db());
    AppFixture::click(view.SatelliteList(), 2);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::clickButton(view.Button(DialogIds::MainWindow::kSatelliteDelete));
    QCOMPARE(view.SatelliteList()->model()->rowCount(), 2);
    QCOMPARE(view.State().Filter(), ChannelFilter::All);
    QCOMPARE(undo->text(), QStringLiteral("U&ndo Delete Satellite"));
    QVERIFY(undo->isEnabled());
    QVERIFY(!app.doc().Saved());
    const std::vector<std::uint8_t> after = AppFixture::Bytes(app.db());

    // Saved, then undone with the key: every byte back, unsaved again, and
    // the lists narrowed to Hotbird with its row selected.
    app.save();
    QVERIFY(app.doc().Saved());
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(AppFixture::Bytes(app.db()) == before);
    QVERIFY(!app.doc().Saved());
    QVERIFY(app.doc().HasUnsavedChanges());
    QCOMPARE(view.State().Filter(), ChannelFilter::Satellite);
    QCOMPARE(view.State().SatelliteRow(), 2);
    QCOMPARE(view.SatelliteList()->model()->rowCount(), 3);
    QCOMPARE(AppFixture::selectedRows(view.SatelliteList()), QList<int>{2});
    QCOMPARE(view.TransponderList()->model()->rowCount(), 2);
    QCOMPARE(view.ChannelList(kTv)->model()->rowCount(), 1);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("U&ndo"));
    QCOMPARE(redo->text(), QStringLiteral("&Redo Delete Satellite"));

    // Both redo keys go forward to the saved data, and the document is
    // saved again: closing asks nothing.
    QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(AppFixture::Bytes(app.db()) == after);
    QVERIFY(app.doc().Saved());
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(AppFixture::Bytes(app.db()) == after);
    QVERIFY(!redo->isEnabled());
    QVERIFY(frame.close());
    QCOMPARE(app.prompts().asked.size(), 1);  // the deletion's confirmation only

    // Opening an image starts a new history.
    QVERIFY(app.open(app.writeImage(QStringLiteral("other.dat"), BuildKnownImage)));
    QVERIFY(!app.doc().CanUndo());
    QVERIFY(!app.doc().CanRedo());
}

void UndoTest::theCodeBoxKeepsItsOwnEditingKeys()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    app.edit();
    auto* code = FindByTemplateId<QLineEdit>(&app.view(), DialogIds::MainWindow::kSystemCode);
    code->setFocus();
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("12"));
    QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(code->text() != QStringLiteral("12"));
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Test Change"));
    QVERIFY(!app.doc().CanRedo());
}

QTEST_MAIN(UndoTest)

void UndoTest::aChangeCannotBeMadeInsideAnother()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    const std::vector<std::uint8_t> before = AppFixture::Bytes(app.db());
    bool innerRan = false;
    bool innerApplied = true;
    app.edit([&](CChannelDatabase& db) {
        db.SetBouquet("Outer", 0, kTv);
        innerApplied =
            app.doc().Apply(QStringLiteral("Inner"), ListChange::None, [&](CChannelDatabase& inner) {
                innerRan = true;
                inner.SetBouquet("Inner", 1, kTv);
            });
    });
    QVERIFY(!innerApplied);
    QVERIFY(!innerRan);
    QCOMPARE(app.doc().UndoLabel(), QStringLiteral("Test Change"));
    app.doc().Undo();
    QVERIFY(!app.doc().CanUndo());
    QVERIFY(AppFixture::Bytes(app.db()) == before);
    // The guard ends with the change: the next one is made.
    app.edit();
    QVERIFY(app.doc().CanUndo());
}

#include "UndoTests.moc"
