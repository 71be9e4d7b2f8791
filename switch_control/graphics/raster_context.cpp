#include "switch_control/graphics/raster_context.h"

#include <QFontMetrics>
#include <map>
#include <optional>
#include <utility>

#include "switch_control/graphics/qt_font.h"

namespace tumbler::drawing {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The box around `points`, grown by `margin` on every side.
Rect BoundsOf(std::span<const Point> points, int margin) {
    Rect box{points.front().x, points.front().y, points.front().x + 1, points.front().y + 1};
    for (const Point& p : points) {
        box = {std::min(box.l, p.x), std::min(box.t, p.y), std::max(box.r, p.x + 1),
               std::max(box.b, p.y + 1)};
    }
    return {box.l - margin, box.t - margin, box.r + margin, box.b + margin};
}

Rect Grown(const Rect& box, int margin) {
    const Rect n = Normalised(box);
    return {n.l - margin, n.t - margin, n.r + margin, n.b + margin};
}

bool IsThirtyTwoBit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

struct QtRasterContext::Family {
    Family(SystemColourSource source, double scale) : colours(std::move(source)), fontScale(scale) {
        bitmaps.emplace(ObjectTable::kPlaceholderBitmap, QImage(1, 1, QImage::Format_RGB32));
    }
    SystemColourSource colours;
    double fontScale;
    ObjectTable objects;
    std::map<ObjectHandle, QImage> bitmaps;
    QImage* target = nullptr;
    std::optional<Rect> inPlace;  // where the next bitmap of its size lies in the target
};

QtRasterContext::QtRasterContext(QImage& target, SystemColourSource colours, double fontScale)
    : QtRasterContext(std::make_shared<Family>(std::move(colours), fontScale), &target) {
    family_->target = surface_;
}

QtRasterContext::QtRasterContext(std::shared_ptr<Family> family, QImage* surface)
    : family_(std::move(family)),
      offScreen_(surface == nullptr),
      selection_(ObjectTable::DefaultSelection(surface == nullptr)),
      font_{"System", 10.0, 700},
      qfont_(ToQFont(font_, family_->fontScale)) {
    family_->objects.Hold(selection_);
    Attach(surface != nullptr ? surface : &family_->bitmaps.at(ObjectTable::kPlaceholderBitmap));
}

QtRasterContext::~QtRasterContext() {
    SettleAll();
    if (painter_.isActive()) painter_.end();
    family_->objects.Release(selection_);
}

void QtRasterContext::Attach(QImage* surface) {
    if (surface_ != nullptr) SettleAll();
    if (painter_.isActive()) painter_.end();
    if (!surface->isNull() && !IsThirtyTwoBit(surface->format())) {
        *surface = surface->convertToFormat(QImage::Format_RGB32);
    }
    surface_ = surface;
    pixels_ = PixelSurface(*surface_, origin_);
}

// Only text needs QPainter; starting one costs more than drawing a whole switch, so it is
// started when text is first drawn.
QPainter& QtRasterContext::Painter() {
    if (!painter_.isActive() && !surface_->isNull()) {
        painter_.begin(surface_);
        painter_.translate(origin_.x, origin_.y);
    }
    return painter_;
}

const ObjectEntry& QtRasterContext::Selected(ObjectKind kind) const {
    return *family_->objects.Find(selection_[static_cast<std::size_t>(kind)]);
}

Rgb QtRasterContext::PenColour() const {
    return Selected(ObjectKind::Pen).colour;
}
int QtRasterContext::PenWidth() const {
    return std::max(Selected(ObjectKind::Pen).width, 1);
}
Rgb QtRasterContext::BrushColour() const {
    return Selected(ObjectKind::Brush).colour;
}

ObjectHandle QtRasterContext::CreatePen(int width, Rgb colour) {
    return family_->objects.Add({ObjectKind::Pen, width, colour});
}

ObjectHandle QtRasterContext::CreateSolidBrush(Rgb colour) {
    return family_->objects.Add({ObjectKind::Brush, 0, colour});
}

void QtRasterContext::DrawOffScreenInPlace(const Rect& place) {
    const QImage& target = *family_->target;
    const bool inside = place.l >= 0 && place.t >= 0 && place.r <= target.width() &&
                        place.b <= target.height() && place.l < place.r && place.t < place.b;
    // A bitmap is RGB32, so only a target of that format holds the same pixels.
    if (inside && target.format() == QImage::Format_RGB32) family_->inPlace = place;
}

ObjectHandle QtRasterContext::CreateCompatibleBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return kNoObject;
    if (const auto place = family_->inPlace;
        place && place->Width() == width && place->Height() == height) {
        family_->inPlace.reset();
        QImage& target = *family_->target;
        const qsizetype stride = target.bytesPerLine();
        QImage view(target.bits() + place->t * stride + place->l * qsizetype(sizeof(QRgb)), width,
                    height, stride, QImage::Format_RGB32);
        auto handle = family_->objects.Add({ObjectKind::Bitmap, width, 0, height});
        family_->bitmaps.emplace(handle, std::move(view));
        return handle;
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return kNoObject;
    auto handle = family_->objects.Add({ObjectKind::Bitmap, width, 0, height});
    family_->bitmaps.emplace(handle, std::move(image));
    return handle;
}

ObjectHandle QtRasterContext::GetStockObject(StockObject which) {
    return ObjectTable::Stock(which);
}

ObjectHandle QtRasterContext::SelectObject(ObjectHandle object) {
    const ObjectEntry* entry = family_->objects.Find(object);
    if (entry == nullptr) return kNoObject;
    // A bitmap can only go into a memory context, and into one context at a time.
    const bool bitmap = entry->kind == ObjectKind::Bitmap;
    const bool memoryContext = selection_[static_cast<std::size_t>(ObjectKind::Bitmap)] != 0;
    if (bitmap && (!memoryContext || (entry->selections > 0 && !entry->stock))) return kNoObject;
    ObjectHandle previous = family_->objects.Select(selection_, object);
    if (bitmap) Attach(&family_->bitmaps.at(object));
    return previous;
}

void QtRasterContext::DeleteObject(ObjectHandle object) {
    if (family_->objects.Delete(object) == ObjectTable::Deletion::Deleted) {
        family_->bitmaps.erase(object);
    }
}

std::unique_ptr<DrawingContext> QtRasterContext::CreateCompatibleContext() {
    return std::unique_ptr<DrawingContext>(new QtRasterContext(family_, nullptr));
}

void QtRasterContext::FillRect(const Rect& rect, ObjectHandle brush) {
    const ObjectEntry* entry = family_->objects.Find(brush);
    if (entry == nullptr || entry->kind != ObjectKind::Brush) return;
    if (offScreen_ && heldFill_.isEmpty()) {
        heldFill_ = QRegion(DeviceBox(rect)) & surface_->rect();
        heldColour_ = entry->colour;
        return;
    }
    Cover(rect);
    pixels_.Box(Normalised(rect), entry->colour);
}

// Outlines lie inside the shape whatever the pen's width, so a shape covers exactly its box.
void QtRasterContext::Rectangle(const Rect& rect) {
    Cover(rect);
    const Rect n = Normalised(rect);
    const int w = PenWidth();
    if (n.Width() <= 2 * w || n.Height() <= 2 * w) {
        pixels_.Box(n, PenColour());
        return;
    }
    const Rect inside{n.l + w, n.t + w, n.r - w, n.b - w};
    pixels_.Box({n.l, n.t, n.r, inside.t}, PenColour());
    pixels_.Box({n.l, inside.b, n.r, n.b}, PenColour());
    pixels_.Box({n.l, inside.t, inside.l, inside.b}, PenColour());
    pixels_.Box({inside.r, inside.t, n.r, inside.b}, PenColour());
    pixels_.Box(inside, BrushColour());
}

void QtRasterContext::Ellipse(const Rect& box) {
    SettleAround(box, [&](const Rect& part) {
        FillAroundEllipse(pixels_, part, box, heldColour_);  // the fill and the band cover it
    });
    FillEllipse(pixels_, box, PenWidth(), Sweep(), BrushColour());
    EllipseBand(pixels_, box, PenWidth(), Sweep(), PenColour());
}

void QtRasterContext::Pie(const Rect& box, Point start, Point end) {
    Settle(Grown(box, PenWidth()));
    const Sweep sweep(box, start, end);
    FillEllipse(pixels_, box, 0, sweep, BrushColour());
    EllipseBand(pixels_, box, PenWidth(), sweep, PenColour());
    const Point keep = position_;
    const Point centre{(Normalised(box).l + Normalised(box).r - 1) / 2,
                       (Normalised(box).t + Normalised(box).b - 1) / 2};
    for (Point edge : {sweep.StartPixel(box), sweep.EndPixel(box)}) {
        MoveTo(centre);
        LineTo(edge);
    }
    position_ = keep;
}

void QtRasterContext::Arc(const Rect& box, Point start, Point end) {
    Settle(Grown(box, PenWidth()));
    EllipseBand(pixels_, box, PenWidth(), Sweep(box, start, end), PenColour());
}

void QtRasterContext::Polygon(std::span<const Point> points) {
    if (points.empty()) return;
    SettleAround(BoundsOf(points, PenWidth()), [&](const Rect& part) {
        FillAroundPolygon(pixels_, part, points, heldColour_);  // the outline is drawn over it
    });
    FillPolygon(pixels_, points, BrushColour());
    Polyline(points);
    const Point keep = position_;
    MoveTo(points.back());
    LineTo(points.front());
    position_ = keep;
}

void QtRasterContext::Polyline(std::span<const Point> points) {
    if (points.empty()) return;
    Settle(BoundsOf(points, PenWidth()));
    // Segment by segment, as successive LineTo calls: each leaves out its end point.
    const Point keep = position_;
    MoveTo(points.front());
    for (const Point& p : points.subspan(1)) LineTo(p);
    position_ = keep;
}

void QtRasterContext::MoveTo(Point to) {
    position_ = to;
}

void QtRasterContext::LineTo(Point to) {
    const Point ends[] = {position_, to};
    Settle(BoundsOf(ends, PenWidth()));
    Line(pixels_, position_, to, PenWidth(), PenColour());
    position_ = to;
}

// A caption selects its font and then the previous one back; keeping the previous Qt font
// spares building it again.
FontDescription QtRasterContext::SelectFont(const FontDescription& font) {
    FontDescription previous = font_;
    if (font == font_) return previous;
    if (font == spareFont_) {
        std::swap(qfont_, spareQFont_);
    } else {
        spareQFont_ = std::exchange(qfont_, ToQFont(font, family_->fontScale));
    }
    spareFont_ = previous;
    font_ = font;
    return previous;
}

// A caption is measured and then drawn in the same font: its width is laid out once.
int QtRasterContext::Advance(const QString& text) {
    if (!(measuredFont_ == font_) || measuredText_ != text) {
        measuredFont_ = font_;
        measuredText_ = text;
        measuredWidth_ = QFontMetrics(qfont_).horizontalAdvance(text);
    }
    return measuredWidth_;
}

Size QtRasterContext::MeasureText(std::string_view text) {
    return {Advance(QString::fromUtf8(text.data(), std::ssize(text))),
            QFontMetrics(qfont_).height()};
}

int QtRasterContext::CharacterHeight() {
    return QFontMetrics(qfont_).height();
}

void QtRasterContext::SetTextColour(Rgb colour) {
    textColour_ = colour;
}

void QtRasterContext::SetTransparentBackground() {
    transparent_ = true;
}

void QtRasterContext::SetTextAlignCentreTop() {
    centred_ = true;
}

void QtRasterContext::DrawTextClipped(Point reference, const Rect& clip, std::string_view text) {
    const QString string = QString::fromUtf8(text.data(), std::ssize(text));
    QFontMetrics metrics(qfont_);
    const int width = Advance(string);
    const int left = centred_ ? reference.x - width / 2 : reference.x;
    const Rect n = Normalised(clip);
    Settle(n);  // text is blended with what lies under it
    QPainter& painter = Painter();
    if (!painter.isActive()) return;
    painter.save();
    painter.setClipRect(QRect(n.l, n.t, n.Width(), n.Height()));
    if (!transparent_) {
        painter.fillRect(QRect(left, reference.y, width, metrics.height()), Qt::white);
    }
    painter.setFont(qfont_);
    painter.setPen(ToQColor(textColour_));
    painter.drawText(QPoint(left, reference.y + metrics.ascent()), string);
    painter.restore();
}

void QtRasterContext::SetViewportOrigin(Point origin) {
    origin_ = origin;
    pixels_ = PixelSurface(*surface_, origin_);
    if (painter_.isActive()) {
        painter_.resetTransform();
        painter_.translate(origin_.x, origin_.y);
    }
}

void QtRasterContext::CopyFrom(DrawingContext& source, const Rect& destination,
                               Point sourceOrigin) {
    auto* raster = dynamic_cast<QtRasterContext*>(&source);
    if (raster == nullptr) return;
    raster->SettleAll();
    Settle(destination);
    pixels_.CopyFrom(raster->pixels_, Normalised(destination), sourceOrigin);
}

QRect QtRasterContext::DeviceBox(const Rect& box) const {
    const Rect n = Normalised(box);
    return {n.l + origin_.x, n.t + origin_.y, n.Width(), n.Height()};
}

Rect QtRasterContext::LogicalBox(const QRect& device) const {
    return {device.left() - origin_.x, device.top() - origin_.y, device.right() + 1 - origin_.x,
            device.bottom() + 1 - origin_.y};
}

void QtRasterContext::Cover(const Rect& box) {
    if (!heldFill_.isEmpty()) heldFill_ -= DeviceBox(box);
}

void QtRasterContext::Settle(const Rect& box) {
    if (HoldsFillIn(box)) WriteHeldFill(heldFill_ & DeviceBox(box));
}

// Asked before every shape: this is the common answer, found without a region being built.
bool QtRasterContext::HoldsFillIn(const Rect& box) const {
    return !heldFill_.isEmpty() && heldFill_.intersects(DeviceBox(box));
}

// Every brush is solid, so a shape's fill covers all of it: the held fill is written only
// around it, by `around` for each part of the box.
template <typename Around>
void QtRasterContext::SettleAround(const Rect& box, const Around& around) {
    if (!HoldsFillIn(box)) return;
    const QRegion under = heldFill_ & DeviceBox(box);
    for (const QRect& part : under) around(LogicalBox(part));
    heldFill_ -= under;
}

void QtRasterContext::SettleAll() {
    if (!heldFill_.isEmpty()) WriteHeldFill(heldFill_);
}

void QtRasterContext::WriteHeldFill(const QRegion& device) {
    for (const QRect& part : device) pixels_.Box(LogicalBox(part), heldColour_);
    heldFill_ -= device;
}

Rgb QtRasterContext::GetSysColour(int index) {
    return family_->colours(index);
}

}  // namespace tumbler::drawing
