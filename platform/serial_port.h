#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/serial_device.h"

namespace platform {

// One serial port, selected by COM number 1 to 16, in the terms the unit link
// uses it: no handshake lines, no receive events, nothing but bytes.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;

    // Line settings as text, e.g. "9600,e,8,1"; false (nothing changed) when the
    // text is not one of baud 4800/9600/19200, parity n/e/o, 7 or 8 data bits,
    // 1 or 2 stop bits. They take effect when the port is next opened.
    virtual bool setSettings(const std::string& settings) = 0;
    virtual std::string settings() const = 0;

    // The device COM `number` stands for, and whether it is there now.
    virtual PortDevice deviceOf(int number) const = 0;

    virtual bool isOpen() const = 0;
    // On failure returns false and says why in `error`: the device that the COM number opened
    // and the system's reason (PortOpenFailureText).
    virtual bool open(std::string& error) = 0;
    virtual void close() = 0;
    // The port closed itself because its device went away (a USB adapter pulled); false
    // again once it opens or is closed on purpose.
    virtual bool deviceLost() const = 0;

    // Queues every byte for sending and returns at once; false when they could not
    // all be handed to the device.
    virtual bool write(std::string_view bytes) = 0;
    // Every byte received and not yet read, possibly none; never waits.
    virtual std::string readAll() = 0;
    // Drops every byte received and not yet read.
    virtual void discardInput() = 0;
    // Sleeps, letting the program's events run, until bytes are pending or the
    // timeout has passed. Returns at once when bytes are already pending.
    // `expectedBytes` is how many bytes the caller still looks for (0: not known). A
    // real port may hold the wake until that many have come, or until a short while
    // after their line time when fewer come, so that bytes arriving one by one at line
    // pace are taken together rather than with one wake each.
    virtual void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) = 0;
};

}  // namespace platform
