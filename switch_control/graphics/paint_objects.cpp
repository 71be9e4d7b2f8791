#include "switch_control/graphics/paint_objects.h"

#include <algorithm>

namespace tumbler::drawing {

PaintObjects::~PaintObjects() {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) context_.DeleteObject(*it);
}

ObjectHandle PaintObjects::Hold(ObjectHandle made) {
    if (made != kNoObject) held_.push_back(made);
    return made;
}

void PaintObjects::Release(ObjectHandle held) {
    auto found = std::find(held_.begin(), held_.end(), held);
    if (found == held_.end()) return;
    held_.erase(found);
    context_.DeleteObject(held);
}

}  // namespace tumbler::drawing
