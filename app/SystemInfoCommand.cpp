// File > STB System Infomation and the System button.
#include "CVolmarenView.h"

#include "CSystemInfoDlg.h"
#include "CVolmarenDoc.h"

void CVolmarenView::OnSystemInfo()
{
    if (m_doc.NoData())
        return;
    const CChannelDatabase& db = Database();
    SystemInfo info;
    db.GetSystemInfo(info);
    CSystemInfoDlg dialog(info, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A changed setting is unsaved work like any other change: it would
    // otherwise be lost without a question at exit, and left out of a download.
    m_doc.Apply(tr("System Information"), ListChange::None,
                [&info](CChannelDatabase& database) { database.SetSystemInfo(info); });
}
