// Times what a container goes through with the Tumbler module: registering it,
// creating the control by ProgID from an unloaded module (registry look-up,
// dlopen, class factory, new control), and releasing it until the module is
// unloaded. Runs against a registry of its own in a temporary folder.

#include <dlfcn.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/class_objects.h"

namespace fw = tumbler::framework;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRounds = 200;

double Micros(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

void Print(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-46s min %9.1f us  median %9.1f us  max %9.1f us  (%zu rounds)\n", what,
                samples.front(), samples[samples.size() / 2], samples.back(), samples.size());
}

bool Loaded(const char* path) {
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) dlclose(handle);
    return handle != nullptr;
}

}  // namespace

int main() {
    char folder[] = "/tmp/tumbler-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    setenv("XDG_DATA_HOME", folder, 1);
    const fw::ClassRegistry registry;

    std::vector<double> load, reg, create, unload;
    for (int i = 0; i < kRounds; ++i) {
        const auto t0 = Clock::now();
        fw::LoadedModule module = fw::LoadModule(TUMBLER_MODULE_PATH);
        const auto t1 = Clock::now();
        auto registerServer =
            reinterpret_cast<fw::HResult (*)()>(module.Symbol("DllRegisterServer"));
        if (registerServer == nullptr || registerServer() != fw::kOk) return 1;
        const auto t2 = Clock::now();
        module = fw::LoadedModule();  // unloaded: creation below starts from nothing
        load.push_back(Micros(t0, t1));
        reg.push_back(Micros(t1, t2));
    }
    for (int i = 0; i < kRounds; ++i) {
        if (Loaded(TUMBLER_MODULE_PATH)) return 2;
        const auto t0 = Clock::now();
        fw::Guid clsid;
        if (fw::ClsidFromString(registry, "Tumbler.TumblerCtrl.1", &clsid) != fw::kOk) return 3;
        fw::ClassObject object = fw::GetClassObject(registry, clsid);
        if (object.factory == nullptr) return 3;
        std::shared_ptr<fw::ControlBase> control = object.factory->CreateControl();
        const auto t1 = Clock::now();
        control.reset();
        auto canUnload =
            reinterpret_cast<fw::HResult (*)()>(object.module.Symbol("DllCanUnloadNow"));
        if (canUnload() != fw::kOk) return 4;
        object = fw::ClassObject();
        const auto t2 = Clock::now();
        if (Loaded(TUMBLER_MODULE_PATH)) return 5;
        create.push_back(Micros(t0, t1));
        unload.push_back(Micros(t1, t2));
    }
    std::printf("Tumbler module (%s)\n", TUMBLER_MODULE_PATH);
    Print("load module (dlopen)", load);
    Print("register (DllRegisterServer)", reg);
    Print("create by ProgID (module not loaded)", create);
    Print("release and unload (DllCanUnloadNow, dlclose)", unload);
    std::filesystem::remove_all(folder);
    return 0;
}
