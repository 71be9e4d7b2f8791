#pragma once

#include <memory>
#include <string>
#include <vector>

#include "switch_control/graphics/drawing_call.h"
#include "switch_control/graphics/drawing_context.h"
#include "switch_control/graphics/object_table.h"
#include "switch_control/graphics/text_measurer.h"

namespace tumbler::drawing {

// The metafile: keeps every call with its arguments instead of drawing. Contexts made
// compatible with it record into the same list, so a whole off-screen paint can be read back.
// It also keeps the books on objects, so tests can tell what a paint left behind.
class RecordingContext : public DrawingContext {
  public:
    struct Options {
        bool failBitmaps = false;   // CreateCompatibleBitmap returns kNoObject
        bool failContexts = false;  // CreateCompatibleContext returns nothing
    };

    RecordingContext(std::shared_ptr<const TextMeasurer> measurer, SystemColourSource colours);
    RecordingContext(std::shared_ptr<const TextMeasurer> measurer, SystemColourSource colours,
                     Options options);
    ~RecordingContext() override;

    const std::vector<DrawingCall>& Calls() const;
    // Pens, brushes and bitmaps made and not deleted, and compatible contexts not released.
    int LiveObjects() const;
    int LiveContexts() const;
    // Misuse seen so far (a selected object deleted, an unknown handle), one text each.
    const std::vector<std::string>& Faults() const;

    ObjectHandle CreatePen(int width, Rgb colour) override;
    ObjectHandle CreateSolidBrush(Rgb colour) override;
    ObjectHandle CreateCompatibleBitmap(int width, int height) override;
    ObjectHandle GetStockObject(StockObject which) override;
    ObjectHandle SelectObject(ObjectHandle object) override;
    void DeleteObject(ObjectHandle object) override;
    std::unique_ptr<DrawingContext> CreateCompatibleContext() override;

    void FillRect(const Rect& rect, ObjectHandle brush) override;
    void Rectangle(const Rect& rect) override;
    void Ellipse(const Rect& box) override;
    void Polygon(std::span<const Point> points) override;
    void Polyline(std::span<const Point> points) override;
    void Pie(const Rect& box, Point start, Point end) override;
    void Arc(const Rect& box, Point start, Point end) override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;

    FontDescription SelectFont(const FontDescription& font) override;
    Size MeasureText(std::string_view text) override;
    int CharacterHeight() override;
    void SetTextColour(Rgb colour) override;
    void SetTransparentBackground() override;
    void SetTextAlignCentreTop() override;
    void DrawTextClipped(Point reference, const Rect& clip, std::string_view text) override;

    void SetViewportOrigin(Point origin) override;
    void CopyFrom(DrawingContext& source, const Rect& destination, Point sourceOrigin) override;

    Rgb GetSysColour(int index) override;

  private:
    struct Book;
    RecordingContext(std::shared_ptr<Book> book, int id);
    void Record(CallKind kind, std::vector<int> args, ObjectHandle object = kNoObject,
                std::string text = {});

    std::shared_ptr<Book> book_;
    int id_;
    ObjectTable::Selection selection_;
    FontDescription font_;
};

}  // namespace tumbler::drawing
