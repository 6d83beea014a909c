#include "CTransponderAddDlg.h"

#include "TransponderFields.h"
#include "ui_CTransponderAddDlg.h"

CTransponderAddDlg::CTransponderAddDlg(TransponderRecord& record, const QString& satelliteName,
                                       QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CTransponderAddDlg>()), m_record(record)
{
    m_ui->setupUi(this);
    ClearDefaultButtons();
    m_ui->satelliteNameEdit->setText(satelliteName);
    ShowTransponderChoices(*m_ui, Rules::TransponderChoices{});
    connect(m_ui->okButton, &QPushButton::clicked, this, &CTransponderAddDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CTransponderAddDlg::~CTransponderAddDlg() = default;

bool CTransponderAddDlg::TakeFields(Rules::TransponderChoices& choices)
{
    return TakeNumber(m_ui->symbolRateEdit, Rules::kWordMax, choices.symbolRate) &&
           TakeNumber(m_ui->frequencyEdit, Rules::kAnyNumber, choices.frequencyMhz);
}

void CTransponderAddDlg::OnOk()
{
    Rules::TransponderChoices choices;
    if (TakeFields(choices) && WriteTransponderChoices(this, *m_ui, choices, m_record))
        accept();
}
