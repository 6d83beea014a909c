#include "TransferPanel.h"

#include "CConnectDlg.h"
#include "CGradientProgressCtrl.h"
#include "CHoverButton.h"
#include "CVolmarenDoc.h"
#include "CoreText.h"
#include "PortChoice.h"
#include "TransferTexts.h"
#include "UserPrompts.h"
#include "ui_TransferPanel.h"

#include <QRegularExpressionValidator>

#include <QThread>
#include <QTimer>

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

CTransferPanel::CTransferPanel(CVolmarenDoc& doc, QLineEdit* codeEdit, QWidget* parent)
    : QGroupBox(parent), m_doc(doc), m_ui(std::make_unique<Ui::CTransferPanel>()), m_link(*this, *this)
{
    m_ui->setupUi(this);
    connect(m_ui->stopButton, &QAbstractButton::clicked, this, &CTransferPanel::OnStop);
    connect(m_ui->uploadButton, &QAbstractButton::clicked, this, &CTransferPanel::OnUpload);
    connect(m_ui->downloadButton, &QAbstractButton::clicked, this, &CTransferPanel::OnDownload);
    connect(m_ui->comBox, &ComPortBox::ClosedUp, this, &CTransferPanel::OnComCloseUp);

    codeEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), codeEdit));
    codeEdit->setText(QString::fromStdString(m_systemCode.Text()));
    connect(codeEdit, &QLineEdit::textChanged, this, &CTransferPanel::OnCodeChanged);
}

CTransferPanel::~CTransferPanel()
{
    m_link.Abort();
    m_link.ClosePort();
}

void CTransferPanel::SetUpOnce()
{
    m_ui->stopButton->LoadBitmaps(147);
    m_ui->downloadButton->LoadBitmaps(155);
    m_ui->uploadButton->LoadBitmaps(156);
    Progress()->ApplyFormConfiguration();
    QTimer::singleShot(500, this, &CTransferPanel::OnTimer);
}

CGradientProgressCtrl* CTransferPanel::Progress() const
{
    return m_ui->progress;
}

// --- Worker notifications, queued to the panel ----------------------------------
// A worker never waits for the panel: its updates are queued, and only the
// panel's own thread touches the widgets.

void CTransferPanel::SetProgress(int position)
{
    if (QThread::currentThread() == thread())
        Progress()->SetPos(position);
    else
        QMetaObject::invokeMethod(
            this, [this, position] { Progress()->SetPos(position); }, Qt::QueuedConnection);
}

void CTransferPanel::SetStatusText(const std::string& text)
{
    const QString status = WorkerStatus(text);
    if (QThread::currentThread() == thread())
        SetStatusText(status);
    else
        QMetaObject::invokeMethod(
            this, [this, status] { SetStatusText(status); }, Qt::QueuedConnection);
}

void CTransferPanel::PostUploadDone()
{
    QMetaObject::invokeMethod(this, &CTransferPanel::OnUploadDone, Qt::QueuedConnection);
}

void CTransferPanel::PostDownloadDone()
{
    QMetaObject::invokeMethod(this, &CTransferPanel::OnDownloadDone, Qt::QueuedConnection);
}

void CTransferPanel::PostCodeRefused()
{
    QMetaObject::invokeMethod(this, &CTransferPanel::OnCodeRefused, Qt::QueuedConnection);
}

void CTransferPanel::ShowPortMessage(const std::string& text)
{
    const QString message = CoreText(text);
    if (QThread::currentThread() == thread())
        Prompts::Message(this, message);
    else
        QMetaObject::invokeMethod(
            this, [this, message] { Prompts::Message(this, message); }, Qt::QueuedConnection);
}

// --- Controls ---------------------------------------------------------------------

void CTransferPanel::EnableTransferControls(bool enable)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_ui->uploadButton, m_ui->downloadButton, m_ui->comBox})
        control->setEnabled(enable);
    Q_EMIT EditingEnabled(enable);
    Q_EMIT StateChanged();
}

void CTransferPanel::SetStatusText(const QString& text)
{
    m_ui->statusLine->setText(text);
}

QString CTransferPanel::StatusText() const
{
    return m_ui->statusLine->text();
}

bool CTransferPanel::TransferRunning() const
{
    return m_link.Running();
}

bool CTransferPanel::PortOpen() const
{
    return m_link.PortIsOpen();
}

void CTransferPanel::AbortTransfer()
{
    // After STOP a worker may still be ending; it is joined all the same.
    m_link.Abort();
}

// --- The port ---------------------------------------------------------------------

void CTransferPanel::OpenChosenPort(const PortChoice::Entry& entry, const QString& connectedText)
{
    // The link refuses to reopen the port under a running worker.
    m_link.OpenDevice(entry.device.toStdString());
    Q_EMIT StateChanged();
    // A failed open says why, not that it connected.
    SetStatusText(PortOpen() ? connectedText : CoreText(m_link.PortProblem()));
}

void CTransferPanel::OnTimer()
{
    // The port chosen last, unless it is gone since.
    const QList<PortChoice::Entry> entries = PortChoice::Entries();
    PortChoice::Fill(m_ui->comBox, entries, PortChoice::Remembered());
    m_nComIndex = m_ui->comBox->currentIndex();
    const PortChoice::Entry& entry = entries[m_nComIndex];
    OpenChosenPort(entry, PortChoice::ConnectedText(entry));
}

void CTransferPanel::OnComCloseUp()
{
    if (TransferRunning())
        return;
    m_nComIndex = m_ui->comBox->currentIndex();
    const PortChoice::Entry entry = PortChoice::EntryAt(m_ui->comBox, m_nComIndex);
    PortChoice::Remember(entry.name);
    OpenChosenPort(entry, PortChoice::ConnectedText(entry));
}

void CTransferPanel::OnConnect()
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

void CTransferPanel::OnCodeChanged(const QString& text)
{
    if (text.size() == 4)
        m_systemCode.SetFromText(text.toStdString());
}

// --- Starting and stopping ----------------------------------------------------------

void CTransferPanel::OnUpload()
{
    if (TransferRunning() || !m_doc.SaveModified())
        return;
    EnableTransferControls(false);
    SetStatusText(CoreText(Text::kWaitForUpload));
    if (!m_link.StartUpload(m_systemCode.Get()))
        OnStartRefused();
    Q_EMIT StateChanged();
}

void CTransferPanel::OnStartRefused()
{
    // A worker that has not been joined yet re-enables the controls when its
    // notice arrives.
    const bool ending = m_link.HasWorker();
    EnableTransferControls(!ending);
    SetStatusText(CoreText(ending ? Text::kLastTransferEnding : Text::kTransferNotStarted));
}

void CTransferPanel::OnDownload()
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

void CTransferPanel::OnStop()
{
    m_link.Stop();
}

// --- Completion ---------------------------------------------------------------------

void CTransferPanel::OnUploadDone()
{
    const TransferEnd end = m_link.FinishUpload();
    EnableTransferControls(true);
    if (end != TransferEnd::Completed)
        return;
    // The lists would repaint the new tables under the old rows while the
    // notice is open.
    Q_EMIT UploadArrived();
    m_doc.AcceptUpload(m_link.ReceivedImage(), m_link.ReceivedVariant());
}

void CTransferPanel::OnDownloadDone()
{
    m_link.FinishDownload();
    EnableTransferControls(true);
}

void CTransferPanel::OnCodeRefused()
{
    Prompts::Message(this, CoreText(Text::kInvalidSystemCode));
    m_link.FinishRefused();
    EnableTransferControls(true);
}
