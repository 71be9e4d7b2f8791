#include "trend/csv_export.h"

#include <chrono>

#include "unit_link/monitor_csv.h"

namespace trend {

std::string CsvRowOf(const Sample& sample) {
    return unit_link::MonitorCsvRow(
        unit_link::DecodeMonitorBlock(sample.block()),
        std::chrono::system_clock::time_point(std::chrono::milliseconds(sample.time)));
}

std::string CsvOfSpan(const ReadingHistory& history, Millis from, Millis to) {
    std::string text = std::string(unit_link::MonitorCsvHeader) + "\n";
    for (std::size_t i = history.firstAtOrAfter(from); i < history.size(); ++i) {
        if (history[i].time > to) break;
        text += CsvRowOf(history[i]) + "\n";
    }
    return text;
}

}  // namespace trend
