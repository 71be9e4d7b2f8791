#pragma once

#include "switch_control/framework/control/dispatch.h"

namespace tumbler::framework {

// Ambient properties a container may offer.
constexpr DispId kDispIdAmbientBackColor = -701;
constexpr DispId kDispIdAmbientFont = -703;
constexpr DispId kDispIdAmbientForeColor = -704;

// The container's side of one hosted control (its site). The container hands it to the control
// with ControlBase::SetClientSite before it initialises or loads the control. Every member has
// a default, so a container overrides only what it needs.
class ControlSite {
  public:
    virtual ~ControlSite() = default;

    // An ambient property (kDispIdAmbient...); false when the container has none.
    virtual bool GetAmbientProperty(DispId /*id*/, Variant* /*value*/) const { return false; }
    // The control wants to be repainted later; `erase` asks for the background first.
    virtual void InvalidateControl(bool /*erase*/) {}
    // Asked before a request-edit property changes; false refuses the change.
    virtual bool RequestEdit(DispId /*id*/) { return true; }
    // A bindable property changed.
    virtual void PropertyChanged(DispId /*id*/) {}
    // The container's window, owner of the dialogs the control opens (a QWidget* in Qt
    // containers; kept opaque so the control's services stay free of any toolkit), or null.
    virtual void* ContainerWindow() const { return nullptr; }
};

}  // namespace tumbler::framework
