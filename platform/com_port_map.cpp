#include "platform/com_port_map.h"

#include "platform/com_entry.h"
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

std::optional<std::string> ComPortMap::setEntry(int number, const std::string& name) {
    auto refused = refusal(name);
    if (!refused) set(number, name);
    return refused;
}

// The store has no removal; an empty value reads as "not mapped".
void ComPortMap::reset(int number) {
    store_.write(application_, Section, Key(number), "");
}

std::string ComPortMap::describe(int number) const {
    return PortDeviceText(number, DescribeDevice(device(number)));
}

}  // namespace platform
