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
    return m_state.HasCut();
}

void CChannelCommands::OnMenu(ChannelKind kind)
{
    if (Document().NoData())
        return;
    QTreeView* list = m_view.ChannelList(kind);
    m_state.ChooseChannel(kind, m_view.HitTestAtCursor(list), CVolmarenView::FirstSelectedRow(list));
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
    const ChannelKind kind = m_state.Tab();
    // After transponders were deleted the filter still names one transponder
    // row, which may no longer be the one clicked; a channel is added only to
    // a transponder chosen since.
    const int tpEntry = m_state.ChosenTransponder();
    if (m_state.Filter() != ChannelFilter::Transponder || tpEntry < 0) {
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
    OnEdit(m_state.Tab());
}

void CChannelCommands::OnEdit(ChannelKind kind)
{
    if (Document().NoData())
        return;
    QTreeView* list = m_view.ChannelList(kind);
    const int row = m_state.ChannelRow(kind);
    const bool isRow = row >= 0 && row < list->model()->rowCount();
    if (row == -1 && CVolmarenView::SelectedRowCount(list) > 0) {
        // Rows selected without a click in this list name no channel yet.
        Prompts::Message(&m_view, tr(kChooseChannel));
        return;
    }
    if (isRow) {
        const CChannelDatabase& db = m_view.Database();
        const int slot = m_state.SlotOfRow(row, kind);
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
    if (m_state.FirstChannelSelection() == -1) {
        Prompts::Message(&m_view, tr("There is not Selected Channel."));
        return;
    }
    if (!Prompts::Confirm(&m_view, tr("Do you want to delete channel(s)?")))
        return;
    const ChannelKind kind = m_state.Tab();
    std::vector<int> slots;
    for (int row : CVolmarenView::SelectedRowsFrom(ListInFront(), m_state.FirstChannelSelection()))
        slots.push_back(m_state.SlotOfRow(row, kind));
    Document().Apply(tr("Delete Channel"), ChannelListChange(kind),
                     [&](CChannelDatabase& database) { database.DeleteChannels(slots, kind); });
    m_state.NoteChannelSelection(-1);
}

bool CChannelCommands::MayMove()
{
    if (Document().NoData())
        return false;
    if (m_state.FirstChannelSelection() == -1 || CVolmarenView::SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(&m_view, tr(kChooseChannel));
        return false;
    }
    return true;
}

std::vector<int> CChannelCommands::RowsToMove()
{
    std::vector<int> rows = CVolmarenView::SelectedRowsFrom(ListInFront(), m_state.FirstChannelSelection());
    if (rows.empty())
        Prompts::Message(&m_view, tr(kChooseChannel));
    return rows;
}

void CChannelCommands::Move(std::vector<int>& rows, int by)
{
    const ChannelKind kind = m_state.Tab();
    const int n = int(rows.size());
    const int length = m_state.Views().GetChannelViewLength(kind);
    const bool moved = Document().Apply(
        by < 0 ? tr("Channel Up") : tr("Channel Down"), ChannelListChange(kind), [&](CChannelDatabase& db) {
            // Rows already at the end they move towards stay, and so do the
            // rows packed against them.
            for (int k = 0; k < n; ++k) {
                int& row = rows[std::size_t(by < 0 ? k : n - 1 - k)];
                if (row == (by < 0 ? k : length - 1 - k))
                    continue;
                db.SwapChannels(m_state.SlotOfRow(row, kind), m_state.SlotOfRow(row + by, kind), kind);
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
    m_state.NoteChannelSelection(CVolmarenView::FirstSelectedRow(list));
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
    m_state.Cut(CVolmarenView::SelectedRowsFrom(ListInFront(), m_state.FirstChannelSelection()));
}

void CChannelCommands::OnPaste()
{
    if (!m_state.CanPaste())
        return;
    const std::vector<int> slots = m_state.CutSlots();
    MoveBlock(tr("Paste Channels"), slots, m_state.PastePosition(), true);
    m_state.FinishPaste();
}

void CChannelCommands::OnDrop(ChannelKind kind, const QList<int>& rows, int before)
{
    if (Document().NoData() || rows.isEmpty() || kind != m_state.Tab())
        return;
    std::vector<int> slots;
    for (int row : rows)
        slots.push_back(m_state.SlotOfRow(row, kind));
    const bool afterLast = before >= m_state.Views().GetChannelViewLength(kind);
    MoveBlock(tr("Move Channels"), slots, afterLast ? -1 : m_state.SlotOfRow(before, kind), false);
    m_state.NoteChannelSelection(CVolmarenView::FirstSelectedRow(ListInFront()));
}

void CChannelCommands::MoveBlock(const QString& label, const std::vector<int>& slots, int position,
                                 bool toTop)
{
    const ChannelKind kind = m_state.Tab();
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
    const int rows = m_state.Views().GetChannelViewLength(kind);
    for (int r = 0; r < rows; ++r) {
        const int slot = m_state.Views().GetChannelViewEntry(r, kind);
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
    const ChannelKind kind = m_state.Tab();
    const std::vector<int> shown = m_state.Views().GetChannelViewSlots(kind);
    if (shown.size() < 2)
        return;
    CSortChannelsDlg dialog(int(shown.size()), &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Document().Apply(tr("Sort Channels"), ChannelListChange(kind), [&](CChannelDatabase& db) {
        db.SortChannels(shown, dialog.Key(), dialog.Descending(), kind);
    });
    m_state.NoteChannelSelection(-1);
}

void CChannelCommands::OnEditSelected()
{
    if (Document().NoData())
        return;
    const ChannelKind kind = m_state.Tab();
    QTreeView* list = ListInFront();
    const std::vector<int> rows = CVolmarenView::SelectedRowsFrom(list, 0);
    if (rows.empty()) {
        Prompts::Message(&m_view, tr(kChooseChannel));
        return;
    }
    std::vector<int> slots;
    for (int row : rows)
        slots.push_back(m_state.SlotOfRow(row, kind));
    CChannelFlagsDlg dialog(m_view.Database(), slots, kind, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ChannelFlagChanges changes = dialog.Changes();
    Document().Apply(tr("Edit Channels"), ChannelListChange(kind),
                     [&](CChannelDatabase& db) { db.SetChannelFlags(slots, changes, kind); });
    for (int row : rows)
        CVolmarenView::SelectRow(list, row);
}
