// Tools > Update Transponders... in the window: a refused list, the preview's
// check boxes by keyboard, one undo step, a new satellite from the list, and
// additions the transponder table has no room for.
#include "AppFixture.h"

#include "CTransponderUpdateDlg.h"
#include "ChangeRecord.h"
#include "TestDatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Hotbird's one transponder is in the list as it is. Ours of Astra: 11778 H
// takes another symbol rate, and 12000 V, with "Right Ch", is not in the
// list; the list adds 10744 (circular left, stored as H) and 10729 in DVB-S2.
const char* const kList = R"(<satellites>
  <sat name="Hot Bird 13C" flags="0" position="130">
    <transponder frequency="3840000" symbol_rate="4340000" polarization="1"/>
  </sat>
  <sat name="Astra 1KR" flags="0" position="192">
    <transponder frequency="11778400" symbol_rate="22000000" polarization="0" fec_inner="3"/>
    <transponder frequency="10744000" symbol_rate="22000000" polarization="2"/>
    <transponder frequency="10729000" symbol_rate="22000000" polarization="1" system="1"/>
  </sat>
  <sat name="Eutelsat 9B" flags="0" position="90">
    <transponder frequency="11727000" symbol_rate="27500000" polarization="1"/>
  </sat>
</satellites>
)";

std::vector<std::uint8_t> Bytes(const CChannelDatabase& db)
{
    std::vector<std::uint8_t> bytes;
    CChangeRecord::TakeSnapshot(db, bytes);
    return bytes;
}

QString WriteList(AppFixture& app, const QString& name, const char* text)
{
    QFile file(app.path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0)
        qFatal("cannot write the list");
    return file.fileName();
}

// Each row as its change, its check box (- for none to check) and its
// frequency.
QStringList RowsOf(const CTransponderUpdateDlg* dialog)
{
    QStringList rows;
    QTreeWidget* tree = dialog->Rows();
    for (int r = 0; r < tree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = tree->topLevelItem(r);
        const QChar box = !(item->flags() & Qt::ItemIsUserCheckable) ? QLatin1Char('-')
                          : item->checkState(0) == Qt::Checked       ? QLatin1Char('x')
                                                                     : QLatin1Char(' ');
        rows.append(QStringLiteral("%1 %2 %3").arg(box).arg(item->text(0), item->text(1)));
    }
    return rows;
}

void Toggle(QTreeWidget* rows, int row)
{
    rows->setCurrentItem(rows->topLevelItem(row));
    QTest::keyClick(rows, Qt::Key_Space);
}

}  // namespace

class TransponderUpdateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theCheckedRowsAreOneStepAndANewSatelliteComesFromTheList();
    void additionsBeyondTheTableChangeNothing();
};

void TransponderUpdateTest::theCheckedRowsAreOneStepAndANewSatelliteComesFromTheList()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage)));
    const std::vector<std::uint8_t> original = Bytes(app.db());
    QAction* update = app.frame().m_pUpdateTranspondersAction;

    app.prompts().OpenFile(
        WriteList(app, QStringLiteral("bad.xml"), "<satellites>\n<sat name=\"X\">\n</sat>\n</satellites>"));
    update->trigger();
    QCOMPARE(app.prompts().texts(),
             QStringList{
                 QStringLiteral("bad.xml, line 2: <sat> has no position attribute\n\nNothing was changed.")});
    QCOMPARE(app.prompts().fileKinds, QList<IUserPrompts::FileKind>{IUserPrompts::FileKind::TransponderList});

    const QString list = WriteList(app, QStringLiteral("satellites.xml"), kList);
    app.prompts().OpenFile(list);
    app.prompts().Answer(IUserPrompts::Answer::Yes);
    AppFixture::whenModal<CTransponderUpdateDlg>([](CTransponderUpdateDlg* dialog) {
        // The list starts at a satellite of ours: Hotbird, by its position.
        QCOMPARE(dialog->SourceList()->currentText(),
                 QStringLiteral("13.0E   Hot Bird 13C (transponders: 1)"));
        QCOMPARE(dialog->OursList()->currentText(), QStringLiteral("Hotbird 13E (transponders: 1)"));
        dialog->SourceList()->setCurrentIndex(1);
        QCOMPARE(dialog->OursList()->currentIndex(), 1);
        QCOMPARE(RowsOf(dialog),
                 (QStringList{QStringLiteral("- Skipped: DVB-S2 10729"), QStringLiteral("x Added 10744"),
                              QStringLiteral("x Updated 11778"), QStringLiteral("  Not in list 12000")}));
        QCOMPARE(dialog->Rows()->topLevelItem(2)->text(3), QStringLiteral("27500 \u2192 22000"));
        QCOMPARE(dialog->Rows()->topLevelItem(3)->text(4), QStringLiteral("tv 'Right Ch'"));

        Toggle(dialog->Rows(), 1);
        Toggle(dialog->Rows(), 3);
        // Taking DVB-S2 in keeps what was checked by hand. The keys go to
        // the active window, as the window system delivers them.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), dialog->IncludeS2());
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Space);
        QCOMPARE(RowsOf(dialog),
                 (QStringList{QStringLiteral("x Added 10729"), QStringLiteral("  Added 10744"),
                              QStringLiteral("x Updated 11778"), QStringLiteral("x Not in list 12000")}));
        QVERIFY(dialog->Summary()->text().startsWith(
            QStringLiteral("Checked: 1 to add, 1 to update, 1 to delete with 1 channels.")));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
    });
    update->trigger();
    // The channels went only after they were named.
    QCOMPARE(app.prompts().reports.constLast().lines, QStringList{QStringLiteral("tv 'Right Ch'")});
    AppFixture::click(app.view().SatelliteList(), 1);
    QCOMPARE(AppFixture::rows(app.view().TransponderList()).mid(1),
             (QStringList{QStringLiteral("11778 22000 (H)"), QStringLiteral("10729 22000 (V)")}));
    QCOMPARE(AppFixture::channelNames(app.db(), kTv).indexOf(QStringLiteral("Right Ch")), -1);
    QCOMPARE(app.frame().m_pUndoAction->text(), QStringLiteral("U&ndo Update Transponders"));
    app.doc().Undo();
    QVERIFY(Bytes(app.db()) == original);
    QVERIFY(!app.doc().CanUndo());

    // No name of ours gives 9.0E: the person chooses, here a new satellite.
    app.prompts().OpenFile(list);
    AppFixture::whenModal<CTransponderUpdateDlg>([](CTransponderUpdateDlg* dialog) {
        dialog->SourceList()->setCurrentIndex(2);
        QCOMPARE(dialog->OursList()->currentIndex(), -1);
        QVERIFY(!dialog->ApplyButton()->isEnabled());
        dialog->OursList()->setCurrentIndex(0);
        QCOMPARE(RowsOf(dialog), QStringList{QStringLiteral("x Added 11727")});
        AppFixture::clickButton(dialog->ApplyButton());
    });
    update->trigger();
    QCOMPARE(AppFixture::rows(app.view().SatelliteList()).constLast(), QStringLiteral("Eutelsat 9 9.0E"));
    AppFixture::click(app.view().SatelliteList(), 3);
    QCOMPARE(AppFixture::rows(app.view().TransponderList()).mid(1),
             QStringList{QStringLiteral("11727 27500 (V)")});
    app.doc().Undo();
    QVERIFY(Bytes(app.db()) == original);
}

void TransponderUpdateTest::additionsBeyondTheTableChangeNothing()
{
    AppFixture app;
    QVERIFY(app.open(app.writeImage(QStringLiteral("full.dat"), [](CChannelDatabase& db) {
        BuildKnownImage(db);
        while (db.GetTransponderCount() < Image::kMaxTransponders)
            AddTransponder(db, 1, 3000 + std::uint32_t(db.GetTransponderCount()), 27500, 0);
    })));
    const std::vector<std::uint8_t> original = Bytes(app.db());
    app.prompts().OpenFile(WriteList(app, QStringLiteral("satellites.xml"), kList));
    AppFixture::whenModal<CTransponderUpdateDlg>([&app](CTransponderUpdateDlg* dialog) {
        dialog->SourceList()->setCurrentIndex(1);
        AppFixture::clickButton(dialog->ApplyButton());
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(app.prompts().asked.size(), 1);
        QVERIFY(app.prompts().asked[0].text.startsWith(QStringLiteral(
            "1 transponders to add, but the transponder table has room for 0: nothing was changed")));
    });
    app.frame().m_pUpdateTranspondersAction->trigger();
    QVERIFY(Bytes(app.db()) == original);
    QVERIFY(!app.doc().CanUndo());
}

QTEST_MAIN(TransponderUpdateTest)
#include "TransponderUpdateTests.moc"
