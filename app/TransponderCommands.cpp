#include "TransponderCommands.h"

#include "CTransponderAddDlg.h"
#include "CTransponderEditDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "CellText.h"
#include "CoreText.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QAbstractButton>
#include <QCursor>
#include <QListView>
#include <QTreeView>

#include <algorithm>

namespace {

const char* const kChooseTransponder =
    QT_TRANSLATE_NOOP("CTransponderCommands", "Please choose the Transponder");

}  // namespace

CTransponderCommands::CTransponderCommands(CVolmarenView& view)
    : QObject(&view), m_view(view), m_state(view.State())
{
    connect(view.Button(1074), &QAbstractButton::clicked, this, &CTransponderCommands::OnAdd);
    connect(view.Button(1075), &QAbstractButton::clicked, this, &CTransponderCommands::OnEdit);
    connect(view.Button(1076), &QAbstractButton::clicked, this, [this] {
        if (!m_view.Document().NoData() && CheckOneOrMoreSelected())
            OnDelete();
    });
    connect(&view, &CVolmarenView::TransponderDoubleClicked, this, &CTransponderCommands::OnEdit);
    connect(&view, &CVolmarenView::TransponderRightClicked, this, &CTransponderCommands::OnMenu);
}

bool CTransponderCommands::CheckOneOrMoreSelected()
{
    if (CVolmarenView::SelectedRowCount(m_view.TransponderList()) > 0)
        return true;
    Prompts::Message(&m_view, tr(kChooseTransponder));
    return false;
}

void CTransponderCommands::OnMenu()
{
    if (m_view.Document().NoData())
        return;
    m_view.OnTransponderClick();
    m_state.NoteTransponderSelection(CVolmarenView::FirstSelectedRow(m_view.TransponderList()));
    const QStringList items{tr("Add Transponder"), tr("Delete Transponder")};
    const int chosen = Prompts::Current().PopupMenu(&m_view, items, QCursor::pos());
    if (chosen == 0)
        OnAdd();
    else if (chosen == 1)
        OnDelete();
}

void CTransponderCommands::OnAdd()
{
    if (m_view.Document().NoData())
        return;
    if (m_state.SatelliteRow() <= 0) {
        Prompts::Message(&m_view, tr("Please choose the Satellite"));
        return;
    }
    const CChannelDatabase& db = m_view.Database();
    if (CVolmarenView::SelectedRowCount(m_view.SatelliteList()) >= 2) {
        Prompts::Message(&m_view, tr("Please choose only one Satellite"));
        return;
    }
    if (const char* refusal = Rules::TransponderAddRefusal(db)) {
        Prompts::Message(&m_view, CoreText(refusal));
        return;
    }
    const int sat = m_state.SatelliteRow() - 1;
    SatelliteRecord satellite;
    db.GetSatellite(satellite, sat);
    TransponderRecord record = Rules::NewTransponderFor(sat);
    CTransponderAddDlg dialog(record, QString::fromLatin1(Cells::SatelliteText(satellite).c_str()), &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view.Document().Apply(tr("Add Transponder"), ListChange::Transponders,
                            [&](CChannelDatabase& database) { database.AddTransponder(sat, record); });

    QListView* list = m_view.TransponderList();
    m_state.NoteTransponderSelection(-1);
    CVolmarenView::FocusList(list);
    const int row = db.GetTransponderCountOf(sat);
    CVolmarenView::SelectRow(list, row);
    m_state.MarkTransponderRow(row);
    m_view.ScrollListBy(list, row * 16);
}

void CTransponderCommands::OnEdit()
{
    if (m_view.Document().NoData())
        return;
    QListView* list = m_view.TransponderList();
    const int selected = CVolmarenView::SelectedRowCount(list);
    if (m_state.TransponderRow() == 0)
        return;
    if (selected == 0) {
        Prompts::Message(&m_view, tr(kChooseTransponder));
        return;
    }
    if (selected >= 2) {
        Prompts::Message(&m_view, tr("Please choose only one Transponder"));
        return;
    }
    if (m_state.TransponderRow() == -1)
        return;
    const CChannelDatabase& db = m_view.Database();
    const int tp = m_state.ChosenTransponder();
    if (tp < 0)
        return;
    TransponderRecord record;
    db.GetTransponder(record, tp);
    CTransponderEditDlg dialog(record, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view.Document().Apply(tr("Edit Transponder"), ListChange::Transponders,
                            [&](CChannelDatabase& database) { database.SetTransponder(record, tp); });
    CVolmarenView::FocusList(list);
    CVolmarenView::SelectRow(list, m_state.TransponderRow());
}

void CTransponderCommands::OnDelete()
{
    if (m_view.Document().NoData())
        return;
    QListView* list = m_view.TransponderList();
    if (CVolmarenView::SelectedRowCount(list) == 0 || m_state.FirstTransponderSelection() == -1) {
        Prompts::Message(&m_view, tr(kChooseTransponder));
        return;
    }
    if (!Prompts::Confirm(&m_view, tr("Do you want to delete the current Transponder(s)?")))
        return;
    std::vector<int> transponders;
    for (int row : CVolmarenView::SelectedRowsFrom(list, m_state.FirstTransponderSelection())) {
        if (row >= 1)
            transponders.push_back(m_state.Views().GetTransponderViewEntry(row - 1));
    }
    if (transponders.empty())
        return;
    std::sort(transponders.begin(), transponders.end());
    m_view.Document().Apply(tr("Delete Transponder"), ListChange::Transponders,
                            [&](CChannelDatabase& database) { database.DeleteTransponders(transponders); });

    // A satellite row that is not a satellite (a click beside the rows)
    // shows every transponder rather than none. The row clicked before the
    // deletion may now name another transponder or none: no channel command
    // may use it until the next click, and both channel lists stay empty.
    m_state.LoseTransponder();
    m_view.FillChannelList(kTv);
    m_view.FillChannelList(kRadio);
}
