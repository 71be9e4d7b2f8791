#include "unit_link/monitor_csv.h"

#include <cstdio>
#include <ctime>

namespace unit_link {

std::string UtcTimestamp(std::chrono::system_clock::time_point time) {
    const auto sinceEpoch = time.time_since_epoch();
    // Floor, so that times before 1970 still print a valid second and millisecond.
    const auto seconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch - seconds).count();
    const std::time_t whole = seconds.count();
    std::tm utc{};
    gmtime_r(&whole, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(millis));
    return text;
}

std::string MonitorCsvRow(const MonitorReading& reading,
                          std::chrono::system_clock::time_point arrived) {
    return UtcTimestamp(arrived) + "," + reading.positionDec + "," + reading.positionHex + "," +
           LampWord(reading.unitLamps) + "," + LampWord(reading.sensorLamps);
}

}  // namespace unit_link
