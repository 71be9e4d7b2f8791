// The unit link over a pseudo-terminal against the simulated unit at 9600,e,8,1:
// CPU used while waiting out a 1 s transaction (event-driven wait against a
// spinning loop), delay from the unit's last byte to the end of a transaction,
// and 4-word monitor reads a second against what the line's byte rate allows.
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <vector>

#include "bench/timing/median_timing.h"
#include "platform/com_port_map.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/forwarding_serial_port.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/system_steady_clock.h"
#include "tools/unit_sim/line_pace.h"
#include "tools/unit_sim/pty_unit.h"
#include "unit_link/console_link_window.h"
#include "unit_link/reply_decoding.h"
#include "unit_link/transaction.h"
#include "unit_link/unit_commands.h"
#include "unit_link/unit_link.h"

namespace {

using namespace std::chrono;

constexpr const char* Line = "9600,e,8,1";

// The Qt port with its wait taken out: the transaction's poll then spins, reading
// and processing events without a pause, as a plain polling loop does.
class SpinningPort : public platform::ForwardingSerialPort {
  public:
    using ForwardingSerialPort::ForwardingSerialPort;
    void waitForInput(nanoseconds, std::size_t) override {}
};

double ThreadCpuMilliseconds() {
    return bench::ThreadCpuMicroseconds() / 1e3;
}

double Milliseconds(steady_clock::duration duration) {
    return duration_cast<nanoseconds>(duration).count() / 1e6;
}

struct Bench {
    Bench() {
        settings.values[{"QM4417", "Ports", "COM1"}] = unit.devicePath();
        port.setPortNumber(1);
        port.setSettings(Line);
        std::string error;
        if (!port.open(error)) throw std::runtime_error(error);
    }

    void control(const std::string& line) { unit.control(line); }

    unit_sim::PtyUnit unit{{unit_sim::ByteTime(Line), ""}};
    platform::FakeSettingsStore settings;
    platform::ComPortMap ports{settings, "QM4417"};
    platform::QtSerialPort port{ports};
    platform::SystemSteadyClock clock;
    platform::QtEventPump events;
    const std::string monitorFrame =
        unit_link::CommandFrame(unit_link::ReadWordsBody(unit_link::MonitorBlockAddress, 4));
    const std::size_t monitorReplyLength = unit_link::WordsReplyLength(4);
};

void WaitCpu(Bench& bench) {
    bench.control("fault silence");
    SpinningPort spinning(bench.port);
    const struct {
        const char* name;
        platform::SerialPort& port;
    } waits[] = {{"event-driven", bench.port}, {"spinning", spinning}};
    std::printf("CPU while waiting out a 1 s transaction (silent unit):\n");
    for (const auto& wait : waits) {
        const unit_link::LinkServices services{wait.port, bench.clock, bench.events};
        const double cpuStart = ThreadCpuMilliseconds();
        const auto start = steady_clock::now();
        const bool answered =
            unit_link::RunFrameTransaction(services, bench.monitorFrame, bench.monitorReplyLength)
                .answered();
        const double wall = Milliseconds(steady_clock::now() - start);
        const double cpu = ThreadCpuMilliseconds() - cpuStart;
        std::printf("  %-12s  waited %7.1f ms  CPU %7.2f ms  = %6.2f %% of a core%s\n", wait.name,
                    wall, cpu, 100.0 * cpu / wall, answered ? "  (answered?!)" : "");
    }
    bench.control("fault none");
}

void ReplyDelay(Bench& bench, int transactions) {
    const unit_link::LinkServices services{bench.port, bench.clock, bench.events};
    std::vector<double> delays;
    for (int i = 0; i < transactions; ++i) {
        if (!unit_link::RunFrameTransaction(services, bench.monitorFrame, bench.monitorReplyLength)
                 .answered())
            continue;
        const auto end = steady_clock::now();
        const auto lastByte = bench.unit.lastAnswerByteTime();
        if (lastByte) delays.push_back(Milliseconds(end - *lastByte));
    }
    std::sort(delays.begin(), delays.end());
    if (delays.empty()) {
        std::printf("Delay from the unit's last byte: no transaction answered\n");
        return;
    }
    const auto at = [&](double fraction) {
        return delays[std::min(delays.size() - 1,
                               static_cast<std::size_t>(fraction * delays.size()))];
    };
    std::printf("Delay from the unit's last byte to the end of the transaction (%zu of %d):\n",
                delays.size(), transactions);
    std::printf("  median %.3f ms  p99 %.3f ms  max %.3f ms\n", at(0.5), at(0.99), delays.back());
}

void MonitorRate(Bench& bench, seconds duration) {
    std::ostringstream messages;
    unit_link::ConsoleLinkWindow window(messages);
    unit_link::UnitLink link({bench.port, bench.clock, bench.events}, window);
    int reads = 0, failures = 0;
    const auto start = steady_clock::now();
    while (steady_clock::now() - start < duration) {
        std::int32_t words[4] = {};
        link.ReadBlock(unit_link::MonitorBlockAddress, words, 4);
        window.linkFailed() ? ++failures : ++reads;
    }
    const double elapsed = duration_cast<nanoseconds>(steady_clock::now() - start).count() / 1e9;
    // One read is the request and the simulated unit's reply, both paced; a unit of
    // its own tells the reply's length without touching the one on the line.
    const auto now = unit_sim::SimClock::now();
    unit_sim::SimulatedUnit probe(now);
    const std::string content = bench.monitorFrame.substr(1, bench.monitorFrame.size() - 2);
    const std::string reply = probe.receive(content, now).at(0).bytes;
    const std::size_t bytes = bench.monitorFrame.size() + reply.size();
    const double allowed =
        1.0 / (duration_cast<nanoseconds>(*unit_sim::ByteTime(Line)).count() / 1e9 * bytes);
    const double rate = reads / elapsed;
    std::printf("4-word monitor reads over %.1f s:\n", elapsed);
    std::printf(
        "  sustained %.2f reads/s (%d failed); line allows %.2f reads/s (%zu bytes of 11 bits "
        "at 9600 baud); %.1f %% of it\n",
        rate, failures, allowed, bytes, 100.0 * rate / allowed);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    try {
        Bench bench;
        std::printf("unit_link over %s against kv3907 simulator at %s\n",
                    bench.unit.devicePath().c_str(), Line);
        WaitCpu(bench);
        ReplyDelay(bench, 500);
        MonitorRate(bench, seconds(5));
    } catch (const std::exception& error) {
        std::cerr << "bench_unit_link: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
