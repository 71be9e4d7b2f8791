#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/module/class_registry.h"

namespace container {

namespace fw = tumbler::framework;

// The one control a container holds: created through the registry by ProgID
// or class identifier, with its class factory and module, which are let go
// when the module says it can be unloaded.
class HostedControl {
  public:
    explicit HostedControl(const fw::ClassRegistry& registry) : registry_(registry) {}
    ~HostedControl();

    // Replaces any control held. kOk, or why nothing could be created.
    fw::HResult Create(const std::string& progIdOrClsid);
    // Destroys the control; then unloads the module if DllCanUnloadNow agrees.
    // True when the module was unloaded.
    bool Release();

    fw::ControlBase* control() const { return control_.get(); }
    const fw::Guid& clsid() const { return clsid_; }
    std::string TypeName() const;
    // The control's property pages, in order.
    std::vector<fw::Guid> PropertyPages() const;
    bool ModuleLoaded() const { return static_cast<bool>(object_.module); }

    // The control's properties as a property bag text file.
    fw::HResult SaveToFile(const std::filesystem::path& path) const;
    fw::HResult LoadFromFile(const std::filesystem::path& path);

  private:
    const fw::ClassRegistry& registry_;
    fw::ClassObject object_;
    fw::Guid clsid_;
    std::shared_ptr<fw::ControlBase> control_;
};

}  // namespace container
