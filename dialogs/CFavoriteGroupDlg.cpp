#include "CFavoriteGroupDlg.h"

#include "CGroupAddDlg.h"
#include "CGroupEditDlg.h"
#include "ChannelCheckModel.h"
#include "ChannelDatabase.h"
#include "ChannelViews.h"
#include "GroupName.h"
#include "UserPrompts.h"
#include "ui_CFavoriteGroupDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

const char* const kAllGroupsUsed =
    QT_TRANSLATE_NOOP("CFavoriteGroupDlg", "All the 8 favorite groups have been used");
const char* const kNoGroup =
    QT_TRANSLATE_NOOP("CFavoriteGroupDlg", "No group exist, or No group has been selected");
const char* const kNoTvChannel = QT_TRANSLATE_NOOP("CFavoriteGroupDlg", "There is no tv-channel");
const char* const kNoRadioChannel = QT_TRANSLATE_NOOP("CFavoriteGroupDlg", "There is no radio-channel");
const char* const kDeleteGroup =
    QT_TRANSLATE_NOOP("CFavoriteGroupDlg", "Do you want to delete the current group?");
const char* const kDropChanges = QT_TRANSLATE_NOOP(
    "CFavoriteGroupDlg", "The edited data has not been saved.  Do you want to execute the window ?");

void Say(QWidget* owner, const char* text)
{
    Prompts::Message(owner, CFavoriteGroupDlg::tr(text));
}

}  // namespace

CFavoriteGroupDlg::CFavoriteGroupDlg(const CChannelDatabase& db, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CFavoriteGroupDlg>()), m_db(db),
      m_tvMasks(FavoriteMasks(db, kTv)), m_radioMasks(FavoriteMasks(db, kRadio))
{
    m_ui->setupUi(this);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ClearDefaultButtons();
    LoadGroups();

    m_pTvModel = new ChannelCheckModel(db, kTv, m_tvMasks, this);
    m_pRadioModel = new ChannelCheckModel(db, kRadio, m_radioMasks, this);
    SetUpList(m_ui->tvList, m_pTvModel);
    SetUpList(m_ui->radioList, m_pRadioModel);
    m_ui->channelTabs->setCurrentIndex(0);

    RefillGroupList();
    SelectAndRedisplay(0);

    connect(m_ui->groupList, &QComboBox::currentIndexChanged, this, &CFavoriteGroupDlg::Redisplay);
    connect(m_ui->addButton, &QPushButton::clicked, this, &CFavoriteGroupDlg::OnAdd);
    connect(m_ui->editButton, &QPushButton::clicked, this, &CFavoriteGroupDlg::OnEdit);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &CFavoriteGroupDlg::OnDelete);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CFavoriteGroupDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CFavoriteGroupDlg::OnCancel);
}

CFavoriteGroupDlg::~CFavoriteGroupDlg() = default;

void CFavoriteGroupDlg::LoadGroups()
{
    CChannelViews views(m_db);
    views.ShowGroupsInUse();
    SystemInfo info;
    m_db.GetSystemInfo(info);
    m_nInUse = info.groupsInUse;
    int inUse = 0;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        if (m_nInUse & GroupBit(slot)) {
            m_db.GetGroup(m_groups[std::size_t(slot)], slot);
            ++inUse;
        }
    }
    for (int position = 0; position < Image::kGroupCount; ++position)
        m_positions[std::size_t(position)] = position < inUse ? views.GetGroupViewEntry(position) : -1;
}

void CFavoriteGroupDlg::SetUpList(QTreeView* view, ChannelCheckModel* model)
{
    view->setModel(model);
    QHeaderView* header = view->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    for (int column = 0; column < ChannelCheckModel::kColumnCount; ++column)
        header->resizeSection(column, ChannelCheckModel::ColumnWidth(column));
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
}

void CFavoriteGroupDlg::RebuildPositions()
{
    m_positions.fill(-1);
    std::size_t position = 0;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        if (m_nInUse & GroupBit(slot))
            m_positions[position++] = slot;
    }
}

void CFavoriteGroupDlg::RefillGroupList()
{
    const QSignalBlocker quiet(m_ui->groupList);
    m_ui->groupList->clear();
    for (const FavoriteGroupRecord& group : m_groups) {
        if (group.name[0] != '\0')
            m_ui->groupList->addItem(GroupName(group));
    }
}

void CFavoriteGroupDlg::SelectAndRedisplay(int position)
{
    {
        const QSignalBlocker quiet(m_ui->groupList);
        m_ui->groupList->setCurrentIndex(position < m_ui->groupList->count() ? position : -1);
    }
    Redisplay(position);
}

void CFavoriteGroupDlg::Redisplay(int position)
{
    const int slot = SlotAt(position);
    const std::uint8_t bit = slot >= 0 ? GroupBit(slot) : 0;
    m_pTvModel->ShowGroupBit(bit);
    m_pRadioModel->ShowGroupBit(bit);
}

int CFavoriteGroupDlg::SlotAt(int position) const
{
    if (position < 0 || position >= Image::kGroupCount)
        return -1;
    return m_positions[std::size_t(position)];
}

int CFavoriteGroupDlg::SelectedSlotOrSay()
{
    const int slot = m_nInUse == 0 ? -1 : SlotAt(m_ui->groupList->currentIndex());
    if (slot < 0)
        Say(this, kNoGroup);
    return slot;
}

void CFavoriteGroupDlg::OnAdd()
{
    int free = 0;
    while (free < Image::kGroupCount && m_groups[std::size_t(free)].name[0] != '\0')
        ++free;
    if (free == Image::kGroupCount) {
        Say(this, kAllGroupsUsed);
        return;
    }
    const int remembered = std::max(m_ui->groupList->currentIndex(), 0);
    FavoriteGroupRecord group{};
    CGroupAddDlg dialog(group, free, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_groups[std::size_t(free)] = group;
    m_nInUse |= GroupBit(free);
    RebuildPositions();
    RefillGroupList();
    SelectAndRedisplay(remembered);
    m_bUnchanged = false;
}

void CFavoriteGroupDlg::OnEdit()
{
    const int position = m_ui->groupList->currentIndex();
    const int slot = SlotAt(position);
    if (position < 0 || slot < 0) {
        Say(this, kNoGroup);
        return;
    }
    CGroupEditDlg dialog(m_groups[std::size_t(slot)], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    RefillGroupList();
    SelectAndRedisplay(position);
    m_bUnchanged = false;
}

void CFavoriteGroupDlg::OnDelete()
{
    const int slot = SelectedSlotOrSay();
    if (slot < 0 || !Prompts::AskYesNo(this, tr(kDeleteGroup)))
        return;
    const std::uint8_t bit = GroupBit(slot);
    m_groups[std::size_t(slot)] = FavoriteGroupRecord{};
    m_nInUse &= std::uint8_t(~bit);
    for (std::uint8_t& mask : m_tvMasks)
        mask &= std::uint8_t(~bit);
    for (std::uint8_t& mask : m_radioMasks)
        mask &= std::uint8_t(~bit);
    RebuildPositions();
    if (m_nInUse != 0) {
        RefillGroupList();
        SelectAndRedisplay(0);
    } else {
        const QSignalBlocker quiet(m_ui->groupList);
        m_ui->groupList->clear();
        Redisplay(-1);
    }
    m_bUnchanged = false;
}

bool CFavoriteGroupDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Space toggles the current row as a click on it does.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        (watched == m_ui->tvList || watched == m_ui->radioList)) {
        const auto* view = static_cast<QTreeView*>(watched);
        if (view->currentIndex().isValid())
            OnRowClick(view == m_ui->radioList ? kRadio : kTv,
                       view->visualRect(view->currentIndex()).center());
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            if (watched == m_ui->tvList->viewport())
                OnRowClick(kTv, press->position().toPoint());
            else if (watched == m_ui->radioList->viewport())
                OnRowClick(kRadio, press->position().toPoint());
        }
    }
    return CEditDialog::eventFilter(watched, event);
}

void CFavoriteGroupDlg::OnRowClick(ChannelKind kind, const QPoint& position)
{
    const int slot = SelectedSlotOrSay();
    if (slot < 0)
        return;
    std::vector<std::uint8_t>& masks = kind == kRadio ? m_radioMasks : m_tvMasks;
    if (masks.empty()) {
        Say(this, kind == kRadio ? kNoRadioChannel : kNoTvChannel);
        return;
    }
    const QTreeView* view = kind == kRadio ? m_ui->radioList : m_ui->tvList;
    const int row = view->indexAt(position).row();
    if (row < 0)
        return;
    masks[std::size_t(row)] ^= GroupBit(slot);
    (kind == kRadio ? m_pRadioModel : m_pTvModel)->MaskChanged(row);
    m_bUnchanged = false;
}

FavoriteGroupEdit CFavoriteGroupDlg::Change() const
{
    return {m_groups, m_nInUse, m_tvMasks, m_radioMasks};
}

bool CFavoriteGroupDlg::AskDropChanges()
{
    return Prompts::AskYesNo(this, tr(kDropChanges));
}

void CFavoriteGroupDlg::OnOk()
{
    m_bKeepChange = !m_bUnchanged;
    accept();
}

void CFavoriteGroupDlg::OnCancel()
{
    if (m_bUnchanged || AskDropChanges())
        reject();
}

void CFavoriteGroupDlg::closeEvent(QCloseEvent* event)
{
    if (!m_bUnchanged && !AskDropChanges())
        m_bKeepChange = true;
    reject();
    event->accept();
}
