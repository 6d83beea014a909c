// The frame makes the editing commands and joins the form's buttons, clicks
// and drops to them, and the transfer panel's reports to the form.
#include "CMainFrame.h"

#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "ChannelCommands.h"
#include "GroupCommand.h"
#include "ListCommands.h"
#include "SatelliteCommands.h"
#include "SystemInfoCommand.h"
#include "TransferPanel.h"
#include "TransponderCommands.h"

#include <QAbstractButton>

void CMainFrame::CreateCommands()
{
    CVolmarenView* form = m_pView;
    auto* satellites = new CSatelliteCommands(m_doc, m_state, *form, this);
    auto* transponders = new CTransponderCommands(m_doc, m_state, *form, this);
    auto* groups = new CGroupCommand(m_doc, *form, this);
    auto* channels = new CChannelCommands(m_doc, m_state, *form, this);
    m_pChannelCommands = channels;
    m_pListCommands = new CListCommands(m_doc, m_state, *form, this);

    auto onClick = [form](int templateId, QObject* receiver, auto command) {
        connect(form->Button(templateId), &QAbstractButton::clicked, receiver, command);
    };
    onClick(1071, satellites, [satellites] { satellites->OnAdd(false); });
    onClick(1072, satellites, [satellites] { satellites->OnEdit(); });
    onClick(1073, satellites, [satellites] { satellites->OnDelete(); });
    connect(form, &CVolmarenView::SatelliteDoubleClicked, satellites, &CSatelliteCommands::OnEdit);
    connect(form, &CVolmarenView::SatelliteRightClicked, satellites, &CSatelliteCommands::OnMenu);

    onClick(1074, transponders, [transponders] { transponders->OnAdd(); });
    onClick(1075, transponders, [transponders] { transponders->OnEdit(); });
    onClick(1076, transponders, [transponders] { transponders->OnDeleteButton(); });
    connect(form, &CVolmarenView::TransponderDoubleClicked, transponders, &CTransponderCommands::OnEdit);
    connect(form, &CVolmarenView::TransponderRightClicked, transponders, &CTransponderCommands::OnMenu);

    onClick(1070, channels, [channels] { channels->OnAdd(); });
    onClick(1069, channels, [channels] { channels->OnEditButton(); });
    onClick(1003, channels, [channels] { channels->OnDeleteButton(); });
    onClick(1098, channels, [channels] { channels->OnMoveUp(); });
    onClick(1099, channels, [channels] { channels->OnMoveDown(); });
    connect(form, &CVolmarenView::ChannelDoubleClicked, channels, &CChannelCommands::OnEdit);
    connect(form, &CVolmarenView::ChannelRightClicked, channels, &CChannelCommands::OnMenu);
    connect(form, &CVolmarenView::ChannelRowsDropped, channels, &CChannelCommands::OnDrop);
    connect(form, &CVolmarenView::ChannelMoveKey, channels,
            [channels](bool up) { up ? channels->OnMoveUp() : channels->OnMoveDown(); });

    onClick(1079, groups, [groups] { groups->OnFavoriteGroups(); });
    onClick(1080, this, [this, form] { EditSystemInfo(m_doc, form); });

    connect(m_pTransfers, &CTransferPanel::EditingEnabled, form, &CVolmarenView::EnableEditing);
    connect(m_pTransfers, &CTransferPanel::UploadArrived, form, &CVolmarenView::ClearAllLists);
}
