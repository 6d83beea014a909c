// The COM box: a drop-down list that tells when its list closes, whether or
// not the choice changed, because picking the same port again reopens it.
#pragma once

#include <QComboBox>

class ComPortBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void hidePopup() override
    {
        QComboBox::hidePopup();
        Q_EMIT ClosedUp();
    }

Q_SIGNALS:
    void ClosedUp();
};
