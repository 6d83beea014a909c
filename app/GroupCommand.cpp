#include "GroupCommand.h"

#include "CFavoriteGroupDlg.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"

#include <QAbstractButton>
#include <QTreeView>

#include <optional>

CGroupCommand::CGroupCommand(CVolmarenView& view) : QObject(&view), m_view(view), m_state(view.State())
{
    connect(view.Button(1079), &QAbstractButton::clicked, this, &CGroupCommand::OnFavoriteGroups);
}

void CGroupCommand::OnFavoriteGroups()
{
    if (m_view.Document().NoData())
        return;
    CFavoriteGroupDlg dialog(m_view.Database(), &m_view);
    // Closing the dialog through its title bar can still keep the change; it
    // is then recounted like any other change. OK recounts even without one.
    if (dialog.exec() != QDialog::Accepted && !dialog.HasChange())
        return;
    const std::optional<FavoriteGroupEdit> edit =
        dialog.HasChange() ? std::optional(dialog.Change()) : std::nullopt;
    m_view.Document().Apply(tr("Favorite Group Edit"), ListChange::Channels, [&edit](CChannelDatabase& db) {
        if (edit)
            ApplyFavoriteGroupEdit(db, *edit);
        db.RecountGroups();
        db.UpdateListContext();
    });
}
