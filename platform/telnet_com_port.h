#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/line_settings.h"
#include "platform/port_open_failure.h"

namespace platform {

// The Telnet side of an RFC 2217 client, on bytes alone: no socket, no clock.
//
// opening() offers binary transmission both ways and the COM port option. Once the server takes
// up the option, the line settings go out (baud rate, data bits, parity, stop bits, no flow
// control), and each must come back confirmed with the value asked. Other options are refused
// by the Telnet rules (DONT, WONT) and never left unanswered. receive() takes Telnet commands,
// subnegotiations and the server's own notifications (line state, modem state) out of what
// arrives, also when a sequence is split across reads, and leaves only the line's data.
// Data to the line goes through escapeData(), which doubles 0xFF.
class TelnetComPort {
  public:
    enum class Progress { Negotiating, Ready, Failed };

    explicit TelnetComPort(const LineSettings& line) : line_(line) {}

    // What the client sends as soon as it is connected.
    std::string opening();
    // The line's data among `bytes`; what must go back to the server at once is added to
    // `answer`.
    std::string receive(std::string_view bytes, std::string& answer);
    static std::string escapeData(std::string_view data);

    Progress progress() const;
    // Failed: why. Negotiating: what is still awaited, for a caller whose time ran out.
    PortOpenFailure failure() const;

  private:
    enum class State { Data, Command, Option, Subnegotiation, SubnegotiationCommand };
    // Our side of an option (WILL) or the server's (DO), as RFC 1143 keeps them.
    enum class Side { No, Asked, Yes };
    static constexpr int SettingCount = 5;

    void onCommand(std::uint8_t command, std::uint8_t option, std::string& answer);
    void onSubnegotiation();
    void sendSettings(std::string& answer);
    void fail(PortOpenFailure failure);

    LineSettings line_;
    State state_ = State::Data;
    std::uint8_t command_ = 0;
    std::string subnegotiation_;
    Side ourBinary_ = Side::No;
    Side theirBinary_ = Side::No;
    Side comPort_ = Side::No;
    bool settingsSent_ = false;
    bool confirmed_[SettingCount] = {};
    std::optional<PortOpenFailure> failure_;
};

}  // namespace platform
