// Channel Add and Channel Edit: defaults, the lists and their codes, the
// order in which the PIDs are taken, the refusals, and exactly the bytes
// each dialog writes and leaves alone.
#include "CChannelAddDlg.h"
#include "CChannelEditDlg.h"
#include "DialogDriver.h"
#include "EntryLists.h"
#include "ScriptedPrompts.h"

using namespace Drive;

namespace {

using namespace DialogIds::Channel;

constexpr int kViaccess = 34;

ChannelRecord StoredChannel()
{
    auto record = Filled<ChannelRecord>(0xC3);
    std::memcpy(record.name, "Das Erste HD", 13);
    record.transponderIndex = 12;
    record.videoPid = 5101;
    record.audioPid = 5102;
    record.pcrPid = 5103;
    record.flags = 0x01 | 0x08 | ChannelFlag::kLocked | ChannelFlag::kScrambled | ChannelFlag::kAudioLeft |
                   ChannelFlag::kAudioRight;
    record.caSystemId = 0x0500;
    return record;
}

BouquetEntry StoredBouquet()
{
    BouquetEntry bouquet{};
    std::memcpy(bouquet.text, "ARD Digital", 12);
    return bouquet;
}

void FillRequired(const QDialog& dialog)
{
    Retype(&dialog, kName, QStringLiteral("Arte"));
    Retype(&dialog, kVideo, QStringLiteral("401"));
    Retype(&dialog, kAudioPid, QStringLiteral("402"));
    Retype(&dialog, kPcr, QStringLiteral("403"));
}

void ExpectRefusalAt(const ScriptedPrompts& prompts, const QDialog& dialog, const char* text, int id)
{
    QCOMPARE(prompts.texts(), QStringList{QString::fromLatin1(text)});
    QCOMPARE(prompts.asked[0].icon, IUserPrompts::Icon::Exclamation);
    QVERIFY(IsOpen(dialog));
    QVERIFY(Edit(&dialog, id)->hasFocus());
    QCOMPARE(Edit(&dialog, id)->selectedText(), Edit(&dialog, id)->text());
}

// Empties the three PID fields and presses OK once for each: every OK is
// refused at the next field of `order`, which is then filled in.
void ExpectPidOrder(const QDialog& dialog, std::initializer_list<int> order)
{
    for (int id : {kVideo, kAudioPid, kPcr})
        Retype(&dialog, id, QString());
    for (int id : order) {
        ScriptedPrompts prompts;
        Ok(&dialog);
        ExpectRefusalAt(prompts, dialog, "Please enter a positive integer.", id);
        if (QTest::currentTestFailed())
            return;
        Retype(&dialog, id, QStringLiteral("1"));
    }
}

}  // namespace

class ChannelDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addOpensWithItsDefaults();
    void addRefusesMissingValuesEvenWithTheDefaultName();
    void addWritesTheFirstFortyBytesAndTheBouquet();
    void addRadioTakesNoVideoPid();
    void addTakesPcrBeforeVideoBeforeAudio();
    void editSelectsFromTheFlagsAndNormalisesOnOk();
    void editWritesOnlyItsFields();
    void editMapsScrambleEntries();
    void editKeepsAnUnmatchedCaSystem();
    void editOfARadioChannelKeepsItsVideoPid();
    void editTakesVideoBeforePcrBeforeAudio();
    void editRefusesMissingValues();
    void pidsAbove65535AreRefused();
    void keysDoNotCloseAndCancelWritesNothing();
    void fieldsKeepLongerStoredTextsAndTakeOnlyWhatFits();
};

void ChannelDialogs::addOpensWithItsDefaults()
{
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kTv, 3);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Channel Add"));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("no name"));
    QCOMPARE(TypingLimit(Edit(&dialog, kName)), 12);
    QCOMPARE(Edit(&dialog, kBouquet)->text(), QString());
    QCOMPARE(TypingLimit(Edit(&dialog, kBouquet)), 19);
    for (int id : {kVideo, kAudioPid, kPcr}) {
        QCOMPARE(Edit(&dialog, id)->text(), QStringLiteral("0"));
        QCOMPARE(TypingLimit(Edit(&dialog, id)), 5);
        QVERIFY(Edit(&dialog, id)->isEnabled());
    }
    QCOMPARE(ListEntries(&dialog, kLock), (QStringList{"OFF", "ON"}));
    QCOMPARE(ListEntries(&dialog, kSkip), (QStringList{"OFF", "ON"}));
    QCOMPARE(ListEntries(&dialog, kAudio), (QStringList{"STEREO", "RIGHT", "LEFT"}));
    const QStringList scramble = ListEntries(&dialog, kScramble);
    QCOMPARE(scramble.size(), 37);
    QCOMPARE(scramble.first(), QStringLiteral("Standard"));
    QCOMPARE(scramble[1], QStringLiteral("BARCO AS"));
    QCOMPARE(scramble[kViaccess], QStringLiteral("Viaccess"));
    QCOMPARE(scramble[35], QStringLiteral("Reserved"));
    QCOMPARE(scramble.last(), QStringLiteral("FTA"));
    QCOMPARE(List(&dialog, kLock)->currentText(), QStringLiteral("OFF"));
    QCOMPARE(List(&dialog, kSkip)->currentText(), QStringLiteral("OFF"));
    QCOMPARE(List(&dialog, kAudio)->currentText(), QStringLiteral("STEREO"));
    QCOMPARE(List(&dialog, kScramble)->currentText(), QStringLiteral("FTA"));

    ChannelRecord radio{};
    CChannelAddDlg radioDialog(radio, bouquet, kRadio, 3);
    QVERIFY(!Edit(&radioDialog, kVideo)->isEnabled());
    QCOMPARE(Edit(&radioDialog, kVideo)->text(), QStringLiteral("0"));
}

void ChannelDialogs::addRefusesMissingValuesEvenWithTheDefaultName()
{
    ScriptedPrompts prompts;
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kTv, 3);
    QVERIFY(Open(dialog));
    Ok(&dialog);
    QCOMPARE(prompts.texts(), QStringList{"Channel Information is empty."});
    QCOMPARE(prompts.asked[0].icon, IUserPrompts::Icon::None);

    Retype(&dialog, kAudioPid, QStringLiteral("1"));
    Retype(&dialog, kPcr, QStringLiteral("1"));
    Ok(&dialog);
    QCOMPARE(prompts.texts().size(), 2);
    Retype(&dialog, kVideo, QStringLiteral("1"));
    Retype(&dialog, kName, QString());
    Ok(&dialog);
    QCOMPARE(prompts.texts().size(), 3);
    QVERIFY(IsOpen(dialog));
    QVERIFY(SameBytes(record, ChannelRecord{}));
    QVERIFY(SameBytes(bouquet, BouquetEntry{}));
}

void ChannelDialogs::addWritesTheFirstFortyBytesAndTheBouquet()
{
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kTv, 0x0123);
    QVERIFY(Open(dialog));
    FillRequired(dialog);
    Choose(&dialog, kLock, 1);
    Choose(&dialog, kSkip, 1);
    Choose(&dialog, kAudio, 2);
    Retype(&dialog, kBouquet, QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"));
    Choose(&dialog, kScramble, kViaccess);
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    ChannelRecord expected{};
    expected.transponderIndex = 0x0123;
    expected.status = 1;
    expected.audioPid = 402;
    expected.videoPid = 401;
    expected.pcrPid = 403;
    expected.auxPid = 0x3FFF;
    expected.flags =
        ChannelFlag::kLocked | ChannelFlag::kSkipped | ChannelFlag::kScrambled | ChannelFlag::kAudioLeft;
    std::memcpy(expected.name, "Arte", 5);
    expected.caSystemId = 0x0501;
    QVERIFY(SameBytes(record, expected));
    QCOMPARE(QByteArray(bouquet.text, 20), QByteArray("ABCDEFGHIJKLMNOPQRS\0", 20));

    ChannelRecord plain{};
    CChannelAddDlg plainDialog(plain, bouquet, kTv, 0);
    QVERIFY(Open(plainDialog));
    FillRequired(plainDialog);
    Choose(&plainDialog, kAudio, 1);
    Ok(&plainDialog);
    QCOMPARE(plain.flags, ChannelFlag::kAudioRight);
    QCOMPARE(plain.caSystemId, 0xFFFF);
    QCOMPARE(QByteArray(bouquet.text, 20), QByteArray(20, '\0'));
}

void ChannelDialogs::addRadioTakesNoVideoPid()
{
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kRadio, 5);
    QVERIFY(Open(dialog));
    QCOMPARE(TabOrder(&dialog), (QList<int>{kName, kAudioPid, kPcr, kLock, kSkip, kAudio, kBouquet, kScramble,
                                            DialogIds::kOk, DialogIds::kCancel}));
    Retype(&dialog, kName, QStringLiteral("Bayern 3"));
    Retype(&dialog, kAudioPid, QStringLiteral("65535"));
    Retype(&dialog, kPcr, QStringLiteral("1"));
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(record.videoPid, 0);
    QCOMPARE(record.audioPid, 65535);
    QCOMPARE(record.transponderIndex, 5);
}

void ChannelDialogs::addTakesPcrBeforeVideoBeforeAudio()
{
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kTv, 0);
    QVERIFY(Open(dialog));
    ExpectPidOrder(dialog, {kPcr, kVideo, kAudioPid});
    QVERIFY(SameBytes(record, ChannelRecord{}));
}

void ChannelDialogs::editSelectsFromTheFlagsAndNormalisesOnOk()
{
    ChannelRecord record = StoredChannel();
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Channel Edit"));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("Das Erste HD"));
    QCOMPARE(Edit(&dialog, kVideo)->text(), QStringLiteral("5101"));
    QCOMPARE(Edit(&dialog, kAudioPid)->text(), QStringLiteral("5102"));
    QCOMPARE(Edit(&dialog, kPcr)->text(), QStringLiteral("5103"));
    QCOMPARE(Edit(&dialog, kBouquet)->text(), QStringLiteral("ARD Digital"));
    QCOMPARE(List(&dialog, kLock)->currentText(), QStringLiteral("ON"));
    QCOMPARE(List(&dialog, kSkip)->currentText(), QStringLiteral("OFF"));
    QCOMPARE(List(&dialog, kAudio)->currentText(), QStringLiteral("LEFT"));
    QCOMPARE(List(&dialog, kScramble)->currentText(), QStringLiteral("Viaccess"));
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    ChannelRecord expected = StoredChannel();
    expected.flags = 0x01 | 0x08 | ChannelFlag::kLocked | ChannelFlag::kScrambled | ChannelFlag::kAudioLeft;
    expected.caSystemId = 0x0501;
    QVERIFY(SameBytes(record, expected));
    QCOMPARE(QByteArray(bouquet.text), QByteArray("ARD Digital"));
}

void ChannelDialogs::editWritesOnlyItsFields()
{
    ChannelRecord record = StoredChannel();
    record.flags |= 0x80;
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QStringLiteral("ZDF"));
    Retype(&dialog, kVideo, QStringLiteral("110"));
    Retype(&dialog, kAudioPid, QStringLiteral("120"));
    Retype(&dialog, kPcr, QStringLiteral("130"));
    Choose(&dialog, kLock, 0);
    Choose(&dialog, kSkip, 1);
    Choose(&dialog, kAudio, 0);
    Retype(&dialog, kBouquet, QStringLiteral("ZDFvision"));
    Choose(&dialog, kScramble, Entries::kCaFta);
    Ok(&dialog);

    ChannelRecord expected = StoredChannel();
    std::memcpy(expected.name, "ZDF", 4);
    expected.videoPid = 110;
    expected.audioPid = 120;
    expected.pcrPid = 130;
    expected.flags = 0x01 | 0x08 | ChannelFlag::kSkipped;
    expected.caSystemId = 0xFFFF;
    QVERIFY(SameBytes(record, expected));
    QCOMPARE(QByteArray(bouquet.text, 20), QByteArray("ZDFvision\0l\0\0\0\0\0\0\0\0\0", 20));
}

void ChannelDialogs::editMapsScrambleEntries()
{
    struct Case {
        std::uint8_t flags;
        std::uint16_t id;
        const char* shown;
        int choose;  // -1: keep
        std::uint16_t writtenId;
        bool scrambled;
    };
    const Case cases[] = {
        {ChannelFlag::kScrambled, 0x0612, "Irdeto", -1, 0x0601, true},
        {ChannelFlag::kScrambled, 0x0001, "Standard", -1, 0x0001, true},
        {ChannelFlag::kScrambled, 0x0000, "Reserved", -1, 0x0000, true},
        {0, 0x0501, "FTA", -1, 0xFFFF, false},
        {0, 0xFFFF, "FTA", Entries::kCaStandard, 0x0001, true},
        {0, 0xFFFF, "FTA", Entries::kCaReserved, 0x0000, true},
    };
    for (const Case& c : cases) {
        ChannelRecord record = StoredChannel();
        record.flags = c.flags;
        record.caSystemId = c.id;
        BouquetEntry bouquet = StoredBouquet();
        CChannelEditDlg dialog(record, bouquet, kTv);
        QVERIFY(Open(dialog));
        QCOMPARE(List(&dialog, kScramble)->currentText(), QString::fromLatin1(c.shown));
        QCOMPARE(List(&dialog, kAudio)->currentText(), QStringLiteral("STEREO"));
        if (c.choose >= 0)
            Choose(&dialog, kScramble, c.choose);
        Ok(&dialog);
        QCOMPARE(record.caSystemId, c.writtenId);
        QCOMPARE(bool(record.flags & ChannelFlag::kScrambled), c.scrambled);
    }
}

void ChannelDialogs::editKeepsAnUnmatchedCaSystem()
{
    for (std::uint16_t id : {std::uint16_t(0x7701), std::uint16_t(0x0002)}) {
        ChannelRecord record = StoredChannel();
        record.caSystemId = id;
        record.flags = ChannelFlag::kScrambled | 0x80;
        BouquetEntry bouquet = StoredBouquet();
        CChannelEditDlg dialog(record, bouquet, kTv);
        QVERIFY(Open(dialog));
        QCOMPARE(List(&dialog, kScramble)->currentIndex(), -1);
        QCOMPARE(List(&dialog, kAudio)->currentIndex(), -1);
        Ok(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(record.caSystemId, id);
        QCOMPARE(record.flags, std::uint8_t(ChannelFlag::kScrambled | 0x80));
    }
}

void ChannelDialogs::editOfARadioChannelKeepsItsVideoPid()
{
    ChannelRecord record = StoredChannel();
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kRadio);
    QVERIFY(Open(dialog));
    QVERIFY(!Edit(&dialog, kVideo)->isEnabled());
    QCOMPARE(Edit(&dialog, kVideo)->text(), QStringLiteral("0"));
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(record.videoPid, 5101);
}

void ChannelDialogs::editTakesVideoBeforePcrBeforeAudio()
{
    ChannelRecord record = StoredChannel();
    const ChannelRecord before = record;
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    ExpectPidOrder(dialog, {kVideo, kPcr, kAudioPid});
    QVERIFY(SameBytes(record, before));
}

void ChannelDialogs::editRefusesMissingValues()
{
    ScriptedPrompts prompts;
    ChannelRecord record = StoredChannel();
    const ChannelRecord before = record;
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    Retype(&dialog, kPcr, QStringLiteral("0"));
    Retype(&dialog, kBouquet, QString());
    Ok(&dialog);
    QCOMPARE(prompts.texts(), QStringList{"Channel Data is empty"});
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Volmaren"));
    QVERIFY(IsOpen(dialog));
    QVERIFY(SameBytes(record, before));
    QCOMPARE(QByteArray(bouquet.text), QByteArray("ARD Digital"));
}

void ChannelDialogs::pidsAbove65535AreRefused()
{
    ScriptedPrompts prompts;
    ChannelRecord record = StoredChannel();
    const ChannelRecord before = record;
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    Retype(&dialog, kAudioPid, QStringLiteral("99999"));
    Ok(&dialog);
    ExpectRefusalAt(prompts, dialog, "Please enter a number from 0 to 65535.", kAudioPid);
    QVERIFY(SameBytes(record, before));

    ScriptedPrompts addPrompts;
    ChannelRecord added{};
    BouquetEntry addedBouquet{};
    CChannelAddDlg addDialog(added, addedBouquet, kTv, 0);
    QVERIFY(Open(addDialog));
    FillRequired(addDialog);
    Retype(&addDialog, kVideo, QStringLiteral("65536"));
    Ok(&addDialog);
    ExpectRefusalAt(addPrompts, addDialog, "Please enter a number from 0 to 65535.", kVideo);
    QVERIFY(SameBytes(added, ChannelRecord{}));
}

void ChannelDialogs::keysDoNotCloseAndCancelWritesNothing()
{
    ChannelRecord record = StoredChannel();
    const ChannelRecord before = record;
    BouquetEntry bouquet = StoredBouquet();
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    Retype(&dialog, kName, QStringLiteral("other"));
    QTest::keyClick(Edit(&dialog, kName), Qt::Key_Return);
    QTest::keyClick(List(&dialog, kScramble), Qt::Key_Escape);
    QVERIFY(IsOpen(dialog));
    QVERIFY(dialog.close());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(SameBytes(record, before));
    QCOMPARE(QByteArray(bouquet.text), QByteArray("ARD Digital"));
}

void ChannelDialogs::fieldsKeepLongerStoredTextsAndTakeOnlyWhatFits()
{
    // A receiver's scan fills the name's 16 characters and the bouquet's 20
    // bytes without a NUL; only Lock is changed here.
    ChannelRecord record = StoredChannel();
    std::memcpy(record.name, "SIXTEEN CHARS HD", 16);
    record.name[16] = '\0';
    record.flags = ChannelFlag::kLocked | ChannelFlag::kAudioLeft;
    record.caSystemId = 0xFFFF;
    BouquetEntry bouquet;
    std::memcpy(bouquet.text, "TWENTY BYTES BOUQUET", 20);
    ChannelRecord expected = record;
    expected.flags &= std::uint8_t(~ChannelFlag::kLocked);
    const BouquetEntry expectedBouquet = bouquet;
    CChannelEditDlg dialog(record, bouquet, kTv);
    QVERIFY(Open(dialog));
    QCOMPARE(Edit(&dialog, kName)->text(), QStringLiteral("SIXTEEN CHARS HD"));
    QCOMPARE(Edit(&dialog, kBouquet)->text(), QStringLiteral("TWENTY BYTES BOUQUET"));
    Choose(&dialog, kLock, 0);
    Ok(&dialog);
    QVERIFY(SameBytes(record, expected));
    QVERIFY(SameBytes(bouquet, expectedBouquet));

    // A long text may shrink but not grow again, a typed one stops at the
    // limit, and a character the receiver cannot store is never taken.
    CChannelEditDlg again(record, bouquet, kTv);
    QVERIFY(Open(again));
    QLineEdit* name = Edit(&again, kName);
    name->end(false);
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, QStringLiteral("XY"));
    QCOMPARE(name->text(), QStringLiteral("SIXTEEN CHARS H"));
    Retype(&again, kName, QString());
    TypeText(name, QStringLiteral("Первый канал ONE TWO"));
    QCOMPARE(name->text(), QStringLiteral("  ONE TWO"));
    Retype(&again, kName, QString());
    TypeText(name, QStringLiteral("Ärzte-TV très long name"));
    QCOMPARE(name->text(), QStringLiteral("Ärzte-TV trè"));
    Ok(&again);
    QCOMPARE(QByteArray(record.name), QByteArray("\xC4rzte-TV tr\xE8"));
}

QTEST_MAIN(ChannelDialogs)
#include "ChannelDialogTests.moc"
