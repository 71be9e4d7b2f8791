#pragma once

#include <string>

namespace platform {

// What the system says of a serial device file right now.
enum class DeviceAccess { Missing, Denied, Usable };
DeviceAccess ProbeDevice(const std::string& path);

// Why a device did not open, in the operator's terms.
enum class PortOpenFault { NoSuchDevice, PermissionDenied, Busy, Other };

// A device that is there and that we may open, yet whose open was refused, is held by another
// program (its lock file, or an exclusive open).
PortOpenFault ClassifyOpenFault(DeviceAccess access, bool openRefused);

// "COM3 opens /dev/ttyS2: no such device." and its like; `systemText` is used for Other.
std::string PortOpenFailureText(int number, const std::string& device, PortOpenFault fault,
                                const std::string& systemText);

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
