#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing {

// Where a context reads the system colours (button face, shadow, highlight, ...).
using SystemColourSource = std::function<Rgb(int index)>;

// The 2-D drawing operations the control's painting needs, with GDI's semantics: a current pen,
// brush and font, a current position, shapes outlined with the pen and filled with the brush.
class DrawingContext {
  public:
    virtual ~DrawingContext() = default;

    // Objects. Creation returns kNoObject on failure; selecting returns the previously selected
    // object of the same kind. A selected object must not be deleted; stock objects are never
    // deleted (deleting one does nothing).
    virtual ObjectHandle CreatePen(int width, Rgb colour) = 0;
    virtual ObjectHandle CreateSolidBrush(Rgb colour) = 0;
    virtual ObjectHandle CreateCompatibleBitmap(int width, int height) = 0;
    virtual ObjectHandle GetStockObject(StockObject which) = 0;
    virtual ObjectHandle SelectObject(ObjectHandle object) = 0;
    virtual void DeleteObject(ObjectHandle object) = 0;
    // A memory context that draws like this one; empty on failure. Its first selected bitmap
    // is a placeholder of one pixel.
    virtual std::unique_ptr<DrawingContext> CreateCompatibleContext() = 0;

    // Shapes: a box covers x from l to r - 1 and y from t to b - 1.
    virtual void FillRect(const Rect& rect, ObjectHandle brush) = 0;
    virtual void Rectangle(const Rect& rect) = 0;
    virtual void Ellipse(const Rect& box) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;
    virtual void Polyline(std::span<const Point> points) = 0;
    // Part of the ellipse in the box, counterclockwise on screen from the ray towards start to
    // the ray towards end; equal points mean the whole ellipse. Pie adds both radii and fills.
    virtual void Pie(const Rect& box, Point start, Point end) = 0;
    virtual void Arc(const Rect& box, Point start, Point end) = 0;
    virtual void MoveTo(Point to) = 0;
    virtual void LineTo(Point to) = 0;  // the end point itself is not drawn

    // Text.
    virtual FontDescription SelectFont(
        const FontDescription& font) = 0;  // returns the previous font
    virtual Size MeasureText(std::string_view text) = 0;
    virtual int CharacterHeight() = 0;  // the selected font's character cell height
    virtual void SetTextColour(Rgb colour) = 0;
    virtual void SetTransparentBackground() = 0;
    virtual void SetTextAlignCentreTop() = 0;
    virtual void DrawTextClipped(Point reference, const Rect& clip, std::string_view text) = 0;

    // Off-screen work: logical (0, 0) lands on device `origin`. A copy fills `destination` with
    // the source's pixels from `sourceOrigin` on, both in logical coordinates, replacing them.
    virtual void SetViewportOrigin(Point origin) = 0;
    virtual void CopyFrom(DrawingContext& source, const Rect& destination, Point sourceOrigin) = 0;

    virtual Rgb GetSysColour(int index) = 0;
};

}  // namespace tumbler::drawing
