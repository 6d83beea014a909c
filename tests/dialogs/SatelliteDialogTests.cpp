// Satellite Add and Satellite Edit: defaults, list orders and codes, the
// refusals and the bytes each writes.
#include "CSatelliteAddDlg.h"
#include "CSatelliteEditDlg.h"
#include "DialogDriver.h"
#include "ScriptedPrompts.h"

#include <QPushButton>

using namespace Drive;

namespace {

using namespace DialogIds;
using namespace DialogIds::Satellite;

const QStringList kLnbEntries{
    "5150", "9750", "10600", "10750", "11300", "11475", "Standard Universal", "9750/10700", "9750/10750"};

SatelliteRecord StoredSatellite()
{
    auto record = Filled<SatelliteRecord>(0xA5);
    std::memcpy(record.name, "ASTRA 19.2E", 12);
    record.lnbHigh = 10600;
    record.lnbLow = 10600;
    record.lnbPower = 1;
    record.voltage = 2;
    record.tone22k = 1;
    record.diseqc = 3;
    return record;
}

}  // namespace

class SatelliteDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addProposesDefaultsAndWritesEveryField();
    void addMapsEachEntryToItsCode();
    void addRefusesAnEmptyName();
    void nameTakesFifteenCharacters();
    void editSelectsTheStoredSettingsAndWritesThemBackUnchanged();
    void editWritesAnUnknownLnbPairAs5150();
    void editKeepsCodesWithoutEntryExceptPower();
    void editRewritesOnlyTheNameTextAndItsNul();
    void editKeepsANameThatFillsTheField();
    void editRefusesAnEmptyName();
    void buttonsAreNotDefaultAndKeysDoNotCloseTheDialog();
    void cancelAndCloseBoxLeaveTheRecord();
};

void SatelliteDialogs::addProposesDefaultsAndWritesEveryField()
{
    ScriptedPrompts prompts;
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, 3);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Satellite Add"));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("SAT_4"));
    QCOMPARE(ListEntries(&dialog, kLnb), kLnbEntries);
    QCOMPARE(ListEntries(&dialog, kPower), (QStringList{"ON", "OFF"}));
    QCOMPARE(ListEntries(&dialog, kVoltage), (QStringList{"AUTO", "13V", "18V", "OFF"}));
    QCOMPARE(ListEntries(&dialog, kTone), (QStringList{"AUTO", "ON", "OFF"}));
    QCOMPARE(ListEntries(&dialog, kDiseqc),
             (QStringList{"LNB1", "LNB2", "LNB3", "LNB4", "TONE A", "TONE B", "OFF"}));
    QCOMPARE(List(&dialog, kLnb)->currentText(), QStringLiteral("Standard Universal"));
    QCOMPARE(List(&dialog, kPower)->currentText(), QStringLiteral("OFF"));
    QCOMPARE(List(&dialog, kVoltage)->currentText(), QStringLiteral("AUTO"));
    QCOMPARE(List(&dialog, kTone)->currentText(), QStringLiteral("AUTO"));
    QCOMPARE(List(&dialog, kDiseqc)->currentText(), QStringLiteral("OFF"));

    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    SatelliteRecord expected{};
    std::memcpy(expected.name, "SAT_4", 5);
    expected.index = 3;
    expected.lnbHigh = 10600;
    expected.lnbLow = 9750;
    expected.diseqc = 6;
    expected.tvPosition = 4914;
    expected.radioPosition = 1638;
    expected.createdMark = 100;
    QVERIFY(SameBytes(record, expected));
    QVERIFY(prompts.asked.isEmpty());
}

void SatelliteDialogs::addMapsEachEntryToItsCode()
{
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, 0);
    QVERIFY(Open(dialog));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("SAT_1"));
    Choose(&dialog, kLnb, 7);
    Choose(&dialog, kPower, 0);
    Choose(&dialog, kVoltage, 2);
    Choose(&dialog, kTone, 2);
    Choose(&dialog, kDiseqc, 5);
    Ok(&dialog);
    QCOMPARE(record.lnbHigh, 10700);
    QCOMPARE(record.lnbLow, 9750);
    QCOMPARE(record.lnbPower, 1);
    QCOMPARE(record.voltage, 2);
    QCOMPARE(record.tone22k, 2);
    QCOMPARE(record.diseqc, 5);
    QCOMPARE(record.index, 0);
}

void SatelliteDialogs::addRefusesAnEmptyName()
{
    ScriptedPrompts prompts;
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, 0);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QString());
    Ok(&dialog);
    QVERIFY(IsOpen(dialog));
    QCOMPARE(prompts.texts(), QStringList{"Satellite name is empty."});
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Volmaren"));
    QCOMPARE(prompts.asked[0].icon, IUserPrompts::Icon::None);
    QVERIFY(SameBytes(record, SatelliteRecord{}));
}

void SatelliteDialogs::nameTakesFifteenCharacters()
{
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, 0);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QStringLiteral("ABCDEFGHIJKLMNOP"));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    Ok(&dialog);
    QCOMPARE(QByteArray(record.name, 16), QByteArray("ABCDEFGHIJKLMNO\0", 16));
}

void SatelliteDialogs::editSelectsTheStoredSettingsAndWritesThemBackUnchanged()
{
    SatelliteRecord record = StoredSatellite();
    const SatelliteRecord before = record;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Satellite Edit"));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("ASTRA 19.2E"));
    QCOMPARE(ListEntries(&dialog, kPower), (QStringList{"OFF", "ON"}));
    QCOMPARE(List(&dialog, kLnb)->currentText(), QStringLiteral("10600"));
    QCOMPARE(List(&dialog, kPower)->currentText(), QStringLiteral("ON"));
    QCOMPARE(List(&dialog, kVoltage)->currentText(), QStringLiteral("18V"));
    QCOMPARE(List(&dialog, kTone)->currentText(), QStringLiteral("ON"));
    QCOMPARE(List(&dialog, kDiseqc)->currentText(), QStringLiteral("LNB4"));
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(SameBytes(record, before));

    Choose(&dialog, kPower, 0);
    Choose(&dialog, kLnb, 8);
    dialog.open();
    Ok(&dialog);
    QCOMPARE(record.lnbPower, 0);
    QCOMPARE(record.lnbHigh, 10750);
    QCOMPARE(record.lnbLow, 9750);
}

void SatelliteDialogs::editWritesAnUnknownLnbPairAs5150()
{
    SatelliteRecord record = StoredSatellite();
    record.lnbHigh = 9750;
    record.lnbLow = 10600;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(List(&dialog, kLnb)->currentText(), QStringLiteral("5150"));
    Ok(&dialog);
    QCOMPARE(record.lnbHigh, 5150);
    QCOMPARE(record.lnbLow, 5150);
}

void SatelliteDialogs::editKeepsCodesWithoutEntryExceptPower()
{
    SatelliteRecord record = StoredSatellite();
    record.tone22k = 5;
    record.voltage = 4;
    record.diseqc = 7;
    record.lnbPower = 2;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    for (int id : {kTone, kVoltage, kDiseqc, kPower})
        QCOMPARE(List(&dialog, id)->currentIndex(), -1);
    Ok(&dialog);
    QCOMPARE(record.tone22k, 5);
    QCOMPARE(record.voltage, 4);
    QCOMPARE(record.diseqc, 7);
    QCOMPARE(record.lnbPower, 1);
}

void SatelliteDialogs::editRewritesOnlyTheNameTextAndItsNul()
{
    SatelliteRecord record = StoredSatellite();
    SatelliteRecord expected = record;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QStringLiteral("HOT"));
    Ok(&dialog);
    std::memcpy(expected.name, "HOT", 4);
    QVERIFY(SameBytes(record, expected));
}

void SatelliteDialogs::editKeepsANameThatFillsTheField()
{
    SatelliteRecord record = StoredSatellite();
    std::memcpy(record.name, "SIXTEEN_SAT_NAME", 16);
    const SatelliteRecord expected = record;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("SIXTEEN_SAT_NAME"));
    Ok(&dialog);
    QVERIFY(SameBytes(record, expected));
}

void SatelliteDialogs::editRefusesAnEmptyName()
{
    ScriptedPrompts prompts;
    SatelliteRecord record = StoredSatellite();
    const SatelliteRecord before = record;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QString());
    Choose(&dialog, kDiseqc, 0);
    Ok(&dialog);
    QVERIFY(IsOpen(dialog));
    QCOMPARE(prompts.texts(), QStringList{"You don't input satellite information"});
    QVERIFY(SameBytes(record, before));
    QCOMPARE(List(&dialog, kDiseqc)->currentText(), QStringLiteral("LNB1"));
}

void SatelliteDialogs::buttonsAreNotDefaultAndKeysDoNotCloseTheDialog()
{
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, 0);
    QVERIFY(Open(dialog));
    QCOMPARE(TabOrder(&dialog), (QList<int>{kName, kLnb, kPower, kVoltage, kTone, kDiseqc, kOk, kCancel}));
    for (int id : {kOk, kCancel}) {
        auto* button = qobject_cast<QPushButton*>(Button(&dialog, id));
        QVERIFY(button);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QCOMPARE(Button(&dialog, kOk)->text(), QStringLiteral("OK"));
    QCOMPARE(Button(&dialog, kCancel)->text(), QStringLiteral("Cancel"));
    QTest::keyClick(Edit(&dialog, kName), Qt::Key_Return);
    QTest::keyClick(Edit(&dialog, kName), Qt::Key_Enter);
    QTest::keyClick(Edit(&dialog, kName), Qt::Key_Escape);
    Button(&dialog, kOk)->setFocus();
    QTest::keyClick(Button(&dialog, kOk), Qt::Key_Return);
    QTest::keyClick(List(&dialog, kLnb), Qt::Key_Escape);
    QVERIFY(IsOpen(dialog));
    QVERIFY(SameBytes(record, SatelliteRecord{}));
}

void SatelliteDialogs::cancelAndCloseBoxLeaveTheRecord()
{
    SatelliteRecord record = StoredSatellite();
    const SatelliteRecord before = record;
    CSatelliteEditDlg dialog(record);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QStringLiteral("X"));
    Cancel(&dialog);
    QVERIFY(!IsOpen(dialog));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(SameBytes(record, before));

    SatelliteRecord added{};
    CSatelliteAddDlg addDialog(added, 0);
    QVERIFY(Open(addDialog));
    QVERIFY(addDialog.close());
    QCOMPARE(addDialog.result(), int(QDialog::Rejected));
    QVERIFY(SameBytes(added, SatelliteRecord{}));
}

QTEST_MAIN(SatelliteDialogs)
#include "SatelliteDialogTests.moc"
