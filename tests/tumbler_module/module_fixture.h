#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/loaded_module.h"
#include "tests/tumbler_module/temp_folder.h"

// A test with its own class registry ($XDG_DATA_HOME points into a fresh
// folder) and the module loaded from its build path.
class ModuleTest : public ::testing::Test {
  protected:
    using HResult = tumbler::framework::HResult;

    void SetUp() override {
        const char* old = std::getenv("XDG_DATA_HOME");
        savedDataHome_ = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_DATA_HOME", (data_.path() / "data").c_str(), 1);
        module_ = tumbler::framework::LoadModule(TUMBLER_MODULE_PATH);
        ASSERT_TRUE(module_) << "cannot load " << TUMBLER_MODULE_PATH;
    }
    void TearDown() override {
        savedDataHome_ ? setenv("XDG_DATA_HOME", savedDataHome_->c_str(), 1)
                       : unsetenv("XDG_DATA_HOME");
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
    std::optional<std::string> savedDataHome_;
};
