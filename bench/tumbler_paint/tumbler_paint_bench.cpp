// Time of one full PaintControl of the switch (back brush, off-screen bitmap and context,
// drawing, copy, release) on the Qt raster context, for each shape at two sizes.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "bench/timing/median_timing.h"
#include "switch_control/control_look.h"
#include "switch_control/graphics/raster_context.h"
#include "switch_control/tumbler_ctrl.h"

namespace {

using namespace tumbler::drawing;
constexpr int kRounds = 9;  // the median of these is printed

// Microseconds of one paint, the median over several rounds of many paints, cycling through
// controls in both states and both orientations, with a caption.
bench::Timing MicrosecondsPerPaint(int shape, int width, int height) {
    QImage screen(width, height, QImage::Format_RGB32);
    QtRasterContext target(screen, FrameworkSystemColour);
    tumbler::CTumblerCtrl controls[4];
    for (int i = 0; i < 4; ++i) {
        controls[i].SetSwitchShape(shape);
        controls[i].SetValue(i % 2);
        controls[i].SetAlignment(i / 2);
        controls[i].SetText("POWER");
    }
    const Rect bounds{0, 0, width, height};
    const int paints = width * height > 20000 ? 200 : 1000;
    return bench::MedianMicroseconds(kRounds, paints,
                                     [&](int i) { controls[i % 4].PaintControl(target, bounds); });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::printf(
        "One full PaintControl, raster, median of %d rounds (goal: under 100 us at 120 x 90)\n",
        kRounds);
    std::printf("%-8s %16s %16s %16s %16s\n", "shape", "120x90 wall us", "120x90 cpu us",
                "480x360 wall us", "480x360 cpu us");
    for (int shape = kType1; shape <= kType7; ++shape) {
        const bench::Timing small = MicrosecondsPerPaint(shape, 120, 90);
        const bench::Timing large = MicrosecondsPerPaint(shape, 480, 360);
        std::printf("type%-4d %16.1f %16.1f %16.1f %16.1f\n", shape + 1, small.wall, small.cpu,
                    large.wall, large.cpu);
    }
    return 0;
}
