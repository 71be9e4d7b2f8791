#pragma once

#include <termios.h>
#include <QLockFile>
#include <memory>
#include <optional>

#include "platform/byte_link.h"
#include "platform/line_settings.h"
#include "platform/watched_descriptor.h"

namespace platform {

// A serial device file on termios, held as QSerialPort holds one: a lock file "LCK..<name>"
// in the system's lock folder, which Qt programs and uucp-style tools share, and an exclusive
// open (TIOCEXCL). The line settings go in with the open: a real port takes them, a
// pseudo-terminal silently keeps 8N1. The settings found are put back on close.
class TermiosDevice : public ByteLink {
  public:
    // `number` is the COM number that opens `path`, named in failures.
    TermiosDevice(int number, std::string path, const LineSettings& line);
    ~TermiosDevice() override { close(); }

    bool isOpen() const override { return input_.isOpen(); }
    bool open(std::string& error) override;
    void close() override;
    bool lost() const override { return input_.lost(); }

    bool write(std::string_view bytes) override { return input_.write(bytes); }
    std::string readAll() override { return input_.readAll(); }
    void discardInput() override;
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) override {
        input_.waitForInput(timeout, expectedBytes);
    }

  private:
    int number_;
    std::string path_;
    LineSettings line_;
    WatchedDescriptor input_;
    std::unique_ptr<QLockFile> lock_;
    std::optional<termios> found_;  // the device's settings before we changed them
};

}  // namespace platform
