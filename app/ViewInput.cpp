// The form's side of the mouse and the keyboard on its lists: clicks,
// double-clicks and right-clicks routed to the narrowing and the commands,
// and the keys that do the same without a mouse.
#include "CVolmarenView.h"

#include "CChannelListView.h"
#include "RowSelection.h"
#include "ui_CVolmarenView.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTimer>

namespace {

bool MovesCurrentRow(const QKeyEvent* key)
{
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

// Alt+Up and Alt+Down, with the arrows of the keypad too.
bool MovesChannel(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

bool OpensMenu(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

}  // namespace

CChannelListView* CVolmarenView::ChannelListView(ChannelKind kind) const
{
    return kind == kRadio ? m_ui->radioList : m_ui->tvList;
}

void CVolmarenView::WatchInput(QAbstractItemView* list)
{
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this);
    list->setContextMenuPolicy(Qt::NoContextMenu);
}

bool CVolmarenView::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_ui->searchEdit && type == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape empties the search: the lists show the narrowing again.
        m_ui->searchEdit->clear();
        return true;
    }
    if (type == QEvent::KeyPress) {
        const int slot = SlotOf(watched);
        if (slot >= 0)
            return OnListKey(slot, static_cast<QKeyEvent*>(event));
    }
    if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick ||
        type == QEvent::MouseButtonPress) {
        const auto lists = Lists();
        for (std::size_t slot = 0; slot < lists.size(); ++slot) {
            if (watched == lists[slot]->viewport())
                return OnMouse(int(slot), static_cast<QMouseEvent*>(event));
        }
    }
    return CColorFormView::eventFilter(watched, event);
}

bool CVolmarenView::OnMouse(int slot, QMouseEvent* mouse)
{
    const QEvent::Type type = mouse->type();
    const bool left = mouse->button() == Qt::LeftButton;
    const bool right = mouse->button() == Qt::RightButton;
    if (type == QEvent::MouseButtonPress) {
        // The release that ends a double-click may never come here: the
        // dialog the double-click opened can take it. A new press starts a
        // click of its own whatever came before.
        m_bSkipNextRelease = false;
        return false;
    }
    if (!(left || right))
        return false;
    // A release that ends a drag of rows is the drop, not a click.
    if (slot >= kTvSlot && ChannelListView(ChannelKind(slot - kTvSlot))->IsDragging())
        return false;

    m_lastClick[std::size_t(slot)] = mouse->position().toPoint();
    // The list updates its selection after this filter has seen the event;
    // the handlers run once it has.
    auto later = [this](auto handler) { QTimer::singleShot(0, this, handler); };
    if (type == QEvent::MouseButtonDblClick) {
        if (!left)
            return false;
        m_bSkipNextRelease = true;
        switch (slot) {
        case kSatelliteSlot: later([this] { Q_EMIT SatelliteDoubleClicked(); }); break;
        case kTransponderSlot: later([this] { Q_EMIT TransponderDoubleClicked(); }); break;
        case kTvSlot: later([this] { Q_EMIT ChannelDoubleClicked(kTv); }); break;
        case kRadioSlot: later([this] { Q_EMIT ChannelDoubleClicked(kRadio); }); break;
        }
        return false;
    }
    if (left && m_bSkipNextRelease) {
        m_bSkipNextRelease = false;
        return false;
    }
    if (right) {
        switch (slot) {
        case kSatelliteSlot: later([this] { Q_EMIT SatelliteRightClicked(); }); break;
        case kTransponderSlot: later([this] { Q_EMIT TransponderRightClicked(); }); break;
        case kTvSlot: later([this] { Q_EMIT ChannelRightClicked(kTv); }); break;
        case kRadioSlot: later([this] { Q_EMIT ChannelRightClicked(kRadio); }); break;
        }
        return false;
    }
    later([this, slot] { RouteClick(slot); });
    return false;
}

void CVolmarenView::RouteClick(int slot)
{
    switch (slot) {
    case kSatelliteSlot: OnSatelliteClick(); break;
    case kTransponderSlot: OnTransponderClick(); break;
    case kTvSlot: OnChannelClick(kTv); break;
    case kRadioSlot: OnChannelClick(kRadio); break;
    }
}

bool CVolmarenView::OnListKey(int slot, QKeyEvent* key)
{
    if (MovesCurrentRow(key)) {
        // The list moves its current row first; that row then counts as
        // clicked, so the keys choose and narrow as the mouse does.
        QTimer::singleShot(0, this, [this, slot] { ClickCurrentRow(slot); });
        return false;
    }
    if (slot >= kTvSlot && MovesChannel(key)) {
        // The Edit menu's keys, when they reach the list: the window's
        // shortcuts were not tried, as in a window that is not the active
        // one (an X server without a window manager sends the keys to the
        // window under the pointer). They still move the channel, not the
        // list's cursor.
        Q_EMIT ChannelMoveKey(key->key() == Qt::Key_Up);
        return true;
    }
    if (OpensMenu(key)) {
        QAbstractItemView* list = Lists()[std::size_t(slot)];
        m_lastClick[std::size_t(slot)] = list->visualRect(list->currentIndex()).center();
        switch (slot) {
        case kSatelliteSlot: Q_EMIT SatelliteRightClicked(); break;
        case kTransponderSlot: Q_EMIT TransponderRightClicked(); break;
        case kTvSlot: Q_EMIT ChannelRightClicked(kTv); break;
        case kRadioSlot: Q_EMIT ChannelRightClicked(kRadio); break;
        }
        return true;
    }
    return false;
}

void CVolmarenView::ClickCurrentRow(int slot)
{
    QAbstractItemView* list = Lists()[std::size_t(slot)];
    const QModelIndex current = list->currentIndex();
    if (!current.isValid())
        return;
    m_lastClick[std::size_t(slot)] = list->visualRect(current).center();
    RouteClick(slot);
}

void CVolmarenView::OnEditKey()
{
    switch (SlotOf(focusWidget())) {
    case kSatelliteSlot: Q_EMIT SatelliteDoubleClicked(); break;
    case kTransponderSlot: Q_EMIT TransponderDoubleClicked(); break;
    case kTvSlot:
    case kRadioSlot: m_ui->channelEdit->click(); break;
    default: break;
    }
}

void CVolmarenView::OnDeleteKey()
{
    switch (SlotOf(focusWidget())) {
    case kSatelliteSlot: m_ui->satelliteDel->click(); break;
    case kTransponderSlot: m_ui->transponderDel->click(); break;
    case kTvSlot:
    case kRadioSlot: m_ui->channelDelete->click(); break;
    default: break;
    }
}

// --- Narrowing clicks -----------------------------------------------------------

void CVolmarenView::OnSatelliteClick()
{
    const int row = HitTestAtCursor(SatelliteList());
    m_state.ChooseSatellite(row, ::FirstSelectedRow(SatelliteList()));
    if (row == -1)
        return;
    for (QAbstractItemView* list :
         std::initializer_list<QAbstractItemView*>{TransponderList(), ChannelList(kTv), ChannelList(kRadio)})
        ClearList(list);
    FillTransponderList();
    RefillChannelLists();
    ::FocusList(TransponderList());
    ::SelectRow(TransponderList(), 0);
    ::FocusList(SatelliteList());
    if (row == 0)
        ::SelectRow(SatelliteList(), 0);
}

void CVolmarenView::OnTransponderClick()
{
    QListView* list = TransponderList();
    const int row = HitTestAtCursor(list);
    const int firstSelected = ::FirstSelectedRow(list);
    // A row clicked without data, or deselected by the click, chooses no
    // transponder; the channel lists then stay empty until the next click.
    if (row != 0 && (m_doc.NoData() || row == -1 || ::SelectedRowCount(list) == 0)) {
        m_state.PointAtTransponder(row, firstSelected);
        if (!m_doc.NoData()) {
            ClearList(ChannelList(kTv));
            ClearList(ChannelList(kRadio));
        }
        return;
    }
    m_state.ChooseTransponder(row, firstSelected);
    RefillChannelLists();
}

void CVolmarenView::OnChannelClick(ChannelKind kind)
{
    m_state.ChooseChannel(kind, HitTestAtCursor(ChannelList(kind)), ::FirstSelectedRow(ChannelList(kind)));
}

void CVolmarenView::OnTabSwitch()
{
    m_state.SwitchTab();
    ChannelList(kTv)->setVisible(m_state.Tab() == kTv);
    ChannelList(kRadio)->setVisible(m_state.Tab() == kRadio);
    ShowSearchCount();
}
