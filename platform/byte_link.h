#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// A line to the unit as the transactions use it, whatever carries it (a serial device, a
// device server on the network): nothing but bytes, no handshake lines, no receive events.
// A tracer or a test wraps one ByteLink in another.
class ByteLink {
  public:
    virtual ~ByteLink() = default;

    virtual bool isOpen() const = 0;
    // Opens (again) what the link stands for with its line settings. On failure returns false
    // and says why in `error`: what was opened and the reason (PortOpenFailureText).
    virtual bool open(std::string& error) = 0;
    virtual void close() = 0;
    // The link closed itself because its device or its connection went away (a USB adapter
    // pulled, a device server rebooted); false again once it opens or is closed on purpose.
    virtual bool lost() const = 0;

    // Queues every byte for sending and returns at once; false when they could not all be
    // handed over.
    virtual bool write(std::string_view bytes) = 0;
    // Every byte received and not yet read, possibly none; never waits.
    virtual std::string readAll() = 0;
    // Drops every byte received and not yet read.
    virtual void discardInput() = 0;
    // Sleeps, letting the program's events run, until bytes are pending or the timeout has
    // passed. Returns at once when bytes are already pending. `expectedBytes` is how many bytes
    // the caller still looks for (0: not known). A link may hold the wake until that many have
    // come, or until a short while after their line time when fewer come, so that bytes
    // arriving one by one at line pace are taken together rather than with one wake each.
    virtual void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) = 0;
};

}  // namespace platform
