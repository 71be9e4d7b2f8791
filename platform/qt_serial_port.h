#pragma once

#include <QSerialPort>
#include <chrono>

#include "platform/com_port_map.h"
#include "platform/line_settings.h"
#include "platform/serial_port.h"

class QSocketNotifier;

namespace platform {

// The serial port on QSerialPort. The COM number becomes a device through the
// port map when the port is opened. Line settings are applied before open(): a
// real port takes them on open, while a pseudo-terminal refuses them once open.
// Qt's resource or read error (the device went away) closes the port at once, which
// also ends a wait for input.
class QtSerialPort : public SerialPort {
  public:
    // A wait told no count looks for this many bytes.
    static constexpr int InputGroupBytes = 8;

    explicit QtSerialPort(const ComPortMap& ports);

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    bool setSettings(const std::string& settings) override;
    std::string settings() const override { return settingsText_; }

    PortDevice deviceOf(int number) const override;

    bool isOpen() const override { return port_.isOpen(); }
    bool open(std::string& error) override;
    void close() override;
    bool deviceLost() const override { return deviceLost_; }

    bool write(std::string_view bytes) override;
    std::string readAll() override;
    void discardInput() override;
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) override;

  private:
    void onError(QSerialPort::SerialPortError error);
    // The notifier through which QSerialPort learns of received bytes, while open.
    QSocketNotifier* inputNotifier();
    // Line time still to pass before what was written has gone out.
    std::chrono::nanoseconds outputStillGoing() const;

    const ComPortMap& ports_;
    QSerialPort port_;
    int number_ = 1;
    LineSettings line_;
    std::string settingsText_ = "9600,n,8,1";
    bool deviceLost_ = false;
    std::chrono::steady_clock::time_point outputEnds_{};
};

}  // namespace platform
