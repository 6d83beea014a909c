#include "GroupCommand.h"

#include "CFavoriteGroupDlg.h"
#include "CVolmarenDoc.h"
#include "FormLists.h"

#include <optional>

CGroupCommand::CGroupCommand(CVolmarenDoc& doc, IFormLists& form, QObject* parent)
    : QObject(parent), m_doc(doc), m_form(form)
{
}

void CGroupCommand::OnFavoriteGroups()
{
    if (m_doc.NoData())
        return;
    CFavoriteGroupDlg dialog(m_doc.Database(), m_form.Window());
    // Closing the dialog through its title bar can still keep the change; it
    // is then recounted like any other change. OK recounts even without one.
    if (dialog.exec() != QDialog::Accepted && !dialog.HasChange())
        return;
    const std::optional<FavoriteGroupEdit> edit =
        dialog.HasChange() ? std::optional(dialog.Change()) : std::nullopt;
    m_doc.Apply(tr("Favorite Group Edit"), ListChange::Channels, [&edit](CChannelDatabase& db) {
        if (edit)
            ApplyFavoriteGroupEdit(db, *edit);
        db.RecountGroups();
        db.UpdateListContext();
    });
}
