// Maintains the eight favourite groups: their names and which TV and radio
// channels belong to each. Works on copies while open and changes nothing
// itself: it ends with the change to keep, when it ends with OK after a
// change, or when the user closes it through the title bar after a change
// and declines to drop the change. The caller applies it.
#pragma once

#include "EditDialog.h"
#include "GroupEdit.h"
#include "ImageFormat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CChannelDatabase;
class ChannelCheckModel;
class QTreeView;

namespace Ui {
class CFavoriteGroupDlg;
}

class CFavoriteGroupDlg : public CEditDialog {
    Q_OBJECT

public:
    // The database must not change while the dialog is open.
    CFavoriteGroupDlg(const CChannelDatabase& db, QWidget* parent = nullptr);
    ~CFavoriteGroupDlg() override;

    // True when the dialog ended with a change to keep. That also happens
    // when the title-bar close is answered No, although the result is then
    // Rejected: the caller must treat it as a change.
    bool HasChange() const { return m_bKeepChange; }
    // The groups and memberships as the dialog ended with them.
    FavoriteGroupEdit Change() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnOk();
    void OnCancel();

private:
    void LoadGroups();
    void SetUpList(QTreeView* view, ChannelCheckModel* model);
    void RebuildPositions();
    void RefillGroupList();
    void SelectAndRedisplay(int position);
    void Redisplay(int position);
    // The slot of the group at a combo position; -1 where none is.
    int SlotAt(int position) const;
    // The slot of the selected group, or -1 (after saying so) when there is none.
    int SelectedSlotOrSay();
    void OnRowClick(ChannelKind kind, const QPoint& position);
    bool AskDropChanges();

    std::unique_ptr<Ui::CFavoriteGroupDlg> m_ui;
    const CChannelDatabase& m_db;
    std::array<FavoriteGroupRecord, Image::kGroupCount> m_groups{};
    std::uint8_t m_nInUse = 0;
    std::array<int, Image::kGroupCount> m_positions{};
    std::vector<std::uint8_t> m_tvMasks;
    std::vector<std::uint8_t> m_radioMasks;
    ChannelCheckModel* m_pTvModel = nullptr;
    ChannelCheckModel* m_pRadioModel = nullptr;
    bool m_bUnchanged = true;
    bool m_bKeepChange = false;
};
