#include "tools/unit_sim/tcp_unit.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/unit_sim/sim_test_support.h"
#include "tools/unit_sim/line_pace.h"
#include "unit_link/unit_commands.h"

namespace unit_sim {
namespace {

using namespace std::chrono_literals;
using unit_link::CommandFrame;

const platform::NetworkEndpoint Loopback{"127.0.0.1", 0};

int Connect(std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

const std::string MonitorRead = CommandFrame(unit_link::ReadWordsBody(0xFFEF5C, 4));

TEST(TcpUnitTest, AnswersEachClientInTurnAndRefusesASecondOneMeanwhile) {
    TcpUnit unit({std::nullopt, Loopback});
    EXPECT_EQ(unit.lineName(), "tcp://127.0.0.1:" + std::to_string(unit.port()));
    unit.control("position 0xABCDEF");
    std::string whole;
    {
        Host first(Connect(unit.port()));
        first.send(MonitorRead);
        whole = first.answer();
        EXPECT_TRUE(
            whole.starts_with("\x02"
                              "4FFEF5C;0004CDEF00AB"))
            << whole;
        Host second(Connect(unit.port()));
        EXPECT_EQ(second.answer(), "");
        EXPECT_EQ(second.ended(), Host::EndOfInput);
        first.send(MonitorRead);
        EXPECT_EQ(first.answer(), whole);  // the first client is still served
    }
    Host next(Connect(unit.port()));
    next.send(MonitorRead);
    EXPECT_EQ(next.answer(), whole);
    EXPECT_EQ(unit.connectionsServed(), 2);
}

TEST(TcpUnitTest, AResetCutsTheAnswerAndTheNextConnectionIsServed) {
    TcpUnit unit({std::nullopt, Loopback});
    Host clean(Connect(unit.port()));
    clean.send(MonitorRead);
    const std::string whole = clean.answer();
    ASSERT_EQ(unit.control("fault reset 1"), "ok");
    clean.send(MonitorRead);
    std::string cut = clean.answer();
    // What came before the reset may be taken by it; never more than half.
    EXPECT_TRUE(whole.starts_with(cut)) << cut;
    EXPECT_LE(cut.size(), whole.size() / 2);
    EXPECT_EQ(clean.ended(), ECONNRESET);

    Host next(Connect(unit.port()));
    next.send(MonitorRead);
    EXPECT_EQ(next.answer(), whole);
}

TEST(TcpUnitTest, AHalfCloseSendsHalfTheAnswerThenTheEndOfInput) {
    TcpUnit unit({std::nullopt, Loopback});
    const std::string write = CommandFrame(unit_link::WriteWordBody(0x10, 9));
    {
        Host client(Connect(unit.port()));
        client.send(MonitorRead);
        const std::string whole = client.answer();
        ASSERT_EQ(unit.control("fault half-close 1"), "ok");
        client.send(MonitorRead);
        EXPECT_EQ(client.answer(), whole.substr(0, whole.size() / 2));
        EXPECT_EQ(client.ended(), Host::EndOfInput);
        // The unit still hears the client, which cannot hear it.
        client.send(write);
        for (int wait = 0; wait < 200 && unit.control("peek 10") != "0x0009"; ++wait)
            std::this_thread::sleep_for(10ms);
        EXPECT_EQ(unit.control("peek 10"), "0x0009");
    }
    // Served once the half-closed client has closed.
    Host next(Connect(unit.port()));
    next.send(write);
    EXPECT_EQ(next.answer(), "\x06");
}

TEST(TcpUnitTest, AnswerTakesTheLinesTimeForRequestAndReply) {
    const auto byteTime = *ByteTime("9600,e,8,1");
    TcpUnit unit({byteTime, Loopback});
    Host client(Connect(unit.port()));
    const auto start = SimClock::now();
    client.send(MonitorRead);
    const std::string reply = client.answer();
    ASSERT_EQ(reply.back(), unit_link::ETX);
    EXPECT_GE(SimClock::now() - start,
              byteTime * static_cast<int>(MonitorRead.size() + reply.size()));
}

TEST(TcpUnitTest, ListenAddressIsAPortWithAnOptionalHost) {
    std::string fault;
    const auto read = [&fault](std::string_view text) {
        fault.clear();
        const auto address = ReadListenAddress(text, fault);
        return address ? platform::EndpointText(*address) : "refused: " + fault;
    };
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"0", "127.0.0.1:0"},
        {"4417", "127.0.0.1:4417"},
        {"0.0.0.0:65535", "0.0.0.0:65535"},
        {"[::1]:4001", "[::1]:4001"},
        {"localhost:1", "localhost:1"},
        {"", "refused: the port '' is not a number from 0 to 65535"},
        {"65536", "refused: the port '65536' is not a number from 0 to 65535"},
        {"127.0.0.1:", "refused: the port '' is not a number from 0 to 65535"},
        {":4001", "refused: no host before the port"},
        {"::1:4001", "refused: an IPv6 address goes in brackets, as in [::1]:4001"},
        {"[::1]", "refused: the port '[::1]' is not a number from 0 to 65535"},
        {"300.1.1.1:5", "refused: '300.1.1.1' is no IPv4 address"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(read(text), expected) << text;
}

TEST(TcpUnitTest, AnAddressInUseIsSaid) {
    TcpUnit first({std::nullopt, Loopback});
    try {
        TcpUnit second({std::nullopt, {"127.0.0.1", first.port()}});
        ADD_FAILURE() << "listened twice on one port";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "listen on 127.0.0.1:" + std::to_string(first.port()) +
                                                 ": Address already in use");
    }
}

}  // namespace
}  // namespace unit_sim
