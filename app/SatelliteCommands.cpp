#include "SatelliteCommands.h"

#include "CSatelliteAddDlg.h"
#include "CSatelliteEditDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "CoreText.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QAbstractButton>
#include <QCursor>
#include <QListView>

namespace {

const char* const kNoSatellite =
    QT_TRANSLATE_NOOP("CSatelliteCommands", "No Satellite has been selected, or Satellite does not exist");
const char* const kOnlyOneSatellite =
    QT_TRANSLATE_NOOP("CSatelliteCommands", "Please choose only one Satellite");
const char* const kChooseSatellite = QT_TRANSLATE_NOOP("CSatelliteCommands", "Please choose the Satellite");
const char* const kAddSatellite = QT_TRANSLATE_NOOP("CSatelliteCommands", "Add Satellite");
const char* const kDeleteSatellite = QT_TRANSLATE_NOOP("CSatelliteCommands", "Delete Satellite");

}  // namespace

CSatelliteCommands::CSatelliteCommands(CVolmarenView& view)
    : QObject(&view), m_view(view), m_state(view.State())
{
    connect(view.Button(1071), &QAbstractButton::clicked, this, [this] { OnAdd(false); });
    connect(view.Button(1072), &QAbstractButton::clicked, this, &CSatelliteCommands::OnEdit);
    connect(view.Button(1073), &QAbstractButton::clicked, this, &CSatelliteCommands::OnDelete);
    connect(&view, &CVolmarenView::SatelliteDoubleClicked, this, &CSatelliteCommands::OnEdit);
    connect(&view, &CVolmarenView::SatelliteRightClicked, this, &CSatelliteCommands::OnMenu);
}

void CSatelliteCommands::OnMenu()
{
    if (m_view.Document().NoData())
        return;
    m_view.OnSatelliteClick();
    m_state.NoteSatelliteSelection(CVolmarenView::FirstSelectedRow(m_view.SatelliteList()));
    const QStringList items{tr(kAddSatellite), tr(kDeleteSatellite)};
    const int chosen = Prompts::Current().PopupMenu(&m_view, items, QCursor::pos());
    if (chosen == 0)
        OnAdd(true);
    else if (chosen == 1)
        OnDelete();
}

void CSatelliteCommands::OnAdd(bool fromMenu)
{
    if (m_view.Document().NoData())
        return;
    const CChannelDatabase& db = m_view.Database();
    if (const char* refusal = Rules::SatelliteAddRefusal(db)) {
        Prompts::Message(&m_view, CoreText(refusal));
        return;
    }
    const int n = db.GetSatelliteCount();
    SatelliteRecord record{};
    CSatelliteAddDlg dialog(record, n, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view.Document().Apply(tr(kAddSatellite), ListChange::Satellites,
                            [&record](CChannelDatabase& database) { database.AddSatellite(record); });

    QListView* list = m_view.SatelliteList();
    CVolmarenView::FocusList(list);
    CVolmarenView::SelectRow(list, n + 1);
    m_view.ScrollListBy(list, (n + 1) * 16);
    m_state.MarkSatelliteRow(n + 1);
    m_state.NoteSatelliteSelection(fromMenu ? -1 : CVolmarenView::FirstSelectedRow(list));
}

void CSatelliteCommands::OnEdit()
{
    if (m_view.Document().NoData())
        return;
    QListView* list = m_view.SatelliteList();
    const int selected = CVolmarenView::SelectedRowCount(list);
    if (m_state.SatelliteRow() == 0)
        return;
    if (selected == 0) {
        Prompts::Message(&m_view, tr(kNoSatellite));
        return;
    }
    if (selected >= 2) {
        Prompts::Message(&m_view, tr(kOnlyOneSatellite));
        return;
    }
    if (m_state.SatelliteRow() == -1)
        return;
    const CChannelDatabase& db = m_view.Database();
    const int index = m_state.SatelliteRow() - 1;
    SatelliteRecord record;
    db.GetSatellite(record, index);
    CSatelliteEditDlg dialog(record, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view.Document().Apply(tr("Edit Satellite"), ListChange::Satellites,
                            [&](CChannelDatabase& database) { database.SetSatellite(record, index); });
    CVolmarenView::FocusList(list);
    CVolmarenView::SelectRow(list, m_state.SatelliteRow());
}

void CSatelliteCommands::OnDelete()
{
    if (m_view.Document().NoData())
        return;
    QListView* list = m_view.SatelliteList();
    if (CVolmarenView::SelectedRowCount(list) == 0) {
        Prompts::Message(&m_view, tr(kNoSatellite));
        return;
    }
    if (!Prompts::Confirm(&m_view, tr("Do you want to delete the current Satellite(s)?")))
        return;
    std::vector<int> satellites;
    if (m_state.FirstSatelliteSelection() != -1) {
        for (int row : CVolmarenView::SelectedRowsFrom(list, m_state.FirstSatelliteSelection())) {
            if (row >= 1)
                satellites.push_back(row - 1);
        }
    }
    if (satellites.empty()) {
        Prompts::Message(&m_view, tr(kChooseSatellite));
        return;
    }
    m_view.Document().Apply(tr(kDeleteSatellite), ListChange::Everything,
                            [&](CChannelDatabase& database) { database.DeleteSatellites(satellites); });
    CVolmarenView::FocusList(list);
    CVolmarenView::SelectRow(list, 0);
    m_state.ForgetChannelRows();
    m_state.NoteChannelSelection(-1);
}
