#pragma once

#include <string>

#include "platform/port_open_failure.h"

namespace platform {

// What the system says of a serial device file right now.
enum class DeviceAccess { Missing, Denied, Usable };
DeviceAccess ProbeDevice(const std::string& path);

// A device that is there and that we may open, yet whose open was refused, is held by another
// program (its lock file, or an exclusive open).
PortOpenFault ClassifyOpenFault(DeviceAccess access, bool openRefused);

// The device COM `number` opens, and whether it is there.
struct PortDevice {
    std::string path;
    bool present = false;
    // For a link (a /dev/serial/by-id/ or by-path/ name), the device it points to now.
    std::string target;
};

// What the system says of `path` now: whether it is there and, for a link, where it points.
PortDevice DescribeDevice(const std::string& path);

// "COM3 opens /dev/ttyS2, which is present now.", "..., which does not exist now." or, for a
// link, "COM3 opens /dev/serial/by-id/usb-..., which points to /dev/ttyUSB0 now."
std::string PortDeviceText(int number, const PortDevice& device);

}  // namespace platform
