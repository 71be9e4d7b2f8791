#pragma once

// The control's colour, font and mouse button values as Qt holds them, for every Qt host of a
// control: the widget, the Qt Quick item and a container's host.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <optional>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/font_description.h"
#include "switch_control/framework/control/system_colors.h"
#include "switch_control/graphics/colour.h"

namespace tumbler::qt {

// The palette role that stands for system colour `index`, if the palette has one.
std::optional<QPalette::ColorRole> PaletteRoleOf(int index);

// A colour value as a QColor: a system colour that the palette has is the palette's colour,
// any other through `translate` (the control's colour translation).
template <typename Translate>
QColor ToQColor(framework::OleColor value, const QPalette& palette, Translate translate);

QColor RgbToQColor(drawing::Rgb rgb);
framework::OleColor ToOleColor(const QColor& colour);

// The control's name for a Qt mouse button; none for the buttons a control does not know.
std::optional<framework::MouseButton> MouseButtonOf(Qt::MouseButton button);

// The stock font as the widget's font (point sizes, as Designer shows them) and back.
QFont ToWidgetFont(const framework::FontDescription& font);
framework::FontDescription FromWidgetFont(const QFont& font);

template <typename Translate>
QColor ToQColor(framework::OleColor value, const QPalette& palette, Translate translate) {
    if ((value & 0xFF000000u) == 0x80000000u) {
        if (const auto role = PaletteRoleOf(static_cast<int>(value & 0xFFu))) {
            return palette.color(*role);
        }
    }
    return RgbToQColor(translate(value));
}

}  // namespace tumbler::qt
