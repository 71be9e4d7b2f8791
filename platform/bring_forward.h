#pragma once

#include <string>

class QWidget;

namespace platform {

// What a second start asks of the running instance's window: restored when minimised,
// raised and activated. On X11 the launcher's start-up token (its _TIME is the click that
// started it, which lets the window manager give the focus) ends the launcher's start-up
// notification, so its busy cursor stops.
void BringForward(QWidget& window, const std::string& startupToken);

}  // namespace platform
