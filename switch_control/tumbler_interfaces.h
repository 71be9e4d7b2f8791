#pragma once

// The Tumbler control's identity as containers and the type library see it: identifiers,
// enumerations, DISPIDs and the event interface. The dispatch interface's table, bound to the
// control, is CTumblerCtrl::DispatchTableOf().

#include <cstdint>
#include <string_view>
#include <vector>

#include "switch_control/framework/control/dispatch.h"
#include "switch_control/framework/control/guid.h"

namespace tumbler {

namespace detail {
constexpr framework::Guid TumblerGuid(std::uint32_t data1) {
    return {data1, 0x7D55, 0x11D4, {0x8D, 0xB5, 0x00, 0x40, 0x05, 0x39, 0x97, 0x97}};
}
}  // namespace detail

inline constexpr framework::Guid kLibIdTumbler = detail::TumblerGuid(0x9C681F64);
inline constexpr framework::Guid kIidDTumbler = detail::TumblerGuid(0x9C681F65);
inline constexpr framework::Guid kIidDTumblerEvents = detail::TumblerGuid(0x9C681F66);
inline constexpr framework::Guid kClsidTumbler = detail::TumblerGuid(0x9C681F67);
inline constexpr framework::Guid kClsidTumblerPropPage = detail::TumblerGuid(0x9C681F68);
// The shapes' enumeration shares its identifier with the property page class.
inline constexpr framework::Guid kGuidTumblerShapes = detail::TumblerGuid(0x9C681F68);
inline constexpr framework::Guid kGuidTumblerAliments = detail::TumblerGuid(0x9C681F69);
inline constexpr framework::Guid kGuidAliments = detail::TumblerGuid(0x9C681F6A);

// The version of the stored property format.
inline constexpr std::uint32_t kExchangeVersion = 0x00010000;

enum class TumblerShapes : std::int32_t { type1, type2, type3, type4, type5, type6, type7 };
enum class TumblerAliments : std::int32_t { vertical, horizontal };
enum class Aliments : std::int32_t { top, bottom };

// Custom DISPIDs of _DTumbler and _DTumblerEvents.
namespace dispid {
constexpr framework::DispId kValue = 1;
constexpr framework::DispId kSwitchShape = 2;
constexpr framework::DispId kAlignment = 3;
constexpr framework::DispId kCaptionAlignment = 4;
constexpr framework::DispId kCaptionColor = 5;
constexpr framework::DispId kLedColor = 6;
constexpr framework::DispId kLedDarkPrm = 7;
constexpr framework::DispId kVer = 8;
constexpr framework::DispId kChange = 1;
}  // namespace dispid

// _DTumblerEvents.
const framework::InterfaceInfo& TumblerEventsInterface();
// TumblerShapes, TumblerAliments and Aliments, in the type library's order.
const std::vector<framework::EnumInfo>& TumblerEnums();

}  // namespace tumbler
