#include "tools/unit_sim/pty_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "tests/unit_sim/sim_test_support.h"
#include "tools/unit_sim/line_pace.h"
#include "unit_link/reply_decoding.h"
#include "unit_link/unit_commands.h"

namespace unit_sim {
namespace {

using namespace std::chrono_literals;
using unit_link::CommandFrame;

int OpenTerminal(const std::string& device) {
    return open(device.c_str(), O_RDWR | O_NOCTTY);
}

TEST(PtyUnitTest, AnswersOverTheTerminalAcrossReopensOfTheHost) {
    PtyUnit unit({});
    unit.withUnit(
        [](SimulatedUnit& simulated, auto now) { simulated.memory().setPosition(0xABCDEF, now); });
    for (int open = 0; open < 2; ++open) {
        Host host(OpenTerminal(unit.devicePath()));
        host.send(CommandFrame(unit_link::ReadWordsBody(0xFFEF5C, 2)));
        const auto words = unit_link::DecodeWordsReply(host.answer(), 2);
        ASSERT_TRUE(words) << "open " << open;
        EXPECT_EQ(*words, (std::vector<std::uint16_t>{0xCDEF, 0xAB}));
    }
    Host host(OpenTerminal(unit.devicePath()));
    const std::string write = CommandFrame(unit_link::WriteWordBody(0xFFEF2E, 1));
    host.send(write);
    EXPECT_EQ(host.answer(), "\x06");
    EXPECT_TRUE(unit.receivedBytes().ends_with(write));
}

// Waits, at most 5 s, for the line thread to have put the terminal back `count` times.
bool WaitForResets(const PtyUnit& unit, int count) {
    const auto deadline = SimClock::now() + 5s;
    while (unit.terminalResets() < count && SimClock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    return unit.terminalResets() == count;
}

TEST(PtyUnitTest, TheTerminalGetsItsFirstSettingsBackOnceTheLastClientHasGone) {
    PtyUnit unit({});
    termios first{};
    {
        Host probe(OpenTerminal(unit.devicePath()));
        ASSERT_EQ(tcgetattr(probe.fd(), &first), 0);
    }
    ASSERT_TRUE(WaitForResets(unit, 1));

    auto leaving = std::make_unique<Host>(OpenTerminal(unit.devicePath()));
    auto staying = std::make_unique<Host>(OpenTerminal(unit.devicePath()));
    // What a killed serial-port client leaves behind.
    termios changed = first;
    cfsetspeed(&changed, B9600);
    changed.c_iflag |= IGNPAR;
    changed.c_cflag |= CLOCAL;
    ASSERT_EQ(tcsetattr(leaving->fd(), TCSANOW, &changed), 0);
    ASSERT_EQ(ioctl(leaving->fd(), TIOCEXCL), 0);
    leaving.reset();
    // The answer comes after the line thread has taken the close: a client still there
    // keeps its settings.
    staying->send(CommandFrame(unit_link::ReadWordsBody(0xFFEF5C, 1)));
    ASSERT_FALSE(staying->answer().empty());
    EXPECT_EQ(unit.terminalResets(), 1);
    termios kept{};
    ASSERT_EQ(tcgetattr(staying->fd(), &kept), 0);
    EXPECT_EQ(cfgetospeed(&kept), B9600);

    staying.reset();
    ASSERT_TRUE(WaitForResets(unit, 2)) << unit.terminalResets();
    Host next(OpenTerminal(unit.devicePath()));
    termios now{};
    ASSERT_EQ(tcgetattr(next.fd(), &now), 0);
    EXPECT_EQ(cfgetospeed(&now), cfgetospeed(&first));
    EXPECT_EQ(now.c_iflag, first.c_iflag);
    EXPECT_EQ(now.c_cflag, first.c_cflag);
    int exclusive = 1;
    ASSERT_EQ(ioctl(next.fd(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
}

TEST(PtyUnitTest, AnswerTakesTheLinesTimeForRequestAndReply) {
    const auto byteTime = *ByteTime("9600,e,8,1");
    PtyUnit unit({byteTime, ""});
    Host host(OpenTerminal(unit.devicePath()));
    const std::string request = CommandFrame(unit_link::ReadWordsBody(0xFFEF5C, 4));
    const auto start = SimClock::now();
    host.send(request);
    const std::string reply = host.answer();
    const auto end = SimClock::now();
    ASSERT_EQ(reply.back(), unit_link::ETX);
    EXPECT_GE(end - start, byteTime * static_cast<int>(request.size() + reply.size()));
    const auto lastByte = unit.lastAnswerByteTime();
    ASSERT_TRUE(lastByte);
    EXPECT_GT(*lastByte, start);
    EXPECT_LE(*lastByte, end);
}

TEST(PtyUnitTest, SplitAnswerKeepsItsPauseOnTheLine) {
    PtyUnit unit({});
    Host host(OpenTerminal(unit.devicePath()));
    const std::string request = CommandFrame(unit_link::ReadWordsBody(0xFFEF5C, 4));
    host.send(request);
    const std::string whole = host.answer();
    unit.withUnit(
        [](SimulatedUnit& simulated, auto) { simulated.faults().set(*ParseFault("split 80")); });
    const auto start = SimClock::now();
    host.send(request);
    EXPECT_EQ(host.answer(), whole);
    EXPECT_GE(SimClock::now() - start, 80ms);
}

TEST(PtyUnitTest, RefusesTheFaultsThatCutAConnection) {
    PtyUnit unit({});
    EXPECT_TRUE(unit.control("fault reset").starts_with("error: reset cuts a network connection"));
    EXPECT_EQ(unit.control("fault split 20 1"), "ok");
}

TEST(PtyUnitTest, KeepsALinkToTheDeviceWhileItRuns) {
    const auto link = std::filesystem::path(testing::TempDir()) / "kv3907-link";
    std::filesystem::remove(link);
    std::filesystem::create_symlink("/nonexistent/stale", link);  // left by an earlier run
    {
        PtyUnit unit({std::nullopt, link.string()});
        EXPECT_EQ(std::filesystem::read_symlink(link), unit.devicePath());
        Host host(OpenTerminal(link.string()));
        host.send(CommandFrame(unit_link::WriteWordBody(0x10, 1)));
        EXPECT_EQ(host.answer(), "\x06");
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(PtyUnitTest, NeverReplacesAFileThatIsNotALink) {
    const auto path = std::filesystem::path(testing::TempDir()) / "kv3907-not-a-link";
    std::ofstream(path) << "keep";
    EXPECT_THROW(PtyUnit({std::nullopt, path.string()}), std::runtime_error);
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace unit_sim
