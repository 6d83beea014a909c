#include "CSatelliteAddDlg.h"

#include "SatelliteFields.h"
#include "SystemTexts.h"
#include "CoreText.h"
#include "UserPrompts.h"
#include "ui_CSatelliteAddDlg.h"

CSatelliteAddDlg::CSatelliteAddDlg(SatelliteRecord& record, int satelliteCount, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CSatelliteAddDlg>()), m_record(record),
      m_nIndex(satelliteCount)
{
    m_ui->setupUi(this);
    ClearDefaultButtons();
    FillSatelliteLists(*m_ui, Entries::kPowerAddOrder);
    ShowSatelliteChoices(*m_ui, Rules::SatelliteAddDefaults(satelliteCount));
    connect(m_ui->okButton, &QPushButton::clicked, this, &CSatelliteAddDlg::OnOk);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CSatelliteAddDlg::~CSatelliteAddDlg() = default;

void CSatelliteAddDlg::OnOk()
{
    const Rules::SatelliteChoices choices = TakeSatelliteChoices(*m_ui);
    if (choices.name.empty()) {
        Prompts::Message(this, CoreText(Text::kSatelliteNameEmptyAdd));
        return;
    }
    Rules::WriteAddedSatellite(m_record, choices, m_nIndex);
    accept();
}
