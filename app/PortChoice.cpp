#include "PortChoice.h"

#include "AppSettings.h"
#include "CoreText.h"
#include "PortFinder.h"
#include "PortListing.h"
#include "PortNames.h"
#include "TransferTexts.h"

#include <QComboBox>
#include <QCoreApplication>

namespace {

std::function<std::vector<PortDescription>()>& Finder()
{
    static std::function<std::vector<PortDescription>()> finder;
    return finder;
}

const QString kPortKey = QStringLiteral("Transfer/Port");

enum Role { kNameRole = Qt::UserRole, kDeviceRole };

}  // namespace

namespace PortChoice {

QList<Entry> Entries()
{
    QList<Entry> entries;
    for (int n : {1, 2}) {
        const QString name = QStringLiteral("COM%1").arg(n);
        entries.append({name, name, QString::fromStdString(DevicePathForPort(n)), n});
    }
    const std::vector<PortDescription> found = Finder() ? Finder()() : FindSerialPorts();
    for (const PortDescription& port : found)
        entries.append({QString::fromStdString(PortEntryText(port)), QString::fromStdString(port.name),
                        QString::fromStdString(port.path), 0});
    return entries;
}

void InstallFinder(std::function<std::vector<PortDescription>()> finder)
{
    Finder() = std::move(finder);
}

QString Remembered()
{
    return AppSettings().value(kPortKey, QStringLiteral("COM1")).toString();
}

void Remember(const QString& name)
{
    AppSettings().setValue(kPortKey, name);
}

int IndexOf(const QList<Entry>& entries, const QString& name)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].name == name)
            return i;
    return 0;
}

void Fill(QComboBox* box, const QList<Entry>& entries, const QString& name)
{
    const QSignalBlocker quiet(box);
    box->clear();
    for (const Entry& entry : entries) {
        box->addItem(entry.text);
        const int item = box->count() - 1;
        box->setItemData(item, entry.name, kNameRole);
        box->setItemData(item, entry.device, kDeviceRole);
    }
    box->setCurrentIndex(IndexOf(entries, name));
}

Entry EntryAt(const QComboBox* box, int index)
{
    // COM1 and COM2 come first, also before the box was first filled.
    if (index < 2)
        return {box->itemText(index), QStringLiteral("COM%1").arg(index + 1),
                QString::fromStdString(DevicePathForPort(index + 1)), index + 1};
    return {box->itemText(index), box->itemData(index, kNameRole).toString(),
            box->itemData(index, kDeviceRole).toString(), 0};
}

QString ConnectedText(const Entry& entry)
{
    if (entry.comNumber != 0)
        return CoreNumbers(Text::kPortConnectOk, {entry.comNumber});
    return QCoreApplication::translate("PortChoice", "%1 port Connect OK").arg(entry.name);
}

}  // namespace PortChoice
