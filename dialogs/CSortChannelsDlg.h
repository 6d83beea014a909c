// Sort Channels: the key and the order the channels a list shows are sorted
// by. The sort itself is stable and leaves the rest of the table as it is.
#pragma once

#include "ChannelArranging.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

class CSortChannelsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSortChannelsDlg(int rows, QWidget* parent = nullptr);

    ChannelSortKey Key() const;
    bool Descending() const;

    QComboBox* KeyList() const { return m_pKey; }
    QRadioButton* DescendingButton() const { return m_pDescending; }

private:
    QComboBox* m_pKey;
    QRadioButton* m_pDescending;
};
