#include "ChannelCommands.h"

#include "CChannelAddDlg.h"
#include "CChannelEditDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QAbstractButton>
#include <QCursor>
#include <QTreeView>

#include <algorithm>
#include <cstring>

namespace {

const QString kChooseChannel = QStringLiteral("Please choose the channel");

bool SameSlot(const ChannelRecord& a, const BouquetEntry& ab, const ChannelRecord& b, const BouquetEntry& bb)
{
    return std::memcmp(&a, &b, sizeof a) == 0 && std::memcmp(&ab, &bb, sizeof ab) == 0;
}

}  // namespace

CChannelCommands::CChannelCommands(CVolmarenView& view) : QObject(&view), m_view(view)
{
    connect(view.Button(1070), &QAbstractButton::clicked, this, &CChannelCommands::OnAdd);
    connect(view.Button(1069), &QAbstractButton::clicked, this, &CChannelCommands::OnEditButton);
    connect(view.Button(1003), &QAbstractButton::clicked, this, &CChannelCommands::OnDeleteButton);
    connect(view.Button(1098), &QAbstractButton::clicked, this, &CChannelCommands::OnMoveUp);
    connect(view.Button(1099), &QAbstractButton::clicked, this, &CChannelCommands::OnMoveDown);
    connect(&view, &CVolmarenView::ChannelDoubleClicked, this, &CChannelCommands::OnEdit);
    connect(&view, &CVolmarenView::ChannelRightClicked, this, &CChannelCommands::OnMenu);
}

QTreeView* CChannelCommands::ListInFront() const
{
    return m_view.ChannelListInFront();
}

void CChannelCommands::OnMenu(int kind)
{
    m_view.m_nTab = kind;
    if (m_view.Document().NoData())
        return;
    QTreeView* list = m_view.ChannelList(kind);
    m_view.m_nChRow[std::size_t(kind)] = m_view.HitTestAtCursor(list);
    m_view.m_nChFirstSel = 1 + CVolmarenView::FirstSelectedRow(list);
    const QString name = kind == kTv ? QStringLiteral("TV-Channel") : QStringLiteral("Radio-Channel");
    const QStringList items{QStringLiteral("Add ") + name, QStringLiteral("Delete ") + name, QString(),
                            QStringLiteral("Cut"), QStringLiteral("Paste")};
    switch (Prompts::Current().PopupMenu(&m_view, items, QCursor::pos())) {
    case 0: OnAdd(); break;
    case 1: OnDelete(); break;
    case 3: OnCut(); break;
    case 4: OnPaste(); break;
    default: break;
    }
}

void CChannelCommands::OnAdd()
{
    if (m_view.Document().NoData())
        return;
    CChannelDatabase& db = m_view.Database();
    const int kind = m_view.m_nTab;
    // After transponders were deleted the filter still names one transponder
    // row, which may no longer be the one clicked; a channel is added only to
    // a transponder chosen since.
    const int tpEntry = m_view.m_nTpRow >= 1 ? db.GetTransponderViewEntry(m_view.m_nTpRow - 1) : -1;
    if (m_view.m_nFilter != 2 || tpEntry < 0) {
        Prompts::Message(&m_view,
                         QStringLiteral("Please choose the Satellite and Transponder for channel ADD"));
        return;
    }
    if (const char* refusal = Rules::ChannelAddRefusal(db, kind)) {
        Prompts::Message(&m_view, QString::fromLatin1(refusal));
        return;
    }
    const auto tp = std::uint16_t(tpEntry);
    ChannelRecord record{};
    BouquetEntry bouquet{};
    CChannelAddDlg dialog(record, bouquet, kind, tp, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    db.AddChannel(record, bouquet.text, kind);
    db.ShowChannelsOfTransponder(tp, kind);
    m_view.ClearList(ListInFront());
    m_view.FillChannelList(kind);
    m_view.Document().SetSaved(false);
}

void CChannelCommands::OnEditButton()
{
    if (m_view.Document().NoData())
        return;
    const int selected = CVolmarenView::SelectedRowCount(ListInFront());
    if (selected == 0) {
        Prompts::Message(&m_view, kChooseChannel);
        return;
    }
    if (selected >= 2) {
        Prompts::Message(&m_view, QStringLiteral("Please choose only one Channel"));
        return;
    }
    OnEdit(m_view.m_nTab);
}

void CChannelCommands::OnEdit(int kind)
{
    if (m_view.Document().NoData())
        return;
    m_view.m_nTab = kind;
    CChannelDatabase& db = m_view.Database();
    QTreeView* list = m_view.ChannelList(kind);
    const int row = m_view.m_nChRow[std::size_t(kind)];
    const bool isRow = row >= 0 && row < list->model()->rowCount();
    if (row == -1 && CVolmarenView::SelectedRowCount(list) > 0) {
        // Rows selected without a click in this list name no channel yet.
        Prompts::Message(&m_view, kChooseChannel);
        return;
    }
    if (isRow) {
        const int slot = m_view.SlotOfRow(row, kind);
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, slot, kind);
        db.GetBouquet(bouquet.text, slot, kind);
        CChannelEditDlg dialog(record, bouquet, kind, &m_view);
        if (dialog.exec() == QDialog::Accepted) {
            m_view.ClearList(list);
            db.SetChannel(record, slot, kind);
            db.SetBouquet(bouquet.text, slot, kind);
            m_view.Document().SetSaved(false);
        }
    }
    m_view.FillChannelList(kind);
    CVolmarenView::FocusList(list);
    if (isRow)
        CVolmarenView::SelectRow(list, row);
}

void CChannelCommands::OnDeleteButton()
{
    if (m_view.Document().NoData())
        return;
    if (CVolmarenView::SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(&m_view, kChooseChannel);
        return;
    }
    OnDelete();
}

void CChannelCommands::OnDelete()
{
    if (m_view.Document().NoData())
        return;
    if (m_view.m_nChFirstSel == 0) {
        Prompts::Message(&m_view, QStringLiteral("There is not Selected Channel."));
        return;
    }
    if (!Prompts::Confirm(&m_view, QStringLiteral("Do you want to delete channel(s)?")))
        return;
    const int kind = m_view.m_nTab;
    std::vector<int> slots;
    for (int row : CVolmarenView::SelectedRowsFrom(ListInFront(), m_view.m_nChFirstSel - 1))
        slots.push_back(m_view.SlotOfRow(row, kind));
    m_view.m_nChFirstSel = 0;
    m_view.Database().DeleteChannels(slots, kind);
    m_view.ShowChannelsForFilter(kind);
    m_view.FillChannelList(kind);
    m_view.Document().SetSaved(false);
}

bool CChannelCommands::MayMove()
{
    if (m_view.Document().NoData())
        return false;
    if (m_view.m_nChFirstSel == 0 || CVolmarenView::SelectedRowCount(ListInFront()) == 0) {
        Prompts::Message(&m_view, kChooseChannel);
        return false;
    }
    return true;
}

int CChannelCommands::CollectMoveRows()
{
    const std::vector<int> rows = CVolmarenView::SelectedRowsFrom(ListInFront(), m_view.m_nChFirstSel - 1);
    const int n = int(std::min(rows.size(), m_view.m_moveRows.size()));
    std::copy_n(rows.begin(), n, m_view.m_moveRows.begin());
    return n;
}

void CChannelCommands::ShowMovedRows(int n)
{
    const int kind = m_view.m_nTab;
    m_view.ShowChannelsForFilter(kind);
    m_view.FillChannelList(kind);
    QTreeView* list = ListInFront();
    CVolmarenView::FocusList(list);
    for (int j = 0; j < n; ++j)
        CVolmarenView::SelectRow(list, m_view.m_moveRows[std::size_t(j)]);
    m_view.m_nChFirstSel = 1 + CVolmarenView::FirstSelectedRow(list);
    CVolmarenView::ShowRowAtTop(list, m_view.m_moveRows[0]);
}

void CChannelCommands::OnMoveUp()
{
    if (!MayMove())
        return;
    const int kind = m_view.m_nTab;
    const int n = CollectMoveRows();
    if (n == 0) {
        Prompts::Message(&m_view, kChooseChannel);
        return;
    }
    for (int j = 0; j < n; ++j) {
        int& row = m_view.m_moveRows[std::size_t(j)];
        if (row == j)
            continue;
        m_view.Database().SwapChannels(m_view.SlotOfRow(row, kind), m_view.SlotOfRow(row - 1, kind), kind);
        row -= 1;
        m_view.Document().SetSaved(false);
    }
    ShowMovedRows(n);
}

void CChannelCommands::OnMoveDown()
{
    if (!MayMove())
        return;
    const int kind = m_view.m_nTab;
    const int length = m_view.Database().GetChannelViewLength(kind);
    const int n = CollectMoveRows();
    if (n == 0) {
        Prompts::Message(&m_view, kChooseChannel);
        return;
    }
    for (int k = 0; k < n; ++k) {
        int& row = m_view.m_moveRows[std::size_t(n - 1 - k)];
        if (row == length - 1 - k)
            continue;
        m_view.Database().SwapChannels(m_view.SlotOfRow(row, kind), m_view.SlotOfRow(row + 1, kind), kind);
        row += 1;
        m_view.Document().SetSaved(false);
    }
    ShowMovedRows(n);
}

void CChannelCommands::OnCut()
{
    m_pCutList.clear();
    m_cutRecords.clear();
    m_cutBouquets.clear();
    QTreeView* list = ListInFront();
    if (CVolmarenView::SelectedRowCount(list) == 0)
        return;
    const int kind = m_view.m_nTab;
    m_nCutFilter = m_view.m_nFilter;
    m_nCutTab = kind;
    m_nCutSatRow = m_view.m_nSatRow;
    m_nCutTpRow = m_view.m_nTpRow;
    const CChannelDatabase& db = m_view.Database();
    for (int row : CVolmarenView::SelectedRowsFrom(list, m_view.m_nChFirstSel - 1)) {
        const int slot = m_view.SlotOfRow(row, kind);
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, slot, kind);
        db.GetBouquet(bouquet.text, slot, kind);
        m_pCutList.push_back(slot);
        m_cutRecords.push_back(record);
        m_cutBouquets.push_back(bouquet);
    }
}

bool CChannelCommands::CutListIsCurrent() const
{
    // An add, delete, move or group change since the Cut can leave the slots
    // holding other channels or none; such a list is never pasted.
    const CChannelDatabase& db = m_view.Database();
    const int count = db.GetChannelCount(m_nCutTab);
    for (std::size_t k = 0; k < m_pCutList.size(); ++k) {
        if (m_pCutList[k] >= count)
            return false;
        ChannelRecord record;
        BouquetEntry bouquet{};
        db.GetChannel(record, m_pCutList[k], m_nCutTab);
        db.GetBouquet(bouquet.text, m_pCutList[k], m_nCutTab);
        if (!SameSlot(record, bouquet, m_cutRecords[k], m_cutBouquets[k]))
            return false;
    }
    return true;
}

void CChannelCommands::OnPaste()
{
    if (m_pCutList.empty() || m_view.m_nTab != m_nCutTab || m_view.m_nFilter != m_nCutFilter ||
        m_view.m_nSatRow != m_nCutSatRow || m_view.m_nTpRow != m_nCutTpRow || !CutListIsCurrent())
        return;
    const int kind = m_view.m_nTab;
    CChannelDatabase& db = m_view.Database();
    const int row = m_view.m_nChRow[std::size_t(kind)];
    const int position = row == -1 ? -1 : m_view.SlotOfRow(row, kind);
    // The block lands where the position was, less the cut slots above it.
    const int count = db.GetChannelCount(kind);
    const int n = int(m_pCutList.size());
    const int insertAt = position < 0 || position > count ? count : position;
    const int firstSlot = insertAt - int(std::count_if(m_pCutList.begin(), m_pCutList.end(),
                                                       [insertAt](int slot) { return slot < insertAt; }));
    db.MoveChannels(m_pCutList, position, kind);

    m_view.ShowChannelsForFilter(kind);
    m_view.FillChannelList(kind);
    QTreeView* list = ListInFront();
    CVolmarenView::FocusList(list);
    int firstRow = -1;
    const int rows = db.GetChannelViewLength(kind);
    for (int r = 0; r < rows; ++r) {
        const int slot = db.GetChannelViewEntry(r, kind);
        if (slot >= firstSlot && slot < firstSlot + n) {
            CVolmarenView::SelectRow(list, r);
            if (firstRow < 0)
                firstRow = r;
        }
    }
    if (firstRow >= 0)
        CVolmarenView::ShowRowAtTop(list, firstRow);

    m_view.m_nChRow[std::size_t(kind)] = -1;
    m_view.m_nChFirstSel = 0;
    m_pCutList.clear();
    m_cutRecords.clear();
    m_cutBouquets.clear();
    m_view.Document().SetSaved(false);
}
