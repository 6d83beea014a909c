// The transfer side of the form: the receiver link with its port and system
// code, the COM box, UPLOAD, DOWNLOAD and STOP, the progress bar and the
// status line, and what happens when a worker reports back. The CODE field
// beside the picture is the form's; the panel reads and keeps the code.
#pragma once

#include "PortMessages.h"
#include "SystemCode.h"
#include "TransferLink.h"
#include "TransferView.h"

#include <QGroupBox>

#include <memory>

class CGradientProgressCtrl;
class CVolmarenDoc;
class QLineEdit;

namespace Ui {
class CTransferPanel;
}
namespace PortChoice {
struct Entry;
}

class CTransferPanel : public QGroupBox, public ITransferView, public IPortMessages {
    Q_OBJECT
public:
    CTransferPanel(CVolmarenDoc& doc, QLineEdit* codeEdit, QWidget* parent);
    ~CTransferPanel() override;

    // The form's first update: the buttons' bitmaps, the progress bar's
    // look, and the port opened half a second later.
    void SetUpOnce();

    bool TransferRunning() const;
    bool PortOpen() const;
    // What closing the main window does to a running transfer: stop it and
    // wait for its worker.
    void AbortTransfer();
    // Transfer > Connect.
    void OnConnect();
    void OnUpload();
    void OnDownload();
    void OnStop();

    void SetStatusText(const QString& text);
    QString StatusText() const;
    CTransferLink& Link() { return m_link; }
    const CTransferLink& Link() const { return m_link; }
    CSystemCode& SystemCode() { return m_systemCode; }
    CGradientProgressCtrl* Progress() const;
    // The COM box's row: 0 COM1, 1 COM2, then the ports found.
    int ComIndex() const { return m_nComIndex; }

Q_SIGNALS:
    // A transfer starts (false) or has ended (true): the form's editing
    // controls follow.
    void EditingEnabled(bool enable);
    // Something the frame's command availability depends on has changed.
    void StateChanged();
    // A completed upload is about to replace the data in hand.
    void UploadArrived();

private:
    // ITransferView: called from a worker thread; each is queued to the panel.
    void SetProgress(int position) override;
    void SetStatusText(const std::string& text) override;
    void PostUploadDone() override;
    void PostDownloadDone() override;
    void PostCodeRefused() override;
    // IPortMessages
    void ShowPortMessage(const std::string& text) override;

    void EnableTransferControls(bool enable);
    void OnTimer();
    void OnComCloseUp();
    void OnCodeChanged(const QString& text);
    // A worker that could not start: controls back, and the reason.
    void OnStartRefused();
    // Opens the port and shows `connectedText`, or why it did not open.
    void OpenChosenPort(const PortChoice::Entry& entry, const QString& connectedText);
    void OnUploadDone();
    void OnDownloadDone();
    void OnCodeRefused();

    CVolmarenDoc& m_doc;
    std::unique_ptr<Ui::CTransferPanel> m_ui;
    int m_nComIndex = 0;
    CSystemCode m_systemCode;
    CTransferLink m_link;
};
