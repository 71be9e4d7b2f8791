#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "tools/tumbler_render/switch_options.h"

namespace tumbler::render {

// The picture calls of the control's metafile rendering, one line each.
std::vector<std::string> RecordSwitchCalls(const SwitchRequest& request);

// One screen paint of the control into a white image that reaches the bounds' right and bottom.
QImage RenderSwitch(const SwitchRequest& request);

// Every shape (rows) off and on, vertical and horizontal, without and with a caption
// (columns), each a control with its framework border, labelled, on one image.
QImage RenderContactSheet(const SwitchRequest& request);

// `tumbler-render` with drawing options: prints the calls and writes the PNGs asked for.
// Returns the exit status; 2 for bad arguments, 1 when a PNG cannot be written.
int RunDrawing(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tumbler::render
