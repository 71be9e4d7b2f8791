#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "switch_control/framework/module/module_state.h"

namespace tumbler::framework {

// A module file loaded into this process; it is unloaded when the last copy of
// the handle goes away.
class LoadedModule {
  public:
    LoadedModule() = default;
    LoadedModule(std::shared_ptr<void> handle, ModuleState* state)
        : handle_(std::move(handle)), state_(state) {}

    explicit operator bool() const { return handle_ != nullptr && state_ != nullptr; }
    const std::shared_ptr<void>& handle() const { return handle_; }
    ModuleState* state() const { return state_; }
    // An exported symbol, null when the module has none of that name.
    void* Symbol(const char* name) const;

  private:
    std::shared_ptr<void> handle_;
    ModuleState* state_ = nullptr;
};

// Loads the module (or takes another reference to it when it is loaded
// already). Empty, with the reason in `error`, when the file cannot be loaded or
// is not a module of this framework.
LoadedModule LoadModule(const std::filesystem::path& path, std::string* error = nullptr);

}  // namespace tumbler::framework
