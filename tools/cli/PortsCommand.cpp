// volmaren-cli ports: COM1 and COM2 with the devices they stand for, then
// every serial port the system has, one line each.
#include "Commands.h"
#include "JsonOutput.h"
#include "PortFinder.h"
#include "PortListing.h"
#include "PortNames.h"

#include <cstdio>
#include <iostream>

namespace {

Json UsbId(int id)
{
    if (id < 0)
        return nullptr;
    char text[8];
    std::snprintf(text, sizeof text, "%04x", id & 0xFFFF);
    return text;
}

Json PortFields(const PortDescription& port)
{
    Json usb = nullptr;
    if (port.usb)
        usb = {{"vendor_id", UsbId(port.vendorId)},
               {"product_id", UsbId(port.productId)},
               {"manufacturer", port.manufacturer},
               {"product", port.product},
               {"serial_number", port.serialNumber}};
    return {{"name", port.name}, {"device", port.path}, {"description", port.description}, {"usb", usb}};
}

}  // namespace

int RunPorts(Arguments args)
{
    if (Outcome counted = CheckArgumentCount(args, 0, 0, "ports"); counted.status != Exit::kOk)
        return Report(counted);
    std::vector<PortDescription> ports;
    for (int n : {1, 2})
        ports.push_back({"COM" + std::to_string(n), DevicePathForPort(n), {}, false, {}, {}, {}, -1, -1});
    const std::vector<PortDescription> found = FindSerialPorts();
    ports.insert(ports.end(), found.begin(), found.end());
    if (!JsonWanted()) {
        for (const PortDescription& port : ports)
            std::cout << PortLine(port) << '\n';
        return Exit::kOk;
    }
    Json list = Json::array();
    for (const PortDescription& port : ports)
        list.push_back(PortFields(port));
    PrintJson(list);
    return Exit::kOk;
}
