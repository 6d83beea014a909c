#include "SatelliteCommands.h"

#include "CSatelliteAddDlg.h"
#include "CSatelliteEditDlg.h"
#include "CVolmarenDoc.h"
#include "CoreText.h"
#include "FormLists.h"
#include "ListState.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QCursor>

namespace {

const char* const kNoSatellite =
    QT_TRANSLATE_NOOP("CSatelliteCommands", "No Satellite has been selected, or Satellite does not exist");
const char* const kOnlyOneSatellite =
    QT_TRANSLATE_NOOP("CSatelliteCommands", "Please choose only one Satellite");
const char* const kChooseSatellite = QT_TRANSLATE_NOOP("CSatelliteCommands", "Please choose the Satellite");
const char* const kAddSatellite = QT_TRANSLATE_NOOP("CSatelliteCommands", "Add Satellite");
const char* const kDeleteSatellite = QT_TRANSLATE_NOOP("CSatelliteCommands", "Delete Satellite");

}  // namespace

CSatelliteCommands::CSatelliteCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form,
                                       QObject* parent)
    : QObject(parent), m_doc(doc), m_state(state), m_form(form)
{
}

void CSatelliteCommands::OnMenu()
{
    if (m_doc.NoData())
        return;
    m_form.ClickSatellite();
    m_state.NoteSatelliteSelection(m_form.FirstSelectedRow(FormList::Satellites));
    const QStringList items{tr(kAddSatellite), tr(kDeleteSatellite)};
    const int chosen = Prompts::Current().PopupMenu(m_form.Window(), items, QCursor::pos());
    if (chosen == 0)
        OnAdd(true);
    else if (chosen == 1)
        OnDelete();
}

void CSatelliteCommands::OnAdd(bool fromMenu)
{
    if (m_doc.NoData())
        return;
    const CChannelDatabase& db = m_doc.Database();
    if (const char* refusal = Rules::SatelliteAddRefusal(db)) {
        Prompts::Message(m_form.Window(), CoreText(refusal));
        return;
    }
    const int n = db.GetSatelliteCount();
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, n, m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.Apply(tr(kAddSatellite), ListChange::Satellites,
                [&record](CChannelDatabase& database) { database.AddSatellite(record); });

    m_form.FocusList(FormList::Satellites);
    m_form.SelectRow(FormList::Satellites, n + 1);
    m_form.ScrollBy(FormList::Satellites, (n + 1) * 16);
    m_state.MarkSatelliteRow(n + 1);
    m_state.NoteSatelliteSelection(fromMenu ? -1 : m_form.FirstSelectedRow(FormList::Satellites));
}

void CSatelliteCommands::OnEdit()
{
    if (m_doc.NoData())
        return;
    const int selected = m_form.SelectedRowCount(FormList::Satellites);
    if (m_state.SatelliteRow() == 0)
        return;
    if (selected == 0) {
        Prompts::Message(m_form.Window(), tr(kNoSatellite));
        return;
    }
    if (selected >= 2) {
        Prompts::Message(m_form.Window(), tr(kOnlyOneSatellite));
        return;
    }
    if (m_state.SatelliteRow() == -1)
        return;
    const CChannelDatabase& db = m_doc.Database();
    const int index = m_state.SatelliteRow() - 1;
    SatelliteRecord record;
    db.GetSatellite(record, index);
    CSatelliteEditDlg dialog(record, m_form.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.Apply(tr("Edit Satellite"), ListChange::Satellites,
                [&](CChannelDatabase& database) { database.SetSatellite(record, index); });
    m_form.FocusList(FormList::Satellites);
    m_form.SelectRow(FormList::Satellites, m_state.SatelliteRow());
}

void CSatelliteCommands::OnDelete()
{
    if (m_doc.NoData())
        return;
    if (m_form.SelectedRowCount(FormList::Satellites) == 0) {
        Prompts::Message(m_form.Window(), tr(kNoSatellite));
        return;
    }
    if (!Prompts::Confirm(m_form.Window(), tr("Do you want to delete the current Satellite(s)?")))
        return;
    std::vector<int> satellites;
    if (m_state.FirstSatelliteSelection() != -1) {
        for (int row : m_form.SelectedRowsFrom(FormList::Satellites, m_state.FirstSatelliteSelection())) {
            if (row >= 1)
                satellites.push_back(row - 1);
        }
    }
    if (satellites.empty()) {
        Prompts::Message(m_form.Window(), tr(kChooseSatellite));
        return;
    }
    m_doc.Apply(tr(kDeleteSatellite), ListChange::Everything,
                [&](CChannelDatabase& database) { database.DeleteSatellites(satellites); });
    m_form.FocusList(FormList::Satellites);
    m_form.SelectRow(FormList::Satellites, 0);
    m_state.ForgetChannelRows();
    m_state.NoteChannelSelection(-1);
}
