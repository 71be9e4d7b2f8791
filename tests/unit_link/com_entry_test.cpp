#include <gtest/gtest.h>

#include "platform/com_entry.h"

namespace platform {
namespace {

ComEntry Read(std::string_view name) {
    const ComEntryReading reading = ReadComEntry(name);
    EXPECT_TRUE(reading.entry) << name << ": " << reading.fault;
    EXPECT_EQ(reading.fault, "");
    return reading.entry.value_or(ComEntry{});
}

std::string FaultOf(std::string_view name) {
    const ComEntryReading reading = ReadComEntry(name);
    EXPECT_FALSE(reading.entry) << name;
    return reading.fault;
}

TEST(ReadComEntry, AnythingWithoutASchemeIsADevicePath) {
    for (const char* path : {"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
                             "relative/tty", "COM3x"}) {
        const ComEntry entry = Read(path);
        EXPECT_EQ(entry.kind, LineKind::Device);
        EXPECT_EQ(entry.device, path);
    }
}

TEST(ReadComEntry, NetworkNamesGiveTheirKindHostAndPort) {
    struct Case {
        const char* name;
        LineKind kind;
        const char* host;
        std::uint16_t port;
    };
    for (const Case& c :
         {Case{"tcp://cab7-ds:4001", LineKind::RawTcp, "cab7-ds", 4001},
          Case{"socket://10.0.0.7:2000", LineKind::RawTcp, "10.0.0.7", 2000},
          Case{"rfc2217://[::1]:1", LineKind::Rfc2217, "::1", 1},
          Case{"RFC2217://ds.plant.example:65535", LineKind::Rfc2217, "ds.plant.example", 65535},
          Case{"rfc2217://[fe80::1:2]:04001", LineKind::Rfc2217, "fe80::1:2", 4001}}) {
        const ComEntry entry = Read(c.name);
        EXPECT_EQ(entry.kind, c.kind) << c.name;
        EXPECT_EQ(entry.endpoint.host, c.host) << c.name;
        EXPECT_EQ(entry.endpoint.port, c.port) << c.name;
        EXPECT_EQ(entry.device, "");
    }
}

TEST(ReadComEntry, MalformedNamesSayWhatIsWrong) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "the name is empty"},
        {"/dev/tty\nS0", "the name holds a control character"},
        {"serial://cab7:4001",
         "'serial://' is no kind of line; a network line is tcp://, socket:// or "
         "rfc2217://HOST:PORT"},
        {"tcp://cab7-ds", "no port after the host (tcp://HOST:PORT)"},
        {"rfc2217://[::1]", "no port after the host (rfc2217://HOST:PORT)"},
        {"tcp://:4001", "no host before the port (tcp://HOST:PORT)"},
        {"tcp://cab7:", "the port '' is not a number from 1 to 65535"},
        {"tcp://cab7:0", "the port '0' is not a number from 1 to 65535"},
        {"tcp://cab7:65536", "the port '65536' is not a number from 1 to 65535"},
        {"tcp://cab7:40x1", "the port '40x1' is not a number from 1 to 65535"},
        {"tcp://cab7:4001/path", "the port '4001/path' is not a number from 1 to 65535"},
        {"tcp://cab7:-1", "the port '-1' is not a number from 1 to 65535"},
        {"tcp://::1:4001", "an IPv6 address goes in brackets, as in [::1]:4001 (tcp://HOST:PORT)"},
        {"tcp://[::1:4001", "'[' without its ']' (tcp://HOST:PORT)"},
        {"tcp://[::g]:4001", "'::g' is no IPv6 address (tcp://HOST:PORT)"},
        {"tcp://300.1.1.1:4001", "'300.1.1.1' is no IPv4 address (tcp://HOST:PORT)"},
        {"tcp://10.0.0:4001", "'10.0.0' is no IPv4 address (tcp://HOST:PORT)"},
        {"tcp://cab 7:4001", "'cab 7' is no host name (tcp://HOST:PORT)"},
        {"tcp://-cab7:4001", "'-cab7' is no host name (tcp://HOST:PORT)"},
        {"tcp://cab7..ds:4001", "'cab7..ds' is no host name (tcp://HOST:PORT)"},
        {"tcp://user@cab7:4001", "'user@cab7' is no host name (tcp://HOST:PORT)"},
    };
    for (const auto& [name, fault] : cases) EXPECT_EQ(FaultOf(name), fault) << name;
    EXPECT_EQ(FaultOf("tcp://" + std::string(64, 'a') + ":1"),
              "'" + std::string(64, 'a') + "' is no host name (tcp://HOST:PORT)");
}

TEST(EndpointText, BracketsAnIpv6AddressOnly) {
    EXPECT_EQ(EndpointText({"cab7-ds", 4001}), "cab7-ds:4001");
    EXPECT_EQ(EndpointText({"127.0.0.1", 2000}), "127.0.0.1:2000");
    EXPECT_EQ(EndpointText({"::1", 2000}), "[::1]:2000");
}

}  // namespace
}  // namespace platform
