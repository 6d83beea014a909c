#include "HistoryCommands.h"

#include "CReceiverHistoryDlg.h"
#include "CVolmarenDoc.h"
#include "CompareWindow.h"
#include "CoreText.h"
#include "HistorySetting.h"
#include "ImageDocument.h"
#include "ReceiverHistory.h"
#include "SystemTexts.h"
#include "TransferPanel.h"
#include "UserPrompts.h"

#include <QMenu>

CHistoryCommands::CHistoryCommands(CVolmarenDoc& doc, CTransferPanel& transfers, QWidget* owner)
    : QObject(owner), m_doc(doc), m_transfers(transfers), m_pOwner(owner)
{
}

void CHistoryCommands::AddToFileMenu(QMenu* file)
{
    m_pHistoryAction = file->addAction(tr("Receiver &History..."));
    Connect(m_pHistoryAction, &CHistoryCommands::OnShowHistory);
}

void CHistoryCommands::AddToTransferMenu(QMenu* transfer)
{
    m_pVerifyAction = transfer->addAction(tr("Download and &Verify"));
    Connect(m_pVerifyAction, &CHistoryCommands::OnDownloadAndVerify);
    transfer->addSeparator();
    m_pKeepAction = transfer->addAction(tr("Keep Receiver &History"));
    m_pKeepAction->setCheckable(true);
    m_pKeepAction->setChecked(HistorySetting::Keep());
    connect(m_pKeepAction, &QAction::toggled, this, &HistorySetting::SetKeep);
}

void CHistoryCommands::Connect(QAction* action, void (CHistoryCommands::*command)())
{
    connect(action, &QAction::triggered, this, [this, action, command] {
        UpdateStates();
        if (action->isEnabled())
            (this->*command)();
    });
}

void CHistoryCommands::UpdateStates()
{
    const bool running = m_transfers.TransferRunning();
    m_pHistoryAction->setEnabled(!running);
    m_pVerifyAction->setEnabled(m_transfers.PortOpen() && !running);
}

void CHistoryCommands::OnDownloadAndVerify()
{
    m_transfers.OnDownloadAndVerify();
}

void CHistoryCommands::OnShowHistory()
{
    CReceiverHistoryDlg dialog(ReceiverHistory::List(), !m_doc.NoData(), m_pOwner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.Chosen() == CReceiverHistoryDlg::Choice::Open)
        Open(dialog.ChosenEntry());
    else
        CompareWith(dialog.ChosenEntry());
}

void CHistoryCommands::Open(const ReceiverHistory::Entry& entry)
{
    if (m_transfers.TransferRunning() || !m_doc.SaveModified())
        return;
    if (m_doc.OpenCopy(QString::fromStdString(entry.path.string())))
        Q_EMIT Opened();
}

void CHistoryCommands::CompareWith(const ReceiverHistory::Entry& entry)
{
    CImageDocument image;
    PlaceholderText error;
    switch (image.LoadFile(entry.path.string(), error)) {
    case CImageDocument::Load::Loaded: break;
    case CImageDocument::Load::NotAnImage: Prompts::Message(m_pOwner, CoreText(Text::kNotAnImage)); return;
    case CImageDocument::Load::Error:
        Prompts::Message(m_pOwner, CoreText(error), IUserPrompts::Icon::Exclamation);
        return;
    }
    //: Names an image of the receiver history in the compare window; %1 is when it was read.
    const QString label = tr("receiver %1").arg(QString::fromStdString(entry.date));
    CCompareWindow::OpenForDocument(m_doc, Diff::FromImage(image.m_database), label, m_pOwner);
}
