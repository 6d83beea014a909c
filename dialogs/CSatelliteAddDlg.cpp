#include "CSatelliteAddDlg.h"

#include "SatelliteFields.h"
#include "SystemTexts.h"
#include "CoreText.h"
#include "UserPrompts.h"
#include "ui_SatelliteForm.h"

CSatelliteAddDlg::CSatelliteAddDlg(SatelliteRecord& record, int satelliteCount, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::SatelliteForm>()), m_record(record),
      m_nIndex(satelliteCount)
{
    SetUpRecordForm(*m_ui, tr("Satellite Add"), &CSatelliteAddDlg::OnOk);
    FillSatelliteLists(*m_ui, Entries::kPowerAddOrder);
    ShowSatelliteChoices(*m_ui, Rules::SatelliteAddDefaults(satelliteCount));
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
