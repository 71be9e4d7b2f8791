#pragma once

#include <QStringList>

#include "switch_control/widget/tumbler_switch.h"

// The widget's signals in the order they came: "changed", "clicked", "toggled on|off".
struct SignalLog {
    explicit SignalLog(TumblerSwitch& widget) {
        QObject::connect(&widget, &TumblerSwitch::changed, [this] { seen << "changed"; });
        QObject::connect(&widget, &QAbstractButton::clicked, [this] { seen << "clicked"; });
        QObject::connect(&widget, &QAbstractButton::toggled,
                         [this](bool on) { seen << (on ? "toggled on" : "toggled off"); });
    }
    QStringList Take() { return std::exchange(seen, {}); }
    QStringList seen;
};
