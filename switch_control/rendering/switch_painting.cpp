#include "switch_control/rendering/switch_painting.h"

#include "switch_control/graphics/paint_objects.h"
#include "switch_control/rendering/caption.h"
#include "switch_control/rendering/colour_shading.h"
#include "switch_control/rendering/shape_kit.h"

namespace tumbler::drawing {
namespace {

constexpr double kDarkFace = 0.75;

// The strip the caption takes from the rectangle, at the top or the bottom; push buttons
// write their caption over the face instead.
Rect TakeCaptionStrip(DrawingContext& context, const Rect& bounds, const SwitchLook& look) {
    const Size caption = MeasureCaption(context, look);
    if (caption.cx == 0) return bounds;
    Rect rest = bounds;
    if (look.captionAlignment == 1) {
        DrawCaption(context, {bounds.l, bounds.b - caption.cy, bounds.r, bounds.b}, look);
        rest.b = bounds.b - caption.cy;
    } else {
        DrawCaption(context, {bounds.l, bounds.t, bounds.r, bounds.t + caption.cy}, look);
        rest.t = bounds.t + caption.cy;
    }
    return rest;
}

void Render(DrawingContext& context, const Rect& bounds, const SwitchLook& look,
            ObjectHandle backBrush) {
    context.FillRect(bounds, backBrush);
    DrawSwitch(context, bounds, look);
}

}  // namespace

void DrawSwitch(DrawingContext& context, const Rect& bounds, const SwitchLook& look) {
    const ShapeFamily family = FamilyOf(look.shape);
    const Rect rect =
        family == ShapeFamily::PushButton ? bounds : TakeCaptionStrip(context, bounds, look);
    if (rect.t >= rect.b) return;  // the caption took all the room

    PaintObjects objects(context);
    const ObjectHandle base = objects.Brush(look.fore);
    const ObjectHandle dark = objects.Brush(ScaleLuminance(look.fore, kDarkFace));
    const ObjectHandle blackPen = context.GetStockObject(StockObject::BlackPen);
    const ObjectHandle previousPen = context.SelectObject(blackPen);
    const ObjectHandle previousBrush = context.SelectObject(base);

    const ShapeKit kit{context, objects, look, rect, base, dark, blackPen};
    switch (family) {
        case ShapeFamily::Rocker:
            DrawRocker(kit);
            break;
        case ShapeFamily::PushButton:
            DrawPushButton(kit);
            break;
        case ShapeFamily::Lever:
            DrawLever(kit);
            break;
    }
    context.SelectObject(previousPen);
    context.SelectObject(previousBrush);
}

void PaintSwitch(DrawingContext& target, const Rect& bounds, const SwitchLook& look,
                 bool drawingMetafile) {
    PaintObjects objects(target);
    const ObjectHandle backBrush = objects.Brush(look.back);
    if (drawingMetafile) {
        Render(target, bounds, look, backBrush);
        return;
    }
    // The off-screen bitmap covers the bounds only: its origin is the bounds' top left.
    const ObjectHandle bitmap =
        objects.Hold(target.CreateCompatibleBitmap(bounds.Width(), bounds.Height()));
    if (bitmap == kNoObject) return;
    auto memory = target.CreateCompatibleContext();
    if (!memory) return;
    const ObjectHandle previousBitmap = memory->SelectObject(bitmap);
    if (previousBitmap == kNoObject) return;
    memory->SetViewportOrigin({-bounds.l, -bounds.t});
    Render(*memory, bounds, look, backBrush);
    target.CopyFrom(*memory, bounds, {bounds.l, bounds.t});
    memory->SelectObject(previousBitmap);
    objects.Release(bitmap);
}

}  // namespace tumbler::drawing
