#include "unit_link/monitor_csv.h"

#include <gtest/gtest.h>

namespace unit_link {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

system_clock::time_point At(long long millisSinceEpoch) {
    return system_clock::time_point(milliseconds(millisSinceEpoch));
}

TEST(MonitorCsv, TimesAreUtcWithMillisecondsKept) {
    EXPECT_EQ(UtcTimestamp(At(1'796'796'301'123)), "2026-12-09T06:05:01.123Z");
    EXPECT_EQ(UtcTimestamp(At(0)), "1970-01-01T00:00:00.000Z");
    // Before 1970 the millisecond still counts forward within its second.
    EXPECT_EQ(UtcTimestamp(At(-1)), "1969-12-31T23:59:59.999Z");
}

TEST(MonitorCsv, ARowIsTheTimeBothPositionsAndTheLamps) {
    EXPECT_EQ(MonitorCsvRow(DecodeMonitorBlock({0x3456, 0x0012, 5, 0x10}), At(1'796'796'301'007)),
              "2026-12-09T06:05:01.007Z,1193046,123456,0x0005,0x0010");
    EXPECT_EQ(MonitorCsvRow(DecodeMonitorBlock({0, 0, 0, 0x1F}), At(0)).substr(24),
              ",0,000000,0x0000,0x001F");
    EXPECT_STREQ(MonitorCsvHeader, "time,position,hex,unit_errors,sensor_errors");
}

}  // namespace
}  // namespace unit_link
