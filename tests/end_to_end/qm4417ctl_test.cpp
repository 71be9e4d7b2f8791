// qm4417ctl's commands run in-process against the simulated unit on a
// pseudo-terminal: output, exit codes and the settings they use or edit.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/end_to_end/sim_fixture.h"
#include "tools/qm4417ctl/run_ctl.h"

namespace end_to_end {
namespace {

struct CtlResult {
    int exitCode;
    std::string out;
    std::string err;
};

class CtlTest : public SimulatedUnitTest {
  protected:
    CtlResult run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const int code = qm4417ctl::RunCtl(arguments, settings, out, err, interrupted);
        return {code, out.str(), err.str()};
    }
    // The command with the simulator's terminal given on the command line.
    CtlResult runOnUnit(std::vector<std::string> command) {
        command.insert(command.begin(), {"--port", unit.devicePath(), "--line", Line});
        return run(command);
    }

    std::atomic<bool> interrupted{false};
};

TEST_F(CtlTest, ReadPrintsEachWordAsFourHexDigits) {
    const CtlResult result = runOnUnit({"read", "FFEF2E", "7"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "0000\n0000\n0002\n03E8\n0001\n0000\n0000\n");
}

TEST_F(CtlTest, WriteTakesDecimalOrHexAndReadsBack) {
    EXPECT_EQ(runOnUnit({"write", "ffef34", "0x7D0"}).exitCode, 0);
    EXPECT_EQ(control("peek FFEF34"), "0x07D0");
    EXPECT_EQ(runOnUnit({"write", "1000", "-1"}).exitCode, 0);
    const CtlResult result = runOnUnit({"read", "1000", "1"});
    EXPECT_EQ(result.out, "FFFF\n");
}

TEST_F(CtlTest, LongReadGoesInChunksOfSixteen) {
    unit.withUnit([](unit_sim::SimulatedUnit& simulated, auto) {
        for (int i = 0; i < 40; ++i) simulated.memory().write(0x3000 + 2 * i, i);
    });
    const CtlResult result = runOnUnit({"read", "3000", "40"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::istringstream lines(result.out);
    std::string line;
    int i = 0;
    for (; std::getline(lines, line); ++i) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%04X", i);
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(i, 40);
}

TEST_F(CtlTest, MonitorPrintsPositionAndLampsInLampOrder) {
    control("position 0x123456");
    control("unit-errors 5");
    control("sensor-errors 0x12");
    const CtlResult result = runOnUnit({"monitor", "--count", "3"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string line = "1193046 123456 U=101 S=01001\n";
    EXPECT_EQ(result.out, line + line + line);
}

// Seconds since the epoch of a row's "YYYY-MM-DDTHH:MM:SS.mmmZ" time, or -1 when it has
// another shape.
double RowTime(const std::string& row) {
    std::tm utc{};
    int millis = 0;
    char zone = 0;
    if (row.size() < 25 || row[24] != ',' ||
        std::sscanf(row.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%3d%c", &utc.tm_year, &utc.tm_mon,
                    &utc.tm_mday, &utc.tm_hour, &utc.tm_min, &utc.tm_sec, &millis, &zone) != 8 ||
        zone != 'Z')
        return -1;
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    return static_cast<double>(timegm(&utc)) + millis / 1000.0;
}

TEST_F(CtlTest, MonitorCsvHasAHeaderAndATimedRowAReading) {
    control("position 0x123456");
    control("unit-errors 5");
    control("sensor-errors 0x12");
    const auto seconds = [] {
        return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    const double before = seconds();
    const CtlResult result = runOnUnit({"monitor", "--csv", "--count", "2"});
    const double after = seconds();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "time,position,hex,unit_errors,sensor_errors");
    int rows = 0;
    double previous = before - 0.001;
    while (std::getline(lines, line)) {
        ++rows;
        const double time = RowTime(line);
        EXPECT_GE(time, previous) << line;
        EXPECT_LE(time, after + 0.001) << line;
        previous = time;
        EXPECT_EQ(line.substr(24), ",1193046,123456,0x0005,0x0012");
    }
    EXPECT_EQ(rows, 2);
    // The options in either order.
    EXPECT_EQ(runOnUnit({"monitor", "--count", "1", "--csv"}).exitCode, 0);
}

TEST_F(CtlTest, TraceWritesEveryBurstAndChangesNothingTheCommandDoes) {
    const std::string path = testing::TempDir() + "qm4417ctl_trace_" + std::to_string(::getpid());
    const CtlResult plain = runOnUnit({"read", "FFEF2E", "2"});
    const CtlResult traced =
        run({"--trace", path, "--port", unit.devicePath(), "--line", Line, "read", "FFEF2E", "2"});
    EXPECT_EQ(traced.exitCode, plain.exitCode);
    EXPECT_EQ(traced.out, plain.out);
    EXPECT_EQ(traced.err, plain.err);
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    std::remove(path.c_str());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(lines[0].starts_with("# qm4417ctl wire trace: port COM1 (" + unit.devicePath() +
                                     "), line " + Line + ", opened at "))
        << lines[0];
    // The request: STX, "4FFEF2E;2;", its checksum and ETX, in hex and as text.
    EXPECT_EQ(lines[1].substr(10),
              " TX 02 34 46 46 45 46 32 45 3B 32 3B 30 32 36 41 03  .4FFEF2E;2;026A.");
    // The reply may come in bursts; together they are the words and an ETX.
    std::string received;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(10, 3), " RX") << lines[i];
        received += lines[i].substr(lines[i].rfind("  ") + 2);
    }
    EXPECT_NE(received.find("00000000"), std::string::npos) << received;
    EXPECT_EQ(received.back(), '.');
}

TEST_F(CtlTest, ATraceThatCannotBeWrittenFailsBeforeAnythingIsSent) {
    control("position 5");
    const CtlResult result = runOnUnit({"write", "FFEF34", "7"});
    ASSERT_EQ(result.exitCode, 0);
    const CtlResult traced = run({"--trace", "/no such folder/trace.txt", "--port",
                                  unit.devicePath(), "--line", Line, "write", "FFEF34", "9"});
    EXPECT_EQ(traced.exitCode, 1);
    EXPECT_NE(traced.err.find("cannot write the trace /no such folder/trace.txt: No such file"),
              std::string::npos)
        << traced.err;
    EXPECT_EQ(control("peek FFEF34"), "0x0007");
}

TEST_F(CtlTest, WithoutOptionsUsesTheStoredCodeAndTheComMapping) {
    EXPECT_EQ(run({"read", "FFEF5C", "1"}).exitCode, 0);  // nothing stored: COM1, 9600,e,8,1
    settings.values[{"QM4417", "Settings", "ComPort"}] = std::to_string(2 * 256 + 0x51);  // COM3
    EXPECT_EQ(run({"read", "FFEF5C", "1"}).exitCode, 1);  // /dev/ttyS2 is no terminal of ours
    settings.values[{"QM4417", "Ports", "COM3"}] = unit.devicePath();
    EXPECT_EQ(run({"read", "FFEF5C", "1"}).exitCode, 0);
    EXPECT_EQ(run({"--port", "com3", "read", "FFEF5C", "1"}).exitCode, 0);
}

TEST_F(CtlTest, LinkFailureExitsOneWithTheMessageWords) {
    control("fault silence");
    const CtlResult result = runOnUnit({"monitor"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Communication Time Out!\nPlease Check Communication Line\n"
              "Cause: the unit did not answer in time\n");
    control("fault nak");
    const CtlResult refused = runOnUnit({"write", "FFEF2E", "1"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              "Communication Time Out!\nPlease Check Communication Line\n"
              "Cause: the unit refused the request (NAK)\n");
}

TEST_F(CtlTest, PortThatCannotOpenIsALinkFailure) {
    const CtlResult result = run({"--port", "/nonexistent/tty", "read", "0", "1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "The Comm Port Number is Illegal\n"
              "COM1 opens /nonexistent/tty: no such device.\n");
}

TEST_F(CtlTest, UsageErrorsExitTwoAndNameTheBadArgument) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "missing command"},
        {{"fly"}, "'fly'"},
        {{"--baud", "9600", "read", "0", "1"}, "'--baud'"},
        {{"--line", "9600,e,9,1", "read", "0", "1"}, "'9600,e,9,1'"},
        {{"--port"}, "--port"},
        {{"--port", "COM17", "read", "0", "1"}, "'COM17'"},
        {{"read", "FFEF5CX", "1"}, "'FFEF5CX'"},
        {{"read", "1000000", "1"}, "'1000000'"},
        {{"read", "0", "0"}, "'0'"},
        {{"read", "0", "257"}, "'257'"},
        {{"read", "0"}, "missing argument"},
        {{"write", "0", "65536"}, "'65536'"},
        {{"write", "0", "-32769"}, "'-32769'"},
        {{"write", "0", "0x10000"}, "'0x10000'"},
        {{"write", "0", "12", "13"}, "'13'"},
        {{"monitor", "--count", "0"}, "'0'"},
        {{"monitor", "--every", "5"}, "'--every'"},
        {{"monitor", "--csv", "--csv"}, "'--csv'"},
        {{"monitor", "--csv", "--count"}, "missing argument"},
        {{"verify"}, "missing argument"},
        {{"ports", "set", "COM0", "/dev/x"}, "'COM0'"},
        {{"ports", "clear"}, "'clear'"},
        {{"ports", "devices", "all"}, "'all'"},
        {{"--timeout", "0,5", "read", "0", "1"}, "'0,5'"},
        {{"--timeout", "0", "read", "0", "1"}, "'0'"},
        {{"--timeout", "-1", "read", "0", "1"}, "'-1'"},
        {{"--timeout", "3601", "read", "0", "1"}, "'3601'"},
        {{"--timeout", "1s", "read", "0", "1"}, "'1s'"},
        {{"--timeout"}, "--timeout"},
        {{"--retries", "-1", "read", "0", "1"}, "'-1'"},
        {{"--retries", "101", "read", "0", "1"}, "'101'"},
        {{"--retries", "1.5", "read", "0", "1"}, "'1.5'"},
        {{"ports", "set", "COM2", "tcp://cab7-ds"},
         "bad port name 'tcp://cab7-ds': no port after the host (tcp://HOST:PORT)"},
        {{"--port", "rfc2217://[::1]:0", "read", "0", "1"},
         "bad port name 'rfc2217://[::1]:0': the port '0' is not a number from 1 to 65535"},
    };
    for (const auto& [arguments, named] : cases) {
        const CtlResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("usage: qm4417ctl"), std::string::npos);
    }
    EXPECT_TRUE(control("status").ends_with("requests=0"));  // none reached the unit
    EXPECT_FALSE((settings.values.contains({"QM4417", "Ports", "COM2"})));
}

TEST_F(CtlTest, RetriesSendAFailedExchangeAgainBeforeItFails) {
    control("fault drop 2");  // carried out, answer lost
    EXPECT_EQ(runOnUnit({"--timeout", "0.5", "--retries", "2", "write", "FFEF34", "1234"}).exitCode,
              0);
    EXPECT_EQ(control("peek FFEF34"), "0x04D2");
    control("fault drop 2");
    const CtlResult unanswered =
        runOnUnit({"--timeout", "0.5", "--retries", "1", "read", "FFEF34", "1"});
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_EQ(unanswered.err,
              "Communication Time Out!\nPlease Check Communication Line\n"
              "Cause: the unit did not answer in time\n");
    EXPECT_EQ(runOnUnit({"read", "FFEF34", "1"}).out, "04D2\n");
}

TEST_F(CtlTest, TimeoutIsTheReadLimit) {
    control("fault delay 400 1");
    EXPECT_EQ(runOnUnit({"--timeout", "5", "read", "FFEF34", "1"}).exitCode, 0);
    // Last: the late answer must not meet a later command.
    control("fault delay 400 1");
    const CtlResult late = runOnUnit({"--timeout", "0.2", "read", "FFEF34", "1"});
    EXPECT_EQ(late.exitCode, 1);
    EXPECT_NE(late.err.find("did not answer in time"), std::string::npos) << late.err;
}

TEST_F(CtlTest, HelpAnywhereGoesToStandardOutputAndSendsNothing) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"},
          {"-h"},
          {"load", "x.par", "--help"},
          {"--port", unit.devicePath(), "monitor", "-h"}}) {
        const CtlResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(result.out.starts_with("usage: qm4417ctl")) << result.out;
        EXPECT_EQ(result.err, "");
    }
    EXPECT_TRUE(control("status").ends_with("requests=0"));
}

TEST_F(CtlTest, VersionIsPrintedAsGnuToolsDoAndOpensNothing) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--version"}, {"monitor", "--version"}}) {
        const CtlResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(std::regex_match(
            result.out, std::regex(R"(qm4417ctl \(QM4417\) [0-9]+\.[0-9]+\.[0-9]+\n)")))
            << result.out;
        EXPECT_EQ(result.err, "");
    }
    EXPECT_TRUE(control("status").ends_with("requests=0"));
}

TEST_F(CtlTest, PortsListsSetsAndResetsTheMapping) {
    EXPECT_EQ(run({"ports", "set", "COM3", "/dev/serial/by-id/usb-x"}).exitCode, 0);
    EXPECT_EQ((settings.values[{"QM4417", "Ports", "COM3"}]), "/dev/serial/by-id/usb-x");
    CtlResult result = run({"ports"});
    EXPECT_EQ(result.exitCode, 0);
    std::istringstream lines(result.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 16u);
    EXPECT_EQ(all[0], "COM1 " + unit.devicePath() + " device exists (set)");
    EXPECT_EQ(all[2], "COM3 /dev/serial/by-id/usb-x device missing (set)");
    EXPECT_TRUE(all[15].starts_with("COM16 /dev/ttyS15 device ")) << all[15];
    EXPECT_EQ(run({"ports", "set", "COM4", "rfc2217://[::1]:4001"}).exitCode, 0);
    EXPECT_EQ((settings.values[{"QM4417", "Ports", "COM4"}]), "rfc2217://[::1]:4001");
    EXPECT_EQ(run({"ports", "reset", "COM3"}).exitCode, 0);
    result = run({"ports"});
    EXPECT_NE(result.out.find("\nCOM3 /dev/ttyS2 device "), std::string::npos) << result.out;
}

TEST_F(CtlTest, PortsNamesEachNetworkEntrysKindWithoutReachingForIt) {
    // Addresses no test may reach: the listing must not try.
    EXPECT_EQ(run({"ports", "set", "COM2", "tcp://cab7-ds.invalid:4000"}).exitCode, 0);
    EXPECT_EQ(run({"ports", "set", "COM3", "rfc2217://[2001:db8::7]:4001"}).exitCode, 0);
    EXPECT_EQ(run({"ports", "set", "COM4", "socket://192.0.2.7:2000"}).exitCode, 0);
    settings.values[{"QM4417", "Ports", "COM5"}] = "xyz://hand-edited";
    const CtlResult result = run({"ports"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\nCOM2 tcp://cab7-ds.invalid:4000 tcp (set)\n"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\nCOM3 rfc2217://[2001:db8::7]:4001 rfc2217 (set)\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\nCOM4 socket://192.0.2.7:2000 tcp (set)\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nCOM5 xyz://hand-edited malformed (set)\n"), std::string::npos);
}

TEST_F(CtlTest, PortsSetStoresAnAbsolutePathWithItsLinksAsGiven) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("devices/real"));
    ASSERT_TRUE(QFile::link(folder.filePath("devices/real"), folder.filePath("by-id")));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path().toStdString() + "/devices");
    const CtlResult relative = run({"ports", "set", "COM4", "unit"});
    const CtlResult dotted = run({"ports", "set", "COM5", "./real/../../by-id/port0"});
    std::filesystem::current_path(before);
    EXPECT_EQ(relative.exitCode, 0) << relative.err;
    EXPECT_EQ(dotted.exitCode, 0) << dotted.err;
    EXPECT_EQ((settings.values[{"QM4417", "Ports", "COM4"}]),
              folder.filePath("devices/unit").toStdString());
    // The link "by-id" stays in the name; it is not replaced by devices/real.
    EXPECT_EQ((settings.values[{"QM4417", "Ports", "COM5"}]),
              folder.filePath("by-id/port0").toStdString());
}

}  // namespace
}  // namespace end_to_end
