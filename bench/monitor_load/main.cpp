// Monitor rate and CPU use of QM4417's window, and Load and Upload durations against
// the time their bytes need on the line, with the simulated unit pacing the line.
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "bench/timing/median_timing.h"
#include "main_window/frm_main.h"
#include "platform/com_port_map.h"
#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_program_identity.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_serial_port.h"
#include "platform/system_steady_clock.h"
#include "tools/unit_sim/line_pace.h"
#include "tools/unit_sim/pty_unit.h"
#include "unit_link/command_frame.h"
#include "unit_link/unit_commands.h"
#include "widgets/latching_switch.h"
#include "widgets/named_widgets.h"

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr auto MonitorSpan = std::chrono::seconds(10);

// CPU time of the calling thread: the window's, the one thread QM4417 runs on (the
// simulated unit serves the line from a thread of its own).
Seconds ThreadCpuTime() {
    return Seconds(bench::ThreadCpuMicroseconds() / 1e6);
}

// Bytes a request and the unit's answer to it put on the line.
std::size_t ExchangeBytes(const std::string& body) {
    unit_sim::SimulatedUnit unit(unit_sim::SimClock::now());
    const std::string frame = unit_link::CommandFrame(body);
    std::size_t bytes = frame.size();
    // The unit is handed what stands between STX and ETX.
    for (const auto& piece :
         unit.receive(frame.substr(1, frame.size() - 2), unit_sim::SimClock::now()))
        bytes += piece.bytes.size();
    return bytes;
}

std::size_t LoadBytes(const unit_parameters::UnitParameters& record) {
    std::size_t bytes =
        ExchangeBytes(unit_link::WriteWordBody(unit_link::ParameterStoreAddress, 1));
    for (std::size_t i = 0; i < record.size(); ++i)
        bytes += ExchangeBytes(unit_link::WriteWordBody(
            unit_link::ParameterBaseAddress + 2 * static_cast<int>(i), record[i]));
    return bytes;
}

template <class Run>
Seconds Timed(Run&& run) {
    const auto start = Clock::now();
    run();
    return Clock::now() - start;
}

void Report(const char* name, Seconds took, Seconds line) {
    const double limit = 1.2 * line.count();
    std::printf("  %-7s %7.1f ms  line time %6.1f ms  ratio %.2f  goal <= %.1f ms: %s\n", name,
                took.count() * 1e3, line.count() * 1e3, took.count() / line.count(), limit * 1e3,
                took.count() <= limit ? "met" : "MISSED");
}

void RunAt(const char* lineSettings, const char* comPortCode) {
    const auto byteTime = *unit_sim::ByteTime(lineSettings);
    unit_sim::PtyUnit unit({byteTime, ""});
    platform::FakeSettingsStore settings;
    settings.values[{"QM4417", "Ports", "COM1"}] = unit.devicePath();
    settings.values[{"QM4417", "Settings", "ComPort"}] = comPortCode;
    platform::ComPortMap ports(settings, "QM4417");
    platform::QtSerialPort port(ports);
    platform::FakeMessageBoxes boxes;
    platform::FakeFileDialogs dialogs;
    platform::FakeProgramIdentity identity;
    platform::SystemSteadyClock clock;
    platform::QtEventPump events;
    main_window::frmMain window({settings, boxes, port, dialogs, identity, clock, events});
    window.Form_Load();
    window.show();
    std::printf("%s (%s, %.3f ms a byte)\n", lineSettings, port.settings().c_str(),
                Seconds(byteTime).count() * 1e3);

    const auto requests = [&] {
        return unit.withUnit(
            [](unit_sim::SimulatedUnit& simulated, auto) { return simulated.requestCount(); });
    };
    widgets::NamedChild<widgets::LatchingSwitch>(window, "cmdComStart").setOn(true);
    QTest::qWait(300);  // settle into the tick rhythm
    const int firstRequest = requests();
    const Seconds cpuBefore = ThreadCpuTime();
    const Seconds wall = Timed([] { QTest::qWait(static_cast<int>(MonitorSpan.count() * 1000)); });
    const Seconds cpu = ThreadCpuTime() - cpuBefore;
    const int readings = requests() - firstRequest;
    std::printf("  monitor %.1f readings/s over %.1f s, CPU %.2f%% of a core (goal 10/s, < 2%%)\n",
                readings / wall.count(), wall.count(), 100.0 * cpu.count() / wall.count());

    widgets::NamedChild<QTabWidget>(window, "SSTab1")
        .setCurrentIndex(1);  // switches the monitor off, as the operator would
    QTest::qWait(200);
    auto& load = widgets::NamedChild<QPushButton>(window, "cmdLoad");
    auto& upload = widgets::NamedChild<QPushButton>(window, "cmdUpLoad");
    const Seconds loadTook = Timed([&] { load.click(); });
    const Seconds uploadTook = Timed([&] { upload.click(); });
    const Seconds loadLine = byteTime * static_cast<double>(LoadBytes(window.unitParameters()));
    const Seconds uploadLine =
        byteTime * static_cast<double>(ExchangeBytes(unit_link::ReadWordsBody(
                       unit_link::ParameterBaseAddress, unit_parameters::ParameterFieldCount)));
    Report("Load", loadTook, loadLine);
    Report("Upload", uploadTook, uploadLine);
    std::printf("  (the simulated unit answers without turnaround; messages: %zu)\n",
                boxes.shown.size());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RunAt("9600,e,8,1", "81");
    RunAt("19200,e,8,1", "82");
    return 0;
}
