#include "platform/serial_device.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace platform {

namespace {

std::string Opens(int number, const std::string& device) {
    return "COM" + std::to_string(number) + " opens " + device;
}

}  // namespace

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

std::string PortOpenFailureText(int number, const std::string& device, PortOpenFault fault,
                                const std::string& systemText) {
    const std::string opens = Opens(number, device);
    switch (fault) {
        case PortOpenFault::NoSuchDevice:
            return opens + ": no such device.";
        case PortOpenFault::PermissionDenied:
            return opens +
                   ": permission denied.\n"
                   "Serial devices belong to the group dialout: join it "
                   "(sudo usermod -aG dialout $USER), then log in again.";
        case PortOpenFault::Busy:
            return opens + ": the device is busy; another program is using it.";
        case PortOpenFault::Other:
            break;
    }
    return opens + ": " + systemText;
}

PortDevice DescribeDevice(const std::string& path) {
    PortDevice device{path, ProbeDevice(path) != DeviceAccess::Missing, {}};
    std::error_code error;
    if (device.present && std::filesystem::is_symlink(path, error))
        device.target = std::filesystem::canonical(path, error).string();
    return device;
}

std::string PortDeviceText(int number, const PortDevice& device) {
    if (!device.present) return Opens(number, device.path) + ", which does not exist now.";
    if (!device.target.empty())
        return Opens(number, device.path) + ", which points to " + device.target + " now.";
    return Opens(number, device.path) + ", which is present now.";
}

}  // namespace platform
