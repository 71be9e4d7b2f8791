#include "switch_control/tumbler_interfaces.h"

#include "switch_control/framework/control/control_base.h"

namespace tumbler {

using framework::EnumInfo;
using framework::InterfaceInfo;
using framework::MemberInfo;
using framework::MemberKind;

namespace {

MemberInfo Event(framework::DispId id, std::string name) {
    MemberInfo event;
    event.id = id;
    event.name = std::move(name);
    event.kind = MemberKind::Method;
    return event;
}

}  // namespace

const InterfaceInfo& TumblerEventsInterface() {
    static const InterfaceInfo events{
        kIidDTumblerEvents,
        "_DTumblerEvents",
        "Event interface for Tumbler Control",
        false,
        {Event(framework::kDispIdReadyStateChange, "ReadyStateChange"),
         Event(framework::kDispIdClick, "Click"), Event(dispid::kChange, "Change")}};
    return events;
}

const std::vector<EnumInfo>& TumblerEnums() {
    static const std::vector<EnumInfo> enums{
        {kGuidTumblerShapes,
         "TumblerShapes",
         "TumblerShapes",
         {{"type1", 0, "ﾉｰﾏﾙ"},
          {"type2", 1, "ﾗﾝﾌﾟ ﾂｷ"},
          {"type3", 2, "ﾊﾟﾁﾊﾟﾁ"},
          {"type4", 3, "Push ｶｸ"},
          {"type5", 4, "Push ﾏﾙ"},
          {"type6", 5, "ｼｮｳｺｳPush ｶｸ"},
          {"type7", 6, "ｼｮｳｺｳPush ﾏﾙ"}}},
        {kGuidTumblerAliments,
         "TumblerAliments",
         "TumblerAliments",
         {{"vertical", 0, "ｽｲﾁｮｸ"}, {"horizontal", 1, "ｽｲﾍｲ"}}},
        {kGuidAliments, "Aliments", "Aliments", {{"top", 0, "ｳｴ"}, {"bottom", 1, "ｼﾀ"}}},
    };
    return enums;
}

}  // namespace tumbler
