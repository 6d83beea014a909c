#include "CGroupEditDlg.h"

#include "FieldLimit.h"
#include "GroupName.h"
#include "UserPrompts.h"
#include "ui_GroupForm.h"

namespace {
const char* const kNameEmpty = QT_TRANSLATE_NOOP("CGroupEditDlg", "Group name is empty.");
}

CGroupEditDlg::CGroupEditDlg(FavoriteGroupRecord& record, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::GroupForm>()), m_record(record)
{
    SetUpRecordForm(*m_ui, tr("Group Edit"), &CGroupEditDlg::OnOk);
    ShowLimitedText(m_ui->nameEdit, GroupName(record), kGroupNameLength);
}

CGroupEditDlg::~CGroupEditDlg() = default;

void CGroupEditDlg::OnOk()
{
    const QString name = m_ui->nameEdit->text();
    if (name.isEmpty()) {
        Prompts::Message(this, tr(kNameEmpty));
        return;
    }
    SetGroupName(m_record, name);
    accept();
}
