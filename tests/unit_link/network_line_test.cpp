// Network lines against a device server of the test's own on the loopback: the RFC 2217 open,
// its failures with their reasons, data both ways, and a connection the server drops.
#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <deque>
#include <memory>

#include "platform/com_port_map.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/system_steady_clock.h"
#include "tests/unit_link/core_application.h"
#include "unit_link/command_frame.h"
#include "unit_link/fakes/fake_link_window.h"
#include "unit_link/unit_link.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

constexpr char IAC = '\xFF', SB = '\xFA', SE = '\xF0', WILL = '\xFB', DO = '\xFD';

// An RFC 2217 device server as Debian's ser2net behaves, or misbehaving as told: it answers
// each setting with the value asked (or `keptParity` for parity), takes data out of the
// Telnet stream into `data`, and ACKs each request frame when `ackFrames`.
class DeviceServer {
  public:
    enum class Mode { Rfc2217, Raw, Silent };

    explicit DeviceServer(Mode mode, const QHostAddress& address = QHostAddress::LocalHost)
        : mode_(mode) {
        server_.listen(address, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }
    std::uint16_t port() const { return server_.serverPort(); }
    // Ends the current connection as a rebooting server does.
    void dropConnection() {
        if (!clients_.empty()) clients_.back()->abort();
    }
    void send(const std::string& bytes) {
        clients_.back()->write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::optional<char> keptParity;
    bool ackFrames = false;
    int connections = 0;
    std::string data;  // what reached the line, Telnet taken out
    std::string raw;   // every byte received

  private:
    void accept() {
        while (QTcpSocket* client = server_.nextPendingConnection()) {
            ++connections;
            clients_.emplace_back(client);
            if (mode_ == Mode::Rfc2217) send(std::string{IAC, DO, 0, IAC, WILL, 0, IAC, DO, 44});
            QObject::connect(client, &QTcpSocket::readyRead, [this, client] {
                const QByteArray bytes = client->readAll();
                take(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            });
        }
    }
    void take(const std::string& bytes) {
        raw += bytes;
        if (mode_ == Mode::Silent) return;
        if (mode_ == Mode::Raw) {
            data += bytes;
            return;
        }
        pending_ += bytes;
        // Whole sequences only: IAC IAC is data, IAC SB ... IAC SE a setting, IAC x y a command.
        std::size_t at = 0;
        while (at < pending_.size()) {
            if (pending_[at] != IAC) {
                onData(pending_[at++]);
                continue;
            }
            if (at + 1 >= pending_.size()) break;
            if (pending_[at + 1] == IAC) {
                onData(IAC);
                at += 2;
            } else if (pending_[at + 1] == SB) {
                const std::size_t end = pending_.find(std::string{IAC, SE}, at);
                if (end == std::string::npos) break;
                answer(pending_.substr(at + 3, end - at - 3));
                at = end + 2;
            } else {
                if (at + 2 >= pending_.size()) break;
                at += 3;
            }
        }
        pending_.erase(0, at);
    }
    void answer(std::string setting) {  // code and value
        if (setting[0] == 3 && keptParity) setting[1] = *keptParity;
        setting[0] = static_cast<char>(setting[0] + 100);
        send(std::string{IAC, SB, 44} + setting + std::string{IAC, SE});
    }
    void onData(char c) {
        data += c;
        if (ackFrames && c == unit_link::ETX) send(std::string(1, unit_link::ACK));
    }

    Mode mode_;
    QTcpServer server_;
    std::deque<std::unique_ptr<QTcpSocket>> clients_;
    std::string pending_;
};

class NetworkLineTest : public ::testing::Test {
  protected:
    void map(const std::string& name) {
        ports.set(2, name);
        port.setPortNumber(2);
        port.setSettings("9600,e,8,1");
    }
    std::string openFailure() {
        std::string error;
        EXPECT_FALSE(port.open(error));
        EXPECT_FALSE(port.isOpen());
        return error;
    }
    template <typename Done>
    void runUntil(Done done) {
        for (int i = 0; i < 500 && !done(); ++i) port.waitForInput(10ms);
    }

    CoreApplication app_;
    FakeSettingsStore store;
    ComPortMap ports{store, "QM4417"};
    QtSerialPort port{ports};
};

TEST_F(NetworkLineTest, Rfc2217OpensOnceTheServerConfirmsAndCarries0xFFBothWays) {
    DeviceServer server(DeviceServer::Mode::Rfc2217);
    map("rfc2217://127.0.0.1:" + std::to_string(server.port()));
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    ASSERT_TRUE(
        port.write("a\xFF"
                   "b"));
    runUntil([&] { return server.data.size() >= 3; });
    EXPECT_EQ(server.data,
              "a\xFF"
              "b");
    EXPECT_NE(server.raw.find("a\xFF\xFF"
                              "b"),
              std::string::npos);
    server.send(
        "x\xFF\xFF"
        "y");
    port.waitForInput(2s);
    std::string received = port.readAll();
    runUntil([&] { return (received += port.readAll()).size() >= 3; });
    EXPECT_EQ(received,
              "x\xFF"
              "y");
}

TEST_F(NetworkLineTest, ARawLinePassesEveryByteAsItIs) {
    DeviceServer server(DeviceServer::Mode::Raw, QHostAddress::LocalHostIPv6);
    map("tcp://[::1]:" + std::to_string(server.port()));
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    ASSERT_TRUE(
        port.write("a\xFF"
                   "b"));
    runUntil([&] { return server.raw.size() >= 3; });
    EXPECT_EQ(server.raw,
              "a\xFF"
              "b");  // no Telnet offers, no doubling
}

TEST_F(NetworkLineTest, ASettingTheServerKeptFailsTheOpenNamingIt) {
    DeviceServer server(DeviceServer::Mode::Rfc2217);
    server.keptParity = 1;
    const std::string name = "rfc2217://127.0.0.1:" + std::to_string(server.port());
    map(name);
    EXPECT_EQ(openFailure(),
              "COM2 opens " + name + ": the device server kept parity none; even was asked.");
}

TEST_F(NetworkLineTest, NothingListeningIsAConnectionRefused) {
    std::uint16_t closed = 0;
    {
        DeviceServer gone(DeviceServer::Mode::Raw);
        closed = gone.port();
    }
    const std::string name = "rfc2217://127.0.0.1:" + std::to_string(closed);
    map(name);
    EXPECT_EQ(openFailure(), "COM2 opens " + name + ": connection refused.");
}

TEST_F(NetworkLineTest, ANameTheResolverDoesNotKnowIsHostNotFound) {
    // A .invalid name never resolves; a resolver that cannot be reached says "try again"
    // instead, which is no finding about the name.
    addrinfo* found = nullptr;
    const int lookup = ::getaddrinfo("nosuch.invalid", nullptr, nullptr, &found);
    if (found) ::freeaddrinfo(found);
    if (lookup != EAI_NONAME && lookup != EAI_NODATA && lookup != EAI_FAIL)
        GTEST_SKIP() << "this machine's resolver answers .invalid with: " << ::gai_strerror(lookup);
    const std::string name = "rfc2217://nosuch.invalid:4001";
    map(name);
    EXPECT_EQ(openFailure(), "COM2 opens " + name + ": host not found.");
}

// These two wait out the limit of 3 s each.
TEST_F(NetworkLineTest, AServerSilentOnTheComPortOptionFailsAfterTheLimit) {
    DeviceServer server(DeviceServer::Mode::Silent);
    const std::string name = "rfc2217://127.0.0.1:" + std::to_string(server.port());
    map(name);
    EXPECT_EQ(openFailure(), "COM2 opens " + name +
                                 ": the device server did not take up the COM port option "
                                 "(RFC 2217) in 3 s.");
}

TEST_F(NetworkLineTest, AConnectionNeverAcceptedIsNoAnswer) {
    // A listener whose queue of one is full drops the next connection's SYN.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    const int queued = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(queued, reinterpret_cast<sockaddr*>(&address), size), 0);
    const std::string name = "tcp://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    map(name);
    EXPECT_EQ(openFailure(), "COM2 opens " + name + ": no answer in 3 s.");
    ::close(queued);
    ::close(listener);
}

TEST_F(NetworkLineTest, AConnectionTheServerDropsIsLostAndTheNextOperationConnectsAgain) {
    DeviceServer server(DeviceServer::Mode::Rfc2217);
    server.ackFrames = true;
    map("rfc2217://127.0.0.1:" + std::to_string(server.port()));
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    server.dropConnection();
    runUntil([&] { return port.lost(); });
    ASSERT_TRUE(port.lost());
    EXPECT_FALSE(port.isOpen());

    SystemSteadyClock clock;
    QtEventPump events;
    unit_link::FakeLinkWindow window;
    unit_link::UnitLink link({port, clock, events}, window);
    EXPECT_EQ(link.WriteWord(0xFFEF34, 1500), unit_link::LinkOutcome::Accepted);
    EXPECT_EQ(server.connections, 2);
    EXPECT_EQ(window.failureMessages, 0);
    EXPECT_NE(server.data.find(unit_link::CommandFrame("2FFEF34,05DC;")), std::string::npos)
        << server.data;
}

}  // namespace
}  // namespace platform
