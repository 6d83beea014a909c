#include "ChannelCommands.h"

#include "CChannelAddDlg.h"
#include "CChannelEditDlg.h"
#include "CChannelFlagsDlg.h"
#include "CSortChannelsDlg.h"
#include "CVolmarenDoc.h"
#include "CoreText.h"
#include "FormLists.h"
#include "ListState.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QCursor>

#include <algorithm>
#include <cstring>

namespace {

const char* const kChooseChannel = QT_TRANSLATE_NOOP("CChannelCommands", "Please choose the channel");

}  // namespace

CChannelCommands::CChannelCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form, QObject* parent)
    : QObject(parent), m_doc(doc), m_state(state), m_form(form)
{
}

FormList CChannelCommands::ListInFront() const
{
    return ChannelsOf(m_state.Tab());
}

bool CChannelCommands::HasCutList() const
{
    return m_state.HasCut();
}

void CChannelCommands::OnMenu(ChannelKind kind)
{
    if (m_doc.NoData())
        return;
    const FormList list = ChannelsOf(kind);
    m_state.ChooseChannel(kind, m_form.ClickedRow(list), m_form.FirstSelectedRow(list));
    const QStringList items{kind == kTv ? tr("Add TV-Channel") : tr("Add Radio-Channel"),
                            kind == kTv ? tr("Delete TV-Channel") : tr("Delete Radio-Channel"),
                            QString(),
                            tr("Cut"),
                            tr("Paste"),
                            QString(),
                            tr("Edit Selected Channels..."),
                            tr("Sort Channels...")};
    switch (Prompts::Current().PopupMenu(m_form.Window(), items, QCursor::pos())) {
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
    if (m_doc.NoData())
        return;
    const CChannelDatabase& db = m_doc.Database();
    const ChannelKind kind = m_state.Tab();
    // After transponders were deleted the filter still names one transponder
    // row, which may no longer be the one clicked; a channel is added only to
    // a transponder chosen since.
    const int tpEntry = m_state.ChosenTransponder();
    if (m_state.Filter() != ChannelFilter::Transponder || tpEntry < 0) {
        Prompts::Message(m_form.Window(), tr("Please choose the Satellite and Transponder for channel ADD"));
        return;
    }
    if (const char* refusal = Rules::ChannelAddRefusal(db, kind)) {
        Prompts::Message(m_form.Window(), CoreText(refusal));
        return;
    }
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kind, std::uint16_t(tpEntry), m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.Apply(tr("Add Channel"), ChannelListChange(kind),
                [&](CChannelDatabase& database) { database.AddChannel(record, bouquet.text, kind); });
}

void CChannelCommands::OnEditButton()
{
    if (m_doc.NoData())
        return;
    const int selected = m_form.SelectedRowCount(ListInFront());
    if (selected == 0) {
        Prompts::Message(m_form.Window(), tr(kChooseChannel));
        return;
    }
    if (selected >= 2) {
        Prompts::Message(m_form.Window(), tr("Please choose only one Channel"));
        return;
    }
    OnEdit(m_state.Tab());
}

void CChannelCommands::OnEdit(ChannelKind kind)
{
    if (m_doc.NoData())
        return;
    const FormList list = ChannelsOf(kind);
    const int row = m_state.ChannelRow(kind);
    const bool isRow = row >= 0 && row < m_form.RowCount(list);
    if (row == -1 && m_form.SelectedRowCount(list) > 0) {
        // Rows selected without a click in this list name no channel yet.
        Prompts::Message(m_form.Window(), tr(kChooseChannel));
        return;
    }
    if (isRow) {
        const CChannelDatabase& db = m_doc.Database();
        const int slot = m_state.SlotOfRow(row, kind);
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, slot, kind);
        db.GetBouquet(bouquet.text, slot, kind);
        CChannelEditDlg dialog(record, bouquet, kind, m_form.Window());
        if (dialog.exec() == QDialog::Accepted)
            m_doc.Apply(tr("Edit Channel"), ChannelListChange(kind), [&](CChannelDatabase& database) {
                database.SetChannel(record, slot, kind);
                database.SetBouquet(bouquet.text, slot, kind);
            });
    }
    m_form.FocusList(list);
    if (isRow)
        m_form.SelectRow(list, row);
}

void CChannelCommands::OnDeleteButton()
{
    if (m_doc.NoData())
        return;
    if (m_form.SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(m_form.Window(), tr(kChooseChannel));
        return;
    }
    OnDelete();
}

void CChannelCommands::OnDelete()
{
    if (m_doc.NoData())
        return;
    if (m_state.FirstChannelSelection() == -1) {
        Prompts::Message(m_form.Window(), tr("There is not Selected Channel."));
        return;
    }
    if (!Prompts::Confirm(m_form.Window(), tr("Do you want to delete channel(s)?")))
        return;
    const ChannelKind kind = m_state.Tab();
    std::vector<int> slots;
    for (int row : m_form.SelectedRowsFrom(ListInFront(), m_state.FirstChannelSelection()))
        slots.push_back(m_state.SlotOfRow(row, kind));
    m_doc.Apply(tr("Delete Channel"), ChannelListChange(kind),
                [&](CChannelDatabase& database) { database.DeleteChannels(slots, kind); });
    m_state.NoteChannelSelection(-1);
}

bool CChannelCommands::MayMove()
{
    if (m_doc.NoData())
        return false;
    if (m_state.FirstChannelSelection() == -1 || m_form.SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(m_form.Window(), tr(kChooseChannel));
        return false;
    }
    return true;
}

std::vector<int> CChannelCommands::RowsToMove()
{
    std::vector<int> rows = m_form.SelectedRowsFrom(ListInFront(), m_state.FirstChannelSelection());
    if (rows.empty())
        Prompts::Message(m_form.Window(), tr(kChooseChannel));
    return rows;
}

void CChannelCommands::Move(std::vector<int>& rows, int by)
{
    const ChannelKind kind = m_state.Tab();
    const int n = int(rows.size());
    const int length = m_state.Views().GetChannelViewLength(kind);
    const bool moved = m_doc.Apply(
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
        m_form.ClearSelection(ListInFront());
    ShowMovedRows(rows);
}

void CChannelCommands::ShowMovedRows(const std::vector<int>& rows)
{
    const FormList list = ListInFront();
    m_form.FocusList(list);
    for (int row : rows)
        m_form.SelectRow(list, row);
    m_state.NoteChannelSelection(m_form.FirstSelectedRow(list));
    m_form.ShowRowAtTop(list, rows.front());
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
    m_state.Cut(m_form.SelectedRowsFrom(ListInFront(), m_state.FirstChannelSelection()));
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
    if (m_doc.NoData() || rows.isEmpty() || kind != m_state.Tab())
        return;
    std::vector<int> slots;
    for (int row : rows)
        slots.push_back(m_state.SlotOfRow(row, kind));
    const bool afterLast = before >= m_state.Views().GetChannelViewLength(kind);
    MoveBlock(tr("Move Channels"), slots, afterLast ? -1 : m_state.SlotOfRow(before, kind), false);
    m_state.NoteChannelSelection(m_form.FirstSelectedRow(ListInFront()));
}

void CChannelCommands::MoveBlock(const QString& label, const std::vector<int>& slots, int position,
                                 bool toTop)
{
    const ChannelKind kind = m_state.Tab();
    const CChannelDatabase& db = m_doc.Database();
    // The block lands where the position was, less the moved slots above it.
    const int count = db.GetChannelCount(kind);
    const int n = int(slots.size());
    const int insertAt = position < 0 || position > count ? count : position;
    const int firstSlot = insertAt - int(std::count_if(slots.begin(), slots.end(),
                                                       [insertAt](int slot) { return slot < insertAt; }));
    m_doc.Apply(label, ChannelListChange(kind),
                [&](CChannelDatabase& database) { database.MoveChannels(slots, position, kind); });

    const FormList list = ListInFront();
    m_form.FocusList(list);
    m_form.ClearSelection(list);
    int firstRow = -1;
    const int rows = m_state.Views().GetChannelViewLength(kind);
    for (int r = 0; r < rows; ++r) {
        const int slot = m_state.Views().GetChannelViewEntry(r, kind);
        if (slot >= firstSlot && slot < firstSlot + n) {
            m_form.SelectRow(list, r);
            if (firstRow < 0)
                firstRow = r;
        }
    }
    if (firstRow < 0)
        return;
    if (toTop)
        m_form.ShowRowAtTop(list, firstRow);
    else
        m_form.ScrollToRow(list, firstRow);
}

void CChannelCommands::OnSort()
{
    if (m_doc.NoData())
        return;
    const ChannelKind kind = m_state.Tab();
    const std::vector<int> shown = m_state.Views().GetChannelViewSlots(kind);
    if (shown.size() < 2)
        return;
    CSortChannelsDlg dialog(int(shown.size()), m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.Apply(tr("Sort Channels"), ChannelListChange(kind), [&](CChannelDatabase& db) {
        db.SortChannels(shown, dialog.Key(), dialog.Descending(), kind);
    });
    m_state.NoteChannelSelection(-1);
}

void CChannelCommands::OnEditSelected()
{
    if (m_doc.NoData())
        return;
    const ChannelKind kind = m_state.Tab();
    const FormList list = ListInFront();
    const std::vector<int> rows = m_form.SelectedRowsFrom(list, 0);
    if (rows.empty()) {
        Prompts::Message(m_form.Window(), tr(kChooseChannel));
        return;
    }
    std::vector<int> slots;
    for (int row : rows)
        slots.push_back(m_state.SlotOfRow(row, kind));
    CChannelFlagsDlg dialog(m_doc.Database(), slots, kind, m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ChannelFlagChanges changes = dialog.Changes();
    m_doc.Apply(tr("Edit Channels"), ChannelListChange(kind),
                [&](CChannelDatabase& db) { db.SetChannelFlags(slots, changes, kind); });
    for (int row : rows)
        m_form.SelectRow(list, row);
}
