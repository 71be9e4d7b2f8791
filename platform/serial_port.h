#pragma once

#include <string>

#include "platform/byte_link.h"
#include "platform/serial_device.h"

namespace platform {

// The unit's line selected by COM number 1 to 16: what the number opens (a serial device or a
// network line) comes from the port map when the line is opened.
class SerialPort : public ByteLink {
  public:
    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;

    // Line settings as text, e.g. "9600,e,8,1"; false (nothing changed) when the
    // text is not one of baud 4800/9600/19200, parity n/e/o, 7 or 8 data bits,
    // 1 or 2 stop bits. They take effect when the port is next opened.
    virtual bool setSettings(const std::string& settings) = 0;
    virtual std::string settings() const = 0;

    // The device COM `number` stands for, and whether it is there now.
    virtual PortDevice deviceOf(int number) const = 0;
};

}  // namespace platform
