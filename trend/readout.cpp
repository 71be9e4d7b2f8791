#include "trend/readout.h"

#include <cinttypes>
#include <cstdio>

#include "trend/axis_ticks.h"
#include "trend/column_decimation.h"
#include "trend/lamp_events.h"

namespace trend {

namespace {

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
    char difference[128];
    if (millis == 0) {
        std::snprintf(difference, sizeof difference, "from reference: %+" PRId64 " counts in 0 s",
                      counts);
    } else {
        std::snprintf(difference, sizeof difference,
                      "from reference: %+" PRId64 " counts in %+.3f s = %+.1f counts/s", counts,
                      static_cast<double>(millis) / 1000.0,
                      static_cast<double>(counts) * 1000.0 / static_cast<double>(millis));
    }
    return text + "\n" + difference;
}

}  // namespace trend
