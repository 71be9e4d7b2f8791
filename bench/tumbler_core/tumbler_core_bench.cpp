// The cost of one dispatch call on the switch control and of a full save/load round trip in
// each stored form.
#include <benchmark/benchmark.h>

#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace {

using namespace tumbler;
using namespace tumbler::framework;

void ChangeSome(CTumblerCtrl& control) {
    control.SetText("Pump 1 ﾎﾟﾝﾌﾟ");
    control.SetSwitchShape(5);
    control.SetValue(1);
    control.SetLedDarkPrm(0.25);
}

void DispatchGetValue(benchmark::State& state) {
    CTumblerCtrl control;
    Variant value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(control.GetProperty(dispid::kValue, &value));
    }
}
BENCHMARK(DispatchGetValue);

void DispatchPutSwitchShape(benchmark::State& state) {
    CTumblerCtrl control;
    const Variant shape = Variant::Long(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(control.SetProperty(dispid::kSwitchShape, shape));
    }
}
BENCHMARK(DispatchPutSwitchShape);

void DispatchGetCaptionByName(benchmark::State& state) {
    CTumblerCtrl control;
    ChangeSome(control);
    Variant caption;
    for (auto _ : state) {
        DispId id = 0;
        benchmark::DoNotOptimize(control.GetIdOfName("caption", &id));
        benchmark::DoNotOptimize(control.GetProperty(id, &caption));
    }
}
BENCHMARK(DispatchGetCaptionByName);

void DispatchDoClick(benchmark::State& state) {
    CTumblerCtrl control;
    for (auto _ : state) {
        benchmark::DoNotOptimize(control.CallMethod(kDispIdDoClick));
    }
}
BENCHMARK(DispatchDoClick);

void StreamSaveLoadRoundTrip(benchmark::State& state) {
    CTumblerCtrl control;
    ChangeSome(control);
    CTumblerCtrl loaded;
    std::vector<std::uint8_t> stream;
    for (auto _ : state) {
        stream.clear();
        control.SaveToStream(&stream);
        benchmark::DoNotOptimize(loaded.LoadFromStream(stream));
    }
    state.counters["bytes"] = static_cast<double>(stream.size());
}
BENCHMARK(StreamSaveLoadRoundTrip);

void BagTextSaveLoadRoundTrip(benchmark::State& state) {
    CTumblerCtrl control;
    ChangeSome(control);
    CTumblerCtrl loaded;
    std::string text;
    for (auto _ : state) {
        control.SaveToBagText(&text);
        benchmark::DoNotOptimize(loaded.LoadFromBagText(text));
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BagTextSaveLoadRoundTrip);

}  // namespace

BENCHMARK_MAIN();
