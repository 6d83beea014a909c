// The ports found on the system: how they are shown, how a name given on a
// command line finds its device, and one real listing.
#include "PortFinder.h"
#include "PortListing.h"
#include "PortNames.h"

#include <gtest/gtest.h>

namespace {

PortDescription Adapter()
{
    PortDescription port;
    port.name = "ttyUSB0";
    port.path = "/dev/ttyUSB0";
    port.description = "FT232R USB UART";
    port.usb = true;
    port.manufacturer = "FTDI";
    port.product = "FT232R USB UART";
    port.serialNumber = "A6008isP";
    port.vendorId = 0x0403;
    port.productId = 0x6001;
    return port;
}

TEST(PortListing, EntriesAndLinesShowWhatTheSystemSays)
{
    const PortDescription adapter = Adapter();
    EXPECT_EQ(PortEntryText(adapter), "ttyUSB0 \u2013 FT232R USB UART");
    EXPECT_EQ(PortLine(adapter),
              "ttyUSB0 /dev/ttyUSB0 FT232R USB UART (USB 0403:6001, FTDI, FT232R USB UART, serial A6008isP)");

    // An adapter that reports neither IDs nor strings still says it is one.
    PortDescription bare{"ttyACM0", "/dev/ttyACM0", "", true, "", "", "", -1, -1};
    EXPECT_EQ(PortEntryText(bare), "ttyACM0");
    EXPECT_EQ(PortLine(bare), "ttyACM0 /dev/ttyACM0 (USB)");

    // A built-in port is described by its own name.
    const PortDescription native{"ttyS0", "/dev/ttyS0", "ttyS0", false, "", "", "", -1, -1};
    EXPECT_EQ(PortEntryText(native), "ttyS0");
    EXPECT_EQ(PortLine(native), "ttyS0 /dev/ttyS0");

    const std::vector<PortDescription> found{native, adapter};
    EXPECT_EQ(FindPortNamed(found, "ttyUSB0"), &found[1]);
    EXPECT_EQ(FindPortNamed(found, "ttyUSB1"), nullptr);
    EXPECT_EQ(DevicePathForName("ttyUSB0", found), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathForName("/dev/ttyUSB0", found), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathForName("ttyUSB9", found), "ttyUSB9");
}

// Finding no port at all is a valid answer on a machine without any.
TEST(PortListing, RealListingGivesNamedDevices)
{
    const std::vector<PortDescription> found = FindSerialPorts();
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_FALSE(found[i].name.empty());
        EXPECT_EQ(found[i].path.substr(found[i].path.size() - found[i].name.size()), found[i].name);
        EXPECT_EQ(PortLine(found[i]).rfind(found[i].name + ' ' + found[i].path, 0), 0u);
        if (i > 0) {
            EXPECT_LE(found[i - 1].name, found[i].name);
        }
    }
}

}  // namespace
