#include "main_window/window_position.h"

#include <gtest/gtest.h>

#include "platform/fakes/fake_settings_store.h"

namespace main_window {
namespace {

TwipsPosition ReadWith(const char* left, const char* top) {
    platform::FakeSettingsStore store;
    if (left) store.write("QM4417", "Settings", "MainLeft", left);
    if (top) store.write("QM4417", "Settings", "MainTop", top);
    return ReadMainPosition(store, "QM4417");
}

TEST(MainPosition, MissingOrNonNumericValuesGiveTheDefault) {
    EXPECT_EQ(ReadWith(nullptr, nullptr), (TwipsPosition{1000, 1000}));
    EXPECT_EQ(ReadWith("abc", "12x"), (TwipsPosition{1000, 1000}));
    EXPECT_EQ(ReadWith("", "1.5"), (TwipsPosition{1000, 1000}));
    EXPECT_EQ(ReadWith("99999999999", "-"), (TwipsPosition{1000, 1000}));
    EXPECT_EQ(ReadWith("2400", " -300 "), (TwipsPosition{2400, -300}));
}

TEST(MainPosition, WritesDecimalTwips) {
    platform::FakeSettingsStore store;
    WriteMainPosition(store, "QM4417", {-450, 15});
    EXPECT_EQ(store.read("QM4417", "Settings", "MainLeft", ""), "-450");
    EXPECT_EQ(store.read("QM4417", "Settings", "MainTop", ""), "15");
    EXPECT_EQ(store.writes, 2);
}

TEST(KeepOnScreens, AWindowOverlappingAScreenStaysWhereItIs) {
    const std::vector<PixelRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const PixelRect partly{-400, -20, 450, 400};
    const PixelRect secondScreen{2000, 500, 450, 400};
    EXPECT_EQ(KeepOnScreens(partly, screens).left, -400);
    EXPECT_EQ(KeepOnScreens(partly, screens).top, -20);
    EXPECT_EQ(KeepOnScreens(secondScreen, screens).left, 2000);
}

TEST(KeepOnScreens, AWindowOffEveryScreenMovesIntoTheNearest) {
    const std::vector<PixelRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const PixelRect farRight = KeepOnScreens({9000, 300, 450, 400}, screens);
    EXPECT_EQ(farRight.left, 1920 + 1280 - 450);
    EXPECT_EQ(farRight.top, 300);
    const PixelRect farUpLeft = KeepOnScreens({-5000, -5000, 450, 400}, screens);
    EXPECT_EQ(farUpLeft.left, 0);
    EXPECT_EQ(farUpLeft.top, 0);
    const PixelRect below = KeepOnScreens({2500, 1030, 450, 400}, screens);
    EXPECT_EQ(below.left, 2500);
    EXPECT_EQ(below.top, 1024 - 400);
    EXPECT_EQ(KeepOnScreens({9000, 9000, 10, 10}, {}).left, 9000);
}

}  // namespace
}  // namespace main_window
