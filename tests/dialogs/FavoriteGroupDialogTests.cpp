// Favorite Group Edit with Group Add and Group Edit on top of it: the group
// list and its slots, the toggling click, the questions of the three ways
// out, what reaches the database, and the opening time with full tables.
#include "CFavoriteGroupDlg.h"
#include "CGroupAddDlg.h"
#include "CGroupEditDlg.h"
#include "DialogDriver.h"
#include "TestDatabase.h"
#include "ScriptedPrompts.h"
#include "TestTiming.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>

using namespace Drive;

namespace {

using namespace DialogIds::FavoriteGroupEdit;
constexpr int kGroupName = DialogIds::Group::kName;

const char* const kNoGroup = "No group exist, or No group has been selected";
const char* const kDropChanges = "The edited data has not been saved.  Do you want to execute the window ?";

QTreeView* ListOf(const QWidget* dialog, int id)
{
    return FindByTemplateId<QTreeView>(dialog, id);
}

void ClickRow(const QWidget* dialog, int id, int row)
{
    QTreeView* view = ListOf(dialog, id);
    const QRect cell = view->visualRect(view->model()->index(row, 3));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

bool Checked(const QWidget* dialog, int id, int row)
{
    const QTreeView* view = ListOf(dialog, id);
    return view->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

QList<int> CheckedRows(const QWidget* dialog, int id)
{
    QList<int> rows;
    for (int row = 0; row < ListOf(dialog, id)->model()->rowCount(); ++row) {
        if (Checked(dialog, id, row))
            rows.append(row);
    }
    return rows;
}

QByteArray Snapshot(const CChannelDatabase& db)
{
    QByteArray bytes(reinterpret_cast<const char*>(db.GetChannelTable(kTv)), int(Image::kTvSize));
    bytes.append(reinterpret_cast<const char*>(db.GetChannelTable(kRadio)), int(Image::kRadioSize));
    bytes.append(reinterpret_cast<const char*>(db.GetSystemBlock()), int(Image::kSystemSize));
    return bytes;
}

std::uint8_t GroupsInUse(const CChannelDatabase& db)
{
    SystemInfo info;
    db.GetSystemInfo(info);
    return info.groupsInUse;
}

QByteArray GroupNameBytes(const CChannelDatabase& db, int slot)
{
    FavoriteGroupRecord group;
    db.GetGroup(group, slot);
    return QByteArray(group.name, 8);
}

// 3 satellites, 6 transponders, 10 TV and 4 radio channels; "News" in slot
// 0 with TV 1, "Sport" in slot 2 with TV 2 and radio 0.
void MakeTwoGroups(CChannelDatabase& db)
{
    FillSample(db, 3, 6, 10, 4);
    AddGroup(db, 0, "News");
    AddGroup(db, 2, "Sport");
    SetMask(db, 1, kTv, 0x80);
    SetMask(db, 2, kTv, 0x20);
    SetMask(db, 0, kRadio, 0x20);
}

// What the command does with what the dialog ended with.
void Keep(const CFavoriteGroupDlg& dialog, CChannelDatabase& db)
{
    if (dialog.HasChange())
        ApplyFavoriteGroupEdit(db, dialog.Change());
}

}  // namespace

class FavoriteGroupDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheGroupsInSlotOrderAndTheirMembers();
    void showsEveryChannelWithItsCells();
    void clickingARowTogglesItAndCountsAsAChange();
    void clickingBelowTheLastRowChangesNothing();
    void withoutGroupsEveryGroupActionSaysSo();
    void aListWithoutChannelsSaysSo();
    void radioTabShowsAndTogglesTheRadioList();
    void addProposesTheFirstFreeSlotAndKeepsThePosition();
    void addWithAllEightGroupsUsedOpensNothing();
    void cancelledGroupDialogsChangeNothing();
    void editRenamesTheGroup();
    void deleteAsksThenDropsTheGroupFromEveryChannel();
    void deletingTheLastGroupEmptiesTheList();
    void okWritesOnlyAfterAChange();
    void closeBoxAnsweredNoWritesTheChanges();
    void keysDoNotCloseTheDialog();
    void groupAddProposesASlotNameAndRefusesAnEmptyOne();
    void groupEditReplacesTheWholeNameField();
    void groupEditKeepsANameThatFillsTheField();
    void opensQuicklyWithFullTables();
};

void FavoriteGroupDialogs::opensWithTheGroupsInSlotOrderAndTheirMembers()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    AddGroup(db, 6, "Kids");
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Favorite Group Edit"));
    QCOMPARE(ListEntries(&dialog, kGroups), (QStringList{"News", "Sport", "Kids"}));
    QCOMPARE(List(&dialog, kGroups)->currentIndex(), 0);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{1});
    QCOMPARE(CheckedRows(&dialog, kRadioList), QList<int>{});
    QVERIFY(ListOf(&dialog, kTvList)->isVisible());
    QVERIFY(!ListOf(&dialog, kRadioList)->isVisible());

    Choose(&dialog, kGroups, 1);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{2});
    QCOMPARE(CheckedRows(&dialog, kRadioList), QList<int>{0});
    Choose(&dialog, kGroups, 2);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{});
}

void FavoriteGroupDialogs::showsEveryChannelWithItsCells()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    auto* tabs = FindByTemplateId<QTabWidget>(&dialog, kTabs);
    QCOMPARE(tabs->tabText(0), QStringLiteral("TV Channel   "));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Radio Channel"));

    const QAbstractItemModel* tv = ListOf(&dialog, kTvList)->model();
    const QAbstractItemModel* radio = ListOf(&dialog, kRadioList)->model();
    QCOMPARE(tv->rowCount(), 10);
    QCOMPARE(radio->rowCount(), 4);
    QStringList headings;
    for (int column = 0; column < tv->columnCount(); ++column)
        headings.append(tv->headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headings, (QStringList{"", "Satellite", "Trasnponder", "Name", "Scramble", "Bouquet"}));
    QCOMPARE(radio->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Transponder"));
    const QList<int> widths{30, 110, 150, 120, 100, 100};
    for (int column = 0; column < widths.size(); ++column)
        QCOMPARE(ListOf(&dialog, kTvList)->header()->sectionSize(column), widths[column]);

    QStringList row3;
    for (int column = 1; column < tv->columnCount(); ++column)
        row3.append(tv->index(3, column).data().toString());
    QCOMPARE(row3, (QStringList{"SAT_1", "10703 27500 (H)", "TV 3", "Irdeto", "B 3"}));
    QCOMPARE(tv->index(4, 4).data().toString(), QStringLiteral("FTA"));
    QCOMPARE(radio->index(1, 3).data().toString(), QStringLiteral("R 1"));
}

void FavoriteGroupDialogs::clickingARowTogglesItAndCountsAsAChange()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    MakeTwoGroups(db);
    const QByteArray before = Snapshot(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    ClickRow(&dialog, kTvList, 3);
    QCOMPARE(CheckedRows(&dialog, kTvList), (QList<int>{1, 3}));
    ClickRow(&dialog, kTvList, 3);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{1});
    // Space on the current row does the same.
    QTreeView* tv = ListOf(&dialog, kTvList);
    tv->setFocus();
    tv->setCurrentIndex(tv->model()->index(2, 0));
    QTest::keyClick(tv, Qt::Key_Space);
    QCOMPARE(CheckedRows(&dialog, kTvList), (QList<int>{1, 2}));
    QTest::keyClick(tv, Qt::Key_Space);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{1});
    QVERIFY(prompts.asked.isEmpty());

    prompts.Answer(IUserPrompts::Answer::No);
    Cancel(&dialog);
    QVERIFY(IsOpen(dialog));
    QCOMPARE(prompts.texts(), QStringList{kDropChanges});
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Volmaren"));
    QCOMPARE(prompts.asked[0].buttons, IUserPrompts::Buttons::YesNo);

    ClickRow(&dialog, kTvList, 5);
    prompts.Answer(IUserPrompts::Answer::Yes);
    Cancel(&dialog);
    QVERIFY(!IsOpen(dialog));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.HasChange());
    Keep(dialog, db);
    QCOMPARE(Snapshot(db), before);
}

void FavoriteGroupDialogs::clickingBelowTheLastRowChangesNothing()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QTreeView* view = ListOf(&dialog, kTvList);
    const QPoint below(view->viewport()->width() / 2, view->viewport()->height() - 2);
    QVERIFY(!view->indexAt(below).isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{1});
    Cancel(&dialog);
    QVERIFY(prompts.asked.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void FavoriteGroupDialogs::withoutGroupsEveryGroupActionSaysSo()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    FillSample(db, 1, 1, 5, 2);
    SetMask(db, 0, kTv, 0xFF);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QCOMPARE(List(&dialog, kGroups)->count(), 0);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{});
    ClickRow(&dialog, kTvList, 0);
    Click(&dialog, kEditGroup);
    Click(&dialog, kDelete);
    QCOMPARE(prompts.texts(), (QStringList{kNoGroup, kNoGroup, kNoGroup}));
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Volmaren"));
    QCOMPARE(prompts.asked[0].buttons, IUserPrompts::Buttons::Ok);
    Cancel(&dialog);
    QCOMPARE(prompts.asked.size(), 3);
    Keep(dialog, db);
    QCOMPARE(MaskOf(db, 0, kTv), 0xFF);
}

void FavoriteGroupDialogs::aListWithoutChannelsSaysSo()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    FillSample(db, 1, 1, 0, 0);
    AddGroup(db, 3, "Empty");
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QTest::mouseClick(ListOf(&dialog, kTvList)->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
    QCOMPARE(prompts.texts(), QStringList{"There is no tv-channel"});
    auto* tabs = FindByTemplateId<QTabWidget>(&dialog, kTabs);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QTest::mouseClick(ListOf(&dialog, kRadioList)->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
    QCOMPARE(prompts.texts().last(), QStringLiteral("There is no radio-channel"));
}

void FavoriteGroupDialogs::radioTabShowsAndTogglesTheRadioList()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    auto* tabs = FindByTemplateId<QTabWidget>(&dialog, kTabs);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QVERIFY(ListOf(&dialog, kRadioList)->isVisible());
    QVERIFY(!ListOf(&dialog, kTvList)->isVisible());
    ClickRow(&dialog, kRadioList, 3);
    QCOMPARE(CheckedRows(&dialog, kRadioList), QList<int>{3});
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{1});
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.HasChange());
    Keep(dialog, db);
    QCOMPARE(MaskOf(db, 3, kRadio), 0x80);
    QCOMPARE(MaskOf(db, 0, kRadio), 0x20);
    QCOMPARE(MaskOf(db, 1, kTv), 0x80);
}

void FavoriteGroupDialogs::addProposesTheFirstFreeSlotAndKeepsThePosition()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    Choose(&dialog, kGroups, 1);
    OnNextModal([](QDialog& add) {
        QCOMPARE(add.windowTitle(), QStringLiteral("Group Add"));
        QCOMPARE(Edit(&add, kGroupName)->text(), QStringLiteral("Group_1"));
        Retype(&add, kGroupName, QStringLiteral("Movies"));
        Ok(&add);
    });
    Click(&dialog, kAdd);
    QCOMPARE(ListEntries(&dialog, kGroups), (QStringList{"News", "Movies", "Sport"}));
    QCOMPARE(List(&dialog, kGroups)->currentIndex(), 1);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{});
    ClickRow(&dialog, kTvList, 4);
    Ok(&dialog);
    Keep(dialog, db);
    QCOMPARE(GroupsInUse(db), 0xE0);
    QCOMPARE(GroupNameBytes(db, 1), QByteArray("Movies\0\0", 8));
    QCOMPARE(MaskOf(db, 4, kTv), 0x40);
}

void FavoriteGroupDialogs::addWithAllEightGroupsUsedOpensNothing()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    FillSample(db, 1, 1, 3, 0);
    for (int slot = 0; slot < 8; ++slot)
        AddGroup(db, slot, "G");
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    Click(&dialog, kAdd);
    QCOMPARE(prompts.texts(), QStringList{"All the 8 favorite groups have been used"});
    QCOMPARE(List(&dialog, kGroups)->count(), 8);
    Cancel(&dialog);
    QCOMPARE(prompts.asked.size(), 1);
}

void FavoriteGroupDialogs::cancelledGroupDialogsChangeNothing()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    OnNextModal([](QDialog& add) {
        Retype(&add, kGroupName, QStringLiteral("Movies"));
        Cancel(&add);
    });
    Click(&dialog, kAdd);
    OnNextModal([](QDialog& edit) {
        Retype(&edit, kGroupName, QStringLiteral("Info"));
        QVERIFY(edit.close());
    });
    Click(&dialog, kEditGroup);
    QCOMPARE(ListEntries(&dialog, kGroups), (QStringList{"News", "Sport"}));
    Cancel(&dialog);
    QVERIFY(prompts.asked.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void FavoriteGroupDialogs::editRenamesTheGroup()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    Choose(&dialog, kGroups, 1);
    OnNextModal([](QDialog& edit) {
        QCOMPARE(edit.windowTitle(), QStringLiteral("Group Edit"));
        QCOMPARE(Edit(&edit, kGroupName)->text(), QStringLiteral("Sport"));
        Retype(&edit, kGroupName, QStringLiteral("Fu"));
        Ok(&edit);
    });
    Click(&dialog, kEditGroup);
    QCOMPARE(ListEntries(&dialog, kGroups), (QStringList{"News", "Fu"}));
    QCOMPARE(List(&dialog, kGroups)->currentIndex(), 1);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{2});
    Ok(&dialog);
    QVERIFY(dialog.HasChange());
    Keep(dialog, db);
    QCOMPARE(GroupNameBytes(db, 2), QByteArray("Fu\0\0\0\0\0\0", 8));
    QCOMPARE(GroupsInUse(db), 0xA0);
}

void FavoriteGroupDialogs::deleteAsksThenDropsTheGroupFromEveryChannel()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    MakeTwoGroups(db);
    AddGroup(db, 5, "Music");
    SetMask(db, 2, kTv, 0x24);
    SetMask(db, 3, kRadio, 0x84);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    Choose(&dialog, kGroups, 1);
    prompts.Answer(IUserPrompts::Answer::No);
    Click(&dialog, kDelete);
    QCOMPARE(prompts.texts(), QStringList{"Do you want to delete the current group?"});
    QCOMPARE(prompts.asked[0].buttons, IUserPrompts::Buttons::YesNo);
    QCOMPARE(ListEntries(&dialog, kGroups).size(), 3);

    prompts.Answer(IUserPrompts::Answer::Yes);
    Click(&dialog, kDelete);
    QCOMPARE(ListEntries(&dialog, kGroups), (QStringList{"News", "Music"}));
    QCOMPARE(List(&dialog, kGroups)->currentIndex(), 0);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{1});
    QCOMPARE(CheckedRows(&dialog, kRadioList), QList<int>{3});
    Choose(&dialog, kGroups, 1);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{2});
    Ok(&dialog);
    Keep(dialog, db);
    QCOMPARE(GroupsInUse(db), 0x84);
    QCOMPARE(GroupNameBytes(db, 2), QByteArray(8, '\0'));
    QCOMPARE(MaskOf(db, 2, kTv), 0x04);
    QCOMPARE(MaskOf(db, 0, kRadio), 0x00);
    QCOMPARE(MaskOf(db, 3, kRadio), 0x84);
}

void FavoriteGroupDialogs::deletingTheLastGroupEmptiesTheList()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    FillSample(db, 1, 1, 4, 1);
    AddGroup(db, 4, "Only");
    SetMask(db, 2, kTv, 0x08);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{2});
    prompts.Answer(IUserPrompts::Answer::Yes);
    Click(&dialog, kDelete);
    QCOMPARE(List(&dialog, kGroups)->count(), 0);
    QCOMPARE(CheckedRows(&dialog, kTvList), QList<int>{});
    ClickRow(&dialog, kTvList, 0);
    QCOMPARE(prompts.texts().last(), QString::fromLatin1(kNoGroup));
    Ok(&dialog);
    Keep(dialog, db);
    QCOMPARE(GroupsInUse(db), 0);
    QCOMPARE(MaskOf(db, 2, kTv), 0);
}

void FavoriteGroupDialogs::okWritesOnlyAfterAChange()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    const QByteArray before = Snapshot(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    Choose(&dialog, kGroups, 1);
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.HasChange());
    Keep(dialog, db);
    QCOMPARE(Snapshot(db), before);
}

void FavoriteGroupDialogs::closeBoxAnsweredNoWritesTheChanges()
{
    ScriptedPrompts prompts;
    CChannelDatabase db;
    MakeTwoGroups(db);
    const QByteArray before = Snapshot(db);
    {
        CFavoriteGroupDlg unchanged(db);
        QVERIFY(Open(unchanged));
        QVERIFY(unchanged.close());
        QVERIFY(prompts.asked.isEmpty());
    }
    {
        CFavoriteGroupDlg dropped(db);
        QVERIFY(Open(dropped));
        ClickRow(&dropped, kTvList, 7);
        prompts.Answer(IUserPrompts::Answer::Yes);
        QVERIFY(dropped.close());
        QCOMPARE(dropped.result(), int(QDialog::Rejected));
        QVERIFY(!dropped.HasChange());
        Keep(dropped, db);
        QCOMPARE(Snapshot(db), before);
    }
    CFavoriteGroupDlg kept(db);
    QVERIFY(Open(kept));
    ClickRow(&kept, kTvList, 7);
    prompts.Answer(IUserPrompts::Answer::No);
    QVERIFY(kept.close());
    QCOMPARE(prompts.texts(), (QStringList{kDropChanges, kDropChanges}));
    QCOMPARE(kept.result(), int(QDialog::Rejected));
    QVERIFY(kept.HasChange());
    Keep(kept, db);
    QCOMPARE(MaskOf(db, 7, kTv), 0x80);
    QCOMPARE(GroupsInUse(db), 0xA0);
}

void FavoriteGroupDialogs::keysDoNotCloseTheDialog()
{
    CChannelDatabase db;
    MakeTwoGroups(db);
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QTest::keyClick(ListOf(&dialog, kTvList), Qt::Key_Escape);
    QTest::keyClick(List(&dialog, kGroups), Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(IsOpen(dialog));
}

void FavoriteGroupDialogs::groupAddProposesASlotNameAndRefusesAnEmptyOne()
{
    ScriptedPrompts prompts;
    FavoriteGroupRecord record{};
    CGroupAddDlg dialog(record, 0);
    QVERIFY(Open(dialog));
    QCOMPARE(TabOrder(&dialog), (QList<int>{kGroupName, DialogIds::kOk, DialogIds::kCancel}));
    QCOMPARE(Edit(&dialog, kGroupName)->text(), QStringLiteral("Group_0"));
    QCOMPARE(TypingLimit(Edit(&dialog, kGroupName)), 7);
    Retype(&dialog, kGroupName, QString());
    Ok(&dialog);
    QCOMPARE(prompts.texts(), QStringList{"Group name don't input."});
    QVERIFY(IsOpen(dialog));
    QVERIFY(SameBytes(record, FavoriteGroupRecord{}));
    QTest::keyClick(Edit(&dialog, kGroupName), Qt::Key_Escape);
    QVERIFY(IsOpen(dialog));
    Retype(&dialog, kGroupName, QStringLiteral("ABCDEFGHI"));
    Ok(&dialog);
    FavoriteGroupRecord expected{};
    std::memcpy(expected.name, "ABCDEFG", 8);
    QVERIFY(SameBytes(record, expected));
}

void FavoriteGroupDialogs::groupEditReplacesTheWholeNameField()
{
    ScriptedPrompts prompts;
    auto record = Filled<FavoriteGroupRecord>(0x3C);
    std::memcpy(record.name, "SEVENLT", 8);
    FavoriteGroupRecord expected = record;
    CGroupEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(Edit(&dialog, kGroupName)->text(), QStringLiteral("SEVENLT"));
    Retype(&dialog, kGroupName, QString());
    Ok(&dialog);
    QCOMPARE(prompts.texts(), QStringList{"Group name is empty."});
    QVERIFY(SameBytes(record, expected));
    Retype(&dialog, kGroupName, QStringLiteral("AB"));
    Ok(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    std::memcpy(expected.name, "AB\0\0\0\0\0\0", 8);
    QVERIFY(SameBytes(record, expected));
}

void FavoriteGroupDialogs::groupEditKeepsANameThatFillsTheField()
{
    auto record = Filled<FavoriteGroupRecord>(0x3C);
    std::memcpy(record.name, "EIGHTCHR", 8);
    const FavoriteGroupRecord expected = record;
    CGroupEditDlg dialog(record);
    QVERIFY(Open(dialog));
    QCOMPARE(Edit(&dialog, kGroupName)->text(), QStringLiteral("EIGHTCHR"));
    Ok(&dialog);
    QVERIFY(SameBytes(record, expected));
}

void FavoriteGroupDialogs::opensQuicklyWithFullTables()
{
    CChannelDatabase db;
    FillSample(db, 300, 4000, Image::kMaxTvChannels, Image::kMaxRadioChannels);
    AddGroup(db, 0, "All");
    for (int i = 0; i < Image::kMaxTvChannels; i += 2)
        SetMask(db, i, kTv, 0x80);

    QElapsedTimer clock;
    clock.start();
    CFavoriteGroupDlg dialog(db);
    QVERIFY(Open(dialog));
    QApplication::processEvents();
    const qint64 elapsed = clock.elapsed();
    qInfo("Favorite Group Edit opened with %d TV and %d radio channels in %lld ms", Image::kMaxTvChannels,
          Image::kMaxRadioChannels, elapsed);
    QVERIFY2(elapsed < 200 * kSlowdown, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QCOMPARE(ListOf(&dialog, kTvList)->model()->rowCount(), Image::kMaxTvChannels);
    QCOMPARE(ListOf(&dialog, kRadioList)->model()->rowCount(), Image::kMaxRadioChannels);

    QTreeView* view = ListOf(&dialog, kTvList);
    view->scrollToBottom();
    const int last = Image::kMaxTvChannels - 1;
    QVERIFY(Checked(&dialog, kTvList, last));
    ClickRow(&dialog, kTvList, last);
    QVERIFY(!Checked(&dialog, kTvList, last));
    QCOMPARE(view->model()->index(last, 3).data().toString(), QStringLiteral("TV %1").arg(last));
}

QTEST_MAIN(FavoriteGroupDialogs)
#include "FavoriteGroupDialogTests.moc"
