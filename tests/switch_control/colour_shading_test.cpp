#include "switch_control/rendering/colour_shading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tumbler {
namespace {

TEST(ColourShading, RgbToHlsOfPrimaryAndGrayColours) {
    EXPECT_EQ(RgbToHls(0x0000FF), MakeHls(0, 240, 120));
    EXPECT_EQ(RgbToHls(0xC0C0C0), MakeHls(0, 0, 180));
    EXPECT_EQ(RgbToHls(0xFF0000), MakeHls(160, 240, 120));
    EXPECT_EQ(RgbToHls(0xFF8080), MakeHls(160, 240, 180));
}

TEST(ColourShading, RoundTripsLoseTheKnownAmount) {
    EXPECT_EQ(HlsToRgb(RgbToHls(0xC0C0C0)), 0xBFBFBFu);
    EXPECT_EQ(HlsToRgb(RgbToHls(0xFF8080)), 0xFF7F7Fu);
    // A hue between 160 and 200 takes its red channel from the first sector's rule.
    EXPECT_EQ(HlsToRgb(RgbToHls(0xFF00C0)), 0xFF00BFu);
}

TEST(ColourShading, ScaleLuminanceGivesTheDrawingsShades) {
    EXPECT_EQ(ScaleLuminance(0x0000FF, 0.5), 0x00007Fu);
    EXPECT_EQ(ScaleLuminance(0x0000FF, 0.75), 0x0000BFu);
    EXPECT_EQ(ScaleLuminance(0xC0C0C0, 0.75), 0x8F8F8Fu);
    EXPECT_EQ(ScaleLuminance(0xC0C0C0, 0.5), 0x5F5F5Fu);
    EXPECT_EQ(ScaleLuminance(0xC0C0C0, 1.5, true), 0xFFFFFFu);
    // The unlit LED factor 1 - (1 - LedDarkPrm) for the default parameter.
    EXPECT_EQ(ScaleLuminance(0x0000FF, 1 - (1 - 0.5)), 0x00007Fu);
}

TEST(ColourShading, BlackStaysBlackUnderEveryFactor) {
    for (double factor : {0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 3.0, -2.0}) {
        EXPECT_EQ(ScaleLuminance(0x000000, factor), 0u) << factor;
        EXPECT_EQ(ScaleLuminance(0x000000, factor, true), 0u) << factor;
    }
}

TEST(ColourShading, FactorsOutsideZeroToOneKeepHueAndSaturation) {
    // Red's luminance 120 times 3 would not fit the luminance byte; it becomes full white
    // (luminance 240) instead of spilling into the saturation.
    EXPECT_EQ(ScaleLuminance(0x0000FF, 3.0), 0xFFFFFFu);
    EXPECT_EQ(ScaleLuminance(0x0000FF, 3.0), ScaleLuminance(0x0000FF, 3.0, true));
    // Negative factors darken to black rather than wrapping around.
    EXPECT_EQ(ScaleLuminance(0x0000FF, -1.0), 0x000000u);
    EXPECT_EQ(ScaleLuminance(0xC0C0C0, std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_EQ(ScaleLuminance(0xC0C0C0, std::numeric_limits<double>::infinity()), 0xFFFFFFu);
    // Slightly above 1 still brightens within range.
    EXPECT_EQ(LuminanceOf(RgbToHls(ScaleLuminance(0x808080, 1.2))), 144);
}

TEST(ColourShading, HueToChannelFollowsItsFourSectors) {
    const double m1 = 0.2;
    const double m2 = 0.8;
    EXPECT_DOUBLE_EQ(HueToChannel(0, m1, m2), m1);
    EXPECT_DOUBLE_EQ(HueToChannel(2.0, m1, m2), m2);
    EXPECT_DOUBLE_EQ(HueToChannel(4.5, m1, m2), m1);
    EXPECT_NEAR(HueToChannel(1.0471966666666666 / 2, m1, m2), 0.5, 1e-12);
    // Negative angles wrap by a full turn first.
    EXPECT_DOUBLE_EQ(HueToChannel(2.0 - 6.28318, m1, m2), m2);
}

}  // namespace
}  // namespace tumbler
