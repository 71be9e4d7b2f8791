#pragma once

#include <QIcon>

namespace main_window {

// The main window's 48 x 48 icon in 16 colours: the unit's face with its resolver dial.
QIcon WindowIcon();

}  // namespace main_window
