#pragma once

#include <vector>

#include "switch_control/graphics/drawing_context.h"

namespace tumbler::drawing {

// The pens, brushes and bitmaps one paint makes: whatever is still held when the paint's scope
// ends is deleted, newest first, so nothing outlives the paint on any path. Deselect an object
// before it goes.
class PaintObjects {
  public:
    explicit PaintObjects(DrawingContext& context) : context_(context) {}
    ~PaintObjects();
    PaintObjects(const PaintObjects&) = delete;
    PaintObjects& operator=(const PaintObjects&) = delete;

    ObjectHandle Pen(int width, Rgb colour) { return Hold(context_.CreatePen(width, colour)); }
    ObjectHandle Brush(Rgb colour) { return Hold(context_.CreateSolidBrush(colour)); }
    ObjectHandle Hold(ObjectHandle made);
    void Release(ObjectHandle held);

  private:
    DrawingContext& context_;
    std::vector<ObjectHandle> held_;
};

}  // namespace tumbler::drawing
