// The COM box: a drop-down list that tells when its list closes, whether or
// not the choice changed, because picking the same port again reopens it.
#pragma once

#include "PortChoice.h"

#include <QAbstractItemView>
#include <QComboBox>

class ComPortBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    // The ports are read again each time the list opens, so an adapter
    // plugged in meanwhile is offered.
    void showPopup() override
    {
        PortChoice::Fill(this, PortChoice::Entries(), PortChoice::EntryAt(this, currentIndex()).name);
        QComboBox::showPopup();
    }

    void hidePopup() override
    {
        // The box also hides its list whenever the box itself is hidden;
        // only a list the user saw counts as closed up.
        const bool wasOpen = view() && view()->window()->isVisible();
        QComboBox::hidePopup();
        // The box hides its list before it takes the picked entry as its
        // current one; the close-up is told once it has.
        if (wasOpen)
            QMetaObject::invokeMethod(this, &ComPortBox::ClosedUp, Qt::QueuedConnection);
    }

Q_SIGNALS:
    void ClosedUp();
};
