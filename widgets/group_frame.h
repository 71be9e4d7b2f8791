#pragma once

class QGroupBox;

namespace widgets {

// The row, from the group box's top, on which its frame's top line is drawn. A titled group
// in our style draws the line a title height plus a margin down, onto children that the
// layout figures place for a line through the middle of the title.
int FrameTop(QGroupBox& group);

// Moves all children of `group` down by one amount, so that the top one starts under the
// frame's top line while the lowest stays above the bottom line; their spacing and the
// group's size stay as they are.
void KeepClearOfFrame(QGroupBox& group);

}  // namespace widgets
