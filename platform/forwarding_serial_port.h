#pragma once

#include "platform/serial_port.h"

namespace platform {

// A serial port that hands every call to another one: the base of ports that watch or change
// a few calls of a real port and leave the rest as they are.
class ForwardingSerialPort : public SerialPort {
  public:
    explicit ForwardingSerialPort(SerialPort& port) : port_(port) {}

    void setPortNumber(int number) override { port_.setPortNumber(number); }
    int portNumber() const override { return port_.portNumber(); }
    bool setSettings(const std::string& settings) override { return port_.setSettings(settings); }
    std::string settings() const override { return port_.settings(); }
    PortDevice deviceOf(int number) const override { return port_.deviceOf(number); }
    bool isOpen() const override { return port_.isOpen(); }
    bool open(std::string& error) override { return port_.open(error); }
    void close() override { port_.close(); }
    bool lost() const override { return port_.lost(); }
    bool write(std::string_view bytes) override { return port_.write(bytes); }
    std::string readAll() override { return port_.readAll(); }
    void discardInput() override { port_.discardInput(); }
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes) override {
        port_.waitForInput(timeout, expectedBytes);
    }

  protected:
    SerialPort& port_;
};

}  // namespace platform
