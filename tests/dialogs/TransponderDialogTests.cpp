// Transponder Add and Transponder Edit: fields, the order in which they are
// taken, the refusals and the bytes written.
#include "CTransponderAddDlg.h"
#include "CTransponderEditDlg.h"
#include "DialogDriver.h"
#include "ScriptedPrompts.h"

using namespace Drive;

namespace {

using namespace DialogIds::Transponder;

TransponderRecord NewRecord()
{
    TransponderRecord record{};
    record.satelliteIndex = 7;
    return record;
}

TransponderRecord StoredRecord()
{
    auto record = Filled<TransponderRecord>(0x5C);
    record.satelliteIndex = 2;
    record.frequency = 11778500;
    record.symbolRate = 27500;
    record.polarization = 2;
    return record;
}

void ExpectPositiveIntegerAt(const ScriptedPrompts& prompts, const QDialog& dialog, int id)
{
    QCOMPARE(prompts.texts(), QStringList{"Please enter a positive integer."});
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Volmaren"));
    QCOMPARE(prompts.asked[0].icon, IUserPrompts::Icon::Exclamation);
    QVERIFY(IsOpen(dialog));
    QVERIFY(Edit(&dialog, id)->hasFocus());
    QCOMPARE(Edit(&dialog, id)->selectedText(), Edit(&dialog, id)->text());
}

}  // namespace

class TransponderDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addShowsTheSatelliteAndZeros();
    void addWritesMegahertzTimesThousandAndNothingElse();
    void addTakesTheSymbolRateFirst();
    void editTakesTheFrequencyFirst();
    void editDropsTheKilohertzAndNormalisesPolarization();
    void symbolRateAbove65535IsRefused();
    void numericFieldsTakeFiveDigitsOnly();
    void aLongerStoredNumberIsKeptWhole();
    void keysDoNotCloseAndCancelWritesNothing();
};

void TransponderDialogs::addShowsTheSatelliteAndZeros()
{
    ScriptedPrompts prompts;
    TransponderRecord record = NewRecord();
    CTransponderAddDlg dialog(record, QStringLiteral("HOTBIRD"));
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Transponder Add"));
    QCOMPARE(Edit(&dialog, kSatelliteName)->text(), QStringLiteral("HOTBIRD"));
    QVERIFY(Edit(&dialog, kSatelliteName)->isReadOnly());
    QCOMPARE(Edit(&dialog, kFrequency)->text(), QStringLiteral("0"));
    QCOMPARE(Edit(&dialog, kSymbolRate)->text(), QStringLiteral("0"));
    QCOMPARE(ListEntries(&dialog, kPolarization), (QStringList{"Vertical", "Horizontal"}));
    QCOMPARE(List(&dialog, kPolarization)->currentIndex(), 0);

    Ok(&dialog);
    QVERIFY(IsOpen(dialog));
    QCOMPARE(prompts.texts(), QStringList{"Transponder information is empty"});
    QCOMPARE(prompts.asked[0].icon, IUserPrompts::Icon::None);
    Retype(&dialog, kFrequency, QStringLiteral("11778"));
    Ok(&dialog);
    QCOMPARE(prompts.texts().size(), 2);
    QVERIFY(SameBytes(record, NewRecord()));
}

void TransponderDialogs::addWritesMegahertzTimesThousandAndNothingElse()
{
    TransponderRecord record = NewRecord();
    CTransponderAddDlg dialog(record, QStringLiteral("HOTBIRD"));
    QVERIFY(Open(dialog));
    Retype(&dialog, kFrequency, QStringLiteral("99999"));
    Retype(&dialog, kSymbolRate, QStringLiteral("65535"));
    Choose(&dialog, kPolarization, 1);
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    TransponderRecord expected = NewRecord();
    expected.frequency = 99999000;
    expected.symbolRate = 65535;
    expected.polarization = 1;
    QVERIFY(SameBytes(record, expected));
}

void TransponderDialogs::addTakesTheSymbolRateFirst()
{
    ScriptedPrompts prompts;
    TransponderRecord record = NewRecord();
    CTransponderAddDlg dialog(record, QString());
    QVERIFY(Open(dialog));
    Retype(&dialog, kFrequency, QString());
    Retype(&dialog, kSymbolRate, QString());
    Edit(&dialog, kFrequency)->setFocus();
    Ok(&dialog);
    ExpectPositiveIntegerAt(prompts, dialog, kSymbolRate);
    QVERIFY(SameBytes(record, NewRecord()));
}

void TransponderDialogs::editTakesTheFrequencyFirst()
{
    ScriptedPrompts prompts;
    TransponderRecord record = StoredRecord();
    const TransponderRecord before = record;
    CTransponderEditDlg dialog(record);
    QVERIFY(Open(dialog));
    Retype(&dialog, kSymbolRate, QString());
    Ok(&dialog);
    ExpectPositiveIntegerAt(prompts, dialog, kSymbolRate);

    prompts.asked.clear();
    Retype(&dialog, kFrequency, QString());
    Ok(&dialog);
    ExpectPositiveIntegerAt(prompts, dialog, kFrequency);
    QVERIFY(SameBytes(record, before));
}

void TransponderDialogs::editDropsTheKilohertzAndNormalisesPolarization()
{
    TransponderRecord record = StoredRecord();
    CTransponderEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Transponder Edit"));
    QVERIFY(!Edit(&dialog, kSatelliteName));
    QCOMPARE(Edit(&dialog, kFrequency)->text(), QStringLiteral("11778"));
    QCOMPARE(Edit(&dialog, kSymbolRate)->text(), QStringLiteral("27500"));
    QCOMPARE(List(&dialog, kPolarization)->currentText(), QStringLiteral("Horizontal"));
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    TransponderRecord expected = StoredRecord();
    expected.frequency = 11778000;
    expected.polarization = 1;
    QVERIFY(SameBytes(record, expected));

    record.polarization = 0;
    CTransponderEditDlg vertical(record);
    QVERIFY(Open(vertical));
    QCOMPARE(List(&vertical, kPolarization)->currentText(), QStringLiteral("Vertical"));
}

void TransponderDialogs::symbolRateAbove65535IsRefused()
{
    ScriptedPrompts prompts;
    TransponderRecord record = StoredRecord();
    const TransponderRecord before = record;
    CTransponderEditDlg dialog(record);
    QVERIFY(Open(dialog));
    Retype(&dialog, kSymbolRate, QStringLiteral("65536"));
    Ok(&dialog);
    QCOMPARE(prompts.texts(), QStringList{"Please enter a number from 0 to 65535."});
    QVERIFY(IsOpen(dialog));
    QVERIFY(Edit(&dialog, kSymbolRate)->hasFocus());
    QVERIFY(SameBytes(record, before));
}

void TransponderDialogs::numericFieldsTakeFiveDigitsOnly()
{
    TransponderRecord record = NewRecord();
    CTransponderAddDlg dialog(record, QString());
    QVERIFY(Open(dialog));
    Retype(&dialog, kFrequency, QStringLiteral("1a2-3 4.567"));
    QCOMPARE(Edit(&dialog, kFrequency)->text(), QStringLiteral("12345"));
    Retype(&dialog, kSymbolRate, QStringLiteral("x"));
    QCOMPARE(Edit(&dialog, kSymbolRate)->text(), QString());
}

void TransponderDialogs::aLongerStoredNumberIsKeptWhole()
{
    TransponderRecord record = StoredRecord();
    record.frequency = 123456000;
    const TransponderRecord before = record;
    CTransponderEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(Edit(&dialog, kFrequency)->text(), QStringLiteral("123456"));
    Ok(&dialog);
    QCOMPARE(record.frequency, before.frequency);
    QTest::keyClick(Edit(&dialog, kFrequency), Qt::Key_7);
    QCOMPARE(Edit(&dialog, kFrequency)->text(), QStringLiteral("123456"));
}

void TransponderDialogs::keysDoNotCloseAndCancelWritesNothing()
{
    TransponderRecord record = StoredRecord();
    const TransponderRecord before = record;
    CTransponderEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(TabOrder(&dialog),
             (QList<int>{kFrequency, kSymbolRate, kPolarization, DialogIds::kOk, DialogIds::kCancel}));
    Retype(&dialog, kFrequency, QStringLiteral("12000"));
    QTest::keyClick(Edit(&dialog, kFrequency), Qt::Key_Return);
    QTest::keyClick(Edit(&dialog, kFrequency), Qt::Key_Escape);
    QVERIFY(IsOpen(dialog));
    Cancel(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(SameBytes(record, before));
}

QTEST_MAIN(TransponderDialogs)
#include "TransponderDialogTests.moc"
