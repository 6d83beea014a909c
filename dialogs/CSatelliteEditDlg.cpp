#include "CSatelliteEditDlg.h"

#include "SatelliteFields.h"
#include "SystemTexts.h"
#include "CoreText.h"
#include "UserPrompts.h"
#include "ui_CSatelliteEditDlg.h"

CSatelliteEditDlg::CSatelliteEditDlg(SatelliteRecord& record, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CSatelliteEditDlg>()), m_record(record)
{
    m_ui->setupUi(this);
    ClearDefaultButtons();
    FillSatelliteLists(*m_ui, Entries::kPowerEditOrder);
    ShowSatelliteChoices(*m_ui, Rules::SatelliteEditChoices(record));
    connect(m_ui->okButton, &QPushButton::clicked, this, &CSatelliteEditDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CSatelliteEditDlg::~CSatelliteEditDlg() = default;

void CSatelliteEditDlg::OnOk()
{
    const Rules::SatelliteChoices choices = TakeSatelliteChoices(*m_ui);
    if (choices.name.empty()) {
        Prompts::Message(this, CoreText(Text::kSatelliteNameEmptyEdit));
        return;
    }
    Rules::WriteEditedSatellite(m_record, choices);
    accept();
}
