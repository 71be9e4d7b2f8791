#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "switch_control/framework/control/dispatch.h"

namespace tumbler::framework {

// The dispatch row of a stock property (kDispIdBackColor ... kDispIdReadyState), bound to the
// ControlBase's storage, with the control's own flags and help. ReadyState is read-only.
DispatchTable::Row StockPropertyRow(DispId id, std::uint32_t flags,
                                    std::optional<std::uint32_t> helpContext,
                                    std::string helpString);
// The row of the stock DoClick method.
DispatchTable::Row StockDoClickRow();

}  // namespace tumbler::framework
