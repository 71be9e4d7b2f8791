// Damaged stored data, made by mutating good data at random (seeded, bounded): every load
// either succeeds with a control that saves and reloads the same, or fails with one of the
// load failures and leaves the control exactly as a new one.
#include <gtest/gtest.h>

#include <random>

#include "tests/switch_control/control_snapshot.h"

namespace tumbler {
namespace {

using namespace framework;

constexpr int kMutationsPerForm = 3000;

bool IsLoadFailure(HResult hr) {
    return hr == kReadFault || hr == kTypeMismatch || hr == kDataCorrupt || hr == kUnknownVersion;
}

// One to three random edits: change, insert or delete a byte, cut the tail, repeat a run.
template <typename Bytes>
Bytes Mutate(Bytes data, std::mt19937& random) {
    std::uniform_int_distribution<int> edits(1, 3);
    for (int n = edits(random); n > 0 && !data.empty(); --n) {
        std::uniform_int_distribution<std::size_t> at(0, data.size() - 1);
        const std::size_t position = at(random);
        const auto byte = static_cast<typename Bytes::value_type>(random() & 0xFF);
        switch (random() % 5) {
            case 0:
                data[position] = byte;
                break;
            case 1:
                data.insert(data.begin() + static_cast<std::ptrdiff_t>(position), byte);
                break;
            case 2:
                data.erase(data.begin() + static_cast<std::ptrdiff_t>(position));
                break;
            case 3:
                data.resize(position);
                break;
            default: {
                const std::size_t length = std::min<std::size_t>(data.size() - position, 8);
                Bytes run(data.begin() + static_cast<std::ptrdiff_t>(position),
                          data.begin() + static_cast<std::ptrdiff_t>(position + length));
                data.insert(data.begin() + static_cast<std::ptrdiff_t>(position), run.begin(),
                            run.end());
            }
        }
    }
    return data;
}

class LoadMutation : public ::testing::Test {
  protected:
    LoadMutation() {
        original.SetText("Pump \"A\" ﾎﾟﾝﾌﾟ");
        original.SetSwitchShape(5);
        original.SetValue(1);
        original.SetLedDarkPrm(0.25);
        original.SetCaptionColor(0x80000012);
        defaults = testing::Snapshot(fresh);
    }

    // The loaded control's state after `hr`.
    void Check(CTumblerCtrl& control, HResult hr) {
        if (Failed(hr)) {
            ASSERT_TRUE(IsLoadFailure(hr)) << std::hex << hr;
            ASSERT_EQ(testing::Snapshot(control), defaults);
            return;
        }
        std::vector<std::uint8_t> again;
        ASSERT_EQ(control.SaveToStream(&again), kOk);
        CTumblerCtrl reloaded;
        ASSERT_EQ(reloaded.LoadFromStream(again), kOk);
        ASSERT_EQ(testing::Snapshot(reloaded), testing::Snapshot(control));
    }

    CTumblerCtrl original;
    CTumblerCtrl fresh;
    std::vector<Variant> defaults;
};

TEST_F(LoadMutation, DamagedStreamsLoadOrFailCleanly) {
    std::vector<std::uint8_t> good;
    ASSERT_EQ(original.SaveToStream(&good), kOk);
    std::mt19937 random(20001);
    int failures = 0;
    for (int i = 0; i < kMutationsPerForm; ++i) {
        const std::vector<std::uint8_t> damaged = Mutate(good, random);
        CTumblerCtrl control;
        control.SetSwitchShape(3);
        const HResult hr = control.LoadFromStream(damaged);
        failures += Failed(hr);
        Check(control, hr);
        if (HasFatalFailure()) FAIL() << "mutation " << i;
    }
    // Most random edits of a typed stream must be caught, not silently read.
    EXPECT_GT(failures, kMutationsPerForm / 2);
}

TEST_F(LoadMutation, DamagedBagTextsLoadOrFailCleanly) {
    std::string good;
    ASSERT_EQ(original.SaveToBagText(&good), kOk);
    std::mt19937 random(20002);
    int failures = 0;
    for (int i = 0; i < kMutationsPerForm; ++i) {
        const std::string damaged = Mutate(good, random);
        CTumblerCtrl control;
        control.SetSwitchShape(3);  // must be back at its default after a failed load
        const HResult hr = control.LoadFromBagText(damaged);
        failures += Failed(hr);
        Check(control, hr);
        if (HasFatalFailure()) FAIL() << "mutation " << i << ":\n" << damaged;
    }
    EXPECT_GT(failures, kMutationsPerForm / 4);
}

}  // namespace
}  // namespace tumbler
