#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/fakes/fake_event_pump.h"
#include "platform/fakes/fake_serial_port.h"
#include "platform/fakes/fake_steady_clock.h"
#include "unit_link/command_frame.h"
#include "unit_link/fakes/fake_link_window.h"
#include "unit_link/transaction.h"
#include "unit_link/unit_link.h"

namespace unit_link {

using namespace std::chrono_literals;

// One piece of an answer: bytes that reach the port `after` the request.
struct Piece {
    std::chrono::nanoseconds after;
    std::string bytes;
};
using Answer = std::vector<Piece>;

// A reply to "4" as the unit frames it: STX, 12 characters of header, the
// groups from position 14, then ";", a checksum and ETX.
inline std::string WordsReply(const std::string& groups) {
    return std::string(1, STX) + "4FFEF5C;4;hh" + groups + ";CCCC" + ETX;
}

inline std::string TwoBytesReply(const std::string& pairs) {
    return std::string(1, STX) + "10;xxxxxx" + pairs + ";CCCC" + ETX;
}

inline const std::string Ack(1, ACK);
inline const std::string Nak(1, NAK);

// The link on a fake port, clock, event pump and window. Each request written
// (not the host's lone ACK) takes the next queued answer; none is silence.
class LinkTest : public ::testing::Test {
  protected:
    LinkTest() {
        port.onWrite = [this](const std::string& written) {
            if (written == Ack || answers.empty()) return;
            for (const Piece& piece : answers.front()) port.arriveAfter(piece.after, piece.bytes);
            answers.pop_front();
        };
    }

    void Answer(unit_link::Answer answer) { answers.push_back(std::move(answer)); }
    void AnswerAtOnce(const std::string& bytes) { Answer({{10ms, bytes}}); }

    std::vector<std::string> Requests() const {
        std::vector<std::string> requests;
        for (const auto& written : port.written)
            if (written != Ack) requests.push_back(written);
        return requests;
    }

    platform::FakeSteadyClock clock;
    platform::FakeSerialPort port{clock};
    platform::FakeEventPump events;
    FakeLinkWindow window;
    LinkServices services{port, clock, events};
    UnitLink link{services, window};
    std::deque<unit_link::Answer> answers;
};

}  // namespace unit_link
