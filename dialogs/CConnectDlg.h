// Chooses the serial port before a transfer: COM1, COM2, or one of the ports
// found on the system. Unlike the edit dialogs it keeps the standard keys:
// Enter presses the focused button (OK when it opens) and Escape cancels.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

#include <memory>

class QRadioButton;

namespace Ui {
class CConnectDlg;
}

class CConnectDlg : public QDialog {
    Q_OBJECT

public:
    // `port` becomes 0 at once, then 1 or 2 as COM1 or COM2 is clicked, and
    // 3 onwards for the entries of `foundPorts`, offered after them. OK ends
    // the dialog only once a port is chosen; Cancel sets `port` to 0 again,
    // while Escape and the close box leave it as it is.
    explicit CConnectDlg(int& port, QWidget* parent = nullptr, const QStringList& foundPorts = {});
    ~CConnectDlg() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void OnOk();
    void OnCancel();

private:
    std::unique_ptr<Ui::CConnectDlg> m_ui;
    int& m_nPort;
    // COM1, COM2, then the ports found, in the order the arrow keys go.
    QList<QRadioButton*> m_radios;
};
