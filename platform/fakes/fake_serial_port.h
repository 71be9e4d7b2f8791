#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "platform/com_port_map.h"
#include "platform/fakes/fake_steady_clock.h"
#include "platform/line_settings.h"
#include "platform/serial_port.h"

namespace platform {

// A serial port on the fake clock. Bytes arrive at scheduled times; a wait moves
// the clock to the next arrival or to its timeout, whichever comes first, so
// timing rules are exact and tests never sleep. `onWrite` lets a test answer
// each request as a unit would.
class FakeSerialPort : public SerialPort {
  public:
    explicit FakeSerialPort(FakeSteadyClock& clock) : clock_(clock) {}

    void setPortNumber(int number) override { portNumberSet = number; }
    int portNumber() const override { return portNumberSet; }
    bool setSettings(const std::string& settings) override {
        if (!ParseLineSettings(settings)) return false;
        settingsText = settings;
        return true;
    }
    std::string settings() const override { return settingsText; }

    PortDevice deviceOf(int number) const override {
        const auto it = devices.find(number);
        return it != devices.end() ? it->second
                                   : PortDevice{ComPortMap::defaultDevice(number), true, {}};
    }

    bool isOpen() const override { return opened; }
    bool open(std::string& error) override {
        if (!openError.empty()) {
            error = openError;
            return false;
        }
        opened = true;
        lineLost = false;
        ++opens;
        return true;
    }
    void close() override {
        opened = false;
        lineLost = false;
    }
    bool lost() const override { return lineLost; }
    // The device goes away: the port closes itself.
    void loseDevice() {
        opened = false;
        lineLost = true;
    }

    bool write(std::string_view bytes) override {
        written.emplace_back(bytes);
        if (!writeSucceeds) return false;
        if (onWrite) onWrite(written.back());
        return true;
    }
    std::string readAll() override {
        std::string bytes;
        if (!opened) return bytes;
        const auto end = incoming_.upper_bound(clock_.now());
        for (auto it = incoming_.begin(); it != end; ++it) bytes += it->second;
        incoming_.erase(incoming_.begin(), end);
        ++reads;
        readBytes += bytes;
        return bytes;
    }
    void discardInput() override {
        ++discards;
        incoming_.erase(incoming_.begin(), incoming_.upper_bound(clock_.now()));
    }
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) override {
        waits.push_back(timeout);
        expectedByWait.push_back(expectedBytes);
        if (!opened) return;
        const auto deadline = clock_.now() + timeout;
        const auto next = incoming_.empty() ? deadline : incoming_.begin()->first;
        clock_.time = std::max(clock_.now(), std::min(next, deadline));
    }

    // Bytes that reach the port `delay` after now.
    void arriveAfter(std::chrono::nanoseconds delay, std::string bytes) {
        incoming_.emplace(clock_.now() + delay, std::move(bytes));
    }

    int portNumberSet = 1;
    std::string settingsText = "9600,n,8,1";
    bool opened = true;
    bool lineLost = false;
    int opens = 0;
    bool writeSucceeds = true;  // false: every write fails to go out whole
    std::string openError;      // open() fails with this text when set
    // deviceOf(); unlisted numbers give their present default device
    std::map<int, PortDevice> devices;
    std::vector<std::string> written;
    std::function<void(const std::string&)> onWrite;
    std::vector<std::chrono::nanoseconds> waits;
    std::vector<std::size_t> expectedByWait;  // what each wait was told to look for
    int reads = 0;
    std::string readBytes;  // everything readAll has returned
    int discards = 0;

  private:
    FakeSteadyClock& clock_;
    std::multimap<std::chrono::nanoseconds, std::string> incoming_;
};

}  // namespace platform
