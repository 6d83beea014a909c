#include "CChannelAddDlg.h"

#include "ChannelFields.h"
#include "SystemTexts.h"
#include "CoreText.h"
#include "UserPrompts.h"
#include "ui_ChannelForm.h"

CChannelAddDlg::CChannelAddDlg(ChannelRecord& record, BouquetEntry& bouquet, ChannelKind kind,
                               std::uint16_t transponder, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::ChannelForm>()), m_record(record), m_bouquet(bouquet),
      m_nKind(kind), m_nTransponder(transponder)
{
    SetUpRecordForm(*m_ui, tr("Channel Add"), &CChannelAddDlg::OnOk);
    ShowChannelChoices(*m_ui, Rules::ChannelChoices{}, kind);
}

CChannelAddDlg::~CChannelAddDlg() = default;

bool CChannelAddDlg::TakeFields(Rules::ChannelChoices& choices)
{
    TakeChannelTexts(*m_ui, choices);
    return TakeNumber(m_ui->pcrPidEdit, Rules::kWordMax, choices.pcrPid) &&
           TakeNumber(m_ui->videoPidEdit, Rules::kWordMax, choices.videoPid) &&
           TakeNumber(m_ui->audioPidEdit, Rules::kWordMax, choices.audioPid);
}

void CChannelAddDlg::OnOk()
{
    Rules::ChannelChoices choices;
    if (!TakeFields(choices))
        return;
    if (!Rules::HasRequiredChannelValues(choices, m_nKind)) {
        Prompts::Message(this, CoreText(Text::kChannelEmptyAdd));
        return;
    }
    Rules::WriteAddedChannel(m_record, m_bouquet, choices, m_nTransponder, m_nKind);
    accept();
}
