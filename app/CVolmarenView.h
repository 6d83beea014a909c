// The main form: four lists that filter each other (satellites,
// transponders, and the TV and radio channels on two tabs), the transfer
// controls, and the selection state the editing commands work from.
#pragma once

#include "CColorFormView.h"
#include "CVolmarenDoc.h"
#include "ListContext.h"
#include "PortMessages.h"
#include "SystemCode.h"
#include "TransferLink.h"
#include "TransferView.h"

#include <array>
#include <memory>
#include <vector>

class CChannelCommands;
class CChannelListView;
class CChannelDatabase;
class CGradientProgressCtrl;
class CHoverButton;
class CMainFrame;
class CVolmarenDoc;
class ChannelListModel;
class TextListModel;
class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QKeyEvent;
class QMouseEvent;
class QLineEdit;
class QListView;
class QTabBar;
class QTreeView;

namespace Ui {
class CVolmarenView;
}
namespace PortChoice {
struct Entry;
}

class CVolmarenView : public CColorFormView, public ITransferView, public IPortMessages {
    Q_OBJECT
public:
    CVolmarenView(CVolmarenDoc& doc, CMainFrame* frame);
    ~CVolmarenView() override;

    CVolmarenDoc& Document() const { return m_doc; }
    const CChannelDatabase& Database() const;
    CMainFrame* Frame() const { return m_pFrame; }

    // The framework's first update: fits the frame to the form, and the first
    // time also sets the form up.
    void OnInitialUpdate();

    // --- Lists -------------------------------------------------------------
    // Rebuilds the views for everything, refills all four lists and resets
    // the selection state.
    void RefreshAllLists();
    void FillSatelliteList();
    void FillTransponderList();
    void FillChannelList(ChannelKind kind);
    // Empties one list without touching the database's views.
    void ClearList(QAbstractItemView* list);
    // The row under the position of the last mouse click in `list`, or -1.
    int HitTestAtCursor(QAbstractItemView* list) const;
    void ScrollListBy(QAbstractItemView* list, int pixels);

    QListView* SatelliteList() const;
    QListView* TransponderList() const;
    QTreeView* ChannelList(ChannelKind kind) const;
    QTreeView* ChannelListInFront() const { return ChannelList(m_state.Tab()); }
    QTabBar* Tabs() const;
    // A push button of the form by its template id.
    QAbstractButton* Button(int templateId) const;

    // Selection helpers. "First selected row" is the lowest selected row.
    static int SelectedRowCount(const QAbstractItemView* list);
    static int FirstSelectedRow(const QAbstractItemView* list);
    // Selected rows from `from` down, ascending.
    static std::vector<int> SelectedRowsFrom(const QAbstractItemView* list, int from);
    // Adds `row` to the selection and makes it current; other rows stay.
    static void SelectRow(QAbstractItemView* list, int row);
    static void FocusList(QAbstractItemView* list);
    // Scrolls `list` so that `row` is its first visible row, or as near as
    // the list's end allows.
    static void ShowRowAtTop(QAbstractItemView* list, int row);

    // Ctrl+F: the Find field takes the focus with its text selected.
    void FocusSearch();
    // The editing keys of the Edit menu, for the list that has the focus.
    void OnEditKey();
    void OnDeleteKey();
    CChannelListView* ChannelListView(ChannelKind kind) const;

    // The narrowing clicks, also run by the lists' right-click menus.
    void OnSatelliteClick();
    void OnTransponderClick();

    // --- Transfers -----------------------------------------------------------
    void EnableTransferControls(bool enable);
    void SetStatusText(const QString& text);
    QString StatusText() const;
    bool TransferRunning() const;
    bool PortOpen() const;
    // What closing the main window does to a running transfer: stop it and
    // wait for its worker.
    void AbortTransfer();
    void OnTransferConnect();
    void OnUpload();
    void OnDownload();
    void OnStop();
    void OnSystemInfo();
    CTransferLink& Link() { return m_link; }
    CSystemCode& SystemCode() { return m_systemCode; }
    CGradientProgressCtrl* Progress() const;
    CChannelCommands* ChannelCommands() const { return m_pChannelCommands; }

    // --- Form state ----------------------------------------------------------
    CListState& State() { return m_state; }
    const CListState& State() const { return m_state; }
    bool m_bInitDone = false;
    int m_nComIndex = 0;  // the COM box's row: 0 COM1, 1 COM2, then the ports found

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ITransferView: called from a worker thread; each is queued to the form.
    void SetProgress(int position) override;
    void SetStatusText(const std::string& text) override;
    void PostUploadDone() override;
    void PostDownloadDone() override;
    void PostCodeRefused() override;
    // IPortMessages
    void ShowPortMessage(const std::string& text) override;

    void SetUpOnce();
    QStringList SatelliteRows() const;
    QStringList TransponderRows() const;
    // The lists follow the document: refilled for a change, and brought back
    // to what they showed on the other side of an undo step.
    void OnDocumentChanged(ListChanges lists, const std::any* context);
    std::any CaptureContext() const;
    void RestoreContext(const ListContext& context);
    enum ListSlot { kSatelliteSlot = 0, kTransponderSlot = 1, kTvSlot = 2, kRadioSlot = 3 };
    // The four lists in ListSlot order.
    std::array<QAbstractItemView*, 4> Lists() const;
    // The ListSlot of a list, -1 for anything else.
    int SlotOf(const QObject* list) const;
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
    void OnTimer();
    void OnComCloseUp();
    void OnCodeChanged(const QString& text);
    // A worker that could not start: controls back, and the reason.
    void OnStartRefused();
    // Opens the port and shows `connectedText`, or why it did not open.
    void OpenChosenPort(const PortChoice::Entry& entry, const QString& connectedText);
    void OnUploadDone();
    void OnDownloadDone();
    void OnCodeRefused();

    CVolmarenDoc& m_doc;
    CMainFrame* m_pFrame;
    Ui::CVolmarenView* m_ui;
    TextListModel* m_pSatelliteModel;
    TextListModel* m_pTransponderModel;
    std::array<ChannelListModel*, 2> m_pChannelModels{};
    CChannelCommands* m_pChannelCommands;
    // Where the last left or right click in each list happened.
    std::array<QPoint, 4> m_lastClick{};
    bool m_bSkipNextRelease = false;
    CListState m_state;
    CSystemCode m_systemCode;
    CTransferLink m_link;
};
