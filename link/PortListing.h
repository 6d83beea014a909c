// How a port found on the system is shown: in the editor's lists and as a
// line of `volmaren-cli ports`.
#pragma once

#include "PortDescription.h"

#include <string>
#include <vector>

// "ttyUSB0 – FT232R USB UART"; the name alone when the description adds
// nothing to it.
std::string PortEntryText(const PortDescription& port);

// "NAME PATH", then the description and, for a USB adapter, its details:
// "ttyUSB0 /dev/ttyUSB0 FT232R USB UART (USB 0403:6001, FTDI, FT232R USB
// UART, serial A6008isP)".
std::string PortLine(const PortDescription& port);

// The port listed under `name`, or nullptr.
const PortDescription* FindPortNamed(const std::vector<PortDescription>& ports, const std::string& name);
