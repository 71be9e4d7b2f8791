#pragma once

#include <memory>

#include "platform/com_port_map.h"
#include "platform/line_settings.h"
#include "platform/serial_port.h"

namespace platform {

// The unit's line by COM number. On open, the number's entry in the port map becomes the line
// that carries the bytes: a serial device on termios (TermiosDevice) or a device server on the
// network (NetworkLine). The line settings go in with the open.
class QtSerialPort : public SerialPort {
  public:
    explicit QtSerialPort(const ComPortMap& ports);
    ~QtSerialPort() override;

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    bool setSettings(const std::string& settings) override;
    std::string settings() const override { return settingsText_; }

    PortDevice deviceOf(int number) const override;

    bool isOpen() const override { return line_ && line_->isOpen(); }
    bool open(std::string& error) override;
    void close() override;
    bool lost() const override { return stillLost_ || (line_ && line_->lost()); }

    bool write(std::string_view bytes) override { return line_ && line_->write(bytes); }
    std::string readAll() override { return line_ ? line_->readAll() : std::string(); }
    void discardInput() override {
        if (line_) line_->discardInput();
    }
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) override {
        if (line_) line_->waitForInput(timeout, expectedBytes);
    }

  private:
    const ComPortMap& ports_;
    int number_ = 1;
    LineSettings lineSettings_;
    std::string settingsText_ = "9600,n,8,1";
    std::unique_ptr<ByteLink> line_;
    // A lost line that did not open again stays lost, so the next operation tries it again.
    bool stillLost_ = false;
};

}  // namespace platform
