#include "CTransponderAddDlg.h"

#include "TransponderFields.h"
#include "ui_TransponderForm.h"

CTransponderAddDlg::CTransponderAddDlg(TransponderRecord& record, const QString& satelliteName,
                                       QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::TransponderForm>()), m_record(record)
{
    SetUpRecordForm(*m_ui, tr("Transponder Add"), &CTransponderAddDlg::OnOk);
    m_ui->satelliteNameEdit->setText(satelliteName);
    ShowTransponderChoices(*m_ui, Rules::TransponderChoices{});
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
