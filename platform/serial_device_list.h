#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What the USB device behind a serial device says of itself (its sysfs attributes).
struct UsbIdentity {
    std::string vendorId;  // idVendor, four hexadecimal digits
    std::string productId;
    std::string manufacturer;  // each empty when the device does not say
    std::string product;
    std::string serial;
};

// One serial device present now, with the stable names udev gave it.
struct SerialDeviceEntry {
    std::string device;               // /dev/ttyUSB0
    std::vector<std::string> byId;    // /dev/serial/by-id/... links to it
    std::vector<std::string> byPath;  // /dev/serial/by-path/...
    std::optional<UsbIdentity> usb;
};

// The serial devices present under `root` ("/" on a running system): each ttyS*, ttyUSB* and
// ttyACM* the kernel lists in sys/class/tty with a node in dev/, except a ttyS with no UART
// behind it (its type 0). Names are those the running system uses (/dev/...), without `root`.
// Ordered ttyS, ttyUSB, ttyACM, each by number.
std::vector<SerialDeviceEntry> ListSerialDevices(const std::filesystem::path& root);

// One line for the device, the way `tio --list` shows them:
// /dev/ttyUSB0  by-id /dev/serial/by-id/...  by-path ...  usb 0403:6001  vendor "FTDI"
// product "FT232R USB UART"  serial "A50285BI". What the device lacks is left out.
std::string SerialDeviceLine(const SerialDeviceEntry& entry);

// A name an operator may map a COM number to, and the device it stands for now.
struct MappableName {
    std::string name;
    std::string description;  // "ttyUSB0, FTDI FT232R USB UART"
};

// Every name of the devices: all by-id names first (they survive a re-plug into another
// socket), then the by-path names (they follow the socket), then the bare devices.
std::vector<MappableName> MappableNames(const std::vector<SerialDeviceEntry>& devices);

}  // namespace platform
