#pragma once

#include <cstdint>
#include <vector>

#include "trend/reading_history.h"

namespace trend {

// What the readings inside one screen column come to: the plot draws low to high, and a line
// from the last value of the column before when the two are joined.
struct Column {
    int x = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::int64_t first = 0;
    std::int64_t last = 0;
    // The column's first reading follows on from the last one of the drawn column before.
    bool joined = false;

    bool operator==(const Column&) const = default;
};

// The value drawn for a reading: the 24-bit position, or the count continued across wraps.
std::int64_t PlottedValue(const Sample& sample, bool unwrap);

// The readings from `from` up to (not including) `to` over `width` columns, each column
// `(to - from) / width` long; columns without a reading are left out. Runs in one pass over
// the readings in view, whatever the width.
std::vector<Column> DecimateToColumns(const ReadingHistory& history, Millis from, Millis to,
                                      int width, bool unwrap);

// The lowest and highest value of `columns`; {0, 0} when there are none.
struct ValueRange {
    std::int64_t low = 0;
    std::int64_t high = 0;
    bool operator==(const ValueRange&) const = default;
};
ValueRange RangeOf(const std::vector<Column>& columns);

// Whether a plot `width` pixels wide over `span` is worth drawing again when its newest reading
// is `moved` past the last drawing: once the line has moved 3 pixels, a lamp changed, or a
// second has passed. Drawing costs more than a reading; this keeps the line within 3 pixels or a
// second of the newest reading while drawing a third as often at 10 readings a second.
bool RedrawDue(Millis moved, int width, Millis span, bool lampChanged);

}  // namespace trend
