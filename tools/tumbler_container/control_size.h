#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace container {

// The largest side a hosted control may be given, in pixels.
constexpr int kMaxControlSide = 4096;

// "WIDTHxHEIGHT" in pixels, each side 1 to kMaxControlSide; nullopt for anything else.
std::optional<QSize> ParseControlSize(const QString& text);

}  // namespace container
