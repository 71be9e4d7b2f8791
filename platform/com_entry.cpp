#include "platform/com_entry.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace platform {

namespace {

constexpr std::string_view SchemeMark = "://";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::optional<LineKind> KindOfScheme(const std::string& scheme) {
    if (scheme == "tcp" || scheme == "socket") return LineKind::RawTcp;
    if (scheme == "rfc2217") return LineKind::Rfc2217;
    return std::nullopt;
}

bool IsAddress(int family, const std::string& text) {
    unsigned char address[16];
    return ::inet_pton(family, text.c_str(), address) == 1;
}

// Letters, digits and inner hyphens, in labels of at most 63 joined by dots.
bool IsHostName(std::string_view name) {
    if (name.empty() || name.size() > 253) return false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(name.find('.', start), name.size());
        const std::string_view label = name.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return false;
        if (!std::ranges::all_of(label,
                                 [](unsigned char c) { return std::isalnum(c) || c == '-'; }))
            return false;
        if (end == name.size()) return true;
        start = end + 1;
    }
}

// Why `host`, as a network name writes it (an IPv6 address in brackets), names no host; empty
// when it names one.
std::string HostFault(std::string_view host) {
    if (host.empty()) return "no host before the port";
    if (host.front() == '[') {
        if (host.back() != ']') return "'[' without its ']'";
        const std::string inner(host.substr(1, host.size() - 2));
        return IsAddress(AF_INET6, inner) ? "" : "'" + inner + "' is no IPv6 address";
    }
    if (host.find(':') != std::string_view::npos)
        return "an IPv6 address goes in brackets, as in [::1]:4001";
    const std::string text(host);
    if (std::ranges::all_of(host, [](unsigned char c) { return std::isdigit(c) || c == '.'; }))
        return IsAddress(AF_INET, text) ? "" : "'" + text + "' is no IPv4 address";
    return IsHostName(host) ? "" : "'" + text + "' is no host name";
}

ComEntryReading Refused(std::string fault) {
    return {std::nullopt, std::move(fault)};
}

ComEntryReading ReadNetworkName(std::string_view scheme, LineKind kind, std::string_view rest) {
    const EndpointReading read = ReadEndpoint(rest, 1);
    if (!read.endpoint) {
        // A port's own value is named without the form; every other fault is about the form.
        const bool aboutTheForm = read.fault != EndpointReading::Fault::Port;
        return Refused(read.reason +
                       (aboutTheForm ? " (" + std::string(scheme) + "://HOST:PORT)" : ""));
    }
    return {ComEntry{kind, {}, *read.endpoint}, {}};
}

}  // namespace

std::optional<std::uint16_t> ReadPort(std::string_view text, unsigned lowest, std::string& fault) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value < lowest || value > 65535) {
        fault = "the port '" + std::string(text) + "' is not a number from " +
                std::to_string(lowest) + " to 65535";
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

EndpointReading ReadEndpoint(std::string_view text, unsigned lowestPort) {
    using Fault = EndpointReading::Fault;
    // The port follows the last colon, outside any brackets.
    const std::size_t closing = text.rfind(']');
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || (closing != std::string_view::npos && colon < closing))
        return {std::nullopt, Fault::NoPort, "no port after the host"};
    const std::string_view host = text.substr(0, colon);
    if (std::string fault = HostFault(host); !fault.empty())
        return {std::nullopt, Fault::Host, std::move(fault)};
    std::string fault;
    const auto port = ReadPort(text.substr(colon + 1), lowestPort, fault);
    if (!port) return {std::nullopt, Fault::Port, std::move(fault)};
    const bool bracketed = host.front() == '[';
    return {NetworkEndpoint{std::string(bracketed ? host.substr(1, host.size() - 2) : host), *port},
            Fault::None,
            {}};
}

ComEntryReading ReadComEntry(std::string_view name) {
    if (name.empty()) return Refused("the name is empty");
    if (std::ranges::any_of(name, [](unsigned char c) { return std::iscntrl(c); }))
        return Refused("the name holds a control character");
    const std::size_t mark = name.find(SchemeMark);
    if (mark == std::string_view::npos)
        return {ComEntry{LineKind::Device, std::string(name), {}}, {}};
    const std::string scheme = Lower(name.substr(0, mark));
    const auto kind = KindOfScheme(scheme);
    if (!kind)
        return Refused("'" + std::string(name.substr(0, mark + SchemeMark.size())) +
                       "' is no kind of line; a network line is tcp://, socket:// or "
                       "rfc2217://HOST:PORT");
    return ReadNetworkName(scheme, *kind, name.substr(mark + SchemeMark.size()));
}

std::string EndpointText(const NetworkEndpoint& endpoint) {
    const bool ipv6 = endpoint.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + endpoint.host + "]" : endpoint.host) + ":" + std::to_string(endpoint.port);
}

}  // namespace platform
