#include "switch_control/graphics/recording_context.h"

#include <utility>

namespace tumbler::drawing {
namespace {

int Int(Rgb colour) {
    return static_cast<int>(colour);
}

std::vector<int> Flat(const Rect& r) {
    return {r.l, r.t, r.r, r.b};
}

std::vector<int> Flat(std::span<const Point> points) {
    std::vector<int> out;
    for (const auto& p : points) {
        out.push_back(p.x);
        out.push_back(p.y);
    }
    return out;
}

std::vector<int> Flat(const Rect& box, Point start, Point end) {
    return {box.l, box.t, box.r, box.b, start.x, start.y, end.x, end.y};
}

}  // namespace

struct RecordingContext::Book {
    Book(std::shared_ptr<const TextMeasurer> textMeasurer, SystemColourSource source,
         Options chosen)
        : measurer(std::move(textMeasurer)), colours(std::move(source)), options(chosen) {}
    std::shared_ptr<const TextMeasurer> measurer;
    SystemColourSource colours;
    Options options;
    ObjectTable objects;
    std::vector<DrawingCall> calls;
    int nextContext = 1;
    int liveContexts = 0;
    std::vector<std::string> faults;
};

RecordingContext::RecordingContext(std::shared_ptr<const TextMeasurer> measurer,
                                   SystemColourSource colours)
    : RecordingContext(std::move(measurer), std::move(colours), Options{}) {}

RecordingContext::RecordingContext(std::shared_ptr<const TextMeasurer> measurer,
                                   SystemColourSource colours, Options options)
    : RecordingContext(std::make_shared<Book>(std::move(measurer), std::move(colours), options),
                       0) {}

RecordingContext::RecordingContext(std::shared_ptr<Book> book, int id)
    : book_(std::move(book)),
      id_(id),
      selection_(ObjectTable::DefaultSelection(id != 0)),
      font_{"System", 10.0, 700} {
    book_->objects.Hold(selection_);
}

RecordingContext::~RecordingContext() {
    book_->objects.Release(selection_);
    if (id_ != 0) {
        --book_->liveContexts;
        Record(CallKind::ReleaseContext, {});
    }
}

const std::vector<DrawingCall>& RecordingContext::Calls() const {
    return book_->calls;
}

int RecordingContext::LiveObjects() const {
    return book_->objects.LiveCount();
}

int RecordingContext::LiveContexts() const {
    return book_->liveContexts;
}

const std::vector<std::string>& RecordingContext::Faults() const {
    return book_->faults;
}

void RecordingContext::Record(CallKind kind, std::vector<int> args, ObjectHandle object,
                              std::string text) {
    book_->calls.push_back({kind, id_, object, std::move(args), std::move(text)});
}

ObjectHandle RecordingContext::CreatePen(int width, Rgb colour) {
    auto handle = book_->objects.Add({ObjectKind::Pen, width, colour});
    Record(CallKind::CreatePen, {width, Int(colour)}, handle);
    return handle;
}

ObjectHandle RecordingContext::CreateSolidBrush(Rgb colour) {
    auto handle = book_->objects.Add({ObjectKind::Brush, 0, colour});
    Record(CallKind::CreateSolidBrush, {Int(colour)}, handle);
    return handle;
}

ObjectHandle RecordingContext::CreateCompatibleBitmap(int width, int height) {
    auto handle = book_->options.failBitmaps
                      ? kNoObject
                      : book_->objects.Add({ObjectKind::Bitmap, width, 0, height});
    Record(CallKind::CreateCompatibleBitmap, {width, height}, handle);
    return handle;
}

ObjectHandle RecordingContext::GetStockObject(StockObject which) {
    return ObjectTable::Stock(which);
}

ObjectHandle RecordingContext::SelectObject(ObjectHandle object) {
    const ObjectEntry* entry = book_->objects.Find(object);
    if (entry == nullptr) {
        book_->faults.push_back("select of unknown object " + std::to_string(object));
        return kNoObject;
    }
    switch (entry->kind) {
        case ObjectKind::Pen:
            Record(CallKind::SelectPen, {entry->width, Int(entry->colour)}, object);
            break;
        case ObjectKind::Brush:
            Record(CallKind::SelectBrush, {Int(entry->colour)}, object);
            break;
        case ObjectKind::Bitmap:
            Record(CallKind::SelectBitmap, {entry->width, entry->height}, object);
            break;
    }
    return book_->objects.Select(selection_, object);
}

void RecordingContext::DeleteObject(ObjectHandle object) {
    Record(CallKind::DeleteObject, {}, object);
    switch (book_->objects.Delete(object)) {
        case ObjectTable::Deletion::Unknown:
            book_->faults.push_back("delete of unknown object " + std::to_string(object));
            break;
        case ObjectTable::Deletion::Selected:
            book_->faults.push_back("delete of selected object " + std::to_string(object));
            break;
        case ObjectTable::Deletion::Deleted:
        case ObjectTable::Deletion::Stock:
            break;
    }
}

std::unique_ptr<DrawingContext> RecordingContext::CreateCompatibleContext() {
    Record(CallKind::CreateCompatibleContext, {});
    if (book_->options.failContexts) return nullptr;
    ++book_->liveContexts;
    return std::unique_ptr<DrawingContext>(new RecordingContext(book_, book_->nextContext++));
}

void RecordingContext::FillRect(const Rect& rect, ObjectHandle brush) {
    const ObjectEntry* entry = book_->objects.Find(brush);
    if (entry == nullptr) book_->faults.push_back("fill with unknown brush");
    auto args = Flat(rect);
    args.push_back(entry != nullptr ? Int(entry->colour) : 0);
    Record(CallKind::FillRect, std::move(args), brush);
}

void RecordingContext::Rectangle(const Rect& rect) {
    Record(CallKind::Rectangle, Flat(rect));
}

void RecordingContext::Ellipse(const Rect& box) {
    Record(CallKind::Ellipse, Flat(box));
}

void RecordingContext::Polygon(std::span<const Point> points) {
    Record(CallKind::Polygon, Flat(points));
}

void RecordingContext::Polyline(std::span<const Point> points) {
    Record(CallKind::Polyline, Flat(points));
}

void RecordingContext::Pie(const Rect& box, Point start, Point end) {
    Record(CallKind::Pie, Flat(box, start, end));
}

void RecordingContext::Arc(const Rect& box, Point start, Point end) {
    Record(CallKind::Arc, Flat(box, start, end));
}

void RecordingContext::MoveTo(Point to) {
    Record(CallKind::MoveTo, {to.x, to.y});
}

void RecordingContext::LineTo(Point to) {
    Record(CallKind::LineTo, {to.x, to.y});
}

FontDescription RecordingContext::SelectFont(const FontDescription& font) {
    Record(CallKind::SelectFont, {static_cast<int>(font.pointSize * 100), font.weight}, kNoObject,
           font.family);
    return std::exchange(font_, font);
}

Size RecordingContext::MeasureText(std::string_view text) {
    return book_->measurer->Measure(font_, text);
}

int RecordingContext::CharacterHeight() {
    return book_->measurer->CharacterHeight(font_);
}

void RecordingContext::SetTextColour(Rgb colour) {
    Record(CallKind::SetTextColour, {Int(colour)});
}

void RecordingContext::SetTransparentBackground() {
    Record(CallKind::SetTransparentBackground, {});
}

void RecordingContext::SetTextAlignCentreTop() {
    Record(CallKind::SetTextAlignCentreTop, {});
}

void RecordingContext::DrawTextClipped(Point reference, const Rect& clip, std::string_view text) {
    Record(CallKind::DrawText, {reference.x, reference.y, clip.l, clip.t, clip.r, clip.b},
           kNoObject, std::string(text));
}

void RecordingContext::SetViewportOrigin(Point origin) {
    Record(CallKind::SetViewportOrigin, {origin.x, origin.y});
}

void RecordingContext::CopyFrom(DrawingContext& source, const Rect& destination,
                                Point sourceOrigin) {
    auto* recorded = dynamic_cast<RecordingContext*>(&source);
    auto args = Flat(destination);
    args.insert(args.end(), {sourceOrigin.x, sourceOrigin.y, recorded ? recorded->id_ : -1});
    Record(CallKind::CopyFrom, std::move(args));
}

Rgb RecordingContext::GetSysColour(int index) {
    return book_->colours(index);
}

}  // namespace tumbler::drawing
