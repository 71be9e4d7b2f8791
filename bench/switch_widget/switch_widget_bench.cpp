// One full repaint of a TumblerSwitch (the control drawn again, then shown) beside one of a
// QCheckBox of the same size, at device pixel ratio 1 and 2, in one run.
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "switch_control/widget/tumbler_switch.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 9;  // the median of these is printed

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Microseconds of one repaint of `widget` into a target of its size at `ratio`; `dirty` runs
// before each repaint so that nothing kept from the last one is reused.
double MicrosecondsPerRepaint(QWidget& widget, double ratio, const std::function<void()>& dirty) {
    QImage target((widget.size() * ratio), QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    const int repaints = widget.width() > 200 ? 200 : 1000;
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < repaints; ++i) {
            dirty();
            widget.render(&target);
        }
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        times.push_back(spent.count() / repaints);
    }
    return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf(
        "One full widget repaint, median of %d rounds (goal: switch within 2x the check box)\n",
        kRounds);
    std::printf("%-9s %5s %14s %14s %7s\n", "size", "ratio", "switch us", "checkbox us", "ratio");
    for (const QSize size : {QSize(120, 90), QSize(480, 360)}) {
        for (const double ratio : {1.0, 2.0}) {
            TumblerSwitch tumbler;
            tumbler.setCaption(QStringLiteral("POWER"));
            tumbler.setSwitchShape(TumblerSwitch::type2);
            tumbler.resize(size);
            QCheckBox box(QStringLiteral("POWER"));
            box.resize(size);
            bool on = false;
            const double switchTime = MicrosecondsPerRepaint(tumbler, ratio, [&] {
                on = !on;
                tumbler.setValue(on);  // the control asks to be drawn again
            });
            const double boxTime =
                MicrosecondsPerRepaint(box, ratio, [&] { box.setChecked(!box.isChecked()); });
            std::printf("%3dx%-5d %5.0f %14.1f %14.1f %7.2f\n", size.width(), size.height(), ratio,
                        switchTime, boxTime, switchTime / boxTime);
        }
    }
    return 0;
}
