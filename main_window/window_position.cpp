#include "main_window/window_position.h"

#include <algorithm>
#include <limits>

#include "unit_parameters/number_text.h"

namespace main_window {

namespace {

constexpr const char* kSection = "Settings";
constexpr int kDefaultEdge = 1000;

int ReadEdge(const platform::SettingsStore& store, const std::string& application,
             const char* key) {
    return unit_parameters::ReadStrictInteger(store.read(application, kSection, key, ""))
        .value_or(kDefaultEdge);
}

// How far `value`'s span [value, value + size) lies outside [low, low + range).
long long Gap(int value, int size, int low, int range) {
    if (value + size <= low) return static_cast<long long>(low) - (value + size) + 1;
    if (value >= low + range) return static_cast<long long>(value) - (low + range) + 1;
    return 0;
}

int Clamp(int value, int size, int low, int range) {
    return std::max(low, std::min(value, low + range - size));
}

}  // namespace

TwipsPosition ReadMainPosition(const platform::SettingsStore& store,
                               const std::string& application) {
    return {ReadEdge(store, application, "MainLeft"), ReadEdge(store, application, "MainTop")};
}

void WriteMainPosition(platform::SettingsStore& store, const std::string& application,
                       TwipsPosition position) {
    store.write(application, kSection, "MainLeft", std::to_string(position.left));
    store.write(application, kSection, "MainTop", std::to_string(position.top));
}

PixelRect KeepOnScreens(PixelRect window, const std::vector<PixelRect>& screens) {
    const PixelRect* nearest = nullptr;
    long long nearestDistance = std::numeric_limits<long long>::max();
    for (const PixelRect& screen : screens) {
        const long long dx = Gap(window.left, window.width, screen.left, screen.width);
        const long long dy = Gap(window.top, window.height, screen.top, screen.height);
        if (dx == 0 && dy == 0) return window;
        if (dx * dx + dy * dy < nearestDistance) {
            nearestDistance = dx * dx + dy * dy;
            nearest = &screen;
        }
    }
    if (nearest == nullptr) return window;
    window.left = Clamp(window.left, window.width, nearest->left, nearest->width);
    window.top = Clamp(window.top, window.height, nearest->top, nearest->height);
    return window;
}

}  // namespace main_window
