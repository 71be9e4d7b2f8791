#include "trend/readout.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>

#include "trend/axis_ticks.h"
#include "trend/column_decimation.h"
#include "trend/lamp_events.h"

namespace trend {

namespace {

// `value` with a sign and `decimals` places, a point whatever the locale.
std::string Signed(double value, int decimals) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    const std::string number(text, end);
    return number.starts_with('-') ? number : "+" + number;
}

std::string LitLamps(std::uint8_t lamps) {
    std::string text;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        if ((lamps >> lamp & 1) == 0) continue;
        if (!text.empty()) text += ", ";
        text += LampCaption(lamp);
    }
    return text.empty() ? "no lamp lit" : text;
}

}  // namespace

std::string ReadoutText(const Sample& sample, bool unwrap, Millis utcOffset,
                        const Sample* reference) {
    char position[64];
    std::snprintf(position, sizeof position, "%" PRId64 " DEC  %06X HEX",
                  PlottedValue(sample, unwrap), static_cast<unsigned>(sample.position()));
    std::string text =
        ClockText(sample.time, utcOffset) + "  " + position + "  " + LitLamps(sample.lamps);
    if (!reference) return text;
    const std::int64_t counts = PlottedValue(sample, unwrap) - PlottedValue(*reference, unwrap);
    const Millis millis = sample.time - reference->time;
    std::string difference = "from reference: " + std::string(counts < 0 ? "" : "+") +
                             std::to_string(counts) + " counts in ";
    if (millis == 0) return text + "\n" + difference + "0 s";
    const double seconds = static_cast<double>(millis) / 1000.0;
    return text + "\n" + difference + Signed(seconds, 3) +
           " s = " + Signed(static_cast<double>(counts) / seconds, 1) + " counts/s";
}

}  // namespace trend
