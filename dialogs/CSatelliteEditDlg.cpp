#include "CSatelliteEditDlg.h"

#include "SatelliteFields.h"
#include "SystemTexts.h"
#include "CoreText.h"
#include "UserPrompts.h"
#include "ui_SatelliteForm.h"

CSatelliteEditDlg::CSatelliteEditDlg(SatelliteRecord& record, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::SatelliteForm>()), m_record(record)
{
    SetUpRecordForm(*m_ui, tr("Satellite Edit"), &CSatelliteEditDlg::OnOk);
    FillSatelliteLists(*m_ui, Entries::kPowerEditOrder);
    ShowSatelliteChoices(*m_ui, Rules::SatelliteEditChoices(record));
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
