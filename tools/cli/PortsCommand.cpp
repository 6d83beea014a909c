// volmaren-cli ports: COM1 and COM2 with the devices they stand for, then
// every serial port the system has, one line each.
#include "Commands.h"
#include "PortFinder.h"
#include "PortListing.h"
#include "PortNames.h"

#include <iostream>

int RunPorts(Arguments args)
{
    if (Outcome counted = CheckArgumentCount(args, 0, 0, "ports"); counted.status != Exit::kOk)
        return Report(counted);
    for (int n : {1, 2})
        std::cout << "COM" << n << ' ' << DevicePathForPort(n) << '\n';
    for (const PortDescription& port : FindSerialPorts())
        std::cout << PortLine(port) << '\n';
    return Exit::kOk;
}
