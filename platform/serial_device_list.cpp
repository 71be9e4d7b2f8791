#include "platform/serial_device_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <map>
#include <string_view>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 3> kKinds = {"ttyS", "ttyUSB", "ttyACM"};

// Where a kernel name sorts: its kind, then its number; nothing for other ttys.
std::optional<std::pair<std::size_t, unsigned long long>> SortKey(std::string_view name) {
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
        if (!name.starts_with(kKinds[kind])) continue;
        const std::string_view digits = name.substr(kKinds[kind].size());
        unsigned long long number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (!digits.empty() && error == std::errc{} && end == digits.data() + digits.size())
            return std::pair{kind, number};
    }
    return std::nullopt;
}

// A sysfs attribute's first line without its trailing blanks; empty when it is not there.
std::string Attribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    return line;
}

// A serial core port without a UART behind it says type 0; the kernel keeps such ttyS nodes.
bool HasHardware(const fs::path& ttyClass) {
    const fs::path type = ttyClass / "type";
    std::error_code error;
    return !fs::exists(type, error) || Attribute(type) != "0";
}

// The USB device a tty hangs from: the nearest folder above its device that has an idVendor.
std::optional<UsbIdentity> UsbIdentityOf(const fs::path& ttyClass, const fs::path& root) {
    std::error_code error;
    fs::path folder = fs::canonical(ttyClass / "device", error);
    if (error) return std::nullopt;
    const fs::path top = fs::canonical(root / "sys", error);
    for (; !error && folder != top && folder != folder.parent_path();
         folder = folder.parent_path()) {
        if (!fs::exists(folder / "idVendor")) continue;
        return UsbIdentity{Attribute(folder / "idVendor"), Attribute(folder / "idProduct"),
                           Attribute(folder / "manufacturer"), Attribute(folder / "product"),
                           Attribute(folder / "serial")};
    }
    return std::nullopt;
}

// Kernel name -> the /dev/serial/<folder>/ links that point at it, sorted.
std::map<std::string, std::vector<std::string>> LinksIn(const fs::path& root,
                                                        const std::string& folder) {
    std::map<std::string, std::vector<std::string>> links;
    std::error_code error;
    for (const auto& link : fs::directory_iterator(root / "dev/serial" / folder, error)) {
        if (!link.is_symlink(error)) continue;
        const fs::path target = fs::read_symlink(link.path(), error);
        if (error) continue;
        links[target.filename().string()].push_back("/dev/serial/" + folder + "/" +
                                                    link.path().filename().string());
    }
    for (auto& [device, names] : links) std::sort(names.begin(), names.end());
    return links;
}

std::vector<std::string> Take(std::map<std::string, std::vector<std::string>>& links,
                              const std::string& device) {
    const auto found = links.find(device);
    return found == links.end() ? std::vector<std::string>{} : std::move(found->second);
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string KernelName(const std::string& device) {
    return fs::path(device).filename().string();
}

std::string Description(const SerialDeviceEntry& entry) {
    std::string text = KernelName(entry.device);
    if (!entry.usb) return text;
    std::string maker = entry.usb->manufacturer;
    if (!entry.usb->product.empty()) maker += (maker.empty() ? "" : " ") + entry.usb->product;
    if (maker.empty()) maker = "usb " + entry.usb->vendorId + ":" + entry.usb->productId;
    return text + ", " + maker;
}

}  // namespace

std::vector<SerialDeviceEntry> ListSerialDevices(const fs::path& root) {
    std::vector<std::pair<std::pair<std::size_t, unsigned long long>, SerialDeviceEntry>> found;
    auto byId = LinksIn(root, "by-id");
    auto byPath = LinksIn(root, "by-path");
    std::error_code error;
    for (const auto& tty : fs::directory_iterator(root / "sys/class/tty", error)) {
        const std::string name = tty.path().filename().string();
        const auto key = SortKey(name);
        if (!key || !fs::exists(root / "dev" / name, error) || !HasHardware(tty.path())) continue;
        found.push_back({*key,
                         {"/dev/" + name, Take(byId, name), Take(byPath, name),
                          UsbIdentityOf(tty.path(), root)}});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SerialDeviceEntry> devices;
    for (auto& [key, entry] : found) devices.push_back(std::move(entry));
    return devices;
}

std::string SerialDeviceLine(const SerialDeviceEntry& entry) {
    std::string line = entry.device;
    for (const std::string& name : entry.byId) line += "  by-id " + name;
    for (const std::string& name : entry.byPath) line += "  by-path " + name;
    if (!entry.usb) return line;
    const UsbIdentity& usb = *entry.usb;
    line += "  usb " + usb.vendorId + ":" + usb.productId;
    if (!usb.manufacturer.empty()) line += "  vendor " + Quoted(usb.manufacturer);
    if (!usb.product.empty()) line += "  product " + Quoted(usb.product);
    if (!usb.serial.empty()) line += "  serial " + Quoted(usb.serial);
    return line;
}

std::vector<MappableName> MappableNames(const std::vector<SerialDeviceEntry>& devices) {
    std::vector<MappableName> names;
    for (const auto& entry : devices)
        for (const std::string& name : entry.byId) names.push_back({name, Description(entry)});
    for (const auto& entry : devices)
        for (const std::string& name : entry.byPath) names.push_back({name, Description(entry)});
    for (const auto& entry : devices) names.push_back({entry.device, Description(entry)});
    return names;
}

}  // namespace platform
