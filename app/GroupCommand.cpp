#include "GroupCommand.h"

#include "CFavoriteGroupDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"

#include <QAbstractButton>
#include <QTreeView>

CGroupCommand::CGroupCommand(CVolmarenView& view) : QObject(&view), m_view(view)
{
    connect(view.Button(1079), &QAbstractButton::clicked, this, &CGroupCommand::OnFavoriteGroups);
}

void CGroupCommand::OnFavoriteGroups()
{
    if (m_view.Document().NoData())
        return;
    CChannelDatabase& db = m_view.Database();
    CFavoriteGroupDlg dialog(db, &m_view);
    // Closing the dialog through its title bar can still write the changes;
    // they are then recounted and marked unsaved like any other change.
    if (dialog.exec() != QDialog::Accepted && !dialog.WroteDatabase())
        return;
    m_view.ClearList(m_view.ChannelList(kTv));
    m_view.ClearList(m_view.ChannelList(kRadio));
    db.RecountGroups();
    db.UpdateListContext();
    m_view.FillChannelList(kTv);
    m_view.FillChannelList(kRadio);
    m_view.Document().SetSaved(false);
}
