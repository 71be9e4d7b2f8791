// The Telnet layer of an RFC 2217 line, on bytes alone.
#include <gtest/gtest.h>

#include "platform/telnet_com_port.h"

namespace platform {
namespace {

constexpr char IAC = '\xFF', DONT = '\xFE', DO = '\xFD', WONT = '\xFC', WILL = '\xFB', SB = '\xFA',
               SE = '\xF0';
constexpr char BINARY = 0, ECHO = 1, SGA = 3, COM_PORT = 44;

std::string Cmd(char command, char option) {
    return {IAC, command, option};
}
std::string Sub(std::string body) {
    return std::string{IAC, SB, COM_PORT} + body + std::string{IAC, SE};
}
std::string Bytes(std::initializer_list<int> values) {
    std::string text;
    for (const int v : values) text += static_cast<char>(v);
    return text;
}

// What Debian's ser2net sends on connect, and its answers to 9600,e,8,1 with no flow control.
const std::string Greeting = Cmd(WILL, SGA) + Cmd(DO, SGA) + Cmd(WILL, ECHO) + Cmd(DONT, ECHO) +
                             Cmd(DO, BINARY) + Cmd(WILL, BINARY) + Cmd(DO, COM_PORT);
const std::string ModemState = Sub(Bytes({107, 0x30}));
const std::string LineState = Sub(Bytes({106, 0x60}));
const std::string Confirmations = Sub(Bytes({101, 0, 0, 0x25, 0x80})) + Sub(Bytes({102, 8})) +
                                  Sub(Bytes({103, 3})) + Sub(Bytes({104, 1})) +
                                  Sub(Bytes({105, 1}));
const std::string SettingsAsked = Sub(Bytes({1, 0, 0, 0x25, 0x80})) + Sub(Bytes({2, 8})) +
                                  Sub(Bytes({3, 3})) + Sub(Bytes({4, 1})) + Sub(Bytes({5, 1}));

const LineSettings Line{9600, 'e', 8, 1};

struct Fed {
    std::string data;
    std::string answer;
};

Fed Feed(TelnetComPort& telnet, const std::vector<std::string>& pieces) {
    Fed fed;
    for (const std::string& piece : pieces) fed.data += telnet.receive(piece, fed.answer);
    return fed;
}

TEST(TelnetComPort, OffersBinaryBothWaysAndTheComPortOption) {
    TelnetComPort telnet(Line);
    EXPECT_EQ(telnet.opening(), Cmd(WILL, BINARY) + Cmd(DO, BINARY) + Cmd(WILL, COM_PORT));
    EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Negotiating);
}

TEST(TelnetComPort, RefusesOtherOptionsAndSendsTheSettingsOnceTheServerTakesTheOption) {
    TelnetComPort telnet(Line);
    telnet.opening();
    const Fed fed = Feed(telnet, {Greeting});
    EXPECT_EQ(fed.data, "");
    // SGA and ECHO refused both ways; our own offers are not answered again.
    EXPECT_EQ(fed.answer, Cmd(DONT, SGA) + Cmd(WONT, SGA) + Cmd(DONT, ECHO) + SettingsAsked);
    EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Negotiating);
    // A repeated request changes nothing and sends nothing.
    EXPECT_EQ(Feed(telnet, {Cmd(DO, COM_PORT) + Cmd(WILL, BINARY)}).answer, "");
}

TEST(TelnetComPort, AnswersEveryRequestOfAServerThatAsksFirst) {
    TelnetComPort telnet(Line);  // no opening(): the server's requests come first
    const Fed fed = Feed(telnet, {Cmd(DO, BINARY) + Cmd(WILL, BINARY) + Cmd(DO, COM_PORT) +
                                  Cmd(DO, 24) + Cmd(WILL, 5) + Cmd(DONT, 24) + Cmd(WONT, 5)});
    EXPECT_EQ(fed.answer, Cmd(WILL, BINARY) + Cmd(DO, BINARY) + Cmd(WILL, COM_PORT) +
                              SettingsAsked + Cmd(WONT, 24) + Cmd(DONT, 5));
}

TEST(TelnetComPort, IsReadyOnceEverySettingIsConfirmedAndPassesDataWithoutNotifications) {
    TelnetComPort telnet(Line);
    telnet.opening();
    Feed(telnet, {Greeting, ModemState, Confirmations.substr(0, Confirmations.size() - 1)});
    EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Negotiating);
    EXPECT_EQ(telnet.failure().fault, PortOpenFault::SettingUnanswered);
    EXPECT_EQ(telnet.failure().setting, LineSetting::FlowControl);
    Feed(telnet, {Confirmations.substr(Confirmations.size() - 1)});
    EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Ready);
    const Fed fed = Feed(telnet, {"\x02"
                                  "4FF" +
                                  ModemState + "EF5C" + LineState + Cmd('\xF1', 0).substr(0, 2) +
                                  ";\x03"});  // and a NOP
    EXPECT_EQ(fed.data,
              "\x02"
              "4FFEF5C;\x03");
    EXPECT_EQ(fed.answer, "");
}

TEST(TelnetComPort, FailsOnAValueTheServerKeptNamingTheSetting) {
    TelnetComPort telnet(Line);
    telnet.opening();
    Feed(telnet, {Greeting, Sub(Bytes({101, 0, 0, 0x25, 0x80})), Sub(Bytes({102, 8})),
                  Sub(Bytes({103, 1}))});
    ASSERT_EQ(telnet.progress(), TelnetComPort::Progress::Failed);
    const PortOpenFailure failure = telnet.failure();
    EXPECT_EQ(failure.fault, PortOpenFault::SettingKept);
    EXPECT_EQ(failure.setting, LineSetting::Parity);
    EXPECT_EQ(failure.kept, 1u);
    EXPECT_EQ(failure.asked, 3u);
    // A later right answer does not mend it.
    Feed(telnet, {Sub(Bytes({103, 3})), Sub(Bytes({104, 1})), Sub(Bytes({105, 1}))});
    EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Failed);
    EXPECT_EQ(telnet.failure().setting, LineSetting::Parity);
}

TEST(TelnetComPort, AShortOrLongBaudAnswerIsAKeptValue) {
    for (const std::string& answer :
         {Bytes({101, 0x25, 0x80}), Bytes({101, 0, 0, 0, 0x25, 0x80})}) {
        TelnetComPort telnet(Line);
        telnet.opening();
        Feed(telnet, {Greeting, Sub(answer)});
        EXPECT_EQ(telnet.failure().fault, PortOpenFault::SettingKept);
        EXPECT_EQ(telnet.failure().setting, LineSetting::BaudRate);
    }
}

TEST(TelnetComPort, FailsWhenTheServerRefusesTheOptionOrBinary) {
    const std::pair<std::string, PortOpenFault> refusals[] = {
        {Cmd(DONT, COM_PORT), PortOpenFault::OptionRefused},
        {Cmd(WONT, BINARY), PortOpenFault::BinaryRefused},
        {Cmd(DONT, BINARY), PortOpenFault::BinaryRefused},
    };
    for (const auto& [refusal, fault] : refusals) {
        TelnetComPort telnet(Line);
        telnet.opening();
        const Fed fed = Feed(telnet, {refusal});
        EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Failed);
        EXPECT_EQ(telnet.failure().fault, fault);
        EXPECT_EQ(fed.answer, "");  // a refused offer is not acknowledged again
    }
    // Binary turned off once agreed is acknowledged, and fails the line too.
    TelnetComPort telnet(Line);
    telnet.opening();
    const Fed fed = Feed(telnet, {Cmd(WILL, BINARY), Cmd(WONT, BINARY)});
    EXPECT_EQ(fed.answer, Cmd(DONT, BINARY));
    EXPECT_EQ(telnet.failure().fault, PortOpenFault::BinaryRefused);
}

TEST(TelnetComPort, ASilentServerLeavesTheOptionAwaitedThenEachSettingInTurn) {
    TelnetComPort telnet(Line);
    telnet.opening();
    EXPECT_EQ(telnet.failure().fault, PortOpenFault::OptionUnanswered);
    Feed(telnet, {Cmd(DO, COM_PORT)});
    EXPECT_EQ(telnet.failure().fault, PortOpenFault::SettingUnanswered);
    EXPECT_EQ(telnet.failure().setting, LineSetting::BaudRate);
    Feed(telnet, {Sub(Bytes({101, 0, 0, 0x25, 0x80}))});
    EXPECT_EQ(telnet.failure().setting, LineSetting::DataBits);
    Feed(telnet, {Confirmations});
    EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Negotiating);  // binary not agreed yet
    EXPECT_EQ(telnet.failure().fault, PortOpenFault::BinaryRefused);
}

TEST(TelnetComPort, Doubles0xFFInDataBothWays) {
    EXPECT_EQ(TelnetComPort::escapeData("a\xFF"
                                        "b\xFF\xFF"),
              "a\xFF\xFF"
              "b\xFF\xFF\xFF\xFF");
    EXPECT_EQ(TelnetComPort::escapeData("\x02"
                                        "1FFEF5C;4\x03"),
              "\x02"
              "1FFEF5C;4\x03");
    TelnetComPort telnet(Line);
    EXPECT_EQ(Feed(telnet, {"a\xFF\xFF"
                            "b\xFF",
                            "\xFF"})
                  .data,
              "a\xFF"
              "b\xFF");
}

TEST(TelnetComPort, OddOtherSequencesNeverReachTheData) {
    TelnetComPort telnet(Line);
    telnet.opening();
    // A subnegotiation of another option, a doubled IAC inside one, one never closed (ended by
    // the next command), and one too long to be ours.
    const Fed fed = Feed(telnet, {"a" + std::string{IAC, SB, 24, 1, IAC, IAC, 2, IAC, SE} + "b" +
                                  std::string{IAC, SB, COM_PORT, 107, 1} + Cmd(DO, 24) + "c" +
                                  std::string{IAC, SB, COM_PORT} + std::string(100, 'x') +
                                  std::string{IAC, SE} + "d"});
    EXPECT_EQ(fed.data, "abcd");
    EXPECT_EQ(fed.answer, Cmd(WONT, 24));
}

// The whole conversation, cut into two reads at every byte, and fed a byte at a time.
TEST(TelnetComPort, GivesTheSameDataAndAnswersHoweverTheBytesAreSplit) {
    const std::string stream = Greeting + ModemState +
                               "\x02"
                               "1\xFF\xFF"
                               "2" +
                               Confirmations + LineState + "\x03" + Cmd(DO, 24) + "\xFF\xFF";
    TelnetComPort whole(Line);
    whole.opening();
    const Fed expected = Feed(whole, {stream});
    ASSERT_EQ(expected.data,
              "\x02"
              "1\xFF"
              "2\x03\xFF");
    ASSERT_EQ(whole.progress(), TelnetComPort::Progress::Ready);
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        TelnetComPort telnet(Line);
        telnet.opening();
        const Fed fed = Feed(telnet, {stream.substr(0, cut), stream.substr(cut)});
        EXPECT_EQ(fed.data, expected.data) << "cut at " << cut;
        EXPECT_EQ(fed.answer, expected.answer) << "cut at " << cut;
        EXPECT_EQ(telnet.progress(), TelnetComPort::Progress::Ready) << "cut at " << cut;
    }
    TelnetComPort telnet(Line);
    telnet.opening();
    std::vector<std::string> bytes;
    for (const char c : stream) bytes.emplace_back(1, c);
    const Fed fed = Feed(telnet, bytes);
    EXPECT_EQ(fed.data, expected.data);
    EXPECT_EQ(fed.answer, expected.answer);
}

TEST(TelnetComPort, AsksTheLineSettingsItIsGiven) {
    TelnetComPort telnet(LineSettings{19200, 'o', 7, 2});
    telnet.opening();
    EXPECT_EQ(Feed(telnet, {Cmd(DO, COM_PORT)}).answer,
              Sub(Bytes({1, 0, 0, 0x4B, 0x00})) + Sub(Bytes({2, 7})) + Sub(Bytes({3, 2})) +
                  Sub(Bytes({4, 2})) + Sub(Bytes({5, 1})));
    TelnetComPort none(LineSettings{4800, 'n', 8, 1});
    none.opening();
    EXPECT_NE(Feed(none, {Cmd(DO, COM_PORT)}).answer.find(Sub(Bytes({3, 1}))), std::string::npos);
}

}  // namespace
}  // namespace platform
