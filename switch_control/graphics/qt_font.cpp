#include "switch_control/graphics/qt_font.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>

namespace tumbler::drawing {

namespace {

// The Windows fonts captions name, mapped once onto their metric twins installed here.
void SubstituteWindowsFonts() {
    static const bool done = [] {
        const QString gothic = QStringLiteral("IPAPGothic");
        for (const char* name :
             {"MS PGothic", "ＭＳ Ｐゴシック", "MS UI Gothic", "MS Gothic", "ＭＳ ゴシック"}) {
            QFont::insertSubstitution(QString::fromUtf8(name), gothic);
        }
        for (const char* name : {"MS Sans Serif", "Arial", "System"}) {
            QFont::insertSubstitution(QString::fromUtf8(name), QStringLiteral("Liberation Sans"));
        }
        return true;
    }();
    (void)done;
}

}  // namespace

QFont ToQFont(const FontDescription& font, double scale) {
    SubstituteWindowsFonts();
    QFont q(QString::fromStdString(font.family));
    q.setPixelSize(
        std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0 * scale))));
    q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    return q;
}

Size QtTextMeasurer::Measure(const FontDescription& font, std::string_view text) const {
    QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(QString::fromUtf8(text.data(), std::ssize(text))),
            metrics.height()};
}

int QtTextMeasurer::CharacterHeight(const FontDescription& font) const {
    return QFontMetrics(ToQFont(font)).height();
}

}  // namespace tumbler::drawing
