#include "platform/telnet_com_port.h"

#include <algorithm>
#include <array>
#include <functional>

namespace platform {

namespace {

// Telnet (RFC 854, 855) and its binary (RFC 856) and COM port (RFC 2217) options.
constexpr std::uint8_t IAC = 255, DONT = 254, DO = 253, WONT = 252, WILL = 251, SB = 250, SE = 240;
constexpr std::uint8_t BINARY = 0, COM_PORT_OPTION = 44;
// A server's answer to a client's command carries the command's code plus this.
constexpr std::uint8_t ServerCode = 100;
// No answer of ours is longer; a longer subnegotiation is dropped whole.
constexpr std::size_t MaxSubnegotiation = 32;

struct SettingRequest {
    LineSetting setting;
    std::uint8_t code;  // SET-BAUDRATE 1 ... SET-CONTROL 5
    std::size_t width;  // bytes of the value, most significant first
    std::uint32_t value;
};

std::uint8_t ParityValue(char parity) {
    switch (parity) {
        case 'o':
            return 2;
        case 'e':
            return 3;
        default:
            return 1;
    }
}

// In the order they are sent; SET-CONTROL 1 is no flow control.
std::array<SettingRequest, 5> Requests(const LineSettings& line) {
    return {{{LineSetting::BaudRate, 1, 4, static_cast<std::uint32_t>(line.baud)},
             {LineSetting::DataBits, 2, 1, static_cast<std::uint32_t>(line.dataBits)},
             {LineSetting::Parity, 3, 1, ParityValue(line.parity)},
             {LineSetting::StopBits, 4, 1, static_cast<std::uint32_t>(line.stopBits)},
             {LineSetting::FlowControl, 5, 1, 1}}};
}

std::string Command(std::uint8_t command, std::uint8_t option) {
    return {static_cast<char>(IAC), static_cast<char>(command), static_cast<char>(option)};
}

}  // namespace

std::string TelnetComPort::opening() {
    ourBinary_ = theirBinary_ = comPort_ = Side::Asked;
    return Command(WILL, BINARY) + Command(DO, BINARY) + Command(WILL, COM_PORT_OPTION);
}

std::string TelnetComPort::escapeData(std::string_view data) {
    std::string escaped;
    escaped.reserve(data.size());
    for (const char c : data) {
        escaped += c;
        if (static_cast<std::uint8_t>(c) == IAC) escaped += c;
    }
    return escaped;
}

std::string TelnetComPort::receive(std::string_view bytes, std::string& answer) {
    std::string data;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        switch (state_) {
            case State::Data:
                if (byte == IAC) {
                    state_ = State::Command;
                } else {
                    data += c;
                }
                break;
            case State::SubnegotiationCommand:
                if (byte == IAC) {
                    if (subnegotiation_.size() <= MaxSubnegotiation) subnegotiation_ += c;
                    state_ = State::Subnegotiation;
                    break;
                }
                if (byte == SE) {
                    onSubnegotiation();
                    state_ = State::Data;
                    break;
                }
                // Any other command ends a subnegotiation that was never closed.
                [[fallthrough]];
            case State::Command:
                state_ = State::Data;
                if (byte == IAC) {
                    data += c;
                } else if (byte == WILL || byte == WONT || byte == DO || byte == DONT) {
                    command_ = byte;
                    state_ = State::Option;
                } else if (byte == SB) {
                    subnegotiation_.clear();
                    state_ = State::Subnegotiation;
                }  // NOP, GA, DM and the other commands change nothing here
                break;
            case State::Option:
                onCommand(command_, byte, answer);
                state_ = State::Data;
                break;
            case State::Subnegotiation:
                if (byte == IAC) {
                    state_ = State::SubnegotiationCommand;
                } else if (subnegotiation_.size() <= MaxSubnegotiation) {
                    subnegotiation_ += c;
                }
                break;
        }
    }
    return data;
}

void TelnetComPort::onCommand(std::uint8_t command, std::uint8_t option, std::string& answer) {
    // Agrees to what we offered or asked for (without answering a request we made ourselves),
    // and refuses what we did not.
    const auto agree = [&answer, option](Side& side, std::uint8_t reply) {
        if (side == Side::No) answer += Command(reply, option);
        side = Side::Yes;
    };
    switch (command) {
        case WILL:
            if (option == BINARY) {
                agree(theirBinary_, DO);
            } else {
                answer += Command(DONT, option);
            }
            break;
        case DO:
            if (option == BINARY) {
                agree(ourBinary_, WILL);
            } else if (option == COM_PORT_OPTION) {
                const bool taken = comPort_ == Side::Yes;
                agree(comPort_, WILL);
                if (!taken) sendSettings(answer);
            } else {
                answer += Command(WONT, option);
            }
            break;
        case WONT:
            if (option != BINARY) break;
            if (theirBinary_ == Side::Yes) answer += Command(DONT, option);
            theirBinary_ = Side::No;
            fail({PortOpenFault::BinaryRefused});
            break;
        case DONT: {
            if (option != BINARY && option != COM_PORT_OPTION) break;
            Side& ours = option == BINARY ? ourBinary_ : comPort_;
            if (ours == Side::Yes) answer += Command(WONT, option);
            ours = Side::No;
            fail({option == BINARY ? PortOpenFault::BinaryRefused : PortOpenFault::OptionRefused});
            break;
        }
    }
}

void TelnetComPort::sendSettings(std::string& answer) {
    if (settingsSent_) return;
    settingsSent_ = true;
    for (const SettingRequest& request : Requests(line_)) {
        std::string value;
        for (std::size_t i = request.width; i-- > 0;)
            value += static_cast<char>((request.value >> (8 * i)) & 0xFF);
        answer += std::string{static_cast<char>(IAC), static_cast<char>(SB),
                              static_cast<char>(COM_PORT_OPTION), static_cast<char>(request.code)} +
                  escapeData(value) + std::string{static_cast<char>(IAC), static_cast<char>(SE)};
    }
}

void TelnetComPort::onSubnegotiation() {
    // IAC SB COM-PORT-OPTION code value IAC SE; notifications (line and modem state, flow
    // control) and anything after the settings are confirmed change nothing.
    if (subnegotiation_.size() < 2 || subnegotiation_.size() > MaxSubnegotiation) return;
    if (static_cast<std::uint8_t>(subnegotiation_[0]) != COM_PORT_OPTION || !settingsSent_) return;
    const auto code = static_cast<std::uint8_t>(subnegotiation_[1]);
    const auto requests = Requests(line_);
    const auto request = std::ranges::find_if(
        requests, [code](const SettingRequest& r) { return r.code + ServerCode == code; });
    if (request == requests.end()) return;
    const auto index = static_cast<std::size_t>(request - requests.begin());
    if (confirmed_[index] || failure_) return;
    const std::string_view value = std::string_view(subnegotiation_).substr(2);
    std::uint32_t kept = 0;
    for (const char c : value) kept = (kept << 8) | static_cast<std::uint8_t>(c);
    if (value.size() != request->width || kept != request->value) {
        fail(PortOpenFailure::OfSetting(PortOpenFault::SettingKept, request->setting, kept,
                                        request->value));
        return;
    }
    confirmed_[index] = true;
}

void TelnetComPort::fail(PortOpenFailure failure) {
    if (!failure_) failure_ = std::move(failure);
}

TelnetComPort::Progress TelnetComPort::progress() const {
    if (failure_) return Progress::Failed;
    const bool settled = ourBinary_ == Side::Yes && theirBinary_ == Side::Yes &&
                         comPort_ == Side::Yes && std::ranges::all_of(confirmed_, std::identity{});
    return settled ? Progress::Ready : Progress::Negotiating;
}

PortOpenFailure TelnetComPort::failure() const {
    if (failure_) return *failure_;
    if (comPort_ != Side::Yes) return {PortOpenFault::OptionUnanswered};
    const auto requests = Requests(line_);
    for (std::size_t i = 0; i < requests.size(); ++i)
        if (!confirmed_[i])
            return PortOpenFailure::OfSetting(PortOpenFault::SettingUnanswered,
                                              requests[i].setting);
    return {PortOpenFault::BinaryRefused};
}

}  // namespace platform
