#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/loaded_module.h"
#include "tests/tumbler_module/scoped_environment.h"
#include "tests/tumbler_module/temp_folder.h"

// A test with its own class registries ($XDG_DATA_HOME and $XDG_DATA_DIRS point
// into a fresh folder, so an installed system registry stays out) and the module
// loaded from its build path.
class ModuleTest : public ::testing::Test {
  protected:
    using HResult = tumbler::framework::HResult;

    void SetUp() override {
        dataHome_.Set((data_.path() / "data").string());
        dataDirs_.Set((data_.path() / "system").string());
        module_ = tumbler::framework::LoadModule(TUMBLER_MODULE_PATH);
        ASSERT_TRUE(module_) << "cannot load " << TUMBLER_MODULE_PATH;
    }

    HResult Call(const char* entry) const {
        auto function = reinterpret_cast<HResult (*)()>(module_.Symbol(entry));
        EXPECT_NE(function, nullptr) << entry;
        return function != nullptr ? function() : tumbler::framework::kFail;
    }

    tumbler::framework::ClassRegistry Registry() const {
        return tumbler::framework::ClassRegistry();
    }

    TempFolder data_;
    tumbler::framework::LoadedModule module_;

  private:
    ScopedEnvironment dataHome_{"XDG_DATA_HOME"};
    ScopedEnvironment dataDirs_{"XDG_DATA_DIRS"};
};
