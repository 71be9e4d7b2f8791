#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "switch_control/framework/control/dispatch.h"

namespace tumbler::framework {

// A container's receiver of a control's events (none of them carries parameters).
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void OnEvent(DispId id) = 0;
};

// The sinks connected to one control. Events are delivered synchronously, in connection order;
// a handler may fire further events, connect or disconnect sinks while one is delivered.
class EventConnections {
  public:
    // A cookie for Disconnect, never 0.
    std::uint32_t Connect(EventSink* sink);
    // False when the cookie is not connected.
    bool Disconnect(std::uint32_t cookie);
    void Fire(DispId id);
    std::size_t Count() const { return sinks_.size(); }

  private:
    EventSink* SinkOf(std::uint32_t cookie) const;

    std::vector<std::pair<std::uint32_t, EventSink*>> sinks_;
    std::uint32_t nextCookie_ = 1;
};

}  // namespace tumbler::framework
