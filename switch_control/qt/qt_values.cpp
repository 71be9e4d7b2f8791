#include "switch_control/qt/qt_values.h"

namespace tumbler::qt {

std::optional<QPalette::ColorRole> PaletteRoleOf(int index) {
    switch (index) {
        case framework::kColorWindow:
            return QPalette::Base;
        case framework::kColorWindowText:
            return QPalette::Text;
        case framework::kColorButtonFace:
            return QPalette::Button;
        case framework::kColorButtonShadow:
            return QPalette::Dark;
        case framework::kColorButtonHighlight:
            return QPalette::Light;
        default:
            return std::nullopt;
    }
}

QColor RgbToQColor(drawing::Rgb rgb) {
    return QColor(rgb & 0xFF, rgb >> 8 & 0xFF, rgb >> 16 & 0xFF);
}

framework::OleColor ToOleColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<framework::OleColor>(rgb.red() | rgb.green() << 8 | rgb.blue() << 16);
}

std::optional<framework::MouseButton> MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return framework::MouseButton::Left;
        case Qt::RightButton:
            return framework::MouseButton::Right;
        case Qt::MiddleButton:
            return framework::MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

QFont ToWidgetFont(const framework::FontDescription& font) {
    QFont q(QString::fromStdString(font.family));
    q.setPointSizeF(font.pointSize);
    q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    return q;
}

framework::FontDescription FromWidgetFont(const QFont& font) {
    framework::FontDescription description;
    description.family = font.family().toStdString();
    description.pointSize =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    description.weight = font.weight();
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    return description;
}

}  // namespace tumbler::qt
