// The ports the COM box and Connect offer: COM1 and COM2, then every serial
// port found on the system, read again each time a list is opened. The last
// port chosen is kept between runs.
#pragma once

#include "PortDescription.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

class QComboBox;

namespace PortChoice {

struct Entry {
    QString text;  // as the list shows it: "COM1", "ttyUSB0 – FT232R USB UART"
    QString name;  // as it is remembered: "COM1", "ttyUSB0"
    QString device;  // what is opened
    int comNumber = 0;  // COM1 and COM2: 1 or 2; a port found: 0
};

// COM1, COM2, then the ports found now.
QList<Entry> Entries();

// Replaces how ports are found (tests); an empty function restores the
// system's port listing.
void InstallFinder(std::function<std::vector<PortDescription>()> finder);

// The name of the port chosen last, "COM1" when none was.
QString Remembered();
void Remember(const QString& name);

// The position of the port named `name` in `entries`; COM1's when it is
// gone.
int IndexOf(const QList<Entry>& entries, const QString& name);

// Fills the box with `entries` (each item knows its entry) and selects the
// one named `name`, or COM1.
void Fill(QComboBox* box, const QList<Entry>& entries, const QString& name);
// The entry behind the box's item `index`.
Entry EntryAt(const QComboBox* box, int index);

// "COM(1) port Connect OK" for COM1 and COM2, "ttyUSB0 port Connect OK" for
// a port found.
QString ConnectedText(const Entry& entry);

}  // namespace PortChoice
