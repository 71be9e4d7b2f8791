#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/message_boxes.h"
#include "unit_parameters/unit_parameters.h"

namespace qm4417ctl {

// Why the window's panel could not show `record` so that a Load sends it back unchanged:
// a preset whose halves are not those of a preset 0 to FFFFFF, a sensor type outside 0 to
// 3. One text a reason, in the window's words where it has them; empty when it can.
std::vector<std::string> WhyPanelCannotShow(const unit_parameters::UnitParameters& record);

// The record that `load FILE.par` sends: the file through the window's panel and its Load
// checks. Nothing, with the reason on `boxes` or `err`, when the file cannot be read or the
// window would not load it.
std::optional<unit_parameters::UnitParameters> RecordToLoad(const std::string& path,
                                                            platform::MessageBoxes& boxes,
                                                            std::ostream& err);

}  // namespace qm4417ctl
