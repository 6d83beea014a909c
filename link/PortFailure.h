// Why a port did not open, told so that a person can do something about it.
#pragma once

#include "PlaceholderText.h"

#include <string>

enum class PortFault {
    None,
    PermissionDenied,  // the user may not open the device
    Busy,  // another program holds it
    NoSuchDevice,  // nothing there, or the hardware is gone
    NotSerial,  // it opened, but it is no serial port
    Other,
};

// Which fault an error (errno) of each step of opening is.
PortFault FaultOfOpenError(int error);
PortFault FaultOfLockError(int error);
PortFault FaultOfSettingsError(int error);

struct PortOpenFailure {
    PortFault fault = PortFault::None;
    std::string device;
    int error = 0;  // errno of the step that failed
    // For PermissionDenied: the group owning the device and the user running
    // this program; empty when the system does not say.
    std::string group;
    std::string user;
};

// Fills in the owning group and the user for a permission fault.
PortOpenFailure ExplainOpenFailure(PortFault fault, const std::string& device, int error);

// One or two sentences: the cause, and what to do about it.
PlaceholderText DescribePortFailure(const PortOpenFailure& failure);
