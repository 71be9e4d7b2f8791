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

std::optional<std::uint16_t> PortNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 1 ||
        value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

ComEntryReading Refused(std::string fault) {
    return {std::nullopt, std::move(fault)};
}

ComEntryReading ReadNetworkName(std::string_view scheme, LineKind kind, std::string_view rest) {
    const std::string form = " (" + std::string(scheme) + "://HOST:PORT)";
    // The port follows the last colon, outside any brackets.
    const std::size_t closing = rest.rfind(']');
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos || (closing != std::string_view::npos && colon < closing))
        return Refused("no port after the host" + form);
    const std::string_view host = rest.substr(0, colon);
    const std::string_view portText = rest.substr(colon + 1);
    if (const std::string fault = NetworkHostFault(host); !fault.empty())
        return Refused(fault + form);
    const auto port = PortNumber(portText);
    if (!port)
        return Refused("the port '" + std::string(portText) + "' is not a number from 1 to 65535");
    const bool bracketed = host.front() == '[';
    ComEntry entry{
        kind, {}, {std::string(bracketed ? host.substr(1, host.size() - 2) : host), *port}};
    return {std::move(entry), {}};
}

}  // namespace

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

std::string NetworkHostFault(std::string_view host) {
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

std::string EndpointText(const NetworkEndpoint& endpoint) {
    const bool ipv6 = endpoint.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + endpoint.host + "]" : endpoint.host) + ":" + std::to_string(endpoint.port);
}

}  // namespace platform
