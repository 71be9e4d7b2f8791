#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>

#include "switch_control/graphics/drawing_context.h"
#include "switch_control/graphics/object_table.h"
#include "switch_control/graphics/pixel_raster.h"

namespace tumbler::drawing {

// Draws pixels into a 32-bit QImage (another format is converted first) so that every shape
// covers exactly the pixels the drawing model gives it: a box from l to r - 1, a line without
// its end point, an outline inside its shape.
class QtRasterContext : public DrawingContext {
  public:
    // `fontScale` sizes text for a target of that many device pixels per logical pixel.
    QtRasterContext(QImage& target, SystemColourSource colours, double fontScale = 1.0);
    ~QtRasterContext() override;
    QtRasterContext(const QtRasterContext&) = delete;
    QtRasterContext& operator=(const QtRasterContext&) = delete;

    // For a target that nobody sees while it is drawn (a kept picture): the next compatible
    // bitmap of `place`'s size is that part of the target itself (device pixels), so a control
    // that draws off-screen and copies its bitmap back to that place draws once, copies nothing.
    void DrawOffScreenInPlace(const Rect& place);

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
    struct Family;
    QtRasterContext(std::shared_ptr<Family> family, QImage* surface);
    void Attach(QImage* surface);
    const ObjectEntry& Selected(ObjectKind kind) const;
    Rgb PenColour() const;
    int PenWidth() const;
    Rgb BrushColour() const;
    QPainter& Painter();
    int Advance(const QString& text);  // the text's width in the selected font

    // An off-screen bitmap's back fill is held back: the faces drawn next cover most of it
    // whole, so it is written only where something else draws or the bitmap is read.
    QRect DeviceBox(const Rect& box) const;
    Rect LogicalBox(const QRect& device) const;
    void Cover(const Rect& box);   // about to be written whole: the fill there is not needed
    void Settle(const Rect& box);  // about to be drawn over or read: the fill there is written
    template <typename Around>
    void SettleAround(const Rect& box, const Around& around);  // a filled shape is drawn
    void SettleAll();
    bool HoldsFillIn(const Rect& box) const;
    void WriteHeldFill(const QRegion& device);

    std::shared_ptr<Family> family_;
    const bool offScreen_;  // a compatible context, read only through CopyFrom
    QRegion heldFill_;      // device pixels
    Rgb heldColour_ = 0;
    ObjectTable::Selection selection_;
    QImage* surface_ = nullptr;
    PixelSurface pixels_;
    QPainter painter_;  // text only
    Point origin_;
    Point position_;
    FontDescription font_;
    QFont qfont_;
    FontDescription spareFont_;
    QFont spareQFont_;
    FontDescription measuredFont_;
    QString measuredText_;
    int measuredWidth_ = 0;
    Rgb textColour_ = 0x000000;
    bool transparent_ = false;  // else the text box is filled white first, as GDI's default
    bool centred_ = false;      // else the reference point is the text's left top
};

}  // namespace tumbler::drawing
