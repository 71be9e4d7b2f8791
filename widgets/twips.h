#pragma once

#include <QFont>
#include <QRect>

namespace widgets {

// Layout figures are in twips, 15 to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

inline QRect FromTwips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

inline QPoint PointFromTwips(int left, int top) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel};
}

// The layout's fonts are all Arial (Liberation Sans where Arial is missing).
inline QFont Arial(double points, bool bold = false) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace widgets
