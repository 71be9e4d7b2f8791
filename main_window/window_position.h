#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace main_window {

// The main window's left and top edge in twips, as the settings store keeps them.
struct TwipsPosition {
    int left = 1000;
    int top = 1000;

    bool operator==(const TwipsPosition&) const = default;
};

// "MainLeft" and "MainTop" of section "Settings"; a missing or non-numeric value gives 1000.
TwipsPosition ReadMainPosition(const platform::SettingsStore& store,
                               const std::string& application);

// Writes "MainLeft", then "MainTop".
void WriteMainPosition(platform::SettingsStore& store, const std::string& application,
                       TwipsPosition position);

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where to put a window frame so that it shows on a screen: unchanged when it overlaps any of
// `screens`, otherwise moved the shortest way into the nearest one. No screens: unchanged.
PixelRect KeepOnScreens(PixelRect window, const std::vector<PixelRect>& screens);

}  // namespace main_window
