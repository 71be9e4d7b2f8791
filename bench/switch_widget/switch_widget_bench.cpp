// One full repaint of a TumblerSwitch of each shape (the control drawn again, then shown)
// beside one of a QCheckBox of the same size, timed in turns round by round (the CPU ratio is
// the median of the rounds' own), at device pixel ratio 1 and 2; and, for the record, a repaint
// of the switch with nothing changed (its kept picture copied).
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "bench/timing/median_timing.h"
#include "switch_control/widget/tumbler_switch.h"

namespace {

constexpr int kRounds = 9;  // the median of these is printed

// A target of the widget's size at `ratio`, as an opaque backing store.
QImage TargetFor(const QWidget& widget, double ratio) {
    QImage target(widget.size() * ratio, QImage::Format_RGB32);
    target.setDevicePixelRatio(ratio);
    return target;
}

int RepaintsPerRound(const QWidget& widget) {
    return widget.width() > 200 ? 200 : 1000;
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
            QImage boxTarget = TargetFor(box, ratio);
            for (int shape = TumblerSwitch::Rocker; shape <= TumblerSwitch::LitRoundButton;
                 ++shape) {
                TumblerSwitch tumbler;
                tumbler.setCaption(QStringLiteral("POWER"));
                tumbler.setSwitchShape(static_cast<TumblerSwitch::SwitchShape>(shape));
                tumbler.resize(size);
                QImage target = TargetFor(tumbler, ratio);
                // A toggle before each repaint, so that nothing kept from the last one is used:
                // the switch's control asks to be drawn again.
                const bench::SideBySide full = bench::MedianSideBySide(
                    kRounds, RepaintsPerRound(tumbler),
                    [&](int) {
                        box.setChecked(!box.isChecked());
                        box.render(&boxTarget);
                    },
                    [&](int) {
                        tumbler.setValue(!tumbler.value());
                        tumbler.render(&target);
                    });
                const bench::Timing unchanged = bench::MedianMicroseconds(
                    kRounds, RepaintsPerRound(tumbler), [&](int) { tumbler.render(&target); });
                std::printf("type%d %3dx%-5d %5.0f %12.1f %12.1f %12.1f %12.1f %10.2f %12.1f\n",
                            shape + 1, size.width(), size.height(), ratio, full.second.wall,
                            full.second.cpu, full.first.wall, full.first.cpu, full.cpuRatio,
                            unchanged.cpu);
            }
        }
    }
    return 0;
}
