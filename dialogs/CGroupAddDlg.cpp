#include "CGroupAddDlg.h"

#include "FieldLimit.h"
#include "GroupName.h"
#include "UserPrompts.h"
#include "ui_CGroupAddDlg.h"

namespace {
const char* const kNameMissing = QT_TRANSLATE_NOOP("CGroupAddDlg", "Group name don't input.");
}

CGroupAddDlg::CGroupAddDlg(FavoriteGroupRecord& record, int slot, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CGroupAddDlg>()), m_record(record)
{
    m_ui->setupUi(this);
    ClearDefaultButtons();
    ShowLimitedText(m_ui->nameEdit, QStringLiteral("Group_%1").arg(slot), kGroupNameLength);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CGroupAddDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
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
