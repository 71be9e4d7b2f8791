#include "platform/com_port_map.h"

#include <filesystem>

#include "platform/com_entry.h"
#include "platform/port_open_failure.h"
#include "platform/serial_device.h"

namespace platform {

namespace {

const char* const Section = "Ports";

std::string Key(int number) {
    return "COM" + std::to_string(number);
}

}  // namespace

std::string ComPortMap::defaultDevice(int number) {
    return "/dev/ttyS" + std::to_string(number - 1);
}

bool ComPortMap::isMapped(int number) const {
    return !store_.read(application_, Section, Key(number), "").empty();
}

std::string ComPortMap::device(int number) const {
    const std::string mapped = store_.read(application_, Section, Key(number), "");
    return mapped.empty() ? defaultDevice(number) : mapped;
}

void ComPortMap::set(int number, const std::string& device) {
    store_.write(application_, Section, Key(number), device);
}

std::optional<std::string> ComPortMap::refusal(const std::string& name) {
    ComEntryReading reading = ReadComEntry(name);
    if (reading.entry) return std::nullopt;
    return std::move(reading.fault);
}

// A device path is kept absolute, so it opens from any folder, made from the current folder
// without resolving links, so a /dev/serial/by-id/... name stays the name. A network name is
// kept as written.
std::optional<std::string> ComPortMap::setEntry(int number, const std::string& name) {
    const ComEntryReading reading = ReadComEntry(name);
    if (!reading.entry) return reading.fault;
    set(number, reading.entry->kind == LineKind::Device
                    ? std::filesystem::absolute(name).lexically_normal().string()
                    : name);
    return std::nullopt;
}

// The store has no removal; an empty value reads as "not mapped".
void ComPortMap::reset(int number) {
    store_.write(application_, Section, Key(number), "");
}

std::string ComPortMap::kind(int number) const {
    const ComEntryReading reading = ReadComEntry(device(number));
    if (!reading.entry) return "malformed";
    switch (reading.entry->kind) {
        case LineKind::Device:
            break;
        case LineKind::RawTcp:
            return "tcp";
        case LineKind::Rfc2217:
            return "rfc2217";
    }
    return "device";
}

// Says nothing of a network line's reach: that would take a connection, and a tooltip must
// not wait for the network.
std::string ComPortMap::describe(int number) const {
    const std::string name = device(number);
    const ComEntryReading reading = ReadComEntry(name);
    const std::string opens = PortOpensText(number, name);
    if (!reading.entry) return opens + ", which cannot be opened: " + reading.fault + ".";
    switch (reading.entry->kind) {
        case LineKind::Device:
            break;
        case LineKind::RawTcp:
            return opens + "; the line settings are the device server's.";
        case LineKind::Rfc2217:
            return opens + ".";
    }
    return PortDeviceText(number, DescribeDevice(name));
}

}  // namespace platform
