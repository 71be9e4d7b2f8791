#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "platform/com_port_map.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/line_settings.h"
#include "platform/qt_serial_port.h"
#include "platform/serial_device.h"
#include "platform/watched_descriptor.h"
#include "tests/unit_link/core_application.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

TEST(ParseLineSettings, TakesTheLineTextOfTheSettingsDialog) {
    const auto line = ParseLineSettings("19200,E,7,2");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->baud, 19200);
    EXPECT_EQ(line->parity, 'e');
    EXPECT_EQ(line->dataBits, 7);
    EXPECT_EQ(line->stopBits, 2);
    EXPECT_TRUE(ParseLineSettings("4800,n,8,1"));
    EXPECT_TRUE(ParseLineSettings("9600,o,8,1"));
}

TEST(ParseLineSettings, RefusesAnythingElse) {
    for (const char* text :
         {"", "9600", "9600,e,8", "9600,e,8,1,", "115200,n,8,1", "9600,x,8,1", "9600,ee,8,1",
          "9600,e,6,1", "9600,e,8,3", " 9600,e,8,1", "9600,e,8,1x"})
        EXPECT_FALSE(ParseLineSettings(text)) << text;
}

TEST(ComPortMap, MapsToTheStoredDeviceElseToTtyS) {
    FakeSettingsStore store;
    ComPortMap ports(store, "QM4417");
    EXPECT_EQ(ports.device(1), "/dev/ttyS0");
    EXPECT_EQ(ports.device(16), "/dev/ttyS15");
    EXPECT_FALSE(ports.isMapped(3));
    ports.set(3, "/dev/serial/by-id/usb-x");
    EXPECT_EQ((store.values[{"QM4417", "Ports", "COM3"}]), "/dev/serial/by-id/usb-x");
    EXPECT_TRUE(ports.isMapped(3));
    EXPECT_EQ(ports.device(3), "/dev/serial/by-id/usb-x");
    ports.reset(3);
    EXPECT_FALSE(ports.isMapped(3));
    EXPECT_EQ(ports.device(3), "/dev/ttyS2");
}

// The words of a tooltip, for every kind of entry, with no connection tried: none of these
// addresses may be reached from a test.
TEST(ComPortMap, DescribesWhatEachEntryOpensWithoutReachingTheNetwork) {
    FakeSettingsStore store;
    ComPortMap ports(store, "QM4417");
    ports.set(3, "rfc2217://cab7-ds.invalid:4001");
    ports.set(4, "tcp://[2001:db8::7]:4000");
    ports.set(5, "/nonexistent/ttyUSB0");
    ports.set(6, "xyz://hand-edited");
    EXPECT_EQ(ports.describe(3), "COM3 opens rfc2217://cab7-ds.invalid:4001.");
    EXPECT_EQ(ports.describe(4),
              "COM4 opens tcp://[2001:db8::7]:4000; the line settings are the device server's.");
    EXPECT_EQ(ports.describe(5), "COM5 opens /nonexistent/ttyUSB0, which does not exist now.");
    EXPECT_TRUE(ports.describe(6).starts_with(
        "COM6 opens xyz://hand-edited, which cannot be opened: 'xyz://' is no kind of line"))
        << ports.describe(6);
    EXPECT_EQ(ports.kind(3), "rfc2217");
    EXPECT_EQ(ports.kind(4), "tcp");
    EXPECT_EQ(ports.kind(5), "device");
    EXPECT_EQ(ports.kind(6), "malformed");
}

TEST(ComPortMap, SetEntryRefusesAMalformedNameWithItsReasonAndStoresNothing) {
    FakeSettingsStore store;
    ComPortMap ports(store, "QM4417");
    EXPECT_EQ(ports.setEntry(2, "tcp://cab7-ds"), "no port after the host (tcp://HOST:PORT)");
    EXPECT_EQ(ports.setEntry(2, ""), "the name is empty");
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(ports.setEntry(2, "socket://cab7-ds:4000"), std::nullopt);
    EXPECT_EQ(ports.device(2), "socket://cab7-ds:4000");
    // A relative device path opens from any folder later; a link's name is kept, not resolved.
    EXPECT_EQ(ports.setEntry(3, "by-id/../by-id/usb-x"), std::nullopt);
    EXPECT_EQ(ports.device(3), (std::filesystem::current_path() / "by-id/usb-x").string());
    EXPECT_EQ(ports.setEntry(4, "/dev/serial/by-id/usb-x"), std::nullopt);
    EXPECT_EQ(ports.device(4), "/dev/serial/by-id/usb-x");
}

// A pseudo-terminal: the test holds the unit's (master) side, the port opens the
// other. The slave descriptor stays open so the master never reads EIO.
class PtyPort : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[256];
        ASSERT_EQ(openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
        ports.set(4, name);
        port.setPortNumber(4);
    }
    void TearDown() override {
        port.close();
        close(master_);
        close(slave_);
    }
    std::string ReadMaster() {
        char buffer[256];
        fcntl(master_, F_SETFL, O_NONBLOCK);
        const ssize_t n = read(master_, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    void WriteMaster(const std::string& bytes) {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // The unit's side sends `bytes` one at a time at 9600,e,8,1 pace, as a unit does.
    std::thread SendAtLinePace(const std::string& bytes) {
        return std::thread([this, bytes] {
            const auto byteTime = ByteTime(*ParseLineSettings("9600,e,8,1"));
            auto due = std::chrono::steady_clock::now();
            for (const char byte : bytes) {
                std::this_thread::sleep_until(due += byteTime);
                WriteMaster(std::string(1, byte));
            }
        });
    }

    CoreApplication app_;
    FakeSettingsStore store;
    ComPortMap ports{store, "QM4417"};
    QtSerialPort port{ports};
    int master_ = -1;
    int slave_ = -1;
};

TEST_F(PtyPort, OpensTheMappedDeviceAndCarriesBytesBothWays) {
    EXPECT_TRUE(port.setSettings("9600,e,8,1"));
    EXPECT_FALSE(port.setSettings("9600,e,9,1"));
    EXPECT_EQ(port.settings(), "9600,e,8,1");
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    EXPECT_TRUE(port.isOpen());
    port.write(
        "\x02"
        "4FFEF5C;4;026D\x03");
    for (int i = 0; i < 50 && port.isOpen(); ++i) {
        QCoreApplication::processEvents();
        const std::string sent = ReadMaster();
        if (sent.empty()) continue;
        EXPECT_EQ(sent,
                  "\x02"
                  "4FFEF5C;4;026D\x03");
        break;
    }
    WriteMaster("\x06");
    port.waitForInput(2s);
    EXPECT_EQ(port.readAll(), "\x06");
    EXPECT_EQ(port.readAll(), "");
}

TEST_F(PtyPort, OpenFailureSaysWhichDevice) {
    ports.set(4, "/dev/no-such-port");
    std::string error;
    EXPECT_FALSE(port.open(error));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(error, "COM4 opens /dev/no-such-port: no such device.");
}

TEST_F(PtyPort, ADeviceHeldByAnotherPortIsBusy) {
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    QtSerialPort second{ports};
    second.setPortNumber(4);
    EXPECT_FALSE(second.open(error));
    EXPECT_NE(error.find("COM4 opens /dev/pts/"), std::string::npos) << error;
    EXPECT_NE(error.find(": the device is busy; another program is using it."), std::string::npos)
        << error;
}

TEST_F(PtyPort, TellsTheDeviceOfEachNumberAndWhetherItIsThere) {
    const PortDevice mapped = port.deviceOf(4);
    EXPECT_EQ(mapped.path.rfind("/dev/pts/", 0), 0u) << mapped.path;
    EXPECT_TRUE(mapped.present);
    ports.set(5, "/dev/no-such-port");
    EXPECT_EQ(port.deviceOf(5).path, "/dev/no-such-port");
    EXPECT_FALSE(port.deviceOf(5).present);
}

TEST(PortOpenFailure, NamesTheReasonInTheOperatorsTerms) {
    EXPECT_EQ(ClassifyOpenFault(DeviceAccess::Missing, true), PortOpenFault::NoSuchDevice);
    EXPECT_EQ(ClassifyOpenFault(DeviceAccess::Denied, true), PortOpenFault::PermissionDenied);
    EXPECT_EQ(ClassifyOpenFault(DeviceAccess::Usable, true), PortOpenFault::Busy);
    EXPECT_EQ(ClassifyOpenFault(DeviceAccess::Usable, false), PortOpenFault::Other);
    const std::string denied =
        PortOpenFailureText(2, "/dev/ttyUSB0", {PortOpenFault::PermissionDenied, "x"});
    EXPECT_EQ(denied.rfind("COM2 opens /dev/ttyUSB0: permission denied.\n", 0), 0u) << denied;
    EXPECT_NE(denied.find("dialout"), std::string::npos);
    EXPECT_EQ(PortOpenFailureText(2, "/dev/x", {PortOpenFault::Other, "Inappropriate ioctl"}),
              "COM2 opens /dev/x: Inappropriate ioctl");
}

TEST(PortOpenFailure, NamesANetworkLinesReasonAndTheSettingTheServerKept) {
    const std::string line = "rfc2217://cab7-ds:4001";
    const auto text = [&line](PortOpenFailure failure) {
        return PortOpenFailureText(1, line, failure);
    };
    EXPECT_EQ(text({PortOpenFault::ConnectionRefused}),
              "COM1 opens " + line + ": connection refused.");
    EXPECT_EQ(text({PortOpenFault::HostNotFound}), "COM1 opens " + line + ": host not found.");
    EXPECT_EQ(text({PortOpenFault::NoAnswer}), "COM1 opens " + line + ": no answer in 3 s.");
    const std::pair<PortOpenFailure, std::string> kept[] = {
        {PortOpenFailure::OfSetting(PortOpenFault::SettingKept, LineSetting::Parity, 1, 3),
         "the device server kept parity none; even was asked."},
        {PortOpenFailure::OfSetting(PortOpenFault::SettingKept, LineSetting::BaudRate, 19200, 9600),
         "the device server kept baud rate 19200; 9600 was asked."},
        {PortOpenFailure::OfSetting(PortOpenFault::SettingKept, LineSetting::StopBits, 3, 1),
         "the device server kept stop bits 1.5; 1 was asked."},
        {PortOpenFailure::OfSetting(PortOpenFault::SettingKept, LineSetting::FlowControl, 3, 1),
         "the device server kept flow control hardware; none was asked."},
        {PortOpenFailure::OfSetting(PortOpenFault::SettingKept, LineSetting::Parity, 9, 2),
         "the device server kept parity value 9; odd was asked."},
        {PortOpenFailure::OfSetting(PortOpenFault::SettingUnanswered, LineSetting::DataBits),
         "the device server did not answer the data bits setting in 3 s."},
    };
    for (const auto& [failure, reason] : kept)
        EXPECT_EQ(text(failure), "COM1 opens " + line + ": " + reason);
}

// Root may open any device, so the refusal is seen only as another user.
TEST(PortOpenFailure, ADeviceWeMayNotOpenIsDenied) {
    if (geteuid() == 0) GTEST_SKIP() << "root may open any file";
    char path[] = "/tmp/qm4417-denied-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    chmod(path, 0);
    EXPECT_EQ(ProbeDevice(path), DeviceAccess::Denied);
    unlink(path);
    EXPECT_EQ(ProbeDevice(path), DeviceAccess::Missing);
}

TEST_F(PtyPort, WaitEndsWhenBytesArriveOrAtTheTimeout) {
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    QElapsedTimer timer;
    timer.start();
    port.waitForInput(150ms);
    EXPECT_GE(timer.elapsed(), 150);
    EXPECT_LT(timer.elapsed(), 2000);

    QTimer::singleShot(50, [this] { WriteMaster("xy"); });
    timer.restart();
    port.waitForInput(5s);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(port.readAll(), "xy");
}

// A reply that trickles in at 9600 8E1, a byte at a time as a unit sends it, must not
// wake the waiting program once a byte: that cost the window most of its monitoring time.
TEST_F(PtyPort, BytesArrivingAtLinePaceAreTakenInGroups) {
    ASSERT_TRUE(port.setSettings("9600,e,8,1"));
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    const std::string reply(40, 'x');
    std::thread unit = SendAtLinePace(reply);
    std::string received;
    int wakes = 0;
    for (; received.size() < reply.size() && wakes < 200; ++wakes) {
        port.waitForInput(1s);
        QCoreApplication::processEvents();
        received += port.readAll();
    }
    unit.join();
    EXPECT_EQ(received, reply);
    // One wake a group of InputGroupBytes bytes, and a few more for the pace's jitter.
    EXPECT_LE(wakes, static_cast<int>(reply.size()) / WatchedDescriptor::InputGroupBytes + 3);
}

// The waiting thread's sleeps that ended, each a wake: getrusage counts them for it alone.
long ThreadWakes() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

// A watched device wakes its thread for every byte that reaches it, even when the event loop
// then finds nothing to do; told the reply's length, the wait watches it only once the reply's
// line time has passed, so a 35-byte reply costs a few wakes, not 35.
TEST_F(PtyPort, AReplyOfTheLengthLookedForWakesTheWaitingThreadAFewTimesOnly) {
    ASSERT_TRUE(port.setSettings("9600,e,8,1"));
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    const std::string reply(35, 'r');
    std::thread unit = SendAtLinePace(reply);
    const long wakesBefore = ThreadWakes();
    std::string received;
    for (int waits = 0; received.size() < reply.size() && waits < 100; ++waits) {
        port.waitForInput(1s, reply.size() - received.size());
        received += port.readAll();
    }
    const long wakes = ThreadWakes() - wakesBefore;
    unit.join();
    EXPECT_EQ(received, reply);
    EXPECT_LE(wakes, 8);
}

TEST_F(PtyPort, TheWindowsEventsRunWhileAReplyIsGathered) {
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    bool ticked = false;
    QTimer::singleShot(0, [&] { ticked = true; });
    QTimer::singleShot(30, [this] { WriteMaster("abc"); });
    port.waitForInput(5s, 3);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(port.readAll(), "abc");
}

TEST_F(PtyPort, BytesShortOfTheLengthLookedForAreStillTaken) {
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    QTimer::singleShot(20, [this] { WriteMaster("ab"); });
    port.waitForInput(5s, 35);
    EXPECT_EQ(port.readAll(), "ab");
    // And at the deadline, when the wait ends before the device is watched again.
    WriteMaster("cd");
    port.waitForInput(1ms, 35);
    EXPECT_EQ(port.readAll(), "cd");
}

TEST_F(PtyPort, DiscardDropsWhatWasReceived) {
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    WriteMaster("stale");
    port.waitForInput(2s);
    port.discardInput();
    EXPECT_EQ(port.readAll(), "");
}

TEST_F(PtyPort, ALostDeviceClosesThePortAndEndsTheWaitAtOnce) {
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;
    EXPECT_FALSE(port.lost());
    // The unit's side goes away, as a pulled USB adapter's device does.
    QTimer::singleShot(50, [this] {
        close(master_);
        master_ = -1;
    });
    QElapsedTimer timer;
    timer.start();
    port.waitForInput(5s);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(port.lost());
    EXPECT_FALSE(port.write("x"));

    // Plugged back behind the same mapping: opening it again works and clears the loss.
    close(slave_);
    char name[256];
    ASSERT_EQ(openpty(&master_, &slave_, name, nullptr, nullptr), 0);
    ports.set(4, name);
    ASSERT_TRUE(port.open(error)) << error;
    EXPECT_FALSE(port.lost());
    EXPECT_TRUE(port.write("x"));
    port.close();
    EXPECT_FALSE(port.lost());
}

// A COM entry naming a stable link (/dev/serial/by-id/...) is opened by that name each time:
// an adapter that comes back as another device still answers behind the same entry.
TEST_F(PtyPort, AStableLinkIsReopenedByItsNameAfterAReplug) {
    char folder[] = "/tmp/h22ports-by-id-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string link = std::string(folder) + "/usb-FTDI_A50285BI-if00-port0";
    const auto pointAt = [&link](const char* device) {
        std::filesystem::remove(link);
        std::filesystem::create_symlink(device, link);
    };
    char first[256];
    ttyname_r(slave_, first, sizeof first);
    pointAt(first);
    ports.set(4, link);
    std::string error;
    ASSERT_TRUE(port.open(error)) << error;

    QTimer::singleShot(20, [this] {
        close(master_);
        master_ = -1;
    });
    port.waitForInput(5s);
    ASSERT_TRUE(port.lost());
    // Plugged back, the adapter is another device now (the old one still held, so its number
    // is not given again); udev moves the link to it.
    const int oldSlave = slave_;
    char second[256];
    ASSERT_EQ(openpty(&master_, &slave_, second, nullptr, nullptr), 0);
    close(oldSlave);
    ASSERT_STRNE(first, second);
    pointAt(second);

    ASSERT_TRUE(port.open(error)) << error;
    EXPECT_EQ(ports.device(4), link);
    EXPECT_EQ(DescribeDevice(link).target, second);
    ASSERT_TRUE(port.write("after replug"));
    EXPECT_EQ(ReadMaster(), "after replug");
    port.close();
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace platform
