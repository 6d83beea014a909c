#include "CTransponderEditDlg.h"

#include "TransponderFields.h"
#include "ui_CTransponderEditDlg.h"

CTransponderEditDlg::CTransponderEditDlg(TransponderRecord& record, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CTransponderEditDlg>()), m_record(record)
{
    m_ui->setupUi(this);
    ClearDefaultButtons();
    ShowTransponderChoices(*m_ui, Rules::TransponderEditChoices(record));
    connect(m_ui->okButton, &QPushButton::clicked, this, &CTransponderEditDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CTransponderEditDlg::~CTransponderEditDlg() = default;

bool CTransponderEditDlg::TakeFields(Rules::TransponderChoices& choices)
{
    return TakeNumber(m_ui->frequencyEdit, Rules::kAnyNumber, choices.frequencyMhz) &&
           TakeNumber(m_ui->symbolRateEdit, Rules::kWordMax, choices.symbolRate);
}

void CTransponderEditDlg::OnOk()
{
    Rules::TransponderChoices choices;
    if (TakeFields(choices) && WriteTransponderChoices(this, *m_ui, choices, m_record))
        accept();
}
