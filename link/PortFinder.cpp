#include "PortFinder.h"

#include <libserialport.h>

#include <algorithm>

namespace {

std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

PortDescription Describe(const sp_port* port)
{
    PortDescription found;
    found.path = Text(sp_get_port_name(port));
    found.name = found.path.substr(found.path.find_last_of('/') + 1);
    found.description = Text(sp_get_port_description(port));
    found.usb = sp_get_port_transport(port) == SP_TRANSPORT_USB;
    if (!found.usb)
        return found;
    found.manufacturer = Text(sp_get_port_usb_manufacturer(port));
    found.product = Text(sp_get_port_usb_product(port));
    found.serialNumber = Text(sp_get_port_usb_serial(port));
    int vendor = -1, product = -1;
    if (sp_get_port_usb_vid_pid(port, &vendor, &product) == SP_OK) {
        found.vendorId = vendor;
        found.productId = product;
    }
    return found;
}

}  // namespace

std::vector<PortDescription> FindSerialPorts()
{
    std::vector<PortDescription> ports;
    sp_port** list = nullptr;
    if (sp_list_ports(&list) != SP_OK)
        return ports;
    for (sp_port** port = list; *port != nullptr; ++port)
        ports.push_back(Describe(*port));
    sp_free_port_list(list);
    std::sort(ports.begin(), ports.end(),
              [](const PortDescription& a, const PortDescription& b) { return a.name < b.name; });
    return ports;
}
