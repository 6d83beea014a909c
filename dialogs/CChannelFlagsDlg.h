// Edit Selected Channels: Lock, Skip, Audio and favourite-group membership
// for many channels at once. A field left at "(unchanged)", and a group whose
// box is left partly checked, keeps each channel's own value; names and PIDs
// belong to one channel each and are not offered.
#pragma once

#include "ChannelArranging.h"
#include "ImageFormat.h"

#include <QDialog>

#include <array>
#include <span>

class CChannelDatabase;
class QCheckBox;
class QComboBox;

class CChannelFlagsDlg : public QDialog {
    Q_OBJECT
public:
    CChannelFlagsDlg(const CChannelDatabase& db, std::span<const int> slots, ChannelKind kind,
                     QWidget* parent = nullptr);

    // What OK sets.
    ChannelFlagChanges Changes() const;

    QComboBox* LockList() const { return m_pLock; }
    QComboBox* SkipList() const { return m_pSkip; }
    QComboBox* AudioList() const { return m_pAudio; }
    // The box of group slot `slot`; null for a slot not in use.
    QCheckBox* GroupBox(int slot) const { return m_groups[std::size_t(slot)]; }

private:
    QComboBox* m_pLock;
    QComboBox* m_pSkip;
    QComboBox* m_pAudio;
    std::array<QCheckBox*, 8> m_groups{};
};
