// The serial ports the system has now, found by the platform's port library.
#pragma once

#include "PortDescription.h"

#include <vector>

// Sorted by name. A machine without serial ports gives an empty list, and so
// does one where the ports cannot be listed.
std::vector<PortDescription> FindSerialPorts();
