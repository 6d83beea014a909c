// Maintains the eight favourite groups: their names and which TV and radio
// channels belong to each. Works on copies while open and writes them into
// the database only when it ends with OK, or when the user closes it through
// the title bar after a change and declines to drop the change.
#pragma once

#include "EditDialog.h"
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
    CFavoriteGroupDlg(CChannelDatabase& db, QWidget* parent = nullptr);
    ~CFavoriteGroupDlg() override;

    // True when the dialog has written its changes into the database. That
    // also happens when the title-bar close is answered No, although the
    // result is then Rejected: the caller must treat it as a change.
    bool WroteDatabase() const { return m_bWroteDatabase; }

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
    void WriteBack();
    bool AskDropChanges();

    std::unique_ptr<Ui::CFavoriteGroupDlg> m_ui;
    CChannelDatabase& m_db;
    std::array<FavoriteGroupRecord, Image::kGroupCount> m_groups{};
    std::uint8_t m_nInUse = 0;
    std::array<int, Image::kGroupCount> m_positions{};
    std::vector<std::uint8_t> m_tvMasks;
    std::vector<std::uint8_t> m_radioMasks;
    ChannelCheckModel* m_pTvModel = nullptr;
    ChannelCheckModel* m_pRadioModel = nullptr;
    bool m_bUnchanged = true;
    bool m_bWroteDatabase = false;
};
