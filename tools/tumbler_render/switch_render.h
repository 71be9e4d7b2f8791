#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "switch_control/drawing/drawing_context.h"
#include "switch_control/drawing/switch_look.h"

namespace tumbler::render {

// The picture calls of one paint of the switch, one line each, as the metafile records them.
std::vector<std::string> RecordSwitchCalls(const drawing::SwitchLook& look,
                                           const drawing::Rect& bounds,
                                           const drawing::SystemColourSource& colours);

// One screen paint into a white image that reaches the bounds' right and bottom.
QImage RenderSwitch(const drawing::SwitchLook& look, const drawing::Rect& bounds,
                    const drawing::SystemColourSource& colours);

// Every shape (rows) off and on, vertical and horizontal, without and with a caption
// (columns), each labelled, on one image.
QImage RenderContactSheet(const drawing::SwitchLook& look,
                          const drawing::SystemColourSource& colours);

}  // namespace tumbler::render
