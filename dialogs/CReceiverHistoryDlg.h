// File > Receiver History...: the images read from the receiver, newest
// first, with their date, variant and channel counts. The person opens one
// as the document or compares it with the document; the dialog closes and
// says which (the frame does it). Enter opens, Escape closes.
#pragma once

#include "ReceiverHistory.h"

#include <QDialog>

#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

class CReceiverHistoryDlg : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Open, Compare };

    // Compare is offered only when `canCompare` (the document holds data).
    CReceiverHistoryDlg(std::vector<ReceiverHistory::Entry> entries, bool canCompare, QWidget* parent);

    // What the person chose, once the dialog is accepted.
    Choice Chosen() const { return m_choice; }
    const ReceiverHistory::Entry& ChosenEntry() const { return m_entries[m_nChosen]; }

    QTreeWidget* EntryList() const { return m_pList; }
    QPushButton* OpenButton() const { return m_pOpen; }
    QPushButton* CompareButton() const { return m_pCompare; }

private:
    void Fill();
    // An entry whose file no longer holds an image can be neither opened
    // nor compared.
    std::optional<int> CurrentReadable() const;
    void UpdateButtons();
    void Choose(Choice choice);

    const std::vector<ReceiverHistory::Entry> m_entries;
    const bool m_bCanCompare;
    Choice m_choice = Choice::Open;
    int m_nChosen = 0;
    QTreeWidget* m_pList;
    QPushButton* m_pOpen;
    QPushButton* m_pCompare;
};
