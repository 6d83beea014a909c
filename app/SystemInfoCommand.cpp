#include "SystemInfoCommand.h"

#include "CSystemInfoDlg.h"
#include "CVolmarenDoc.h"

#include <QCoreApplication>

void EditSystemInfo(CVolmarenDoc& doc, QWidget* owner)
{
    if (doc.NoData())
        return;
    SystemInfo info;
    doc.Database().GetSystemInfo(info);
    CSystemInfoDlg dialog(info, owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A changed setting is unsaved work like any other change: it would
    // otherwise be lost without a question at exit, and left out of a download.
    doc.Apply(QCoreApplication::translate("EditSystemInfo", "System Information"), ListChange::None,
              [&info](CChannelDatabase& database) { database.SetSystemInfo(info); });
}
