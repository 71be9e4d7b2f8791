#pragma once

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/property_access.h"

namespace tumbler::framework {

// A control as the object that property pages edit.
class ControlPropertyAccess : public PropertyAccess {
  public:
    explicit ControlPropertyAccess(ControlBase& control) : control_(control) {}
    const InterfaceInfo& DispatchInfo() const override { return control_.DispatchInterface(); }
    HResult GetProperty(DispId id, Variant* value) override {
        return control_.GetProperty(id, value);
    }
    HResult SetProperty(DispId id, const Variant& value) override {
        return control_.SetProperty(id, value);
    }

  private:
    ControlBase& control_;
};

}  // namespace tumbler::framework
