#include "CTransponderEditDlg.h"

#include "TransponderFields.h"
#include "ui_TransponderForm.h"

CTransponderEditDlg::CTransponderEditDlg(TransponderRecord& record, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::TransponderForm>()), m_record(record)
{
    SetUpRecordForm(*m_ui, tr("Transponder Edit"), &CTransponderEditDlg::OnOk);
    // Add names the satellite above the fields and lines its labels up with
    // that one; the transponder edited keeps its satellite, so Edit names none
    // and its labels take the room they need.
    delete m_ui->satelliteGroup;
    for (QLabel* label : {m_ui->frequencyLabel, m_ui->symbolRateLabel, m_ui->polarizationLabel})
        label->setMinimumWidth(0);
    ShowTransponderChoices(*m_ui, Rules::TransponderEditChoices(record));
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
