// System Information Edit and Connect.
#include "CConnectDlg.h"
#include "CSystemInfoDlg.h"
#include "DialogDriver.h"
#include "ScriptedPrompts.h"

#include <QPushButton>

using namespace Drive;

namespace {

using namespace DialogIds;
using namespace DialogIds::SystemInformation;
using namespace DialogIds::Connect;

const char* const kLoseChanges = "This will lost change data. Do you confirm ?";

SystemInfo StoredInfo()
{
    auto info = Filled<SystemInfo>(0x6B);
    info.menuLanguage = 8;
    info.displayColor = 3;
    info.textColor = 5;
    return info;
}

}  // namespace

class SystemAndConnectDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void systemInfoSelectsTheStoredBytes();
    void systemInfoWritesTheThreeBytesOnly();
    void systemInfoWithoutSelectionWrites0xFF();
    void systemInfoAsksBeforeLosingAChange();
    void systemInfoSwallowsEnterAndEscape();
    void connectEndsWithOkOnlyOnceAPortIsChosen();
    void connectCancelResetsThePortButEscapeDoesNot();
    void connectEnterPressesTheFocusedButton();
};

void SystemAndConnectDialogs::systemInfoSelectsTheStoredBytes()
{
    SystemInfo info = StoredInfo();
    CSystemInfoDlg dialog(info);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("System Information Edit"));
    QCOMPARE(TabOrder(&dialog), (QList<int>{kLanguage, kDisplayColor, kTextColor, kOk, kCancel}));
    QCOMPARE(ListEntries(&dialog, kLanguage),
             (QStringList{"English", "Arabic", "Turkish", "Germany", "French", "Italian", "Romanian",
                          "Albanian", "Russian", "Bulgarian", "Serbian", "Persian", "Swedish"}));
    QCOMPARE(ListEntries(&dialog, kDisplayColor), (QStringList{"Blue", "Green", "Yellow", "Purple"}));
    QCOMPARE(ListEntries(&dialog, kTextColor),
             (QStringList{"Black", "Blue", "Green", "Yellow", "Purple", "White"}));
    QCOMPARE(List(&dialog, kLanguage)->currentText(), QStringLiteral("Russian"));
    QCOMPARE(List(&dialog, kDisplayColor)->currentText(), QStringLiteral("Purple"));
    QCOMPARE(List(&dialog, kTextColor)->currentText(), QStringLiteral("White"));
}

void SystemAndConnectDialogs::systemInfoWritesTheThreeBytesOnly()
{
    SystemInfo info = StoredInfo();
    CSystemInfoDlg unchanged(info);
    QVERIFY(Open(unchanged));
    Ok(&unchanged);
    QCOMPARE(unchanged.result(), int(QDialog::Accepted));
    QVERIFY(SameBytes(info, StoredInfo()));

    CSystemInfoDlg dialog(info);
    QVERIFY(Open(dialog));
    Choose(&dialog, kLanguage, 12);
    Choose(&dialog, kDisplayColor, 0);
    Choose(&dialog, kTextColor, 2);
    Ok(&dialog);
    SystemInfo expected = StoredInfo();
    expected.menuLanguage = 12;
    expected.displayColor = 0;
    expected.textColor = 2;
    QVERIFY(SameBytes(info, expected));
}

void SystemAndConnectDialogs::systemInfoWithoutSelectionWrites0xFF()
{
    SystemInfo info = StoredInfo();
    info.menuLanguage = 13;
    info.textColor = 6;
    CSystemInfoDlg dialog(info);
    QVERIFY(Open(dialog));
    QCOMPARE(List(&dialog, kLanguage)->currentIndex(), -1);
    QCOMPARE(List(&dialog, kTextColor)->currentIndex(), -1);
    Ok(&dialog);
    QCOMPARE(info.menuLanguage, 0xFF);
    QCOMPARE(info.textColor, 0xFF);
    QCOMPARE(info.displayColor, 3);
}

void SystemAndConnectDialogs::systemInfoAsksBeforeLosingAChange()
{
    ScriptedPrompts prompts;
    SystemInfo info = StoredInfo();
    {
        CSystemInfoDlg untouched(info);
        QVERIFY(Open(untouched));
        Cancel(&untouched);
        QCOMPARE(untouched.result(), int(QDialog::Rejected));
        CSystemInfoDlg closed(info);
        QVERIFY(Open(closed));
        QVERIFY(closed.close());
        QVERIFY(prompts.asked.isEmpty());
    }
    CSystemInfoDlg dialog(info);
    QVERIFY(Open(dialog));
    Choose(&dialog, kDisplayColor, 1);
    Choose(&dialog, kDisplayColor, 3);
    prompts.Answer(IUserPrompts::Answer::No);
    Cancel(&dialog);
    QVERIFY(IsOpen(dialog));
    prompts.Answer(IUserPrompts::Answer::No);
    QVERIFY(!dialog.close());
    QVERIFY(IsOpen(dialog));
    QCOMPARE(prompts.texts(), (QStringList{kLoseChanges, kLoseChanges}));
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Volmaren"));
    QCOMPARE(prompts.asked[0].buttons, IUserPrompts::Buttons::YesNo);
    QCOMPARE(prompts.asked[0].icon, IUserPrompts::Icon::None);

    Choose(&dialog, kLanguage, 0);
    prompts.Answer(IUserPrompts::Answer::Yes);
    QVERIFY(dialog.close());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(SameBytes(info, StoredInfo()));
}

void SystemAndConnectDialogs::systemInfoSwallowsEnterAndEscape()
{
    SystemInfo info = StoredInfo();
    CSystemInfoDlg dialog(info);
    QVERIFY(Open(dialog));
    for (int id : {kOk, kCancel})
        QVERIFY(!qobject_cast<QPushButton*>(Button(&dialog, id))->autoDefault());
    QTest::keyClick(List(&dialog, kLanguage), Qt::Key_Escape);
    QTest::keyClick(List(&dialog, kLanguage), Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QVERIFY(IsOpen(dialog));
}

void SystemAndConnectDialogs::connectEndsWithOkOnlyOnceAPortIsChosen()
{
    ScriptedPrompts prompts;
    int port = 7;
    CConnectDlg dialog(port);
    QCOMPARE(port, 0);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Connect"));
    QVERIFY(!Button(&dialog, kCom1)->isChecked());
    QVERIFY(!Button(&dialog, kCom2)->isChecked());
    QCOMPARE(Button(&dialog, kCom1)->focusPolicy() & Qt::TabFocus, 0);
    Ok(&dialog);
    QVERIFY(IsOpen(dialog));
    QVERIFY(prompts.asked.isEmpty());
    Click(&dialog, kCom1);
    QCOMPARE(port, 1);
    Click(&dialog, kCom2);
    QCOMPARE(port, 2);
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(port, 2);
}

void SystemAndConnectDialogs::connectCancelResetsThePortButEscapeDoesNot()
{
    int port = 0;
    CConnectDlg cancelled(port);
    QVERIFY(Open(cancelled));
    Click(&cancelled, kCom2);
    Cancel(&cancelled);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QCOMPARE(port, 0);

    CConnectDlg escaped(port);
    QVERIFY(Open(escaped));
    Click(&escaped, kCom1);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QVERIFY(!IsOpen(escaped));
    QCOMPARE(escaped.result(), int(QDialog::Rejected));
    QCOMPARE(port, 1);

    CConnectDlg closed(port);
    QVERIFY(Open(closed));
    Click(&closed, kCom2);
    QVERIFY(closed.close());
    QCOMPARE(closed.result(), int(QDialog::Rejected));
    QCOMPARE(port, 2);
}

void SystemAndConnectDialogs::connectEnterPressesTheFocusedButton()
{
    int port = 0;
    CConnectDlg dialog(port);
    QVERIFY(Open(dialog));
    QVERIFY(Button(&dialog, kOk)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(IsOpen(dialog));
    Click(&dialog, kCom1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(port, 1);

    // The arrow keys go through the ports, the found ones included.
    CConnectDlg arrows(port, nullptr, {QStringLiteral("ttyUSB0 - FT232R USB UART")});
    QVERIFY(Open(arrows));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(port, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(port, 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(port, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(arrows.result(), int(QDialog::Accepted));
    QCOMPARE(port, 3);

    CConnectDlg second(port);
    QVERIFY(Open(second));
    Click(&second, kCom2);
    Button(&second, kCancel)->setFocus();
    QTest::keyClick(Button(&second, kCancel), Qt::Key_Enter);
    QCOMPARE(second.result(), int(QDialog::Rejected));
    QCOMPARE(port, 0);
}

QTEST_MAIN(SystemAndConnectDialogs)
#include "SystemConnectDialogTests.moc"
