#include "platform/serial_device.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace platform {

DeviceAccess ProbeDevice(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return DeviceAccess::Missing;
    if (::access(path.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM))
        return DeviceAccess::Denied;
    return DeviceAccess::Usable;
}

PortOpenFault ClassifyOpenFault(DeviceAccess access, bool openRefused) {
    switch (access) {
        case DeviceAccess::Missing:
            return PortOpenFault::NoSuchDevice;
        case DeviceAccess::Denied:
            return PortOpenFault::PermissionDenied;
        case DeviceAccess::Usable:
            break;
    }
    return openRefused ? PortOpenFault::Busy : PortOpenFault::Other;
}

PortDevice DescribeDevice(const std::string& path) {
    PortDevice device{path, ProbeDevice(path) != DeviceAccess::Missing, {}};
    std::error_code error;
    if (device.present && std::filesystem::is_symlink(path, error))
        device.target = std::filesystem::canonical(path, error).string();
    return device;
}

std::string PortDeviceText(int number, const PortDevice& device) {
    if (!device.present) return PortOpensText(number, device.path) + ", which does not exist now.";
    if (!device.target.empty())
        return PortOpensText(number, device.path) + ", which points to " + device.target + " now.";
    return PortOpensText(number, device.path) + ", which is present now.";
}

}  // namespace platform
