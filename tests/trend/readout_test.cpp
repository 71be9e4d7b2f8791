#include "trend/readout.h"

#include <gtest/gtest.h>

#include <clocale>

namespace trend {
namespace {

TEST(Readout, ShowsTimePositionBothWaysAndTheLitLamps) {
    ReadingHistory history;
    const Sample& sample = history.add({0x3456, 0x0012, 1, 0x10}, 1'796'796'301'123);
    EXPECT_EQ(ReadoutText(sample, false, 0),
              "06:05:01.123  1193046 DEC  123456 HEX  Save parameter Error, Sensor Data Error");
    const Sample& dark = history.add({0, 0, 0, 0}, 1'796'796'301'223);
    EXPECT_EQ(ReadoutText(dark, false, 3'600'000), "07:05:01.223  0 DEC  000000 HEX  no lamp lit");
}

TEST(Readout, FromAReferenceGivesCountsSecondsAndRate) {
    ReadingHistory history;
    history.add({0xFFF0, 0xFF, 0, 0}, 10'000);  // FFFFF0
    history.add({0x0010, 0x00, 0, 0}, 12'500);  // 000010, past the wrap
    const std::string wrapped = ReadoutText(history[1], false, 0, &history[0]);
    EXPECT_EQ(wrapped.substr(wrapped.find('\n') + 1),
              "from reference: -16777184 counts in +2.500 s = -6710873.6 counts/s");
    const std::string unwrapped = ReadoutText(history[1], true, 0, &history[0]);
    EXPECT_EQ(unwrapped.substr(0, unwrapped.find('\n')),
              "00:00:12.500  16777232 DEC  000010 HEX  no lamp lit");
    EXPECT_EQ(unwrapped.substr(unwrapped.find('\n') + 1),
              "from reference: +32 counts in +2.500 s = +12.8 counts/s");
    // The reference itself: no time between, no rate.
    const std::string same = ReadoutText(history[0], false, 0, &history[0]);
    EXPECT_EQ(same.substr(same.find('\n') + 1), "from reference: +0 counts in 0 s");
}

TEST(Readout, ReadsTheSameInACommaDecimalLocale) {
    ReadingHistory history;
    history.add({0, 0, 0, 0}, 10'000);
    history.add({0x0010, 0, 0, 0x10}, 12'500);
    const std::string inC = ReadoutText(history[1], false, 0, &history[0]);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const std::string inGerman = ReadoutText(history[1], false, 0, &history[0]);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(inGerman, inC);
    EXPECT_NE(inC.find("+2.500 s = +6.4 counts/s"), std::string::npos) << inC;
}

}  // namespace
}  // namespace trend
