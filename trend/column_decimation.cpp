#include "trend/column_decimation.h"

#include <algorithm>

namespace trend {

std::int64_t PlottedValue(const Sample& sample, bool unwrap) {
    return unwrap ? sample.unwrapped : std::int64_t{sample.position()};
}

std::vector<Column> DecimateToColumns(const ReadingHistory& history, Millis from, Millis to,
                                      int width, bool unwrap) {
    std::vector<Column> columns;
    if (width <= 0 || to <= from) return columns;
    const Millis span = to - from;
    for (std::size_t i = history.firstAtOrAfter(from); i < history.size(); ++i) {
        const Sample& sample = history[i];
        if (sample.time >= to) break;
        // Integer arithmetic: the column of a time never depends on rounding.
        const int x = static_cast<int>((sample.time - from) * width / span);
        const std::int64_t value = PlottedValue(sample, unwrap);
        if (columns.empty() || columns.back().x != x) {
            // Joined when the reading before it is the last one of the drawn column before.
            const bool joined = !columns.empty() && !sample.startsRun;
            columns.push_back({x, value, value, value, value, joined});
            continue;
        }
        Column& column = columns.back();
        column.low = std::min(column.low, value);
        column.high = std::max(column.high, value);
        column.last = value;
    }
    return columns;
}

ValueRange RangeOf(const std::vector<Column>& columns) {
    if (columns.empty()) return {};
    ValueRange range{columns.front().low, columns.front().high};
    for (const Column& column : columns) {
        range.low = std::min(range.low, column.low);
        range.high = std::max(range.high, column.high);
    }
    return range;
}

bool RedrawDue(Millis moved, int width, Millis span, bool lampChanged) {
    constexpr int StepPixels = 3;
    constexpr Millis LongestWait = 1000;
    return lampChanged || moved >= LongestWait || moved * width >= StepPixels * span;
}

}  // namespace trend
