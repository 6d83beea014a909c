// The form's side of the receiver link: the port, the system code, starting
// and stopping transfers, and what the form does when a worker reports back.
#include "CVolmarenView.h"

#include "CConnectDlg.h"
#include "CGradientProgressCtrl.h"
#include "CVolmarenDoc.h"
#include "CoreText.h"
#include "PortChoice.h"
#include "TransferTexts.h"
#include "UserPrompts.h"
#include "ui_CVolmarenView.h"

#include <QThread>

#include <cstdio>

namespace {

// The workers' status texts are the link's constants, or the progress of an
// upload with its numbers filled in.
QString WorkerStatus(const std::string& text)
{
    int received = 0;
    int length = 0;
    int percent = 0;
    if (std::sscanf(text.c_str(), Text::kReceiveProgress, &received, &length, &percent) == 3)
        return CoreNumbers(Text::kReceiveProgress, {received, length, percent});
    return CoreText(text);
}

}  // namespace

// --- Worker notifications, queued to the form -----------------------------------
// A worker never waits for the form: its updates are queued, and only the
// form's own thread touches the widgets.

void CVolmarenView::SetProgress(int position)
{
    if (QThread::currentThread() == thread())
        Progress()->SetPos(position);
    else
        QMetaObject::invokeMethod(
            this, [this, position] { Progress()->SetPos(position); }, Qt::QueuedConnection);
}

void CVolmarenView::SetStatusText(const std::string& text)
{
    const QString status = WorkerStatus(text);
    if (QThread::currentThread() == thread())
        SetStatusText(status);
    else
        QMetaObject::invokeMethod(
            this, [this, status] { SetStatusText(status); }, Qt::QueuedConnection);
}

void CVolmarenView::PostUploadDone()
{
    QMetaObject::invokeMethod(this, &CVolmarenView::OnUploadDone, Qt::QueuedConnection);
}

void CVolmarenView::PostDownloadDone()
{
    QMetaObject::invokeMethod(this, &CVolmarenView::OnDownloadDone, Qt::QueuedConnection);
}

void CVolmarenView::PostCodeRefused()
{
    QMetaObject::invokeMethod(this, &CVolmarenView::OnCodeRefused, Qt::QueuedConnection);
}

void CVolmarenView::ShowPortMessage(const std::string& text)
{
    const QString message = CoreText(text);
    if (QThread::currentThread() == thread())
        Prompts::Message(this, message);
    else
        QMetaObject::invokeMethod(
            this, [this, message] { Prompts::Message(this, message); }, Qt::QueuedConnection);
}

// --- Controls ---------------------------------------------------------------------

void CVolmarenView::EnableTransferControls(bool enable)
{
    QWidget* controls[] = {
        m_ui->radioList,      m_ui->tvList,          m_ui->satelliteList,  m_ui->transponderList,
        m_ui->tabs,           m_ui->satelliteAdd,    m_ui->satelliteEdit,  m_ui->satelliteDel,
        m_ui->transponderAdd, m_ui->transponderEdit, m_ui->transponderDel, m_ui->channelAdd,
        m_ui->channelEdit,    m_ui->channelDelete,   m_ui->favGroupButton, m_ui->systemButton,
        m_ui->channelUp,      m_ui->channelDown,     m_ui->uploadButton,   m_ui->downloadButton,
        m_ui->comBox,
    };
    for (QWidget* control : controls)
        control->setEnabled(enable);
    Q_EMIT StateChanged();
}

void CVolmarenView::SetStatusText(const QString& text)
{
    m_ui->statusLine->setText(text);
}

QString CVolmarenView::StatusText() const
{
    return m_ui->statusLine->text();
}

bool CVolmarenView::TransferRunning() const
{
    return m_link.Running();
}

bool CVolmarenView::PortOpen() const
{
    return m_link.PortIsOpen();
}

void CVolmarenView::AbortTransfer()
{
    // After STOP a worker may still be ending; it is joined all the same.
    m_link.Abort();
}

// --- The port ---------------------------------------------------------------------

void CVolmarenView::OpenChosenPort(const PortChoice::Entry& entry, const QString& connectedText)
{
    // The link refuses to reopen the port under a running worker.
    m_link.OpenDevice(entry.device.toStdString());
    Q_EMIT StateChanged();
    // A failed open says why, not that it connected.
    SetStatusText(PortOpen() ? connectedText : CoreText(m_link.PortProblem()));
}

void CVolmarenView::OnTimer()
{
    // The port chosen last, unless it is gone since.
    const QList<PortChoice::Entry> entries = PortChoice::Entries();
    PortChoice::Fill(m_ui->comBox, entries, PortChoice::Remembered());
    m_nComIndex = m_ui->comBox->currentIndex();
    const PortChoice::Entry& entry = entries[m_nComIndex];
    OpenChosenPort(entry, PortChoice::ConnectedText(entry));
}

void CVolmarenView::OnComCloseUp()
{
    if (TransferRunning())
        return;
    m_nComIndex = m_ui->comBox->currentIndex();
    const PortChoice::Entry entry = PortChoice::EntryAt(m_ui->comBox, m_nComIndex);
    PortChoice::Remember(entry.name);
    OpenChosenPort(entry, PortChoice::ConnectedText(entry));
}

void CVolmarenView::OnTransferConnect()
{
    if (TransferRunning())
        return;
    const QList<PortChoice::Entry> entries = PortChoice::Entries();
    QStringList found;
    for (const PortChoice::Entry& entry : entries.mid(2))
        found.append(entry.text);
    int number = 0;
    CConnectDlg dialog(number, this, found);
    if (dialog.exec() != QDialog::Accepted || number == 0)
        return;
    const PortChoice::Entry& entry = entries[number - 1];
    PortChoice::Remember(entry.name);
    OpenChosenPort(entry, CoreText(Text::kConnectOk));
}

void CVolmarenView::OnCodeChanged(const QString& text)
{
    if (text.size() == 4)
        m_systemCode.SetFromText(text.toStdString());
}

// --- Starting and stopping ----------------------------------------------------------

void CVolmarenView::OnUpload()
{
    if (TransferRunning() || !m_doc.SaveModified())
        return;
    EnableTransferControls(false);
    SetStatusText(CoreText(Text::kWaitForUpload));
    if (!m_link.StartUpload(m_systemCode.Get()))
        OnStartRefused();
    Q_EMIT StateChanged();
}

void CVolmarenView::OnStartRefused()
{
    // A worker that has not been joined yet re-enables the controls when its
    // notice arrives.
    const bool ending = m_link.HasWorker();
    EnableTransferControls(!ending);
    SetStatusText(CoreText(ending ? Text::kLastTransferEnding : Text::kTransferNotStarted));
}

void CVolmarenView::OnDownload()
{
    if (TransferRunning())
        return;
    if (m_doc.NoData()) {
        Prompts::Message(this, CoreText(Text::kNoDownloadData));
        return;
    }
    if (!m_doc.Saved()) {
        Prompts::Message(this, CoreText(Text::kNotSaved));
        return;
    }
    const std::span<const std::uint8_t> image = m_doc.PrepareDownload();
    EnableTransferControls(false);
    SetStatusText(CoreText(Text::kWaitForDownload));
    if (!m_link.StartDownload(m_systemCode.Get(), image))
        OnStartRefused();
    Q_EMIT StateChanged();
}

void CVolmarenView::OnStop()
{
    m_link.Stop();
}

// --- Completion ---------------------------------------------------------------------

void CVolmarenView::OnUploadDone()
{
    const TransferEnd end = m_link.FinishUpload();
    EnableTransferControls(true);
    if (end != TransferEnd::Completed)
        return;
    // The lists would repaint the new tables under the old rows while the
    // notice is open.
    for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{
             SatelliteList(), TransponderList(), ChannelList(kTv), ChannelList(kRadio)})
        ClearList(list);
    m_doc.AcceptUpload(m_link.ReceivedImage(), m_link.ReceivedVariant());
}

void CVolmarenView::OnDownloadDone()
{
    m_link.FinishDownload();
    EnableTransferControls(true);
}

void CVolmarenView::OnCodeRefused()
{
    Prompts::Message(this, CoreText(Text::kInvalidSystemCode));
    m_link.FinishRefused();
    EnableTransferControls(true);
}
