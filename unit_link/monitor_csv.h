#pragma once

#include <chrono>
#include <string>

#include "unit_link/position_monitor.h"

namespace unit_link {

// The monitor's readings as CSV: the one form that `qm4417ctl monitor --csv` prints and the
// trend window saves and records, so a spreadsheet reads both alike.
inline constexpr const char* MonitorCsvHeader = "time,position,hex,unit_errors,sensor_errors";

// `time` in UTC, ISO 8601 with milliseconds: "2026-12-09T06:05:01.123Z".
std::string UtcTimestamp(std::chrono::system_clock::time_point time);

// One row, without its line end: the time the reading arrived, the position in decimal and as
// six hexadecimal digits, then the lamps of the unit and of the sensor as their words in
// hexadecimal with a prefix ("0x0005"), which a spreadsheet keeps as written where it would
// take a bit string such as "011" for the number 11.
std::string MonitorCsvRow(const MonitorReading& reading,
                          std::chrono::system_clock::time_point arrived);

}  // namespace unit_link
