// One full repaint of a TumblerSwitch of each shape (the control drawn again, then shown)
// beside one of a QCheckBox of the same size, at device pixel ratio 1 and 2, in one run; and,
// for the record, a repaint of the switch with nothing changed (its kept picture copied).
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

#include "bench/timing/median_timing.h"
#include "switch_control/widget/tumbler_switch.h"

namespace {

constexpr int kRounds = 9;  // the median of these is printed

// Microseconds of one repaint of `widget` into a target of its size at `ratio`; `dirty` runs
// before each repaint so that nothing kept from the last one is reused.
bench::Timing MicrosecondsPerRepaint(QWidget& widget, double ratio,
                                     const std::function<void()>& dirty) {
    QImage target(widget.size() * ratio, QImage::Format_RGB32);  // an opaque backing store
    target.setDevicePixelRatio(ratio);
    const int repaints = widget.width() > 200 ? 200 : 1000;
    return bench::MedianMicroseconds(kRounds, repaints, [&](int) {
        dirty();
        widget.render(&target);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf(
        "One full widget repaint in microseconds, median of %d rounds (goal: switch within 2x the "
        "check box)\n",
        kRounds);
    std::printf("%-5s %-9s %5s %12s %12s %12s %12s %10s %12s\n", "shape", "size", "ratio",
                "switch wall", "switch cpu", "box wall", "box cpu", "cpu ratio", "unchanged");
    for (const QSize size : {QSize(120, 90), QSize(480, 360)}) {
        for (const double ratio : {1.0, 2.0}) {
            QCheckBox box(QStringLiteral("POWER"));
            box.resize(size);
            const bench::Timing boxTime =
                MicrosecondsPerRepaint(box, ratio, [&] { box.setChecked(!box.isChecked()); });
            for (int shape = TumblerSwitch::type1; shape <= TumblerSwitch::type7; ++shape) {
                TumblerSwitch tumbler;
                tumbler.setCaption(QStringLiteral("POWER"));
                tumbler.setSwitchShape(static_cast<TumblerSwitch::TumblerShapes>(shape));
                tumbler.resize(size);
                const bench::Timing switchTime = MicrosecondsPerRepaint(tumbler, ratio, [&] {
                    tumbler.setValue(!tumbler.value());  // the control asks to be drawn again
                });
                const bench::Timing unchanged = MicrosecondsPerRepaint(tumbler, ratio, [] {});
                std::printf("type%d %3dx%-5d %5.0f %12.1f %12.1f %12.1f %12.1f %10.2f %12.1f\n",
                            shape + 1, size.width(), size.height(), ratio, switchTime.wall,
                            switchTime.cpu, boxTime.wall, boxTime.cpu, switchTime.cpu / boxTime.cpu,
                            unchanged.cpu);
            }
        }
    }
    return 0;
}
