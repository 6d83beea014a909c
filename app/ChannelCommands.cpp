#include "ChannelCommands.h"

#include "CChannelAddDlg.h"
#include "CChannelEditDlg.h"
#include "CChannelFlagsDlg.h"
#include "CSortChannelsDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "CoreText.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QAbstractButton>
#include <QCursor>
#include <QTreeView>

#include <algorithm>
#include <cstring>

namespace {

const char* const kChooseChannel = QT_TRANSLATE_NOOP("CChannelCommands", "Please choose the channel");

bool SameSlot(const ChannelRecord& a, const BouquetEntry& ab, const ChannelRecord& b, const BouquetEntry& bb)
{
    return std::memcmp(&a, &b, sizeof a) == 0 && std::memcmp(&ab, &bb, sizeof ab) == 0;
}

}  // namespace

CChannelCommands::CChannelCommands(CVolmarenView& view) : QObject(&view), m_view(view), m_state(view.State())
{
    connect(view.Button(1070), &QAbstractButton::clicked, this, &CChannelCommands::OnAdd);
    connect(view.Button(1069), &QAbstractButton::clicked, this, &CChannelCommands::OnEditButton);
    connect(view.Button(1003), &QAbstractButton::clicked, this, &CChannelCommands::OnDeleteButton);
    connect(view.Button(1098), &QAbstractButton::clicked, this, &CChannelCommands::OnMoveUp);
    connect(view.Button(1099), &QAbstractButton::clicked, this, &CChannelCommands::OnMoveDown);
    connect(&view, &CVolmarenView::ChannelDoubleClicked, this, &CChannelCommands::OnEdit);
    connect(&view, &CVolmarenView::ChannelRightClicked, this, &CChannelCommands::OnMenu);
    connect(&view, &CVolmarenView::ChannelRowsDropped, this, &CChannelCommands::OnDrop);
}

CVolmarenDoc& CChannelCommands::Document() const
{
    return m_view.Document();
}

QTreeView* CChannelCommands::ListInFront() const
{
    return m_view.ChannelListInFront();
}

bool CChannelCommands::HasCutList() const
{
    return !m_state.m_cut.Empty();
}

void CChannelCommands::OnMenu(ChannelKind kind)
{
    m_state.m_nTab = kind;
    if (Document().NoData())
        return;
    QTreeView* list = m_view.ChannelList(kind);
    m_state.m_nChRow[KindIndex(kind)] = m_view.HitTestAtCursor(list);
    m_state.m_nChFirstSel = 1 + CVolmarenView::FirstSelectedRow(list);
    const QStringList items{kind == kTv ? tr("Add TV-Channel") : tr("Add Radio-Channel"),
                            kind == kTv ? tr("Delete TV-Channel") : tr("Delete Radio-Channel"),
                            QString(),
                            tr("Cut"),
                            tr("Paste"),
                            QString(),
                            tr("Edit Selected Channels..."),
                            tr("Sort Channels...")};
    switch (Prompts::Current().PopupMenu(&m_view, items, QCursor::pos())) {
    case 0: OnAdd(); break;
    case 1: OnDelete(); break;
    case 3: OnCut(); break;
    case 4: OnPaste(); break;
    case 6: OnEditSelected(); break;
    case 7: OnSort(); break;
    default: break;
    }
}

void CChannelCommands::OnAdd()
{
    if (Document().NoData())
        return;
    const CChannelDatabase& db = m_view.Database();
    const ChannelKind kind = m_state.m_nTab;
    // After transponders were deleted the filter still names one transponder
    // row, which may no longer be the one clicked; a channel is added only to
    // a transponder chosen since.
    const int tpEntry =
        m_state.m_nTpRow >= 1 ? m_view.Views().GetTransponderViewEntry(m_state.m_nTpRow - 1) : -1;
    if (m_state.m_nFilter != 2 || tpEntry < 0) {
        Prompts::Message(&m_view, tr("Please choose the Satellite and Transponder for channel ADD"));
        return;
    }
    if (const char* refusal = Rules::ChannelAddRefusal(db, kind)) {
        Prompts::Message(&m_view, CoreText(refusal));
        return;
    }
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kind, std::uint16_t(tpEntry), &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Document().Apply(tr("Add Channel"), ChannelListChange(kind),
                     [&](CChannelDatabase& database) { database.AddChannel(record, bouquet.text, kind); });
}

void CChannelCommands::OnEditButton()
{
    if (Document().NoData())
        return;
    const int selected = CVolmarenView::SelectedRowCount(ListInFront());
    if (selected == 0) {
        Prompts::Message(&m_view, tr(kChooseChannel));
        return;
    }
    if (selected >= 2) {
        Prompts::Message(&m_view, tr("Please choose only one Channel"));
        return;
    }
    OnEdit(m_state.m_nTab);
}

void CChannelCommands::OnEdit(ChannelKind kind)
{
    if (Document().NoData())
        return;
    m_state.m_nTab = kind;
    QTreeView* list = m_view.ChannelList(kind);
    const int row = m_state.m_nChRow[KindIndex(kind)];
    const bool isRow = row >= 0 && row < list->model()->rowCount();
    if (row == -1 && CVolmarenView::SelectedRowCount(list) > 0) {
        // Rows selected without a click in this list name no channel yet.
        Prompts::Message(&m_view, tr(kChooseChannel));
        return;
    }
    if (isRow) {
        const CChannelDatabase& db = m_view.Database();
        const int slot = m_view.SlotOfRow(row, kind);
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, slot, kind);
        db.GetBouquet(bouquet.text, slot, kind);
        CChannelEditDlg dialog(record, bouquet, kind, &m_view);
        if (dialog.exec() == QDialog::Accepted)
            Document().Apply(tr("Edit Channel"), ChannelListChange(kind), [&](CChannelDatabase& database) {
                database.SetChannel(record, slot, kind);
                database.SetBouquet(bouquet.text, slot, kind);
            });
    }
    CVolmarenView::FocusList(list);
    if (isRow)
        CVolmarenView::SelectRow(list, row);
}

void CChannelCommands::OnDeleteButton()
{
    if (Document().NoData())
        return;
    if (CVolmarenView::SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(&m_view, tr(kChooseChannel));
        return;
    }
    OnDelete();
}

void CChannelCommands::OnDelete()
{
    if (Document().NoData())
        return;
    if (m_state.m_nChFirstSel == 0) {
        Prompts::Message(&m_view, tr("There is not Selected Channel."));
        return;
    }
    if (!Prompts::Confirm(&m_view, tr("Do you want to delete channel(s)?")))
        return;
    const ChannelKind kind = m_state.m_nTab;
    std::vector<int> slots;
    for (int row : CVolmarenView::SelectedRowsFrom(ListInFront(), m_state.m_nChFirstSel - 1))
        slots.push_back(m_view.SlotOfRow(row, kind));
    Document().Apply(tr("Delete Channel"), ChannelListChange(kind),
                     [&](CChannelDatabase& database) { database.DeleteChannels(slots, kind); });
    m_state.m_nChFirstSel = 0;
}

bool CChannelCommands::MayMove()
{
    if (Document().NoData())
        return false;
    if (m_state.m_nChFirstSel == 0 || CVolmarenView::SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(&m_view, tr(kChooseChannel));
        return false;
    }
    return true;
}

std::vector<int> CChannelCommands::RowsToMove()
{
    std::vector<int> rows = CVolmarenView::SelectedRowsFrom(ListInFront(), m_state.m_nChFirstSel - 1);
    if (rows.empty())
        Prompts::Message(&m_view, tr(kChooseChannel));
    return rows;
}

void CChannelCommands::Move(std::vector<int>& rows, int by)
{
    const ChannelKind kind = m_state.m_nTab;
    const int n = int(rows.size());
    const int length = m_view.Views().GetChannelViewLength(kind);
    const bool moved = Document().Apply(
        by < 0 ? tr("Channel Up") : tr("Channel Down"), ChannelListChange(kind), [&](CChannelDatabase& db) {
            // Rows already at the end they move towards stay, and so do the
            // rows packed against them.
            for (int k = 0; k < n; ++k) {
                int& row = rows[std::size_t(by < 0 ? k : n - 1 - k)];
                if (row == (by < 0 ? k : length - 1 - k))
                    continue;
                db.SwapChannels(m_view.SlotOfRow(row, kind), m_view.SlotOfRow(row + by, kind), kind);
                row += by;
            }
        });
    if (!moved)
        ListInFront()->clearSelection();
    ShowMovedRows(rows);
}

void CChannelCommands::ShowMovedRows(const std::vector<int>& rows)
{
    QTreeView* list = ListInFront();
    CVolmarenView::FocusList(list);
    for (int row : rows)
        CVolmarenView::SelectRow(list, row);
    m_state.m_nChFirstSel = 1 + CVolmarenView::FirstSelectedRow(list);
    CVolmarenView::ShowRowAtTop(list, rows.front());
}

void CChannelCommands::OnMoveUp()
{
    if (!MayMove())
        return;
    std::vector<int> rows = RowsToMove();
    if (!rows.empty())
        Move(rows, -1);
}

void CChannelCommands::OnMoveDown()
{
    if (!MayMove())
        return;
    std::vector<int> rows = RowsToMove();
    if (!rows.empty())
        Move(rows, +1);
}

void CChannelCommands::OnCut()
{
    CutList& cut = m_state.m_cut;
    cut.Clear();
    QTreeView* list = ListInFront();
    if (CVolmarenView::SelectedRowCount(list) == 0)
        return;
    const ChannelKind kind = m_state.m_nTab;
    cut.filter = m_state.m_nFilter;
    cut.tab = kind;
    cut.satRow = m_state.m_nSatRow;
    cut.tpRow = m_state.m_nTpRow;
    cut.search = m_state.m_search;
    const CChannelDatabase& db = m_view.Database();
    for (int row : CVolmarenView::SelectedRowsFrom(list, m_state.m_nChFirstSel - 1)) {
        const int slot = m_view.SlotOfRow(row, kind);
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, slot, kind);
        db.GetBouquet(bouquet.text, slot, kind);
        cut.slots.push_back(slot);
        cut.records.push_back(record);
        cut.bouquets.push_back(bouquet);
    }
}

bool CChannelCommands::CutListIsCurrent() const
{
    // An add, delete, move, group change or undo since the Cut can leave the
    // slots holding other channels or none; such a list is never pasted.
    const CutList& cut = m_state.m_cut;
    const CChannelDatabase& db = m_view.Database();
    const int count = db.GetChannelCount(cut.tab);
    for (std::size_t k = 0; k < cut.slots.size(); ++k) {
        if (cut.slots[k] >= count)
            return false;
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, cut.slots[k], cut.tab);
        db.GetBouquet(bouquet.text, cut.slots[k], cut.tab);
        if (!SameSlot(record, bouquet, cut.records[k], cut.bouquets[k]))
            return false;
    }
    return true;
}

void CChannelCommands::OnPaste()
{
    const CutList& cut = m_state.m_cut;
    if (cut.Empty() || m_state.m_nTab != cut.tab || m_state.m_nFilter != cut.filter ||
        m_state.m_nSatRow != cut.satRow || m_state.m_nTpRow != cut.tpRow || m_state.m_search != cut.search ||
        !CutListIsCurrent())
        return;
    const ChannelKind kind = m_state.m_nTab;
    const int row = m_state.m_nChRow[KindIndex(kind)];
    const std::vector<int> slots = cut.slots;
    MoveBlock(tr("Paste Channels"), slots, row == -1 ? -1 : m_view.SlotOfRow(row, kind), true);
    m_state.m_cut.Clear();
    m_state.m_nChRow[KindIndex(kind)] = -1;
    m_state.m_nChFirstSel = 0;
}

void CChannelCommands::OnDrop(ChannelKind kind, const QList<int>& rows, int before)
{
    if (Document().NoData() || rows.isEmpty() || kind != m_state.m_nTab)
        return;
    std::vector<int> slots;
    for (int row : rows)
        slots.push_back(m_view.SlotOfRow(row, kind));
    const bool afterLast = before >= m_view.Views().GetChannelViewLength(kind);
    MoveBlock(tr("Move Channels"), slots, afterLast ? -1 : m_view.SlotOfRow(before, kind), false);
    m_state.m_nChFirstSel = 1 + CVolmarenView::FirstSelectedRow(ListInFront());
}

void CChannelCommands::MoveBlock(const QString& label, const std::vector<int>& slots, int position,
                                 bool toTop)
{
    const ChannelKind kind = m_state.m_nTab;
    const CChannelDatabase& db = m_view.Database();
    // The block lands where the position was, less the moved slots above it.
    const int count = db.GetChannelCount(kind);
    const int n = int(slots.size());
    const int insertAt = position < 0 || position > count ? count : position;
    const int firstSlot = insertAt - int(std::count_if(slots.begin(), slots.end(),
                                                       [insertAt](int slot) { return slot < insertAt; }));
    Document().Apply(label, ChannelListChange(kind),
                     [&](CChannelDatabase& database) { database.MoveChannels(slots, position, kind); });

    QTreeView* list = ListInFront();
    CVolmarenView::FocusList(list);
    list->clearSelection();
    int firstRow = -1;
    const int rows = m_view.Views().GetChannelViewLength(kind);
    for (int r = 0; r < rows; ++r) {
        const int slot = m_view.Views().GetChannelViewEntry(r, kind);
        if (slot >= firstSlot && slot < firstSlot + n) {
            CVolmarenView::SelectRow(list, r);
            if (firstRow < 0)
                firstRow = r;
        }
    }
    if (firstRow < 0)
        return;
    if (toTop)
        CVolmarenView::ShowRowAtTop(list, firstRow);
    else
        list->scrollTo(list->model()->index(firstRow, 0));
}

void CChannelCommands::OnSort()
{
    if (Document().NoData())
        return;
    const ChannelKind kind = m_state.m_nTab;
    const std::vector<int> shown = m_view.Views().GetChannelViewSlots(kind);
    if (shown.size() < 2)
        return;
    CSortChannelsDlg dialog(int(shown.size()), &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Document().Apply(tr("Sort Channels"), ChannelListChange(kind), [&](CChannelDatabase& db) {
        db.SortChannels(shown, dialog.Key(), dialog.Descending(), kind);
    });
    m_state.m_nChFirstSel = 0;
}

void CChannelCommands::OnEditSelected()
{
    if (Document().NoData())
        return;
    const ChannelKind kind = m_state.m_nTab;
    QTreeView* list = ListInFront();
    const std::vector<int> rows = CVolmarenView::SelectedRowsFrom(list, 0);
    if (rows.empty()) {
        Prompts::Message(&m_view, tr(kChooseChannel));
        return;
    }
    std::vector<int> slots;
    for (int row : rows)
        slots.push_back(m_view.SlotOfRow(row, kind));
    CChannelFlagsDlg dialog(m_view.Database(), slots, kind, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ChannelFlagChanges changes = dialog.Changes();
    Document().Apply(tr("Edit Channels"), ChannelListChange(kind),
                     [&](CChannelDatabase& db) { db.SetChannelFlags(slots, changes, kind); });
    for (int row : rows)
        CVolmarenView::SelectRow(list, row);
}
