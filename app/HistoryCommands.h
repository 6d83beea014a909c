// The receiver history and the verify in the menus: File > Receiver
// History..., which opens an image read from the receiver or compares it with
// the document, and Transfer > Download and Verify and Keep Receiver History.
#pragma once

#include <QObject>

class CTransferPanel;
class CVolmarenDoc;
class QAction;
class QMenu;
class QWidget;

namespace ReceiverHistory {
struct Entry;
}

class CHistoryCommands : public QObject {
    Q_OBJECT
public:
    // `owner` owns the command, its messages and its dialogs.
    CHistoryCommands(CVolmarenDoc& doc, CTransferPanel& transfers, QWidget* owner);

    void AddToFileMenu(QMenu* file);
    void AddToTransferMenu(QMenu* transfer);
    // Each action available or not as the frame's state allows.
    void UpdateStates();

    void OnShowHistory();

    QAction* HistoryAction() const { return m_pHistoryAction; }
    QAction* VerifyAction() const { return m_pVerifyAction; }
    QAction* KeepAction() const { return m_pKeepAction; }

Q_SIGNALS:
    // An image of the history became the document.
    void Opened();

private:
    // Runs `command` only when `action` is available now, so its key obeys
    // the menu's rules.
    void Connect(QAction* action, void (CHistoryCommands::*command)());
    void OnDownloadAndVerify();
    void Open(const ReceiverHistory::Entry& entry);
    void CompareWith(const ReceiverHistory::Entry& entry);

    CVolmarenDoc& m_doc;
    CTransferPanel& m_transfers;
    QWidget* m_pOwner;
    QAction* m_pHistoryAction = nullptr;
    QAction* m_pVerifyAction = nullptr;
    QAction* m_pKeepAction = nullptr;
};
