#include "GroupCommand.h"

#include "CFavoriteGroupDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"

#include <QAbstractButton>
#include <QTreeView>

CGroupCommand::CGroupCommand(CVolmarenView& view) : QObject(&view), m_view(view), m_state(view.State())
{
    connect(view.Button(1079), &QAbstractButton::clicked, this, &CGroupCommand::OnFavoriteGroups);
}

void CGroupCommand::OnFavoriteGroups()
{
    if (m_view.Document().NoData())
        return;
    // The dialog writes the groups and the channels' memberships itself, so
    // it runs inside the change: everything it wrote is one step.
    m_view.Document().Apply(tr("Favorite Group Edit"), ListChange::Channels, [this](CChannelDatabase& db) {
        CFavoriteGroupDlg dialog(db, &m_view);
        // Closing the dialog through its title bar can still
        // write the changes; they are then recounted like any
        // other change.
        if (dialog.exec() != QDialog::Accepted && !dialog.WroteDatabase())
            return;
        db.RecountGroups();
        db.UpdateListContext();
    });
}
