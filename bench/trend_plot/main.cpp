// The trend plot with a full hour of readings (36,000, lamps flickering now and then) at
// 800 x 400: one full repaint on the 1 h and the 1 min span, median of rounds, wall and CPU
// time; and the memory the hour's history takes, counted and as the process's resident growth.
#include <QApplication>
#include <QImage>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/timing/median_timing.h"
#include "trend/trend_feed.h"
#include "trend_window/trend_plot.h"

namespace {

constexpr int kRounds = 9;
constexpr int kRepaints = 50;

// Resident set size of this process in kB, from /proc/self/status.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

std::string MachineLoad() {
    std::ifstream file("/proc/loadavg");
    std::string load;
    std::getline(file, load);
    return load;
}

// An hour of a shaft turning back and forth across the wrap, ten readings a second, with a
// one-reading sensor error every minute and a gap of 3 s every 10 minutes.
void FillHour(trend::TrendFeed& feed) {
    const auto start = std::chrono::system_clock::now() - std::chrono::hours(1);
    for (int i = 0; feed.history().size() < trend::ReadingHistory::HourOfReadings; ++i) {
        if (i % 6000 >= 5970) {
            feed.readingsInterrupted();
            continue;
        }
        const double turn = std::sin(i / 900.0) * 9'000'000.0 + 0x800000;
        const auto position =
            static_cast<std::uint32_t>(static_cast<std::int64_t>(turn) & 0xFFFFFF);
        const std::int32_t sensor = i % 600 == 300 ? 0x10 : 0;
        feed.readingTaken({static_cast<std::int32_t>(position & 0xFFFF),
                           static_cast<std::int32_t>(position >> 16), 0, sensor},
                          start + std::chrono::milliseconds(i * 100));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const long before = ResidentKilobytes();
    auto feed = std::make_unique<trend::TrendFeed>();
    FillHour(*feed);
    const long after = ResidentKilobytes();
    const trend::ReadingHistory& history = feed->history();
    const double counted =
        static_cast<double>(history.capacity() * sizeof(trend::Sample) +
                            feed->events().events().size() * sizeof(trend::LampEvent)) /
        (1024.0 * 1024.0);

    trend_window::TrendPlot plot(history, feed->events());
    plot.resize(800, 400);
    QImage target(plot.size(), QImage::Format_RGB32);
    std::printf("Trend plot, %zu readings, %zu lamp events, 800x400 (load %s)\n", history.size(),
                feed->events().events().size(), MachineLoad().c_str());
    for (const auto& [name, span] : {std::pair{"1 h", 3'600'000}, std::pair{"1 min", 60'000}}) {
        plot.setSpan(span);
        const bench::Timing repaint =
            bench::MedianMicroseconds(kRounds, kRepaints, [&](int) { plot.render(&target); });
        std::printf("  repaint, %-5s span: %8.0f us wall %8.0f us cpu  (goal under 3000 us: %s)\n",
                    name, repaint.wall, repaint.cpu, repaint.cpu < 3000 ? "met" : "MISSED");
    }
    std::printf(
        "  history of the hour: %.2f MB counted (%zu B a reading), %.2f MB resident growth "
        "(goal under 4 MB: %s)\n",
        counted, sizeof(trend::Sample), (after - before) / 1024.0,
        counted < 4 && (after - before) < 4 * 1024 ? "met" : "MISSED");
    return 0;
}
