#include "widgets/latching_switch.h"

#include <utility>

namespace widgets {

LatchingSwitch::LatchingSwitch(QString offFace, QString onFace, QWidget* parent)
    : QPushButton(offFace, parent), offFace_(std::move(offFace)), onFace_(std::move(onFace)) {
    setCheckable(true);
    connect(this, &QPushButton::toggled, this, &LatchingSwitch::showFace);
}

void LatchingSwitch::showFace(bool on) {
    setText(on ? onFace_ : offFace_);
}

}  // namespace widgets
