#include "switch_control/graphics/object_table.h"

namespace tumbler::drawing {
namespace {
constexpr ObjectHandle kBlackPen = 1;
constexpr ObjectHandle kBlackBrush = 2;
constexpr ObjectHandle kWhiteBrush = 3;
}  // namespace

ObjectTable::ObjectTable()
    : objects_{
          {kBlackPen, {ObjectKind::Pen, 1, 0x000000, 0, true}},
          {kBlackBrush, {ObjectKind::Brush, 0, 0x000000, 0, true}},
          {kWhiteBrush, {ObjectKind::Brush, 0, 0xFFFFFF, 0, true}},
          {kPlaceholderBitmap, {ObjectKind::Bitmap, 1, 0, 1, true}},
      } {}

ObjectHandle ObjectTable::Stock(StockObject which) {
    switch (which) {
        case StockObject::BlackPen:
            return kBlackPen;
        case StockObject::BlackBrush:
            return kBlackBrush;
        case StockObject::WhiteBrush:
            return kWhiteBrush;
    }
    return kNoObject;
}

ObjectHandle ObjectTable::Add(ObjectEntry entry) {
    objects_[next_] = entry;
    return next_++;
}

const ObjectEntry* ObjectTable::Find(ObjectHandle handle) const {
    auto found = objects_.find(handle);
    return found == objects_.end() ? nullptr : &found->second;
}

int ObjectTable::LiveCount() const {
    int live = 0;
    for (const auto& [handle, entry] : objects_) {
        if (!entry.stock) ++live;
    }
    return live;
}

ObjectTable::Selection ObjectTable::DefaultSelection(bool memoryContext) {
    // A fresh context draws with the black pen and the white brush, as GDI's do.
    return {kBlackPen, kWhiteBrush, memoryContext ? kPlaceholderBitmap : kNoObject};
}

void ObjectTable::Count(ObjectHandle handle, int change) {
    auto found = objects_.find(handle);
    if (found != objects_.end()) found->second.selections += change;
}

void ObjectTable::Hold(const Selection& selection) {
    for (ObjectHandle handle : selection) Count(handle, +1);
}

void ObjectTable::Release(const Selection& selection) {
    for (ObjectHandle handle : selection) Count(handle, -1);
}

ObjectHandle ObjectTable::Select(Selection& selection, ObjectHandle handle) {
    auto& slot = selection[static_cast<std::size_t>(objects_.at(handle).kind)];
    ObjectHandle previous = slot;
    Count(previous, -1);
    Count(handle, +1);
    slot = handle;
    return previous;
}

ObjectTable::Deletion ObjectTable::Delete(ObjectHandle handle) {
    auto found = objects_.find(handle);
    if (found == objects_.end()) return Deletion::Unknown;
    if (found->second.stock) return Deletion::Stock;
    if (found->second.selections > 0) return Deletion::Selected;
    objects_.erase(found);
    return Deletion::Deleted;
}

}  // namespace tumbler::drawing
