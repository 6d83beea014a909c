#include "CChannelFlagsDlg.h"

#include "ChannelDatabase.h"
#include "EditDialog.h"
#include "EntryLists.h"
#include "GroupName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

template <std::size_t N> QComboBox* ChoiceList(const std::array<const char*, N>& entries, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItem(CChannelFlagsDlg::tr("(unchanged)"));
    FillList(list, entries);
    return list;
}

}  // namespace

CChannelFlagsDlg::CChannelFlagsDlg(const CChannelDatabase& db, std::span<const int> slots, ChannelKind kind,
                                   QWidget* parent)
    : QDialog(parent), m_pLock(ChoiceList(Entries::kOffOn, this)), m_pSkip(ChoiceList(Entries::kOffOn, this)),
      m_pAudio(ChoiceList(Entries::kAudio, this))
{
    setWindowTitle(tr("Edit %n Channels", nullptr, int(slots.size())));
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Lock"), m_pLock);
    fields->addRow(tr("&Skip"), m_pSkip);
    fields->addRow(tr("&Audio"), m_pAudio);

    // Each group's box shows whether all, some or none of the channels are
    // in it; a box left partly checked changes nobody's membership.
    auto* groups = new QGroupBox(tr("Favorite groups"), this);
    auto* groupLayout = new QVBoxLayout(groups);
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        FavoriteGroupRecord group;
        db.GetGroup(group, slot);
        if (group.name[0] == '\0')
            continue;
        int members = 0;
        for (int channelSlot : slots) {
            ChannelRecord channel;
            db.GetChannel(channel, channelSlot, kind);
            members += (channel.favoriteMask & GroupBit(slot)) ? 1 : 0;
        }
        auto* box = new QCheckBox(GroupName(group), groups);
        box->setTristate(members != 0 && members != int(slots.size()));
        box->setCheckState(members == 0                   ? Qt::Unchecked
                           : members == int(slots.size()) ? Qt::Checked
                                                          : Qt::PartiallyChecked);
        // Once the person decides, the box takes only their yes or no.
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
        groupLayout->addWidget(box);
        m_groups[std::size_t(slot)] = box;
    }
    if (groupLayout->isEmpty())
        groups->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(groups);
    layout->addWidget(buttons);
}

ChannelFlagChanges CChannelFlagsDlg::Changes() const
{
    ChannelFlagChanges changes;
    if (m_pLock->currentIndex() > 0)
        changes.lock = m_pLock->currentIndex() == 2;
    if (m_pSkip->currentIndex() > 0)
        changes.skip = m_pSkip->currentIndex() == 2;
    if (m_pAudio->currentIndex() > 0)
        changes.audio = m_pAudio->currentIndex() - 1;
    for (int slot = 0; slot < Image::kGroupCount; ++slot) {
        const QCheckBox* box = m_groups[std::size_t(slot)];
        if (!box || box->checkState() == Qt::PartiallyChecked)
            continue;
        if (box->checkState() == Qt::Checked)
            changes.joinGroups |= GroupBit(slot);
        else
            changes.leaveGroups |= GroupBit(slot);
    }
    return changes;
}
