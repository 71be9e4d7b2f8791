#include "switch_control/qt/followed_look.h"

#include "switch_control/framework/control/control_base.h"
#include "switch_control/qt/qt_values.h"
#include "switch_control/tumbler_interfaces.h"

namespace tumbler::qt {

namespace fw = framework;

namespace {

fw::OleColor CaptionColourOf(fw::ControlBase& control) {
    fw::Variant value;
    control.GetProperty(dispid::kCaptionColor, &value);
    return value.AsColor();
}

}  // namespace

HostLook HostLookOf(const QFont& font, const QPalette& palette, int charset) {
    HostLook look;
    look.font = FromWidgetFont(font);
    look.font.charset = charset;
    look.captionColour = ToOleColor(palette.color(QPalette::WindowText));
    look.backColour = ToOleColor(palette.color(QPalette::Window));
    return look;
}

void FollowedLook::Pin(Property property) {
    switch (property) {
        case Property::Font:
            font_.pinned = true;
            break;
        case Property::CaptionColour:
            captionColour_.pinned = true;
            break;
        case Property::BackColour:
            backColour_.pinned = true;
            break;
    }
}

bool FollowedLook::Follows(Property property, fw::ControlBase& control) const {
    switch (property) {
        case Property::Font:
            return font_.Follows(control.InternalGetFont());
        case Property::CaptionColour:
            return captionColour_.Follows(CaptionColourOf(control));
        case Property::BackColour:
            return backColour_.Follows(control.GetBackColor());
    }
    return false;
}

void FollowedLook::Follow(fw::ControlBase& control, const HostLook& look) {
    font_.Follow(
        look.font, [&] { return control.InternalGetFont(); },
        [&](const fw::FontDescription& font) {
            control.SetProperty(fw::kDispIdFont, fw::Variant::Font(font));
        });
    captionColour_.Follow(
        look.captionColour, [&] { return CaptionColourOf(control); },
        [&](fw::OleColor colour) {
            control.SetProperty(dispid::kCaptionColor, fw::Variant::Color(colour));
        });
    backColour_.Follow(
        look.backColour, [&] { return control.GetBackColor(); },
        [&](fw::OleColor colour) {
            control.SetProperty(fw::kDispIdBackColor, fw::Variant::Color(colour));
        });
}

}  // namespace tumbler::qt
