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

// The two stored forms a container keeps a control in: the property bag's text and the
// sequential stream. A file's form is told by its name: ".stream" files hold the stream.
enum class StoredForm { BagText, Stream };
StoredForm StoredFormOf(const std::filesystem::path& path);

// The one control a container holds: created through the registry by ProgID
// or class identifier, with its class factory and module, which are let go
// when the module says it can be unloaded.
class HostedControl {
  public:
    explicit HostedControl(const fw::ClassRegistry& registry) : registry_(registry) {}
    ~HostedControl();

    // Replaces the control held once the new one exists; kOk, or why nothing could be
    // created (the control held then stays).
    fw::HResult Create(const std::string& progIdOrClsid);
    // Destroys the control; then unloads the module if DllCanUnloadNow agrees.
    // True when the module was unloaded.
    bool Release();

    fw::ControlBase* control() const { return control_.get(); }
    std::shared_ptr<fw::ControlBase> shared() const { return control_; }
    const fw::Guid& clsid() const { return clsid_; }
    bool ModuleLoaded() const { return static_cast<bool>(object_.module); }

    // The control's properties as a file in the form its name tells.
    fw::HResult SaveToFile(const std::filesystem::path& path) const;
    fw::HResult LoadFromFile(const std::filesystem::path& path);

  private:
    const fw::ClassRegistry& registry_;
    fw::ClassObject object_;
    fw::Guid clsid_;
    std::shared_ptr<fw::ControlBase> control_;
};

}  // namespace container
