// The main form: four lists that filter each other (satellites,
// transponders, and the TV and radio channels on two tabs) and the buttons
// of the editing commands. It shows what the list state chooses, turns
// clicks and keys into choices and command requests, and lets the commands
// read and show rows through IFormLists. The transfer panel sits in it.
#pragma once

#include "CColorFormView.h"
#include "CVolmarenDoc.h"
#include "FormLists.h"
#include "ListContext.h"

#include <array>
#include <vector>

class CChannelListView;
class CChannelDatabase;
class ChannelListModel;
class TextListModel;
class QAbstractButton;
class QAbstractItemView;
class QKeyEvent;
class QLineEdit;
class QListView;
class QMouseEvent;
class QTabBar;
class QTreeView;

namespace Ui {
class CVolmarenView;
}

class CVolmarenView : public CColorFormView, public IFormLists {
    Q_OBJECT
public:
    // The state outlives the form.
    CVolmarenView(CVolmarenDoc& doc, CListState& state, QWidget* parent);
    ~CVolmarenView() override;

    CVolmarenDoc& Document() const { return m_doc; }
    const CChannelDatabase& Database() const;
    CListState& State() { return m_state; }
    const CListState& State() const { return m_state; }

    // The framework's first update: bitmaps and tabs.
    void SetUpOnce();
    // The transfer controls, in their place between the CODE row and the
    // favourite group box; the panel reads the code from CodeEdit.
    void InsertTransferPanel(QWidget* panel);
    QLineEdit* CodeEdit() const;

    // --- Lists -------------------------------------------------------------
    // Rebuilds the views for everything, refills all four lists and resets
    // the selection state.
    void RefreshAllLists();
    // Empties all four lists without touching the views: the data in hand
    // is about to be replaced.
    void ClearAllLists();
    void FillSatelliteList();
    void FillTransponderList();
    void FillChannelList(ChannelKind kind);
    // Empties one list without touching the views.
    void ClearList(QAbstractItemView* list);
    // The editing controls while no transfer runs.
    void EnableEditing(bool enable);

    QListView* SatelliteList() const;
    QListView* TransponderList() const;
    QTreeView* ChannelList(ChannelKind kind) const;
    QTreeView* ChannelListInFront() const { return ChannelList(m_state.Tab()); }
    QTabBar* Tabs() const;
    // A push button of the form by its template id.
    QAbstractButton* Button(int templateId) const;

    // Ctrl+F: the Find field takes the focus with its text selected.
    void FocusSearch();
    // The editing keys of the Edit menu, for the list that has the focus.
    void OnEditKey();
    void OnDeleteKey();
    CChannelListView* ChannelListView(ChannelKind kind) const;

    // The narrowing clicks.
    void OnSatelliteClick();
    void OnTransponderClick();

    // --- IFormLists ----------------------------------------------------------
    QWidget* Window() override { return this; }
    int RowCount(FormList list) const override;
    int SelectedRowCount(FormList list) const override;
    int FirstSelectedRow(FormList list) const override;
    std::vector<int> SelectedRowsFrom(FormList list, int from) const override;
    int ClickedRow(FormList list) const override;
    void FocusList(FormList list) override;
    void SelectRow(FormList list, int row) override;
    void ClearSelection(FormList list) override;
    void ShowRowAtTop(FormList list, int row) override;
    void ScrollToRow(FormList list, int row) override;
    void ScrollBy(FormList list, int pixels) override;
    void ClickSatellite() override { OnSatelliteClick(); }
    void ClickTransponder() override { OnTransponderClick(); }
    void RefillChannelLists() override;

Q_SIGNALS:
    // Something the frame's command availability depends on has changed.
    void StateChanged();
    // Routes of the lists' mouse commands to the editing commands.
    void SatelliteDoubleClicked();
    void SatelliteRightClicked();
    void TransponderDoubleClicked();
    void TransponderRightClicked();
    void ChannelDoubleClicked(ChannelKind kind);
    void ChannelRightClicked(ChannelKind kind);
    // Rows of a channel list were dragged before row `before`.
    void ChannelRowsDropped(ChannelKind kind, const QList<int>& rows, int before);
    // Alt+Up or Alt+Down reached a channel list: the channel moves, as
    // Channel UP and DOWN move it.
    void ChannelMoveKey(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList SatelliteRows() const;
    QStringList TransponderRows() const;
    // The lists follow the document: refilled for a change, and brought back
    // to what they showed on the other side of an undo step.
    void OnDocumentChanged(ListChanges lists, const std::any* context);
    std::any CaptureContext() const;
    void RestoreContext(const ListContext& context);
    // The lists' indexes, in FormList order.
    enum ListSlot { kSatelliteSlot = 0, kTransponderSlot = 1, kTvSlot = 2, kRadioSlot = 3 };
    // The four lists in ListSlot order.
    std::array<QAbstractItemView*, 4> Lists() const;
    QAbstractItemView* List(FormList list) const { return Lists()[std::size_t(list)]; }
    // The ListSlot of a list, -1 for anything else.
    int SlotOf(const QObject* list) const;
    // The row under the position of the last mouse click in `list`, or -1.
    int HitTestAtCursor(QAbstractItemView* list) const;
    void SetUpChannelList(ChannelKind kind);
    void WatchInput(QAbstractItemView* list);
    bool OnMouse(int slot, QMouseEvent* mouse);
    bool OnListKey(int slot, QKeyEvent* key);
    // What a click on the list's current row does.
    void ClickCurrentRow(int slot);
    void RouteClick(int slot);
    void OnSearchChanged(const QString& text);
    void ShowSearchCount();
    void OnChannelClick(ChannelKind kind);
    void OnTabSwitch();

    CVolmarenDoc& m_doc;
    Ui::CVolmarenView* m_ui;
    TextListModel* m_pSatelliteModel;
    TextListModel* m_pTransponderModel;
    std::array<ChannelListModel*, 2> m_pChannelModels{};
    // Where the last left or right click in each list happened.
    std::array<QPoint, 4> m_lastClick{};
    bool m_bSkipNextRelease = false;
    CListState& m_state;
};
