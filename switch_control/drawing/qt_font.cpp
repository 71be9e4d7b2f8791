#include "switch_control/drawing/qt_font.h"

#include <QFontMetrics>
#include <QString>
#include <cmath>

namespace tumbler::drawing {

QFont ToQFont(const FontSpec& font) {
    QFont q(QString::fromStdString(font.family));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0))));
    q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    return q;
}

Size QtTextMeasurer::Measure(const FontSpec& font, std::string_view text) const {
    QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(QString::fromUtf8(text.data(), std::ssize(text))),
            metrics.height()};
}

int QtTextMeasurer::CharacterHeight(const FontSpec& font) const {
    return QFontMetrics(ToQFont(font)).height();
}

}  // namespace tumbler::drawing
