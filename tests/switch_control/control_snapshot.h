#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "switch_control/tumbler_ctrl.h"

namespace tumbler::testing {

// Every property of the control as a container reads it through dispatch, and its size.
inline std::vector<framework::Variant> Snapshot(CTumblerCtrl& control) {
    std::vector<framework::Variant> values;
    for (const framework::MemberInfo& member : control.DispatchInterface().members) {
        if (member.kind != framework::MemberKind::Property) continue;
        framework::Variant value;
        EXPECT_EQ(control.GetProperty(member.id, &value), framework::kOk) << member.name;
        values.push_back(value);
    }
    values.push_back(framework::Variant::Long(control.Bounds().Width()));
    values.push_back(framework::Variant::Long(control.Bounds().Height()));
    return values;
}

}  // namespace tumbler::testing
