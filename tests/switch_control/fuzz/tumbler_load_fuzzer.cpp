// libFuzzer target for both loaders of the switch control. The first byte picks the form
// (even: binary stream, odd: property bag text); the rest is the stored data. A load must
// either fail and leave a new control's state, or succeed with a state that saves and
// reloads unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "switch_control/tumbler_ctrl.h"

using namespace tumbler;
using namespace tumbler::framework;

namespace {

std::vector<std::uint8_t> Saved(CTumblerCtrl& control) {
    std::vector<std::uint8_t> stream;
    if (Failed(control.SaveToStream(&stream))) std::abort();
    return stream;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> stored(data + 1, size - 1);
    CTumblerCtrl control;
    HResult hr;
    if (data[0] & 1) {
        hr = control.LoadFromBagText(
            std::string_view(reinterpret_cast<const char*>(stored.data()), stored.size()));
    } else {
        hr = control.LoadFromStream(stored);
    }
    const std::vector<std::uint8_t> state = Saved(control);
    if (Failed(hr)) {
        CTumblerCtrl fresh;
        if (state != Saved(fresh)) std::abort();
        return 0;
    }
    CTumblerCtrl reloaded;
    if (Failed(reloaded.LoadFromStream(state)) || Saved(reloaded) != state) std::abort();
    return 0;
}
