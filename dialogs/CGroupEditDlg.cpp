#include "CGroupEditDlg.h"

#include "FieldLimit.h"
#include "GroupName.h"
#include "UserPrompts.h"
#include "ui_CGroupEditDlg.h"

namespace {
const char* const kNameEmpty = QT_TRANSLATE_NOOP("CGroupEditDlg", "Group name is empty.");
}

CGroupEditDlg::CGroupEditDlg(FavoriteGroupRecord& record, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CGroupEditDlg>()), m_record(record)
{
    m_ui->setupUi(this);
    ClearDefaultButtons();
    ShowLimitedText(m_ui->nameEdit, GroupName(record), kGroupNameLength);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CGroupEditDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
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
