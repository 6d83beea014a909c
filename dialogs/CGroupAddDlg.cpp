#include "CGroupAddDlg.h"

#include "FieldLimit.h"
#include "GroupName.h"
#include "UserPrompts.h"
#include "ui_GroupForm.h"

namespace {
const char* const kNameMissing = QT_TRANSLATE_NOOP("CGroupAddDlg", "Group name don't input.");
}

CGroupAddDlg::CGroupAddDlg(FavoriteGroupRecord& record, int slot, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::GroupForm>()), m_record(record)
{
    SetUpRecordForm(*m_ui, tr("Group Add"), &CGroupAddDlg::OnOk);
    ShowLimitedText(m_ui->nameEdit, QStringLiteral("Group_%1").arg(slot), kGroupNameLength);
}

CGroupAddDlg::~CGroupAddDlg() = default;

void CGroupAddDlg::OnOk()
{
    const QString name = m_ui->nameEdit->text();
    if (name.isEmpty()) {
        Prompts::Message(this, tr(kNameMissing));
        return;
    }
    SetGroupName(m_record, name);
    accept();
}
