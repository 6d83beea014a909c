#include "CChannelEditDlg.h"

#include "ChannelFields.h"
#include "SystemTexts.h"
#include "CoreText.h"
#include "UserPrompts.h"
#include "ui_ChannelForm.h"

CChannelEditDlg::CChannelEditDlg(ChannelRecord& record, BouquetEntry& bouquet, ChannelKind kind,
                                 QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::ChannelForm>()), m_record(record),
      m_bouquet(bouquet), m_nKind(kind)
{
    SetUpRecordForm(*m_ui, tr("Channel Edit"), &CChannelEditDlg::OnOk);
    ShowChannelChoices(*m_ui, Rules::ChannelEditChoices(record, bouquet.text, kind), kind);
}

CChannelEditDlg::~CChannelEditDlg() = default;

bool CChannelEditDlg::TakeFields(Rules::ChannelChoices& choices)
{
    TakeChannelTexts(*m_ui, choices);
    return TakeNumber(m_ui->videoPidEdit, Rules::kWordMax, choices.videoPid) &&
           TakeNumber(m_ui->pcrPidEdit, Rules::kWordMax, choices.pcrPid) &&
           TakeNumber(m_ui->audioPidEdit, Rules::kWordMax, choices.audioPid);
}

void CChannelEditDlg::OnOk()
{
    Rules::ChannelChoices choices;
    if (!TakeFields(choices))
        return;
    if (!Rules::HasRequiredChannelValues(choices, m_nKind)) {
        Prompts::Message(this, CoreText(Text::kChannelEmptyEdit));
        return;
    }
    Rules::WriteEditedChannel(m_record, m_bouquet, choices, m_nKind);
    accept();
}
