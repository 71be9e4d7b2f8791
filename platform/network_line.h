#pragma once

#include <optional>
#include <string>

#include "platform/byte_link.h"
#include "platform/com_entry.h"
#include "platform/line_settings.h"
#include "platform/telnet_com_port.h"
#include "platform/watched_descriptor.h"

namespace platform {

// The unit's line behind a device server: a TCP connection made with QTcpSocket while the
// program's events run, at most NetworkAnswerLimit. On a raw line (tcp://) the bytes pass as
// they are and the line settings are the server's. On an RFC 2217 line the Telnet layer sets
// the line settings, each confirmed within NetworkAnswerLimit, before the line counts as open.
// A connection the server closes is a lost line.
class NetworkLine : public ByteLink {
  public:
    // `number` and `name` (the COM entry as written) are named in failures.
    NetworkLine(int number, std::string name, LineKind kind, NetworkEndpoint endpoint,
                const LineSettings& line);

    bool isOpen() const override { return input_.isOpen(); }
    bool open(std::string& error) override;
    void close() override;
    bool lost() const override { return input_.lost(); }

    bool write(std::string_view bytes) override;
    std::string readAll() override { return input_.readAll(); }
    void discardInput() override { input_.discardInput(); }
    void waitForInput(std::chrono::nanoseconds timeout, std::size_t expectedBytes = 0) override {
        input_.waitForInput(timeout, expectedBytes);
    }

  private:
    // The connected descriptor, or why there is none.
    std::optional<int> connect(PortOpenFailure& failure);
    // Sets the line up through the COM port option.
    bool negotiate(PortOpenFailure& failure);
    bool fail(const PortOpenFailure& failure, std::string& error);

    int number_;
    std::string name_;
    LineKind kind_;
    NetworkEndpoint endpoint_;
    LineSettings line_;
    WatchedDescriptor input_;
    std::optional<TelnetComPort> telnet_;
};

}  // namespace platform
