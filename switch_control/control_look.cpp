#include "switch_control/control_look.h"

#include "switch_control/tumbler_ctrl.h"

namespace tumbler::drawing {

SwitchLook LookOf(const CTumblerCtrl& control) {
    SwitchLook look;
    look.on = control.GetValue() != 0;
    look.shape = control.GetSwitchShape();
    look.alignment = control.GetAlignment();
    look.captionAlignment = control.GetCaptionAlignment();
    look.fore = control.TranslateColor(control.GetForeColor());
    look.back = control.TranslateColor(control.GetBackColor());
    look.captionColour = control.TranslateColor(control.GetCaptionColor());
    look.led = control.TranslateColor(control.GetLedColor());
    look.ledDarkPrm = control.GetLedDarkPrm();
    look.caption = control.GetText();
    look.font = control.InternalGetFont();
    return look;
}

Rgb FrameworkSystemColour(int index) {
    return framework::SystemColors().Get(index);
}

}  // namespace tumbler::drawing
