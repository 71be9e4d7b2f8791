#include "switch_control/framework/control/events.h"

#include <algorithm>

namespace tumbler::framework {

std::uint32_t EventConnections::Connect(EventSink* sink) {
    const std::uint32_t cookie = nextCookie_++;
    sinks_.emplace_back(cookie, sink);
    return cookie;
}

bool EventConnections::Disconnect(std::uint32_t cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(),
                                    [cookie](const auto& entry) { return entry.first == cookie; });
    if (found == sinks_.end()) return false;
    sinks_.erase(found);
    return true;
}

EventSink* EventConnections::SinkOf(std::uint32_t cookie) const {
    for (const auto& [connected, sink] : sinks_) {
        if (connected == cookie) return sink;
    }
    return nullptr;
}

void EventConnections::Fire(DispId id) {
    // Deliver to the sinks connected now, skipping any that a handler disconnects meanwhile.
    std::vector<std::uint32_t> cookies;
    cookies.reserve(sinks_.size());
    for (const auto& entry : sinks_) cookies.push_back(entry.first);
    for (std::uint32_t cookie : cookies) {
        if (EventSink* sink = SinkOf(cookie)) sink->OnEvent(id);
    }
}

}  // namespace tumbler::framework
