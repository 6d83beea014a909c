#include "TransponderCommands.h"

#include "CTransponderAddDlg.h"
#include "CTransponderEditDlg.h"
#include "CVolmarenDoc.h"
#include "CellText.h"
#include "CoreText.h"
#include "FormLists.h"
#include "ListState.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QCursor>

#include <algorithm>

namespace {

const char* const kChooseTransponder =
    QT_TRANSLATE_NOOP("CTransponderCommands", "Please choose the Transponder");

}  // namespace

CTransponderCommands::CTransponderCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form,
                                           QObject* parent)
    : QObject(parent), m_doc(doc), m_state(state), m_form(form)
{
}

void CTransponderCommands::OnDeleteButton()
{
    if (!m_doc.NoData() && CheckOneOrMoreSelected())
        OnDelete();
}

bool CTransponderCommands::CheckOneOrMoreSelected()
{
    if (m_form.SelectedRowCount(FormList::Transponders) > 0)
        return true;
    Prompts::Message(m_form.Window(), tr(kChooseTransponder));
    return false;
}

void CTransponderCommands::OnMenu()
{
    if (m_doc.NoData())
        return;
    m_form.ClickTransponder();
    m_state.NoteTransponderSelection(m_form.FirstSelectedRow(FormList::Transponders));
    const QStringList items{tr("Add Transponder"), tr("Delete Transponder")};
    const int chosen = Prompts::Current().PopupMenu(m_form.Window(), items, QCursor::pos());
    if (chosen == 0)
        OnAdd();
    else if (chosen == 1)
        OnDelete();
}

void CTransponderCommands::OnAdd()
{
    if (m_doc.NoData())
        return;
    if (m_state.SatelliteRow() <= 0) {
        Prompts::Message(m_form.Window(), tr("Please choose the Satellite"));
        return;
    }
    const CChannelDatabase& db = m_doc.Database();
    if (m_form.SelectedRowCount(FormList::Satellites) >= 2) {
        Prompts::Message(m_form.Window(), tr("Please choose only one Satellite"));
        return;
    }
    if (const char* refusal = Rules::TransponderAddRefusal(db)) {
        Prompts::Message(m_form.Window(), CoreText(refusal));
        return;
    }
    const int sat = m_state.SatelliteRow() - 1;
    SatelliteRecord satellite;
    db.GetSatellite(satellite, sat);
    TransponderRecord record = Rules::NewTransponderFor(sat);
    CTransponderAddDlg dialog(record, QString::fromLatin1(Cells::SatelliteText(satellite).c_str()),
                              m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.Apply(tr("Add Transponder"), ListChange::Transponders,
                [&](CChannelDatabase& database) { database.AddTransponder(sat, record); });

    m_state.NoteTransponderSelection(-1);
    m_form.FocusList(FormList::Transponders);
    const int row = db.GetTransponderCountOf(sat);
    m_form.SelectRow(FormList::Transponders, row);
    m_state.MarkTransponderRow(row);
    m_form.ScrollBy(FormList::Transponders, row * 16);
}

void CTransponderCommands::OnEdit()
{
    if (m_doc.NoData())
        return;
    const int selected = m_form.SelectedRowCount(FormList::Transponders);
    if (m_state.TransponderRow() == 0)
        return;
    if (selected == 0) {
        Prompts::Message(m_form.Window(), tr(kChooseTransponder));
        return;
    }
    if (selected >= 2) {
        Prompts::Message(m_form.Window(), tr("Please choose only one Transponder"));
        return;
    }
    if (m_state.TransponderRow() == -1)
        return;
    const CChannelDatabase& db = m_doc.Database();
    const int tp = m_state.ChosenTransponder();
    if (tp < 0)
        return;
    TransponderRecord record;
    db.GetTransponder(record, tp);
    CTransponderEditDlg dialog(record, m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.Apply(tr("Edit Transponder"), ListChange::Transponders,
                [&](CChannelDatabase& database) { database.SetTransponder(record, tp); });
    m_form.FocusList(FormList::Transponders);
    m_form.SelectRow(FormList::Transponders, m_state.TransponderRow());
}

void CTransponderCommands::OnDelete()
{
    if (m_doc.NoData())
        return;
    if (m_form.SelectedRowCount(FormList::Transponders) == 0 || m_state.FirstTransponderSelection() == -1) {
        Prompts::Message(m_form.Window(), tr(kChooseTransponder));
        return;
    }
    if (!Prompts::Confirm(m_form.Window(), tr("Do you want to delete the current Transponder(s)?")))
        return;
    std::vector<int> transponders;
    for (int row : m_form.SelectedRowsFrom(FormList::Transponders, m_state.FirstTransponderSelection())) {
        if (row >= 1)
            transponders.push_back(m_state.Views().GetTransponderViewEntry(row - 1));
    }
    if (transponders.empty())
        return;
    std::sort(transponders.begin(), transponders.end());
    m_doc.Apply(tr("Delete Transponder"), ListChange::Transponders,
                [&](CChannelDatabase& database) { database.DeleteTransponders(transponders); });

    // A satellite row that is not a satellite (a click beside the rows)
    // shows every transponder rather than none. The row clicked before the
    // deletion may now name another transponder or none: no channel command
    // may use it until the next click, and both channel lists stay empty.
    m_state.LoseTransponder();
    m_form.RefillChannelLists();
}
