// A serial port the system has, as the port listing describes it.
#pragma once

#include <string>

struct PortDescription {
    std::string name;  // "ttyUSB0": what the lists show and --port accepts
    std::string path;  // "/dev/ttyUSB0": what is opened
    std::string description;  // the system's words for it, e.g. "FT232R USB UART"
    // USB adapters only; a string the adapter does not report stays empty.
    bool usb = false;
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    int vendorId = -1;
    int productId = -1;
};
