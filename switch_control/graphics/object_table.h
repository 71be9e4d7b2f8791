#pragma once

#include <array>
#include <map>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing {

enum class ObjectKind { Pen, Brush, Bitmap };

struct ObjectEntry {
    ObjectKind kind;
    int width = 0;  // pen width or bitmap width
    Rgb colour = 0;
    int height = 0;  // bitmap height
    bool stock = false;
    int selections = 0;  // contexts that have it selected
};

// The pens, brushes and bitmaps of a family of compatible contexts, with the stock objects,
// and which of them are selected somewhere (a selected object must not be deleted).
class ObjectTable {
  public:
    static constexpr ObjectHandle kPlaceholderBitmap = 4;

    ObjectTable();
    static ObjectHandle Stock(StockObject which);

    ObjectHandle Add(ObjectEntry entry);
    const ObjectEntry* Find(ObjectHandle handle) const;
    int LiveCount() const;  // objects made and not deleted

    // What one context has selected, one slot per kind.
    using Selection = std::array<ObjectHandle, 3>;
    static Selection DefaultSelection(bool memoryContext);
    void Hold(const Selection& selection);
    void Release(const Selection& selection);
    // Puts `handle` (known) into its slot of `selection`; returns the previous one there.
    ObjectHandle Select(Selection& selection, ObjectHandle handle);

    enum class Deletion { Deleted, Stock, Selected, Unknown };
    Deletion Delete(ObjectHandle handle);

  private:
    void Count(ObjectHandle handle, int change);
    std::map<ObjectHandle, ObjectEntry> objects_;
    ObjectHandle next_ = 16;
};

}  // namespace tumbler::drawing
