#include "PortListing.h"

#include <cstdio>

namespace {

bool DescriptionAddsSomething(const PortDescription& port)
{
    return !port.description.empty() && port.description != port.name;
}

std::string UsbDetails(const PortDescription& port)
{
    std::string details = "USB";
    if (port.vendorId >= 0 && port.productId >= 0) {
        char ids[16];
        std::snprintf(ids, sizeof ids, " %04x:%04x", port.vendorId & 0xFFFF, port.productId & 0xFFFF);
        details += ids;
    }
    for (const std::string* text : {&port.manufacturer, &port.product})
        if (!text->empty())
            details += ", " + *text;
    if (!port.serialNumber.empty())
        details += ", serial " + port.serialNumber;
    return details;
}

}  // namespace

std::string PortEntryText(const PortDescription& port)
{
    if (!DescriptionAddsSomething(port))
        return port.name;
    return port.name + " \u2013 " + port.description;
}

std::string PortLine(const PortDescription& port)
{
    std::string line = port.name + ' ' + port.path;
    if (DescriptionAddsSomething(port))
        line += ' ' + port.description;
    if (port.usb)
        line += " (" + UsbDetails(port) + ')';
    return line;
}

const PortDescription* FindPortNamed(const std::vector<PortDescription>& ports, const std::string& name)
{
    for (const PortDescription& port : ports)
        if (port.name == name)
            return &port;
    return nullptr;
}
