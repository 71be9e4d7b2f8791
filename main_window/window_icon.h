#pragma once

#include <QIcon>

class QPainter;

namespace main_window {

inline constexpr int kWindowIconSize = 48;

// The main window's 48 x 48 icon in 16 colours: the unit's face with its resolver dial.
QIcon WindowIcon();

// Draws that icon into a 48 x 48 space: on the window's image, and on the installed icons
// (a PNG and a scalable SVG).
void PaintWindowIcon(QPainter& painter);

}  // namespace main_window
