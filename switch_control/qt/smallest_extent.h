#pragma once

#include <QSize>

namespace tumbler {
class CTumblerCtrl;
}

namespace tumbler::qt {

// The smallest size of the control's window, border included, at which its caption fits and
// its shape is drawn whole: a host's minimum size.
QSize SmallestExtent(const CTumblerCtrl& control);

}  // namespace tumbler::qt
