// Which device a port name stands for on this system.
#pragma once

#include "PortDescription.h"

#include <string>
#include <vector>

// "COMn": the device named by the environment variable VOLMAREN_COMn when it
// is set and not empty, else /dev/ttyS<n-1> (COM1 is /dev/ttyS0).
std::string DevicePathForPort(int n);

// A port as given on a command line: "COM1" or "COM2" (any case) as above,
// the name of one of the ports `found`, anything else a device path taken
// as it stands.
std::string DevicePathForName(const std::string& name, const std::vector<PortDescription>& found = {});
